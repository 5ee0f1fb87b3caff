#include "wmtool.h"

#include <QCoreApplication>

#include "qtdialogs.h"
#include "startup.h"

namespace wm {

namespace {

bool isWindowCode(int code) {
    return code == 1 || code == 2;
}

}  // namespace

WmTool::WmTool()
    : ownDialogs_(std::make_unique<QtDialogs>(data_.appTitle)), dialogs_(ownDialogs_.get()) {}

WmTool::WmTool(Dialogs& dialogs) : dialogs_(&dialogs) {}

// The settings window reads the main windows while it goes; it goes first.
WmTool::~WmTool() {
    frmOpt_.reset();
}

bool WmTool::start() {
    return runStartup(data_, *dialogs_, *this);
}

MainWindow& WmTool::mainWindow(int code) {
    Q_ASSERT(isWindowCode(code));
    auto& slot = mains_[code];
    if (!slot) {
        slot = std::make_unique<MainWindow>(code, data_, *this);
        emit mainWindowCreated(slot.get());
    }
    return *slot;
}

MainWindow* WmTool::existingMain(int code) const {
    return isWindowCode(code) ? mains_[code].get() : nullptr;
}

FrmOpt& WmTool::frmOpt() {
    if (!frmOpt_)
        frmOpt_ = std::make_unique<FrmOpt>(data_, *dialogs_, *this);
    return *frmOpt_;
}

void WmTool::showSettingsFromMain() {
    frmOpt().openFromMain();
}

void WmTool::endProgram() {
    QCoreApplication::exit(0);
}

bool WmTool::isMainVisible(int code) {
    const MainWindow* window = existingMain(code);
    return window && window->isVisible();
}

void WmTool::showMain(int code) {
    if (!isWindowCode(code))
        return;
    MainWindow& window = mainWindow(code);
    window.show();
    window.raise();
    window.activateWindow();
}

void WmTool::hideMain(int code) {
    if (MainWindow* window = existingMain(code))
        window->hide();
}

void WmTool::switchPage(int code, int page) {
    if (isWindowCode(code))
        mainWindow(code).cmdTab_Click(page);
}

void WmTool::showSettings() {
    FrmOpt& window = frmOpt();
    window.show();
    window.raise();
    window.activateWindow();
}

void WmTool::hideSettings() {
    if (frmOpt_)
        frmOpt_->hide();
}

bool WmTool::isCalcPageShown(int code) {
    // A window not created yet opens on its calculation page.
    const MainWindow* window = existingMain(code);
    return !window || window->isCalcPageShown();
}

}  // namespace wm
