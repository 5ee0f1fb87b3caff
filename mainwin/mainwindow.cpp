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
#include "version.h"
#include "widgets.h"

namespace wm {

namespace {

// 15 twips to a pixel.
constexpr QSize kSmallSize(7770 / 15, 6720 / 15);
constexpr QSize kLargeSize(9630 / 15, 7980 / 15);

const QString kDesignCaption = QStringLiteral("Wendmoorツール　Ver.");
const QString kUnchosen = QStringLiteral("未選択");

QLabel* makeLabel(const QString& caption, const QString& tip = QString()) {
    auto* label = new QLabel(caption);
    label->setToolTip(tip);
    return label;
}

QLineEdit* makeField(const QString& tip, const QString& text = QString()) {
    auto* field = new QLineEdit(text);
    field->setToolTip(tip);
    return field;
}

QPushButton* makeButton(const QString& caption, const QString& tip) {
    auto* button = new QPushButton(caption);
    button->setToolTip(tip);
    return button;
}

// A drop-down list that shows a text of its own until an entry is chosen.
QComboBox* makeList(const QString& tip, const QString& shown) {
    auto* list = new QComboBox;
    list->setToolTip(tip);
    list->setPlaceholderText(shown);
    list->setCurrentIndex(-1);
    return list;
}

QGroupBox* makeFrame(const QString& tip = QString()) {
    auto* frame = new QGroupBox;
    frame->setToolTip(tip);
    return frame;
}

// Number fields are sized for their digits so the rows line up at both sizes.
void fitDigits(QLineEdit* field, int digits) {
    const int width = field->fontMetrics().horizontalAdvance(QString(digits, QLatin1Char('0')));
    field->setFixedWidth(width + 14);
}

QGridLayout* tightGrid(QWidget* owner) {
    auto* grid = new QGridLayout(owner);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    return grid;
}

}  // namespace

MainWindow::MainWindow(int windowCode, AppData& data, MainHost& host, QWidget* parent)
    : QMainWindow(parent), windowCode_(windowCode), data_(data), host_(host) {
    installDesktopInput();
    setObjectName(isLarge() ? QStringLiteral("FrmBigWM") : QStringLiteral("frmWM"));
    setFont(windowFont(font(), isLarge() ? 10 : 9));

    cmdTabTag[1] = QStringLiteral("仕事技術計算");
    cmdTabTag[2] = QStringLiteral("キャラデータ");
    cmdTabTag[4] = QStringLiteral("生産品の追加・修正");
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
    frmSet[1] = buildCalculationPage();
    frmSet[2] = buildCharacterPage();
    pages->addWidget(frmSet[1], 0, 0);
    pages->addWidget(frmSet[2], 0, 0);
    frmSet[2]->hide();
    layout->addLayout(pages, 1);
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
    setupCharacterPage();
    setupKeysAndHelp();
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

    lblStats[1] = makeLabel(QString());
    lblStats[1]->setFrameShape(QFrame::Panel);
    lblStats[1]->setFrameShadow(QFrame::Sunken);
    lblStats[1]->setMinimumHeight(lblStats[1]->fontMetrics().height() + 4);
    v->addWidget(lblStats[1]);

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
    frmSet[2]->hide();
    frmSet[i]->show();
    if (frmTabSetTag == QLatin1String("0") && i == 2) {
        // First showing of the character page: its lists are filled here.
        frmTabSetTag = QStringLiteral("1");
        PCListSet();
        chooseWorkSet(0);
    }
    setWindowTitle(titleTag + QStringLiteral("  ( ") + cmdTabTag[i] + QStringLiteral(" )"));
}

void MainWindow::switchSize() {
    MainWindow& other = host_.mainWindow(3 - windowCode_);
    other.txtWorkList->clear();
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

}  // namespace wm
