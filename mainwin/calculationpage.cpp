#include "calculationpage.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>

#include "controls.h"
#include "widgets.h"

namespace wm {

CalculationPage::CalculationPage(int windowCode, AppData& data, Dialogs& dialogs, QWidget* parent)
    : QFrame(parent), windowCode_(windowCode), data_(data), dialogs_(dialogs) {
    setObjectName(QStringLiteral("calculationPage"));
    buildLevelGroup();
    buildOptionGroups();
    buildButtons();
    buildProductGroup();
    buildMaterialsGroup();
    buildResultArea();
    layOut();
    connectControls();
    setupKeys();
    setupHelp();
}

void CalculationPage::buildLevelGroup() {
    levelGroup = named(makeFrame(this), "levelGroup");
    startLevelLabel = named(makeLabel(levelGroup, QStringLiteral("初期ＬＶ"),
                                      QStringLiteral("計算を開始する初期レベルを設定します")),
                            "startLevelLabel");
    startLevelEdit = named(
        makeField(levelGroup, QStringLiteral("いくつから計算するか指定してください（１～299）")),
        "startLevelEdit");
    targetLevelLabel = named(makeLabel(levelGroup, QStringLiteral("上限ＬＶ"),
                                       QStringLiteral("計算する上限のレベルを設定します")),
                             "targetLevelLabel");
    targetLevelEdit =
        named(makeField(levelGroup, QStringLiteral("いくつまで計算するか指定してください(2～300)")),
              "targetLevelEdit");
    startLevelExpLabel =
        named(makeLabel(levelGroup, QString(), QStringLiteral("初期レベルの経験値が表示されます")),
              "startLevelExpLabel");
    startLevelExpLabel->setFrameShape(QFrame::Panel);
    startLevelExpLabel->setFrameShadow(QFrame::Sunken);
    startLevelExpLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for its two lines from the start, so the page does not shift when it fills.
    startLevelExpLabel->setMinimumHeight(designFontMetrics(startLevelExpLabel).lineSpacing() * 2 +
                                         6);
    remainingExpCheck = named(new QCheckBox(levelGroup), "remainingExpCheck");
    remainingExpCheck->setToolTip(
        QStringLiteral("残り経験値を使用する場合は、チェックしてください"));
    remainingExpLabel = named(
        makeLabel(levelGroup, QStringLiteral("EXP"), QStringLiteral("残り経験値の設定をします")),
        "remainingExpLabel");
    remainingExpEdit = named(
        makeField(levelGroup, QStringLiteral("初期に必要な残り経験値未満の場合は入力してください")),
        "remainingExpEdit");
    fitDigits(startLevelEdit, 4);
    fitDigits(targetLevelEdit, 4);

    auto* g = tightGrid(levelGroup);
    g->addWidget(startLevelLabel, 0, 0);
    g->addWidget(startLevelEdit, 0, 1, Qt::AlignLeft);
    g->addWidget(targetLevelLabel, 1, 0);
    g->addWidget(targetLevelEdit, 1, 1, Qt::AlignLeft);
    g->addWidget(startLevelExpLabel, 2, 0, 1, 2);
    auto* expRow = new QHBoxLayout;
    expRow->setSpacing(2);
    expRow->addWidget(remainingExpCheck);
    expRow->addWidget(remainingExpLabel);
    g->addLayout(expRow, 3, 0);
    g->addWidget(remainingExpEdit, 3, 1);
    g->setColumnStretch(1, 1);
}

void CalculationPage::buildProductGroup() {
    productGroup = named(makeFrame(this), "productGroup");
    workLabel = named(makeLabel(productGroup, QStringLiteral("作業リスト"),
                                QStringLiteral("仕事技術を選択します")),
                      "workLabel");
    workList = named(makeList(productGroup, QStringLiteral("仕事技術を選択します"), QString()),
                     "workList");
    productLabel = named(
        makeLabel(productGroup, QStringLiteral("生産品名"), QStringLiteral("生産品名を選択します")),
        "productLabel");
    productList =
        named(makeList(productGroup, QStringLiteral("仕事技術の各生産物を選択します"), QString()),
              "productList");
    productLevelLabel = named(makeLabel(productGroup, QStringLiteral("Lv."),
                                        QStringLiteral("生産(採取)可能なレベルを表示します")),
                              "productLevelLabel");
    productLevelEdit =
        named(makeField(productGroup,
                        QStringLiteral("各生産品を採取(生産)する為に必要なレベルが表示されます")),
              "productLevelEdit");
    stepsLabel = named(
        makeLabel(productGroup, QStringLiteral("作業工程"), QStringLiteral("作業工程を設定します")),
        "stepsLabel");
    stepsEdit =
        named(makeField(productGroup, QStringLiteral("作業工程の回数が表示されます")), "stepsEdit");
    stepExpLabel = named(makeLabel(productGroup, QStringLiteral("1回のEXP"),
                                   QStringLiteral("1回の経験値を設定します")),
                         "stepExpLabel");
    stepExpEdit =
        named(makeField(productGroup, QStringLiteral("1回の経験値が表示されます")), "stepExpEdit");
    runExpLabel =
        named(makeLabel(productGroup, QStringLiteral("1回分のEXP"),
                        QStringLiteral("1回のEXPと作業工程をかけた値を計算して表示します")),
              "runExpLabel");
    runExpEdit = named(makeField(productGroup, QStringLiteral("1回分のEXPを計算して表示されます")),
                       "runExpEdit");
    runsLabel = named(makeLabel(productGroup, QStringLiteral("作成個数"),
                                QStringLiteral("生産品をいくつ作成するか設定します")),
                      "runsLabel");
    runsEdit = named(makeField(productGroup, QStringLiteral("作成する生産物の個数を入力します")),
                     "runsEdit");
    for (QLineEdit* field : {productLevelEdit, stepsEdit, stepExpEdit, runExpEdit, runsEdit})
        fitDigits(field, 5);

    auto* g = tightGrid(productGroup);
    g->addWidget(workLabel, 0, 0);
    g->addWidget(workList, 0, 1, 1, 4);
    g->addWidget(productLabel, 1, 0);
    g->addWidget(productList, 1, 1, 1, 4);
    g->addWidget(productLevelLabel, 2, 0);
    g->addWidget(productLevelEdit, 2, 1);
    g->addWidget(stepsLabel, 2, 2);
    g->addWidget(stepsEdit, 2, 3);
    g->addWidget(stepExpLabel, 3, 0);
    g->addWidget(stepExpEdit, 3, 1);
    g->addWidget(runExpLabel, 3, 2);
    g->addWidget(runExpEdit, 3, 3);
    g->addWidget(runsLabel, 4, 0);
    g->addWidget(runsEdit, 4, 1);
    // The room of a larger window goes to the lists and past the boxes, never between a
    // label and its box.
    g->setColumnStretch(4, 1);
}

void CalculationPage::buildMaterialsGroup() {
    materialsGroup = named(makeFrame(this), "materialsGroup");
    materialsLabel = named(makeLabel(materialsGroup, QStringLiteral("必要な材料"),
                                     QStringLiteral("作業する為に必要な材料を表示します")),
                           "materialsLabel");
    materialsBox = named(new QPlainTextEdit(materialsGroup), "materialsBox");
    materialsBox->setToolTip(QStringLiteral("作業する為に必要な材料を表示します"));
    materialsBox->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Three materials and the total line; the result list below gets the rest of the
    // height. Lines are laid out at whole pixels (the spacing rounded up), and the box
    // wants one pixel more than its lines and margins before it drops the scroll bar.
    materialsBox->setFont(resultFont(font()));
    const int line = int(std::ceil(QFontMetricsF(materialsBox->font()).lineSpacing()));
    const int margin = int(std::ceil(materialsBox->document()->documentMargin()));
    materialsBox->setFixedHeight(line * 4 + margin * 2 + 1 + materialsBox->frameWidth() * 2);
    auto* v = new QVBoxLayout(materialsGroup);
    v->setContentsMargins(6, 4, 6, 4);
    v->setSpacing(2);
    v->addWidget(materialsLabel);
    v->addWidget(materialsBox, 1);
}

void CalculationPage::buildOptionGroups() {
    displayGroup = named(makeFrame(this), "displayGroup");
    showWeightCheck =
        named(new QCheckBox(QStringLiteral("重量表示"), displayGroup), "showWeightCheck");
    showStepsCheck =
        named(new QCheckBox(QStringLiteral("工程表示"), displayGroup), "showStepsCheck");
    if (!isLarge()) {
        showWeightCheck->setToolTip(QStringLiteral("材料などの重量を表示するかどうか選択します"));
        showStepsCheck->setToolTip(
            QStringLiteral("作業の工程数をひょうじするかどうかを設定します"));
    }
    auto* display = new QVBoxLayout(displayGroup);
    display->setContentsMargins(6, 4, 6, 4);
    display->addWidget(showWeightCheck);
    display->addWidget(showStepsCheck);

    tabOrderGroup = named(makeFrame(this, QStringLiteral("タブの移動の切り替えの設定をします")),
                          "tabOrderGroup");
    expTabOrderOption =
        named(new QRadioButton(QStringLiteral("経験用(&E)"), tabOrderGroup), "expTabOrderOption");
    expTabOrderOption->setToolTip(QStringLiteral("タブの移動を経験値用に切り替えます"));
    countTabOrderOption =
        named(new QRadioButton(QStringLiteral("個数用(&K)"), tabOrderGroup), "countTabOrderOption");
    countTabOrderOption->setToolTip(QStringLiteral("タブの移動を個数計算用に切り替えます"));
    expTabOrderOption->setChecked(true);
    auto* order = new QVBoxLayout(tabOrderGroup);
    order->setContentsMargins(6, 4, 6, 4);
    order->addWidget(expTabOrderOption);
    order->addWidget(countTabOrderOption);
}

void CalculationPage::buildButtons() {
    calculateButton =
        named(makeButton(this, QStringLiteral("計算開始(&R)"),
                         QStringLiteral("初期レベル～上限レベルまでの経験値の計算をします")),
              "calculateButton");
    expListButton = named(makeButton(this, QStringLiteral("リスト表示(&L)"),
                                     QStringLiteral("全経験値リストを表示します")),
                          "expListButton");
    runsNeededButton = named(
        makeButton(this, QStringLiteral("生産回数(&P)"),
                   QStringLiteral("生産品をいくつ作れば計算した経験値を越えるかを算出します")),
        "runsNeededButton");
    runTotalsButton = named(makeButton(this, QStringLiteral("個数計算(&N)"),
                                       QStringLiteral("生産品を作った個数より経験値を算出します")),
                            "runTotalsButton");
    clearButton = named(
        makeButton(this, QStringLiteral("結果クリア(&C)"), QStringLiteral("結果を消去します")),
        "clearButton");
    saveResultButton = named(makeButton(this, QStringLiteral("Text作成(&F)"),
                                        QStringLiteral("結果をテキストファイルに出力します")),
                             "saveResultButton");
}

void CalculationPage::buildResultArea() {
    resultList = named(new QPlainTextEdit(this), "resultList");
    resultList->setFont(resultFont(font()));
    resultList->setToolTip(QStringLiteral("仕事技術レベルの経験値の結果を表示されます"));
    resultList->setReadOnly(true);
    resultList->setLineWrapMode(QPlainTextEdit::NoWrap);
    resultList->setMinimumHeight(resultList->fontMetrics().lineSpacing() * 5 + 12);
    helpLine = named(makeLabel(this, QString(), QStringLiteral("各項目の説明が表示されます")),
                     "calculationHelpLine");
    helpLine->setFrameShape(QFrame::Panel);
    helpLine->setFrameShadow(QFrame::Sunken);
    helpLine->setMinimumHeight(designFontMetrics(helpLine).height() + 4);
}

void CalculationPage::layOut() {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(4);
    // Two pixels between the controls, the result list and the help line: with less
    // room the small window's frames would be squeezed at its designed height.
    grid->setVerticalSpacing(2);

    auto* left = new QVBoxLayout;
    left->setSpacing(4);
    left->addWidget(levelGroup);
    auto* options = new QHBoxLayout;
    options->addWidget(displayGroup);
    options->addWidget(tabOrderGroup);
    left->addLayout(options);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(3);
    buttons->addWidget(calculateButton, 0, 0);
    buttons->addWidget(expListButton, 0, 1);
    buttons->addWidget(runsNeededButton, 1, 0);
    buttons->addWidget(runTotalsButton, 1, 1);
    buttons->addWidget(clearButton, 2, 0);
    buttons->addWidget(saveResultButton, 2, 1);
    left->addLayout(buttons);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(productGroup);
    right->addWidget(materialsGroup);
    right->addStretch();

    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(resultList, 1, 0, 1, 2);
    grid->addWidget(helpLine, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
}

void CalculationPage::appendResult(const QString& text) {
    QTextCursor cursor = resultList->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    resultList->setTextCursor(cursor);
}

void CalculationPage::clearResults() {
    resultList->clear();
}

void CalculationPage::showHelp(const QString& text) {
    helpLine->setText(text);
}

CalculationPage::ProductChoice CalculationPage::productChoice() const {
    return {workList->currentIndex(), productList->currentIndex(), runsEdit->text()};
}

}  // namespace wm
