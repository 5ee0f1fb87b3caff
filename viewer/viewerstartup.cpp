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
    // report a bad file twice.
    auto* window = new ProductWindow(d, dialogs, MaterialTreeWindow::Program::Viewer);
    window->show();
    return window;
}

}  // namespace wm
