#include "startup.h"

#include "gamedata.h"
#include "options.h"

namespace wm {

bool runStartup(AppData& d, Dialogs& dialogs, WindowOps& windows) {
    d.settingsOpener = {};
    if (!readFileList(d, dialogs))
        return false;
    loadExpTable(d);
    loadProducts(d, dialogs);
    loadJobs(d, dialogs);
    loadOptions(d, windows);
    return true;
}

}  // namespace wm
