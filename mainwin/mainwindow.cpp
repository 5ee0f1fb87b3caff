#include "mainwindow.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFontMetricsF>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>

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
}  // namespace

MainWindow::MainWindow(int windowCode, AppData& data, MainHost& host, QWidget* parent)
    : QMainWindow(parent), windowCode_(windowCode), data_(data), host_(host) {
    installDesktopInput();
    setObjectName(isLarge() ? QStringLiteral("FrmBigWM") : QStringLiteral("frmWM"));
    setFont(windowFont(font(), isLarge() ? 10 : 9));

    cmdTabTag[1] = QStringLiteral("仕事技術計算");
    cmdTabTag[2] = QStringLiteral("キャラデータ");
    cmdTabTag[4] = QStringLiteral("生産品の追加・修正");

    buildMenus();
    auto* central = new QWidget;
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    // Both pages share one place; only the shown one takes room.
    pageArea_ = new QGridLayout;
    pageArea_->setContentsMargins(0, 0, 0, 0);
    frmSet[1] = buildCalculationPage();
    pageArea_->addWidget(frmSet[1], 0, 0);
    layout->addLayout(pageArea_, 1);
    layout->addWidget(buildTabFrame());
    setCentralWidget(central);

    titleTag =
        kDesignCaption +
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision);
    setWindowTitle(titleTag);
    // The designed size is where every control fits; the user may only make it larger.
    setMinimumSize(isLarge() ? kLargeSize : kSmallSize);
    resize(isLarge() ? kLargeSize : kSmallSize);
    setupCalculationPage();
    setupKeysAndHelp();
    // PCデータ保存 saves the page, whether it was ever shown or not.
    connect(this, &MainWindow::characterDataRequested, this, [this](int index) {
        if (index == 0)
            characterPage().saveCharacter();
    });
}

MainWindow::~MainWindow() {
    // Hiding takes the focus away and ends the edit of a list: its handlers must run while
    // this is still a whole window, as on any close, not during the base class's teardown.
    hide();
}

bool MainWindow::isCalcPageShown() const {
    return frmSet[1]->isVisibleTo(this);
}

void MainWindow::buildMenus() {
    MenuFile = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    MenuCha = MenuFile->addMenu(QStringLiteral("PCデータ"));
    MenuChaSave = MenuCha->addAction(QStringLiteral("PCデータ保存"));
    MenuChaLoad = MenuCha->addAction(QStringLiteral("PCデータ表示"));
    MenuWork = MenuFile->addAction(isLarge() ? QStringLiteral("作業ファイルの作成")
                                             : QStringLiteral("作業ファイル作成"));
    stretor1 = MenuFile->addSeparator();
    MenuEnd = MenuFile->addAction(QStringLiteral("閉じる"));

    MenuShow = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    const std::array<QString, 7> shows{QString(),
                                       QStringLiteral("仕事技術計算の表示"),
                                       QStringLiteral("PCデータの表示"),
                                       QStringLiteral("画面サイズ"),
                                       QStringLiteral("生産品の追加・修正"),
                                       QString(),
                                       QStringLiteral("転生ステータス表示")};
    for (int i : {1, 2, 3, 4, 6}) {
        MenuShowData[i] = MenuShow->addAction(shows[i]);
        connect(MenuShowData[i], &QAction::triggered, this, [this, i] { cmdTab_Click(i); });
    }
    materialTreeAction = MenuShow->addAction(QStringLiteral("材料の内訳"));
    connect(materialTreeAction, &QAction::triggered, this, &MainWindow::materialTreeRequested);

    MenuSystem = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    MenuAbout = MenuSystem->addAction(QStringLiteral("バージョン情報"));
    MenuOption = MenuSystem->addAction(QStringLiteral("起動設定"));

    connect(MenuChaSave, &QAction::triggered, this, [this] { emit characterDataRequested(0); });
    connect(MenuWork, &QAction::triggered, this, &MainWindow::saveResultRequested);
    connect(MenuEnd, &QAction::triggered, this, [this] { host_.endProgram(); });
    connect(MenuAbout, &QAction::triggered, this, &MainWindow::aboutRequested);
    connect(MenuOption, &QAction::triggered, this, &MainWindow::MenuOption_Click);
}

