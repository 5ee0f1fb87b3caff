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
#include <QVBoxLayout>

#include "desktopinput.h"
#include "pageparts.h"
#include "version.h"
#include "widgets.h"

namespace wm {

namespace {

// 15 twips to a pixel.
constexpr QSize kSmallSize(7770 / 15, 6720 / 15);
constexpr QSize kLargeSize(9630 / 15, 7980 / 15);

const QString kDesignCaption = QStringLiteral("Wendmoorツール　Ver.");
const QString kUnchosen = QStringLiteral("未選択");

}  // namespace

MainWindow::MainWindow(int windowCode, AppData& data, MainHost& host, QWidget* parent)
    : QMainWindow(parent), windowCode_(windowCode), data_(data), host_(host) {
    installDesktopInput();
    setObjectName(isLarge() ? QStringLiteral("FrmBigWM") : QStringLiteral("frmWM"));
    setFont(windowFont(font(), isLarge() ? 10 : 9));

    for (int n = 13; n <= 31; ++n)
        cmbPCTag[n] = QStringLiteral("0000");
    for (int k = 1; k <= 12; ++k)
        cmbWorkTag[k] = k <= 6 ? QStringLiteral("0%1").arg(k) : QStringLiteral("0");
    if (isLarge()) {
        for (int k = 1; k <= 12; ++k)
            chkWorkTag[k] = QStringLiteral("掲示板用に出力する場合はチェックしてください");
    }

    buildMenus();
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    // Both pages share one place; only the shown one takes room.
    auto* pages = new QGridLayout;
    pages->setContentsMargins(0, 0, 0, 0);
    // A child of the window from the start, so that the page is built in the window's font.
    calculationPage_ = new CalculationPage(windowCode_, data_, host_.dialogs(), this);
    connect(calculationPage_, &CalculationPage::ruleForBothWindows, this,
            [this](int length) { host_.appendRuleToResults(length); });
    connect(calculationPage_, &CalculationPage::helpRequested, this, &MainWindow::showHelp);
    connect(calculationPage_, &CalculationPage::saveResultRequested, this,
            &MainWindow::saveResultRequested);
    connect(this, &MainWindow::saveResultRequested, calculationPage_, &CalculationPage::saveResult);
    characterPage_ = buildCharacterPage();
    characterPage_->setObjectName(QStringLiteral("characterPage"));
    pages->addWidget(calculationPage_, 0, 0);
    pages->addWidget(characterPage_, 0, 0);
    characterPage_->hide();
    layout->addLayout(pages, 1);
    layout->addWidget(buildTabButtons());
    setCentralWidget(central);

    baseTitle_ =
        kDesignCaption +
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
    setWindowTitle(baseTitle_);
    // The designed size is where every control fits; the user may only make it larger.
    setMinimumSize(isLarge() ? kLargeSize : kSmallSize);
    resize(isLarge() ? kLargeSize : kSmallSize);
    setupCharacterPage();
    setupKeysAndHelp();
}

MainWindow::~MainWindow() {
    // Hiding takes the focus away and ends the edit of a list: its handlers must run while
    // this is still a whole window, as on any close, not during the base class's teardown.
    hide();
}

bool MainWindow::isCalculationPageShown() const {
    return calculationPage_->isVisibleTo(this);
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
    fileMenu = named(menuBar()->addMenu(QStringLiteral("ファイル(&F)")), "fileMenu");
    characterDataMenu = named(fileMenu->addMenu(QStringLiteral("PCデータ")), "characterDataMenu");
    saveCharacterDataAction = named(characterDataMenu->addAction(QStringLiteral("PCデータ保存")),
                                    "saveCharacterDataAction");
    showCharacterDataAction = named(characterDataMenu->addAction(QStringLiteral("PCデータ表示")),
                                    "showCharacterDataAction");
    saveResultAction = named(fileMenu->addAction(isLarge() ? QStringLiteral("作業ファイルの作成")
                                                           : QStringLiteral("作業ファイル作成")),
                             "saveResultAction");
    fileMenuSeparator = fileMenu->addSeparator();
    closeAction = named(fileMenu->addAction(QStringLiteral("閉じる")), "closeAction");

    viewMenu = named(menuBar()->addMenu(QStringLiteral("表示(&V)")), "viewMenu");
    for (const TabEntry& entry : kTabEntries) {
        QAction* action =
            named(viewMenu->addAction(QString::fromUtf16(entry.menuText)), entry.actionName);
        const TabAction tab = entry.action;
        connect(action, &QAction::triggered, this, [this, tab] { runTabAction(tab); });
    }
    materialTreeAction =
        named(viewMenu->addAction(QStringLiteral("材料の内訳")), "materialTreeAction");
    connect(materialTreeAction, &QAction::triggered, this, &MainWindow::materialTreeRequested);

    helpMenu = named(menuBar()->addMenu(QStringLiteral("ヘルプ(&H)")), "helpMenu");
    aboutAction = named(helpMenu->addAction(QStringLiteral("バージョン情報")), "aboutAction");
    startupSettingsAction =
        named(helpMenu->addAction(QStringLiteral("起動設定")), "startupSettingsAction");

    connect(saveCharacterDataAction, &QAction::triggered, this,
            [this] { emit characterDataRequested(0); });
    connect(saveResultAction, &QAction::triggered, this, &MainWindow::saveResultRequested);
    connect(closeAction, &QAction::triggered, this, [this] { host_.endProgram(); });
    connect(aboutAction, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(startupSettingsAction, &QAction::triggered, this, &MainWindow::openStartupSettings);
}

QWidget* MainWindow::buildTabButtons() {
    tabButtons = named(makeFrame(), "tabButtons");
    auto* column = new QVBoxLayout(tabButtons);
    column->setContentsMargins(3, 6, 3, 6);
    const int side = isLarge() ? 34 : 28;
    for (const TabEntry& entry : kTabEntries) {
        if (!entry.buttonName)
            continue;
        QPushButton* button =
            named(makeButton(QString::fromUtf16(entry.caption), QString::fromUtf16(entry.tip)),
                  entry.buttonName);
        button->setFixedSize(side, side);
        column->addWidget(button);
        const TabAction tab = entry.action;
        connect(button, &QPushButton::clicked, this, [this, tab] { runTabAction(tab); });
    }
    column->addStretch();
    return tabButtons;
}

QGroupBox* MainWindow::buildStatusFrame() {
    frmPCS = makeFrame(QStringLiteral("PCデータを入力します"));
    lblPC[2] = makeLabel(QStringLiteral("名前"), QStringLiteral("キャラの名前を入力します"));
    cmbPC[2] = new QComboBox;
    cmbPC[2]->setEditable(true);
    cmbPC[2]->setToolTip(QStringLiteral("入力した名前の選択をします"));
    lblPC[3] = makeLabel(QStringLiteral("職業"), QStringLiteral("職業の選択をします"));
    cmbPC[3] = makeList(QStringLiteral("選択した職業が表示されます"), QStringLiteral("平民"));
    lblPC[0] = makeLabel(QStringLiteral("名声"), QStringLiteral("名声の値を入力します"));
    txtPC[3] = makeField(QStringLiteral("名声の値を入力します"), QStringLiteral("0"));
    lblPC[4] = makeLabel(QStringLiteral("Lv．"), QStringLiteral("自分のレベルを入力します"));
    txtPC[4] = makeField(QStringLiteral("自分のレベルが表示されます"), QStringLiteral("1"));
    struct Stat {
        int index;
        const char16_t* caption;
        const char16_t* tip;
    };
    static const Stat stats[] = {
        {5, u"ＨＰ", u"HPの値を入力します"},    {6, u"体力", u"体力の値を入力します"},
        {7, u"知力", u"知力の値を入力します"},  {8, u"幸運", u"幸運の値を入力します"},
        {9, u"ＭＰ", u"MPの値を入力します"},    {10, u"敏捷", u"敏捷の値を入力します"},
        {11, u"筋力", u"筋力の値を入力します"}, {12, u"魅力", u"魅力の値を入力します"},
    };
    for (const Stat& s : stats) {
        const QString tip = QString::fromUtf16(s.tip);
        lblPC[s.index] = makeLabel(QString::fromUtf16(s.caption), tip);
        txtPC[s.index] = makeField(tip, QStringLiteral("0"));
    }
    // 名声 takes eight digits, the other boxes five at most.
    fitDigits(txtPC[3], 8);
    for (int i = 4; i <= 12; ++i)
        fitDigits(txtPC[i], 6);

    auto* g = tightGrid(frmPCS);
    g->addWidget(lblPC[2], 0, 0);
    g->addWidget(cmbPC[2], 0, 1, 1, 3);
    g->addWidget(lblPC[3], 1, 0);
    g->addWidget(cmbPC[3], 1, 1, 1, 3);
    g->addWidget(lblPC[0], 2, 0);
    g->addWidget(txtPC[3], 2, 1);
    g->addWidget(lblPC[4], 2, 2);
    g->addWidget(txtPC[4], 2, 3);
    // HP, 体力, 知力, 幸運 down the left; MP, 敏捷, 筋力, 魅力 down the right.
    for (int r = 0; r < 4; ++r) {
        g->addWidget(lblPC[5 + r], 3 + r, 0);
        g->addWidget(txtPC[5 + r], 3 + r, 1);
        g->addWidget(lblPC[9 + r], 3 + r, 2);
        g->addWidget(txtPC[9 + r], 3 + r, 3);
    }
    g->setColumnStretch(1, 1);
    g->setColumnStretch(3, 1);
    g->setRowStretch(7, 1);
    return frmPCS;
}

QGroupBox* MainWindow::buildWeaponFrame() {
    frmPCA = makeFrame(QStringLiteral("武器の種類を選択します"));
    static const char16_t* const names[] = {u"剣",       u"刀",   u"斧",      u"杖",
                                            u"ソロバン", u"ムチ", u"グローブ"};
    auto* g = tightGrid(frmPCA);
    for (int n = 13; n <= 19; ++n) {
        const QString name = QString::fromUtf16(names[n - 13]);
        const QString tip = QStringLiteral("装備している%1を選択します").arg(name);
        // The labels from 杖 on all carry the 杖 tip.
        const QString labelTip = n >= 16 ? QStringLiteral("装備している杖を選択します") : tip;
        lblPC[n] = makeLabel(name, labelTip);
        cmbPC[n] = makeList(tip, kUnchosen);
        g->addWidget(lblPC[n], n - 13, 0);
        g->addWidget(cmbPC[n], n - 13, 1);
    }
    g->setColumnStretch(1, 1);
    return frmPCA;
}

QGroupBox* MainWindow::buildEquipmentFrame() {
    frmPCD2 = makeFrame(QStringLiteral("装備品を選択します"));
    static const char16_t* const names[] = {u"兜",   u"帽子",   u"手袋", u"靴",
                                            u"盾",   u"衣",     u"皮鎧", u"金属鎧",
                                            u"指輪", u"首飾り", u"製本", u"楽器"};
    auto* g = tightGrid(frmPCD2);
    g->setVerticalSpacing(isLarge() ? 3 : 1);
    for (int n = 20; n <= 31; ++n) {
        const QString name = QString::fromUtf16(names[n - 20]);
        const QString tip = QStringLiteral("装備している%1を選択します").arg(name);
        QString labelTip = tip;
        if (n == 22)
            labelTip = QStringLiteral("装備している手袋（こて）を選択します");
        else if (n == 25)
            labelTip = QStringLiteral("装備している衣（服）を選択します");
        lblPC[n] = makeLabel(name, labelTip);
        cmbPC[n] = makeList(tip, kUnchosen);
        g->addWidget(lblPC[n], n - 20, 0);
        g->addWidget(cmbPC[n], n - 20, 1);
    }
    g->setColumnStretch(1, 1);
    return frmPCD2;
}

QGroupBox* MainWindow::buildWeightFrame() {
    frmWeight = makeFrame(QStringLiteral("PCデータ等から計算した結果を表示します"));
    lblWeight =
        makeLabel(QStringLiteral("装備重量"), QStringLiteral("装備品の合計重量を表示します"));
    txtWeight[0] = makeField(QStringLiteral("装備品の合計重量が表示されます"));
    lblNowWeight =
        makeLabel(QStringLiteral("現在重量"), QStringLiteral("現在の合計重量を表示します"));
    txtWeight[1] = makeField(QStringLiteral("現在の重量を入力します"));
    lblMaxWeight = makeLabel(QStringLiteral("最大重量"), QStringLiteral("最大重量を表示します"));
    txtWeight[2] = makeField(QStringLiteral("最大重量が表示されます"));
    auto* g = tightGrid(frmWeight);
    const std::array<QLabel*, 3> labels{lblWeight, lblNowWeight, lblMaxWeight};
    for (int i = 0; i < 3; ++i) {
        fitDigits(txtWeight[i], 6);
        g->addWidget(labels[i], i, 0);
        g->addWidget(txtWeight[i], i, 1, Qt::AlignLeft);
    }
    g->setColumnStretch(1, 1);
    return frmWeight;
}

QGroupBox* MainWindow::buildWorkFrame() {
    frmWork = makeFrame();
    // The lists below get their texts before the frame joins the window; with the window's
    // font already set they are laid out in it, and the default font is never loaded.
    frmWork->setFont(font());
    static const char16_t* const fixedJobs[] = {u"狩猟",   u"木こり",     u"釣り",
                                                u"農作業", u"ハーブ採り", u"鉱石掘り"};
    auto* g = tightGrid(frmWork);
    g->setVerticalSpacing(isLarge() ? 3 : 1);
    for (int k = 1; k <= 12; ++k) {
        chkWork[k] = new QCheckBox;
        cmbWork[k] = new QComboBox;
        cmbWork[k]->setEditable(true);
        cmbWork[k]->setToolTip(QStringLiteral("作業名を選択します"));
        txtWork[k] = makeField(QStringLiteral("作業のレベルを入力します"));
        fitDigits(txtWork[k], 3);
        if (k <= 6) {
            const QString job = QString::fromUtf16(fixedJobs[k - 1]);
            cmbWork[k]->addItem(job);
            // Nothing is chosen yet; the sixth slot has always shown its own spelling.
            cmbWork[k]->setCurrentIndex(-1);
            cmbWork[k]->setEditText(k == 6 ? QStringLiteral("鉱石堀り") : job);
        }
        g->addWidget(chkWork[k], k - 1, 0);
        g->addWidget(cmbWork[k], k - 1, 1);
        g->addWidget(txtWork[k], k - 1, 2);
    }
    g->setColumnStretch(1, 1);
    return frmWork;
}

QFrame* MainWindow::buildCharacterPage() {
    auto* page = new QFrame;
    auto* v = new QVBoxLayout(page);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(4);

    fraWorkSet = makeFrame();
    static const char16_t* const captions[] = {u"能力", u"装備", u"技術"};
    static const char16_t* const tips[] = {u"キャラの能力情報入力画面表示します",
                                           u"キャラの装備情報入力画面表示します",
                                           u"キャラの仕事技術情報入力画面表示します"};
    auto* row = new QHBoxLayout(fraWorkSet);
    row->setContentsMargins(8, 2, 8, 2);
    for (int i = 0; i < 3; ++i) {
        optWorkSet[i] = new QRadioButton(QString::fromUtf16(captions[i]));
        optWorkSet[i]->setToolTip(QString::fromUtf16(tips[i]));
        row->addWidget(optWorkSet[i]);
        connect(optWorkSet[i], &QRadioButton::clicked, this, [this, i] { optWorkSet_Click(i); });
    }
    row->addStretch();
    v->addWidget(fraWorkSet);

    // The sub-pages share this area; hidden frames take no room.
    auto* area = new QGridLayout;
    area->setSpacing(4);
    area->addWidget(buildStatusFrame(), 0, 0, 2, 1);
    area->addWidget(buildWeaponFrame(), 0, 0);
    area->addWidget(buildWeightFrame(), 1, 0);
    area->addWidget(buildWorkFrame(), 0, 1, 2, 1);
    area->addWidget(buildEquipmentFrame(), 0, 1, 2, 1);
    area->setColumnStretch(0, 1);
    area->setColumnStretch(1, 1);
    v->addLayout(area, 1);

    cmdPCData[0] = makeButton(QStringLiteral("PC保存（&S）"), QStringLiteral("PC情報を保存します"));
    cmdPCData[1] =
        makeButton(QStringLiteral("PC表示（&L）"), QStringLiteral("PC情報を読み込みます"));
    cmdLUp = makeButton(QStringLiteral("幸運祈願(&U)"),
                        QStringLiteral("幸運祈願をした時の上昇後の値を計算します"));
    for (int i : {0, 1})
        connect(cmdPCData[i], &QPushButton::clicked, this,
                [this, i] { emit characterDataRequested(i); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdPCData[0]);
    buttons->addWidget(cmdPCData[1]);
    buttons->addStretch();
    buttons->addWidget(cmdLUp);
    v->addLayout(buttons);

    characterHelpLine = makeLabel(QString());
    characterHelpLine->setObjectName(QStringLiteral("characterHelpLine"));
    characterHelpLine->setFrameShape(QFrame::Panel);
    characterHelpLine->setFrameShadow(QFrame::Sunken);
    characterHelpLine->setMinimumHeight(characterHelpLine->fontMetrics().height() + 4);
    v->addWidget(characterHelpLine);

    // Twelve rows of lists have to fit the small window: rows as high as the text needs.
    const int rowHeight = fontMetrics().height() + 6;
    for (QComboBox* list : page->findChildren<QComboBox*>())
        list->setFixedHeight(rowHeight);
    for (QLineEdit* field : page->findChildren<QLineEdit*>()) {
        if (!qobject_cast<QComboBox*>(field->parentWidget()))
            field->setFixedHeight(rowHeight);
    }

    // Until the page is first shown the status sub-page is the one laid out.
    for (QWidget* frame : {static_cast<QWidget*>(frmPCA), static_cast<QWidget*>(frmPCD2),
                           static_cast<QWidget*>(frmWeight), static_cast<QWidget*>(frmWork)})
        frame->hide();
    return page;
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
            data_.settingsOpener = windowCode_ * 10 + (isCalculationPageShown() ? 1 : 2);
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
    calculationPage_->hide();
    characterPage_->hide();
    (calculation ? static_cast<QWidget*>(calculationPage_) : characterPage_)->show();
    if (!calculation && !characterPageFilled_) {
        // First showing of the character page: its lists are filled here.
        characterPageFilled_ = true;
        PCListSet();
        chooseWorkSet(0);
    }
    const QString pageName =
        calculation ? QStringLiteral("仕事技術計算") : QStringLiteral("キャラデータ");
    setWindowTitle(baseTitle_ + QStringLiteral("  ( ") + pageName + QStringLiteral(" )"));
}

void MainWindow::switchSize() {
    MainWindow& other = host_.mainWindow(WindowCode::other(windowCode_));
    other.calculationPage_->clearResults();
    hide();
    other.show();
}

void MainWindow::chooseWorkSet(int i) {
    optWorkSet[i]->setChecked(true);
    optWorkSet_Click(i);
}

void MainWindow::optWorkSet_Click(int i) {
    frmPCS->setVisible(i != 1);
    frmPCA->setVisible(i == 1);
    frmPCD2->setVisible(i == 1);
    frmWeight->setVisible(i == 1);
    frmWork->setVisible(i == 2);
    if (i == 2)
        refillWorkSlots();
}

void MainWindow::openStartupSettings() {
    data_.optionsMissing = 0;
    runTabAction(TabAction::StartupSettings);
}

void MainWindow::appendResult(const QString& text) {
    calculationPage_->appendResult(text);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    host_.endProgram();
}

}  // namespace wm
