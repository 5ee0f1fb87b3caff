#include <QApplication>

#include "appdata.h"
#include "qtdialogs.h"
#include "startup.h"
#include "textrules.h"

namespace {

// Until the windows exist the startup only loads the data.
class NoWindows : public wm::WindowOps {
  public:
    bool isMainVisible(int) override { return false; }
    void showMain(int) override {}
    void hideMain(int) override {}
    void switchPage(int, int) override {}
    void showSettings() override {}
    void hideSettings() override {}
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    wm::AppData data;
    data.programFolder = wm::programFolderFrom(QCoreApplication::applicationDirPath());
    wm::QtDialogs dialogs(data.appTitle);
    NoWindows windows;
    return wm::runStartup(data, dialogs, windows) ? 0 : 1;
}
