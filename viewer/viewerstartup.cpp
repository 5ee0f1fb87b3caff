#include "viewerstartup.h"

#include "gamedata.h"
#include "productwindow.h"

namespace wm {

AppData viewerData() {
    AppData d(GuildTable::kViewerSections);
    d.appTitle = QStringLiteral("wmview");
    return d;
}

ProductWindow* startViewer(AppData& d, Dialogs& dialogs) {
    if (!readFileList(d, dialogs))
        return nullptr;
    loadProducts(d, dialogs);
    // The guild data is read by the window as it loads; reading it here as well would
    // report a bad file twice. The viewer also finds materials that only section 29 lists.
    auto* window = new ProductWindow(d, dialogs, NecklaceSection::Search);
    window->show();
    return window;
}

}  // namespace wm
