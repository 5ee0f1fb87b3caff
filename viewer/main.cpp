#include <QApplication>

#include "appdata.h"
#include "displayguard.h"
#include "firstshow.h"
#include "fontwarmup.h"
#include "programicon.h"
#include "qtdialogs.h"
#include "textrules.h"
#include "viewerstartup.h"

int main(int argc, char** argv) {
    wm::DisplayGuard display("wmview");
    QApplication app(argc, argv);
    display.started();
    app.setWindowIcon(wm::programIcon(QStringLiteral("wmview")));
    wm::installFirstShowHook();
    const wm::FontDatabaseWarmUp fonts;
    wm::AppData data = wm::viewerData();
    data.programFolder = wm::programFolderFrom(QCoreApplication::applicationDirPath());
    wm::QtDialogs dialogs(data.appTitle);
    // The product window is the only window: closing it ends the program.
    if (!wm::startViewer(data, dialogs))
        return 1;
    return app.exec();
}
