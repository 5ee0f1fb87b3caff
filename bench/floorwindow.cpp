// The floor of the start benchmark: wmtool's start without its controls. It reads the
// program folder's data with the program's own start routine (building the font database
// alongside, as wmtool does), then shows a bare Qt main window with the same texts in the
// same fonts at the same size as the window wmtool painted first, all in one label (and an
// empty monospaced box when that window had one, which loads the second face). What
// wmtool needs beyond this is its controls and the code that builds them.
// Usage: floorwindow <program folder> <width> <height> <point size> <families> <texts>
//        [<point size> <families>]   (families separated by commas; the last two give the
//        monospaced font)

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QVBoxLayout>
#include <cstdio>

#include "appdata.h"
#include "firstshow.h"
#include "fontwarmup.h"
#include "qtdialogs.h"
#include "startup.h"
#include "textrules.h"

namespace {

QFont fontFrom(const QFont& base, const QString& pointSize, const QString& families) {
    QFont font = base;
    font.setFamilies(families.split(QLatin1Char(',')));
    font.setPointSize(pointSize.toInt());
    return font;
}

// Whichever window the options ask for, the floor window is the one shown.
class FloorWindows : public wm::WindowOps {
  public:
    explicit FloorWindows(QMainWindow& window) : window_(window) {}
    bool isMainVisible(int) override { return window_.isVisible(); }
    void showMain(int) override { window_.show(); }
    void hideMain(int) override {}
    void switchPage(int, wm::StartPage) override {}
    void showSettings() override { window_.show(); }
    void hideSettings() override {}

  private:
    QMainWindow& window_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    wm::installFirstShowHook();
    const wm::FontDatabaseWarmUp fonts;
    const QStringList args = app.arguments();
    if (args.size() != 7 && args.size() != 9) {
        std::fprintf(stderr,
                     "usage: floorwindow <program folder> <width> <height> <point size> "
                     "<families> <texts> [<point size> <families>]\n");
        return 2;
    }
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("wmtool"));
    window.setFont(fontFrom(window.font(), args[4], args[5]));
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    auto* texts = new QLabel(args[6]);
    texts->setWordWrap(true);
    layout->addWidget(texts);
    if (args.size() == 9) {
        auto* box = new QPlainTextEdit;
        QFont mono = fontFrom(window.font(), args[7], args[8]);
        mono.setStyleHint(QFont::Monospace);
        box->setFont(mono);
        layout->addWidget(box);
    }
    window.setCentralWidget(content);
    window.resize(args[2].toInt(), args[3].toInt());

    wm::AppData data;
    data.programFolder = wm::programFolderFrom(args[1]);
    wm::QtDialogs dialogs(QStringLiteral("floorwindow"));
    FloorWindows windows(window);
    if (!wm::runStartup(data, dialogs, windows))
        return 1;
    return app.exec();
}
