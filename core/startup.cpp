#include "startup.h"

#include "gamedata.h"
#include "options.h"

namespace wm {

bool runStartup(AppData& d, Dialogs& dialogs, WindowOps& windows) {
    d.intOptCode = 0;
    if (!ReadFileList(d, dialogs))
        return false;
    LoadExpTable(d);
    LoadMakeData(d, dialogs);
    LoadJobData(d, dialogs);
    LoadOption(d, windows);
    return true;
}

}  // namespace wm
