#include <QApplication>

#include "displayguard.h"
#include "firstshow.h"
#include "fontwarmup.h"
#include "programicon.h"
#include "textrules.h"
#include "wmtool.h"

int main(int argc, char** argv) {
    wm::DisplayGuard display("wmtool");
    QApplication app(argc, argv);
    display.started();
    app.setWindowIcon(wm::programIcon(QStringLiteral("wmtool")));
    wm::installFirstShowHook();
    const wm::FontDatabaseWarmUp fonts;
    wm::WmTool tool;
    tool.data().programFolder = wm::programFolderFrom(QCoreApplication::applicationDirPath());
    if (!tool.start())
        return 1;
    return app.exec();
}
