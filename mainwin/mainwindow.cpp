#include "mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "controls.h"
#include "desktopinput.h"
#include "version.h"
#include "widgets.h"

namespace wm {

namespace {

// 15 twips to a pixel.
constexpr QSize kSmallSize(7770 / 15, 6720 / 15);
constexpr QSize kLargeSize(9630 / 15, 7980 / 15);

const QString kDesignCaption = QStringLiteral("Wendmoorツール　Ver.");

}  // namespace

MainWindow::MainWindow(int windowCode, AppData& data, MainHost& host, FirstPage firstPage,
                       QWidget* parent)
    : QMainWindow(parent), windowCode_(windowCode), data_(data), host_(host) {
    installDesktopInput();
    setObjectName(isLarge() ? QStringLiteral("largeMainWindow")
                            : QStringLiteral("smallMainWindow"));
    setFont(windowFont(font(), isLarge() ? 10 : 9));

    buildMenus();
    // The page area is in the window before anything is built in it: each control made
    // inside it takes the window's font once, instead of the default font first.
    auto* central = new QWidget(this);
    setCentralWidget(central);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    // Both pages share one place; only the shown one takes room.
    pageArea_ = new QGridLayout;
    pageArea_->setContentsMargins(0, 0, 0, 0);
    // The first page is built before the tab buttons, so that it comes first in the
    // window's tab order.
    if (firstPage == FirstPage::Calculation)
        calculationPage();
    else
        characterPage();
    connect(this, &MainWindow::saveResultRequested, this,
            [this] { calculationPage().saveResult(); });
    layout->addLayout(pageArea_, 1);
    layout->addWidget(buildTabButtons());

    baseTitle_ =
        kDesignCaption +
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
    setWindowTitle(baseTitle_);
    // The designed size is where every control fits; the user may only make it larger.
    setMinimumSize(isLarge() ? kLargeSize : kSmallSize);
    resize(isLarge() ? kLargeSize : kSmallSize);
    setupKeysAndHelp();
    // PCデータ保存 saves the page, whether it was ever shown or not.
    connect(this, &MainWindow::characterSaveRequested, this,
            [this] { characterPage().saveCharacter(); });
    built_ = true;
}

MainWindow::~MainWindow() {
    // Hiding takes the focus away and ends the edit of a list: its handlers must run while
    // this is still a whole window, as on any close, not during the base class's teardown.
    hide();
}

bool MainWindow::isCalculationPageShown() const {
    return calculationPage_ && calculationPage_->isVisibleTo(this);
}

namespace {

// A tab action as its 表示 menu entry and, where it has one, its tab button show it.
struct TabEntry {
    TabAction action;
    const char* actionName;
    const char16_t* menuText;
    const char* buttonName;  // null: menu only
    const char16_t* caption;
    const char16_t* tip;
};

const TabEntry kTabEntries[] = {
    {TabAction::CalculationPage, "calculationPageAction", u"仕事技術計算の表示",
     "calculationPageButton", u"A", u"仕事技術系の計算用画面に切り替えます"},
    {TabAction::CharacterPage, "characterPageAction", u"PCデータの表示", "characterPageButton",
     u"B", u"キャラ情報入力画面に切り替えます"},
    {TabAction::SwitchSize, "windowSizeAction", u"画面サイズ", nullptr, nullptr, nullptr},
    {TabAction::ProductWindow, "productWindowAction", u"生産品の追加・修正", "productWindowButton",
     u"C", u"生産品の追加・修正用の窓を表示します"},
    {TabAction::Reincarnation, "reincarnationAction", u"転生ステータス表示", "reincarnationButton",
     u"D", u"転生した時のステータスを表示します"},
};

}  // namespace

void MainWindow::buildMenus() {
    fileMenu_ = named(menuBar()->addMenu(QStringLiteral("ファイル(&F)")), "fileMenu");
    characterDataMenu_ = named(fileMenu_->addMenu(QStringLiteral("PCデータ")), "characterDataMenu");
    saveCharacterDataAction_ = named(characterDataMenu_->addAction(QStringLiteral("PCデータ保存")),
                                     "saveCharacterDataAction");
    showCharacterDataAction_ = named(characterDataMenu_->addAction(QStringLiteral("PCデータ表示")),
                                     "showCharacterDataAction");
    saveResultAction_ = named(fileMenu_->addAction(isLarge() ? QStringLiteral("作業ファイルの作成")
                                                             : QStringLiteral("作業ファイル作成")),
                              "saveResultAction");
    fileMenuSeparator_ = fileMenu_->addSeparator();
    closeAction_ = named(fileMenu_->addAction(QStringLiteral("閉じる")), "closeAction");

    viewMenu_ = named(menuBar()->addMenu(QStringLiteral("表示(&V)")), "viewMenu");
    for (const TabEntry& entry : kTabEntries) {
        QAction* action =
            named(viewMenu_->addAction(QString::fromUtf16(entry.menuText)), entry.actionName);
        const TabAction tab = entry.action;
        connect(action, &QAction::triggered, this, [this, tab] { runTabAction(tab); });
    }
    materialTreeAction_ =
        named(viewMenu_->addAction(QStringLiteral("材料の内訳")), "materialTreeAction");
    connect(materialTreeAction_, &QAction::triggered, this, &MainWindow::materialTreeRequested);
    trainingPlanAction_ =
        named(viewMenu_->addAction(QStringLiteral("育成計画")), "trainingPlanAction");
    connect(trainingPlanAction_, &QAction::triggered, this, &MainWindow::trainingPlanRequested);

    productionListAction_ =
        named(viewMenu_->addAction(QStringLiteral("生産リスト")), "productionListAction");
    connect(productionListAction_, &QAction::triggered, this, &MainWindow::productionListRequested);

    helpMenu_ = named(menuBar()->addMenu(QStringLiteral("ヘルプ(&H)")), "helpMenu");
    aboutAction_ = named(helpMenu_->addAction(QStringLiteral("バージョン情報")), "aboutAction");
    startupSettingsAction_ =
        named(helpMenu_->addAction(QStringLiteral("起動設定")), "startupSettingsAction");

    connect(saveCharacterDataAction_, &QAction::triggered, this,
            &MainWindow::characterSaveRequested);
    connect(saveResultAction_, &QAction::triggered, this, &MainWindow::saveResultRequested);
    connect(closeAction_, &QAction::triggered, this, [this] { host_.endProgram(); });
    connect(aboutAction_, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(startupSettingsAction_, &QAction::triggered, this, &MainWindow::openStartupSettings);
}

QWidget* MainWindow::buildTabButtons() {
    tabButtonFrame_ = named(makeFrame(centralWidget()), "tabButtonFrame");
    auto* column = new QVBoxLayout(tabButtonFrame_);
    column->setContentsMargins(3, 6, 3, 6);
    const int side = isLarge() ? 34 : 28;
    for (const TabEntry& entry : kTabEntries) {
        if (!entry.buttonName)
            continue;
        QPushButton* button = named(makeButton(tabButtonFrame_, QString::fromUtf16(entry.caption),
                                               QString::fromUtf16(entry.tip)),
                                    entry.buttonName);
        button->setFixedSize(side, side);
        column->addWidget(button);
        const TabAction tab = entry.action;
        connect(button, &QPushButton::clicked, this, [this, tab] { runTabAction(tab); });
    }
    column->addStretch();
    return tabButtonFrame_;
}

void MainWindow::runTabAction(TabAction action) {
    switch (action) {
        case TabAction::CalculationPage:
        case TabAction::CharacterPage:
            switchPage(action);
            break;
        case TabAction::SwitchSize:
            switchSize();
            break;
        case TabAction::ProductWindow:
            emit productWindowRequested();
            break;
        case TabAction::StartupSettings:
            // The settings window learns which window and page opened it.
            data_.settingsOpener = {
                AppData::SettingsOpener::Kind::MainWindow,
                {windowSizeOf(windowCode_),
                 isCalculationPageShown() ? StartPage::Calculation : StartPage::Character}};
            host_.showSettingsFromMain();
            break;
        case TabAction::Reincarnation:
            emit reincarnationRequested();
            break;
        default:
            break;
    }
}

void MainWindow::switchPage(TabAction page) {
    const bool calculation = page == TabAction::CalculationPage;
    // Both hide before one shows: where the focus goes from a hidden page depends on it.
    if (calculationPage_)
        calculationPage_->hide();
    if (characterPage_)
        characterPage_->hide();
    if (calculation)
        calculationPage().show();
    else
        characterPage().showPage();
    const QString pageName =
        calculation ? QStringLiteral("仕事技術計算") : QStringLiteral("キャラデータ");
    setWindowTitle(baseTitle_ + QStringLiteral("  ( ") + pageName + QStringLiteral(" )"));
}

void MainWindow::switchSize() {
    MainWindow& other = host_.mainWindow(WindowCode::other(windowCode_));
    // A page not built yet has no results.
    if (other.calculationPage_)
        other.calculationPage_->clearResults();
    hide();
    other.show();
}

void MainWindow::openStartupSettings() {
    data_.optionsMissing = false;
    runTabAction(TabAction::StartupSettings);
}

void MainWindow::appendResult(const QString& text) {
    calculationPage().appendResult(text);
}

void MainWindow::showEvent(QShowEvent* event) {
    // A window that opens on its character page shows it as the window appears: a page
    // fills its lists only once it is on the screen, as a switch to it does.
    if (!isCalculationPageShown() && !(characterPage_ && characterPage_->isVisibleTo(this)))
        switchPage(TabAction::CharacterPage);
    QMainWindow::showEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    host_.endProgram();
}

void MainWindow::showHelp(const QString& text) {
    MainWindow& shown = visibleMainWindow();
    // A page built later starts with the text its help line would show.
    shown.helpText_ = text;
    if (shown.calculationPage_)
        shown.calculationPage_->showHelp(text);
    if (shown.characterPage_)
        shown.characterPage_->showHelp(text);
}

void MainWindow::setupKeysAndHelp() {
    // Each page sets up its own buttons' access keys.
    focusButtonsOnAccessKey(tabButtonFrame_);

    // The help line explains the control under the mouse, with the control's own tooltip.
    // Each page shows help for its own controls.
    QList<QWidget*> helped;
    for (QPushButton* button : tabButtonFrame_->findChildren<QPushButton*>())
        helped << button;
    for (QWidget* control : helped) {
        control->setAttribute(Qt::WA_Hover, true);
        onEvent(control, QEvent::Enter, [this, control] { showHelp(control->toolTip()); });
    }
}

MainWindow& MainWindow::visibleMainWindow() {
    MainWindow* small = host_.existingMainWindow(WindowCode::Small);
    if (small && small->isVisible())
        return *small;
    if (MainWindow* large = host_.existingMainWindow(WindowCode::Large))
        return *large;
    return *this;
}

CharacterPage& MainWindow::characterPage() {
    if (characterPage_)
        return *characterPage_;
    characterPage_ = new CharacterPage(isLarge(), font(), data_, *this, centralWidget());
    connect(characterPage_, &CharacterPage::saveRequested, this,
            &MainWindow::characterSaveRequested);
    connect(characterPage_, &CharacterPage::savedCharactersRequested, this,
            &MainWindow::savedCharactersRequested);
    characterPage_->showHelp(helpText_);
    // Hidden before it joins the window, so that nothing shows it before the page is chosen.
    characterPage_->hide();
    pageArea_->addWidget(characterPage_, 0, 0);
    if (built_)
        orderPagesForTab();
    return *characterPage_;
}

CalculationPage& MainWindow::calculationPage() {
    if (calculationPage_)
        return *calculationPage_;
    calculationPage_ = new CalculationPage(windowCode_, data_, host_.dialogs(), centralWidget());
    connect(calculationPage_, &CalculationPage::ruleForBothWindows, this,
            [this](int length) { host_.appendRuleToResults(length); });
    connect(calculationPage_, &CalculationPage::helpRequested, this, &MainWindow::showHelp);
    connect(calculationPage_, &CalculationPage::saveResultRequested, this,
            &MainWindow::saveResultRequested);
    focusButtonsOnAccessKey(calculationPage_);
    if (built_) {
        // Built after the window: it starts hidden, with the window's help text.
        calculationPage_->showHelp(helpText_);
        calculationPage_->hide();
    }
    pageArea_->addWidget(calculationPage_, 0, 0);
    if (built_)
        orderPagesForTab();
    return *calculationPage_;
}

// Tab moves round the chain and skips what is hidden, so only the order round the chain
// counts here. Where the round starts counts only for the first activation, which focuses
// the first control after the window itself: a page of its own first page, built before
// the tab buttons.
void MainWindow::orderPagesForTab() {
    // Each group in the order its controls have now; Tab skips the hidden page.
    chainTabOrder(nullptr, focusControlsIn(calculationPage_) + focusControlsIn(characterPage_) +
                               focusControlsIn(tabButtonFrame_));
}

Dialogs& MainWindow::dialogs() {
    return host_.dialogs();
}

QList<CharacterPage*> MainWindow::existingCharacterPages() {
    QList<CharacterPage*> pages;
    for (int code : {WindowCode::Small, WindowCode::Large}) {
        MainWindow* window = host_.existingMainWindow(code);
        if (window && window->characterPage_)
            pages << window->characterPage_;
    }
    return pages;
}

CharacterPage& MainWindow::visibleCharacterPage() {
    return visibleMainWindow().characterPage();
}

CharacterPage* MainWindow::existingVisibleCharacterPage() {
    return visibleMainWindow().characterPage_;
}

}  // namespace wm