QWidget* MainWindow::buildTabFrame() {
    frmTabSet = makeFrame();
    auto* column = new QVBoxLayout(frmTabSet);
    column->setContentsMargins(3, 6, 3, 6);
    const std::array<QString, 7> captions{
        QString(),           QStringLiteral("A"), QStringLiteral("B"), QString(),
        QStringLiteral("C"), QString(),           QStringLiteral("D")};
    const std::array<QString, 7> tips{QString(),
                                      QStringLiteral("仕事技術系の計算用画面に切り替えます"),
                                      QStringLiteral("キャラ情報入力画面に切り替えます"),
                                      QString(),
                                      QStringLiteral("生産品の追加・修正用の窓を表示します"),
                                      QString(),
                                      QStringLiteral("転生した時のステータスを表示します")};
    const int side = isLarge() ? 34 : 28;
    for (int i : {1, 2, 4, 6}) {
        cmdTab[i] = makeButton(captions[i], tips[i]);
        cmdTab[i]->setFixedSize(side, side);
        column->addWidget(cmdTab[i]);
        connect(cmdTab[i], &QPushButton::clicked, this, [this, i] { cmdTab_Click(i); });
    }
    column->addStretch();
    return frmTabSet;
}

QFrame* MainWindow::buildCalculationPage() {
    auto* page = new QFrame;
    auto* grid = new QGridLayout(page);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    // Two pixels between the controls, the result list and the help line: with less
    // room the small window's frames would be squeezed at its designed height.
    grid->setVerticalSpacing(2);

    frmExp = makeFrame();
    lblLvMin = makeLabel(QStringLiteral("初期ＬＶ"),
                         QStringLiteral("計算を開始する初期レベルを設定します"));
    txtLvMin = makeField(QStringLiteral("いくつから計算するか指定してください（１～299）"));
    lblLvMax =
        makeLabel(QStringLiteral("上限ＬＶ"), QStringLiteral("計算する上限のレベルを設定します"));
    txtLvMax = makeField(QStringLiteral("いくつまで計算するか指定してください(2～300)"));
    lblMinExp = makeLabel(QString(), QStringLiteral("初期レベルの経験値が表示されます"));
    lblMinExp->setFrameShape(QFrame::Panel);
    lblMinExp->setFrameShadow(QFrame::Sunken);
    lblMinExp->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for its two lines from the start, so the page does not shift when it fills.
    lblMinExp->setMinimumHeight(lblMinExp->fontMetrics().lineSpacing() * 2 + 6);
    chkExp = new QCheckBox;
    chkExp->setToolTip(QStringLiteral("残り経験値を使用する場合は、チェックしてください"));
    lblExp = makeLabel(QStringLiteral("EXP"), QStringLiteral("残り経験値の設定をします"));
    txtExp = makeField(QStringLiteral("初期に必要な残り経験値未満の場合は入力してください"));
    fitDigits(txtLvMin, 4);
    fitDigits(txtLvMax, 4);
    {
        auto* g = tightGrid(frmExp);
        g->addWidget(lblLvMin, 0, 0);
        g->addWidget(txtLvMin, 0, 1, Qt::AlignLeft);
        g->addWidget(lblLvMax, 1, 0);
        g->addWidget(txtLvMax, 1, 1, Qt::AlignLeft);
        g->addWidget(lblMinExp, 2, 0, 1, 2);
        auto* expRow = new QHBoxLayout;
        expRow->setSpacing(2);
        expRow->addWidget(chkExp);
        expRow->addWidget(lblExp);
        g->addLayout(expRow, 3, 0);
        g->addWidget(txtExp, 3, 1);
        g->setColumnStretch(1, 1);
    }

    frmPML = makeFrame();
    lblSWork = makeLabel(QStringLiteral("作業リスト"), QStringLiteral("仕事技術を選択します"));
    cmbSWork = makeList(QStringLiteral("仕事技術を選択します"), QString());
    lblSName = makeLabel(QStringLiteral("生産品名"), QStringLiteral("生産品名を選択します"));
    cmbSName = makeList(QStringLiteral("仕事技術の各生産物を選択します"), QString());
    lblSWorkLv =
        makeLabel(QStringLiteral("Lv."), QStringLiteral("生産(採取)可能なレベルを表示します"));
    txtSWorkLv =
        makeField(QStringLiteral("各生産品を採取(生産)する為に必要なレベルが表示されます"));
    lblSExpk = makeLabel(QStringLiteral("作業工程"), QStringLiteral("作業工程を設定します"));
    txtSExpk = makeField(QStringLiteral("作業工程の回数が表示されます"));
    lblSExp1 = makeLabel(QStringLiteral("1回のEXP"), QStringLiteral("1回の経験値を設定します"));
    txtSExp1 = makeField(QStringLiteral("1回の経験値が表示されます"));
    lblSExpg = makeLabel(QStringLiteral("1回分のEXP"),
                         QStringLiteral("1回のEXPと作業工程をかけた値を計算して表示します"));
    txtSExpg = makeField(QStringLiteral("1回分のEXPを計算して表示されます"));
    lblSLot =
        makeLabel(QStringLiteral("作成個数"), QStringLiteral("生産品をいくつ作成するか設定します"));
    txtSLot = makeField(QStringLiteral("作成する生産物の個数を入力します"));
    for (QLineEdit* field : {txtSWorkLv, txtSExpk, txtSExp1, txtSExpg, txtSLot})
        fitDigits(field, 5);
    {
        auto* g = tightGrid(frmPML);
        g->addWidget(lblSWork, 0, 0);
        g->addWidget(cmbSWork, 0, 1, 1, 3);
        g->addWidget(lblSName, 1, 0);
        g->addWidget(cmbSName, 1, 1, 1, 3);
        g->addWidget(lblSWorkLv, 2, 0);
        g->addWidget(txtSWorkLv, 2, 1);
        g->addWidget(lblSExpk, 2, 2);
        g->addWidget(txtSExpk, 2, 3);
        g->addWidget(lblSExp1, 3, 0);
        g->addWidget(txtSExp1, 3, 1);
        g->addWidget(lblSExpg, 3, 2);
        g->addWidget(txtSExpg, 3, 3);
        g->addWidget(lblSLot, 4, 0);
        g->addWidget(txtSLot, 4, 1);
        g->setColumnStretch(1, 1);
        g->setColumnStretch(3, 1);
    }

    frmPMset = makeFrame();
    lblSset = makeLabel(QStringLiteral("必要な材料"),
                        QStringLiteral("作業する為に必要な材料を表示します"));
    txtSset = new QPlainTextEdit;
    txtSset->setToolTip(QStringLiteral("作業する為に必要な材料を表示します"));
    txtSset->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Three materials and the total line; the result list below gets the rest of the
    // height. Lines are laid out at whole pixels (the spacing rounded up), and the box
    // wants one pixel more than its lines and margins before it drops the scroll bar.
    txtSset->setFont(resultFont(font()));
    const int line = int(std::ceil(QFontMetricsF(txtSset->font()).lineSpacing()));
    const int margin = int(std::ceil(txtSset->document()->documentMargin()));
    txtSset->setFixedHeight(line * 4 + margin * 2 + 1 + txtSset->frameWidth() * 2);
    {
        auto* v = new QVBoxLayout(frmPMset);
        v->setContentsMargins(6, 4, 6, 4);
        v->setSpacing(2);
        v->addWidget(lblSset);
        v->addWidget(txtSset, 1);
    }

    frmSSet = makeFrame();
    chkW = new QCheckBox(QStringLiteral("重量表示"));
    chkK = new QCheckBox(QStringLiteral("工程表示"));
    if (!isLarge()) {
        chkW->setToolTip(QStringLiteral("材料などの重量を表示するかどうか選択します"));
        chkK->setToolTip(QStringLiteral("作業の工程数をひょうじするかどうかを設定します"));
    }
    {
        auto* v = new QVBoxLayout(frmSSet);
        v->setContentsMargins(6, 4, 6, 4);
        v->addWidget(chkW);
        v->addWidget(chkK);
    }

    frmCOpt = makeFrame(QStringLiteral("タブの移動の切り替えの設定をします"));
    optSum[1] = new QRadioButton(QStringLiteral("経験用(&E)"));
    optSum[1]->setToolTip(QStringLiteral("タブの移動を経験値用に切り替えます"));
    optSum[2] = new QRadioButton(QStringLiteral("個数用(&K)"));
    optSum[2]->setToolTip(QStringLiteral("タブの移動を個数計算用に切り替えます"));
    optSum[1]->setChecked(true);
    {
        auto* v = new QVBoxLayout(frmCOpt);
        v->setContentsMargins(6, 4, 6, 4);
        for (int i : {1, 2}) {
            v->addWidget(optSum[i]);
            connect(optSum[i], &QRadioButton::clicked, this, [this, i] { optSum_Click(i); });
        }
    }

    cmd_k = makeButton(QStringLiteral("計算開始(&R)"),
                       QStringLiteral("初期レベル～上限レベルまでの経験値の計算をします"));
    cmdList =
        makeButton(QStringLiteral("リスト表示(&L)"), QStringLiteral("全経験値リストを表示します"));
    cmdClea = makeButton(QStringLiteral("結果クリア(&C)"), QStringLiteral("結果を消去します"));
    cmdWrite = makeButton(QStringLiteral("Text作成(&F)"),
                          QStringLiteral("結果をテキストファイルに出力します"));
    cmdSExp =
        makeButton(QStringLiteral("生産回数(&P)"),
                   QStringLiteral("生産品をいくつ作れば計算した経験値を越えるかを算出します"));
    cmdExpLot = makeButton(QStringLiteral("個数計算(&N)"),
                           QStringLiteral("生産品を作った個数より経験値を算出します"));

    txtWorkList = new QPlainTextEdit;
    txtWorkList->setFont(resultFont(font()));
    txtWorkList->setToolTip(QStringLiteral("仕事技術レベルの経験値の結果を表示されます"));
    txtWorkList->setReadOnly(true);
    txtWorkList->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtWorkList->setMinimumHeight(txtWorkList->fontMetrics().lineSpacing() * 5 + 12);
    lblStats[0] = makeLabel(QString(), QStringLiteral("各項目の説明が表示されます"));
    lblStats[0]->setFrameShape(QFrame::Panel);
    lblStats[0]->setFrameShadow(QFrame::Sunken);
    lblStats[0]->setMinimumHeight(lblStats[0]->fontMetrics().height() + 4);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(frmExp);
    auto* options = new QHBoxLayout;
    options->addWidget(frmSSet);
    options->addWidget(frmCOpt);
    left->addLayout(options);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(3);
    buttons->addWidget(cmd_k, 0, 0);
    buttons->addWidget(cmdList, 0, 1);
    buttons->addWidget(cmdSExp, 1, 0);
    buttons->addWidget(cmdExpLot, 1, 1);
    buttons->addWidget(cmdClea, 2, 0);
    buttons->addWidget(cmdWrite, 2, 1);
    left->addLayout(buttons);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(frmPML);
    right->addWidget(frmPMset);
    right->addStretch();

    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(txtWorkList, 1, 0, 1, 2);
    grid->addWidget(lblStats[0], 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
    return page;
}

void MainWindow::cmdTab_Click(int i) {
    switch (i) {
        case 1:
        case 2:
            switchPage(i);
            break;
        case 3:
            switchSize();
            break;
        case 4:
            emit productWindowRequested();
            break;
        case 5:
            data_.settingsOpener = windowCode_ * 10 + (isCalcPageShown() ? 1 : 2);
            host_.showSettingsFromMain();
            break;
        case 6:
            emit reincarnationRequested();
            break;
        default:
            break;
    }
}

void MainWindow::switchPage(int i) {
    frmSet[1]->hide();
    if (characterPage_)
        characterPage_->hide();
    if (i == 1)
        frmSet[1]->show();
    else
        characterPage().showPage();
    setWindowTitle(titleTag + QStringLiteral("  ( ") + cmdTabTag[i] + QStringLiteral(" )"));
}

void MainWindow::switchSize() {
    MainWindow& other = host_.mainWindow(3 - windowCode_);
    other.txtWorkList->clear();
    hide();
    other.show();
}

void MainWindow::MenuOption_Click() {
    data_.optionsMissing = 0;
    cmdTab_Click(5);
}

void MainWindow::appendResult(const QString& text) {
    QTextCursor cursor = txtWorkList->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    txtWorkList->setTextCursor(cursor);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    host_.endProgram();
}

MainWindow& MainWindow::visibleMainWindow() {
    MainWindow* small = host_.existingMainWindow(1);
    if (small && small->isVisible())
        return *small;
    if (MainWindow* large = host_.existingMainWindow(2))
        return *large;
    return *this;
}

CharacterPage& MainWindow::characterPage() {
    if (characterPage_)
        return *characterPage_;
    characterPage_ = new CharacterPage(isLarge(), font(), data_, *this);
    connect(characterPage_, &CharacterPage::saveRequested, this,
            [this] { emit characterDataRequested(0); });
    connect(characterPage_, &CharacterPage::savedCharactersRequested, this,
            [this] { emit characterDataRequested(1); });
    characterPage_->showHelp(characterHelp_);
    // Hidden before it joins the window, so that nothing shows it before the page is chosen.
    characterPage_->hide();
    pageArea_->addWidget(characterPage_, 0, 0);
    placeInTabOrder(characterPage_);
    return *characterPage_;
}

void MainWindow::placeInTabOrder(CharacterPage* page) {
    auto accepts = [](QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) && !w->focusProxy(); };
    // The last control of the calculation page in the tab order.
    QWidget* previous = nullptr;
    for (QWidget* w = frmSet[1]; frmSet[1] == w || frmSet[1]->isAncestorOf(w);
         w = w->nextInFocusChain()) {
        if (accepts(w))
            previous = w;
    }
    QList<QWidget*> controls;
    for (QWidget* w = page; page == w || page->isAncestorOf(w); w = w->nextInFocusChain()) {
        if (accepts(w))
            controls << w;
    }
    for (QWidget* control : controls) {
        setTabOrder(previous, control);
        previous = control;
    }
}

Dialogs& MainWindow::dialogs() {
    return host_.dialogs();
}

QList<CharacterPage*> MainWindow::existingCharacterPages() {
    QList<CharacterPage*> pages;
    for (int code : {1, 2}) {
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
