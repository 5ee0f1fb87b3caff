#include "wmtool.h"

#include <QCoreApplication>

#include "characterhistory.h"
#include "messages.h"
#include "productinfo.h"
#include "qtdialogs.h"
#include "startup.h"
#include "widgets.h"

namespace wm {

namespace {

bool isWindowCode(int code) {
    return code == WindowCode::Small || code == WindowCode::Large;
}

void bringUp(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

}  // namespace

WmTool::WmTool()
    : ownDialogs_(std::make_unique<QtDialogs>(data_.appTitle)), dialogs_(ownDialogs_.get()) {}

WmTool::WmTool(Dialogs& dialogs) : dialogs_(&dialogs) {}

// The settings window reads the main windows while it goes; it goes first.
WmTool::~WmTool() {
    settingsWindow_.reset();
    materialTree_.reset();
    trainingPlan_.reset();
    productionList_.reset();
    delete productWindow_;
    delete characterHistory_;
    delete reincarnation_;
    delete about_;
}

bool WmTool::start() {
    return runStartup(data_, *dialogs_, *this);
}

MainWindow& WmTool::mainWindow(int code) {
    return mainWindow(code, MainWindow::FirstPage::Calculation);
}

MainWindow& WmTool::mainWindow(int code, MainWindow::FirstPage firstPage) {
    Q_ASSERT(isWindowCode(code));
    auto& slot = mains_[code];
    if (!slot) {
        slot = std::make_unique<MainWindow>(code, data_, *this, firstPage);
        MainWindow* window = slot.get();
        connect(window, &MainWindow::productWindowRequested, this, &WmTool::openProductWindow);
        connect(window, &MainWindow::reincarnationRequested, this, &WmTool::openReincarnation);
        connect(window, &MainWindow::aboutRequested, this, &WmTool::openAbout);
        connect(window, &MainWindow::materialTreeRequested, this,
                [this, window] { openMaterialTree(*window); });
        connect(window, &MainWindow::trainingPlanRequested, this,
                [this, window] { openTrainingPlan(*window); });
        connect(window, &MainWindow::productionListRequested, this,
                [this, window] { openProductionList(window); });
        connect(window, &MainWindow::savedCharactersRequested, this, &WmTool::showCharacterData);
        emit mainWindowCreated(window);
    }
    return *slot;
}

MainWindow* WmTool::existingMainWindow(int code) const {
    return isWindowCode(code) ? mains_[code].get() : nullptr;
}

StartupSettingsWindow& WmTool::settingsWindow() {
    if (!settingsWindow_)
        settingsWindow_ = std::make_unique<StartupSettingsWindow>(data_, *dialogs_, *this);
    return *settingsWindow_;
}

void WmTool::appendRuleToResults(int length) {
    const QString rule(length, QLatin1Char('-'));
    for (int code : {WindowCode::Small, WindowCode::Large}) {
        if (MainWindow* window = existingMainWindow(code))
            window->appendResult(rule);
    }
}

void WmTool::openProductWindow() {
    // A closed product window is loaded again, which reads the guild data again.
    if (!productWindow_) {
        productWindow_ = new ProductWindow(data_, *dialogs_);
        connect(productWindow_, &ProductWindow::addToListRequested, this,
                &WmTool::addToProductionList);
        // Here an auxiliary window; in wmview it is the program and Escape leaves it open.
        closeOnEscape(productWindow_);
    }
    productWindow_->setWindowTitle(QStringLiteral("生産品の追加・修正"));
    bringUp(productWindow_);
}

void WmTool::openReincarnation() {
    if (!reincarnation_) {
        reincarnation_ = new ReincarnationWindow(data_);
        if (const auto problem = historyProblemMessage(data_, reincarnation_->historyProblem()))
            showMessage(*dialogs_, *problem);
    }
    bringUp(reincarnation_);
}

void WmTool::openAbout() {
    if (!about_)
        about_ = new AboutWindow(data_, *dialogs_);
    about_->appendUpdateTimes();
    bringUp(about_);
}

void WmTool::openMaterialTree(MainWindow& from) {
    if (!materialTree_) {
        materialTree_ = std::make_unique<MaterialTreeWindow>(data_, *dialogs_,
                                                             MaterialTreeWindow::Program::Tool);
        connect(materialTree_.get(), &MaterialTreeWindow::addToListRequested, this,
                &WmTool::addToProductionList);
    }
    const CalculationPage::ProductChoice choice = from.calculationPage().productChoice();
    const bool workChosen = choice.workPosition >= 0;
    materialTree_->choosePlan(
        workSection(choice.workPosition),
        workChosen && choice.productPosition >= 0 ? choice.productPosition + 1 : 0, choice.runs);
    bringUp(materialTree_.get());
}

void WmTool::openTrainingPlan(MainWindow& from) {
    if (!trainingPlan_)
        trainingPlan_ = std::make_unique<TrainingPlanWindow>(data_, *dialogs_);
    const CalculationPage& page = from.calculationPage();
    trainingPlan_->startFrom(page.productChoice().workPosition, page.levelInputs());
    bringUp(trainingPlan_.get());
}

void WmTool::openProductionList(MainWindow* from) {
    const bool created = !productionList_;
    if (created)
        productionList_ = std::make_unique<ProductionListWindow>(data_, *dialogs_);
    // The character page's weights are the character's; a page never shown has none.
    if (from) {
        if (const CharacterPage* page = from->existingCharacterPage())
            productionList_->offerWeights(page->weightText(WeightBox::Maximum),
                                          page->weightText(WeightBox::Current));
    }
    bringUp(productionList_.get());
}

void WmTool::addToProductionList(int section, int row, qint64 runs) {
    MainWindow* visible = nullptr;
    for (int code : {WindowCode::Small, WindowCode::Large}) {
        if (isMainVisible(code))
            visible = existingMainWindow(code);
    }
    openProductionList(visible);
    productionList_->addProduct(section, row, runs);
}

void WmTool::showCharacterData() {
    if (const auto problem = historyProblemMessage(data_, loadHistory(data_)))
        showMessage(*dialogs_, *problem);
    if (!characterHistory_)
        characterHistory_ = new CharacterHistoryWindow(data_, *dialogs_);
    if (characterHistory_->showSavedCharacters())
        characterHistory_->showWorkRowsForFame();
}

void WmTool::showSettingsFromMain() {
    settingsWindow().openFromMain();
}

void WmTool::endProgram() {
    QCoreApplication::exit(0);
}

bool WmTool::isMainVisible(int code) {
    const MainWindow* window = existingMainWindow(code);
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
    if (MainWindow* window = existingMainWindow(code))
        window->hide();
}

void WmTool::openOnPage(int code, StartPage page) {
    // A window that opens on its character page builds its calculation page when needed.
    if (isWindowCode(code) && !existingMainWindow(code) && page == StartPage::Character)
        mainWindow(code, MainWindow::FirstPage::Character);
}

void WmTool::switchPage(int code, StartPage page) {
    if (isWindowCode(code))
        mainWindow(code).runTabAction(page == StartPage::Calculation ? TabAction::CalculationPage
                                                                     : TabAction::CharacterPage);
}

void WmTool::showSettings() {
    StartupSettingsWindow& window = settingsWindow();
    window.show();
    window.raise();
    window.activateWindow();
}

void WmTool::hideSettings() {
    if (settingsWindow_)
        settingsWindow_->hide();
}

bool WmTool::isCalculationPageShown(int code) {
    // A window not created yet opens on its calculation page.
    const MainWindow* window = existingMainWindow(code);
    return !window || window->isCalculationPageShown();
}

}  // namespace wm
