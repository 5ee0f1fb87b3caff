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
    levelFrame_ = named(makeFrame(this), "levelFrame");
    startLevelCaption_ = named(makeLabel(levelFrame_, QStringLiteral("初期ＬＶ"),
                                         QStringLiteral("計算を開始する初期レベルを設定します")),
                               "startLevelCaption");
    startLevelBox_ = named(
        makeBox(levelFrame_, QStringLiteral("いくつから計算するか指定してください（１～299）")),
        "startLevelBox");
    targetLevelCaption_ = named(makeLabel(levelFrame_, QStringLiteral("上限ＬＶ"),
                                          QStringLiteral("計算する上限のレベルを設定します")),
                                "targetLevelCaption");
    targetLevelBox_ =
        named(makeBox(levelFrame_, QStringLiteral("いくつまで計算するか指定してください(2～300)")),
              "targetLevelBox");
    startLevelExpLabel_ =
        named(makeLabel(levelFrame_, QString(), QStringLiteral("初期レベルの経験値が表示されます")),
              "startLevelExpLabel");
    startLevelExpLabel_->setFrameShape(QFrame::Panel);
    startLevelExpLabel_->setFrameShadow(QFrame::Sunken);
    startLevelExpLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Room for its two lines from the start, so the page does not shift when it fills.
    startLevelExpLabel_->setMinimumHeight(designFontMetrics(startLevelExpLabel_).lineSpacing() * 2 +
                                          6);
    remainingExpCheck_ =
        named(makeCheck(levelFrame_, QString(),
                        QStringLiteral("残り経験値を使用する場合は、チェックしてください")),
              "remainingExpCheck");
    remainingExpCaption_ = named(
        makeLabel(levelFrame_, QStringLiteral("EXP"), QStringLiteral("残り経験値の設定をします")),
        "remainingExpCaption");
    remainingExpBox_ = named(
        makeBox(levelFrame_, QStringLiteral("初期に必要な残り経験値未満の場合は入力してください")),
        "remainingExpBox");
    fitDigits(startLevelBox_, 4);
    fitDigits(targetLevelBox_, 4);

    auto* g = tightGrid(levelFrame_);
    g->addWidget(startLevelCaption_, 0, 0);
    g->addWidget(startLevelBox_, 0, 1, Qt::AlignLeft);
    g->addWidget(targetLevelCaption_, 1, 0);
    g->addWidget(targetLevelBox_, 1, 1, Qt::AlignLeft);
    g->addWidget(startLevelExpLabel_, 2, 0, 1, 2);
    auto* expRow = new QHBoxLayout;
    expRow->setSpacing(2);
    expRow->addWidget(remainingExpCheck_);
    expRow->addWidget(remainingExpCaption_);
    g->addLayout(expRow, 3, 0);
    g->addWidget(remainingExpBox_, 3, 1);
    g->setColumnStretch(1, 1);
}

void CalculationPage::buildProductGroup() {
    productFrame_ = named(makeFrame(this), "productFrame");
    workCaption_ = named(makeLabel(productFrame_, QStringLiteral("作業リスト"),
                                   QStringLiteral("仕事技術を選択します")),
                         "workCaption");
    workList_ = named(makeList(productFrame_, QStringLiteral("仕事技術を選択します"), QString()),
                      "workList");
    productCaption_ = named(makeLabel(productFrame_, QStringLiteral("生産品名"),
                                      QStringLiteral("生産品名を選択します")),
                            "productCaption");
    productList_ =
        named(makeList(productFrame_, QStringLiteral("仕事技術の各生産物を選択します"), QString()),
              "productList");
    productLevelCaption_ = named(makeLabel(productFrame_, QStringLiteral("Lv."),
                                           QStringLiteral("生産(採取)可能なレベルを表示します")),
                                 "productLevelCaption");
    productLevelBox_ =
        named(makeBox(productFrame_,
                      QStringLiteral("各生産品を採取(生産)する為に必要なレベルが表示されます")),
              "productLevelBox");
    stepsCaption_ = named(makeLabel(productFrame_, QStringLiteral("作業工程"),
                                    QStringLiteral("作業工程を設定します")),
                          "stepsCaption");
    stepsBox_ =
        named(makeBox(productFrame_, QStringLiteral("作業工程の回数が表示されます")), "stepsBox");
    stepExpCaption_ = named(makeLabel(productFrame_, QStringLiteral("1回のEXP"),
                                      QStringLiteral("1回の経験値を設定します")),
                            "stepExpCaption");
    stepExpBox_ =
        named(makeBox(productFrame_, QStringLiteral("1回の経験値が表示されます")), "stepExpBox");
    runExpCaption_ =
        named(makeLabel(productFrame_, QStringLiteral("1回分のEXP"),
                        QStringLiteral("1回のEXPと作業工程をかけた値を計算して表示します")),
              "runExpCaption");
    runExpBox_ = named(makeBox(productFrame_, QStringLiteral("1回分のEXPを計算して表示されます")),
                       "runExpBox");
    runsCaption_ = named(makeLabel(productFrame_, QStringLiteral("作成個数"),
                                   QStringLiteral("生産品をいくつ作成するか設定します")),
                         "runsCaption");
    runsBox_ = named(makeBox(productFrame_, QStringLiteral("作成する生産物の個数を入力します")),
                     "runsBox");
    for (QLineEdit* field : {productLevelBox_, stepsBox_, stepExpBox_, runExpBox_, runsBox_})
        fitDigits(field, 5);

    auto* g = tightGrid(productFrame_);
    g->addWidget(workCaption_, 0, 0);
    g->addWidget(workList_, 0, 1, 1, 4);
    g->addWidget(productCaption_, 1, 0);
    g->addWidget(productList_, 1, 1, 1, 4);
    g->addWidget(productLevelCaption_, 2, 0);
    g->addWidget(productLevelBox_, 2, 1);
    g->addWidget(stepsCaption_, 2, 2);
    g->addWidget(stepsBox_, 2, 3);
    g->addWidget(stepExpCaption_, 3, 0);
    g->addWidget(stepExpBox_, 3, 1);
    g->addWidget(runExpCaption_, 3, 2);
    g->addWidget(runExpBox_, 3, 3);
    g->addWidget(runsCaption_, 4, 0);
    g->addWidget(runsBox_, 4, 1);
    // The room of a larger window goes to the lists and past the boxes, never between a
    // label and its box.
    g->setColumnStretch(4, 1);
}

void CalculationPage::buildMaterialsGroup() {
    materialsFrame_ = named(makeFrame(this), "materialsFrame");
    materialsCaption_ = named(makeLabel(materialsFrame_, QStringLiteral("必要な材料"),
                                        QStringLiteral("作業する為に必要な材料を表示します")),
                              "materialsCaption");
    materialsBox_ = named(new QPlainTextEdit(materialsFrame_), "materialsBox");
    materialsBox_->setToolTip(QStringLiteral("作業する為に必要な材料を表示します"));
    materialsBox_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Three materials and the total line; the result list below gets the rest of the
    // height. Lines are laid out at whole pixels (the spacing rounded up), and the box
    // wants one pixel more than its lines and margins before it drops the scroll bar.
    materialsBox_->setFont(resultFont(font()));
    const int line = int(std::ceil(QFontMetricsF(materialsBox_->font()).lineSpacing()));
    const int margin = int(std::ceil(materialsBox_->document()->documentMargin()));
    materialsBox_->setFixedHeight(line * 4 + margin * 2 + 1 + materialsBox_->frameWidth() * 2);
    auto* v = new QVBoxLayout(materialsFrame_);
    v->setContentsMargins(6, 4, 6, 4);
    v->setSpacing(2);
    v->addWidget(materialsCaption_);
    v->addWidget(materialsBox_, 1);
}

void CalculationPage::buildOptionGroups() {
    displayFrame_ = named(makeFrame(this), "displayFrame");
    // Only the small window explains them.
    const auto tip = [this](const QString& text) { return isLarge() ? QString() : text; };
    showWeightCheck_ =
        named(makeCheck(displayFrame_, QStringLiteral("重量表示"),
                        tip(QStringLiteral("材料などの重量を表示するかどうか選択します"))),
              "showWeightCheck");
    showStepsCheck_ =
        named(makeCheck(displayFrame_, QStringLiteral("工程表示"),
                        tip(QStringLiteral("作業の工程数をひょうじするかどうかを設定します"))),
              "showStepsCheck");
    auto* display = new QVBoxLayout(displayFrame_);
    display->setContentsMargins(6, 4, 6, 4);
    display->addWidget(showWeightCheck_);
    display->addWidget(showStepsCheck_);

    tabOrderFrame_ = named(makeFrame(this, QStringLiteral("タブの移動の切り替えの設定をします")),
                           "tabOrderFrame");
    expTabOrderOption_ = named(makeOption(tabOrderFrame_, QStringLiteral("経験用(&E)"),
                                          QStringLiteral("タブの移動を経験値用に切り替えます")),
                               "expTabOrderOption");
    countTabOrderOption_ = named(makeOption(tabOrderFrame_, QStringLiteral("個数用(&K)"),
                                            QStringLiteral("タブの移動を個数計算用に切り替えます")),
                                 "countTabOrderOption");
    expTabOrderOption_->setChecked(true);
    auto* order = new QVBoxLayout(tabOrderFrame_);
    order->setContentsMargins(6, 4, 6, 4);
    order->addWidget(expTabOrderOption_);
    order->addWidget(countTabOrderOption_);
}

void CalculationPage::buildButtons() {
    calculateButton_ =
        named(makeButton(this, QStringLiteral("計算開始(&R)"),
                         QStringLiteral("初期レベル～上限レベルまでの経験値の計算をします")),
              "calculateButton");
    expListButton_ = named(makeButton(this, QStringLiteral("リスト表示(&L)"),
                                      QStringLiteral("全経験値リストを表示します")),
                           "expListButton");
    runsNeededButton_ = named(
        makeButton(this, QStringLiteral("生産回数(&P)"),
                   QStringLiteral("生産品をいくつ作れば計算した経験値を越えるかを算出します")),
        "runsNeededButton");
    runTotalsButton_ = named(makeButton(this, QStringLiteral("個数計算(&N)"),
                                        QStringLiteral("生産品を作った個数より経験値を算出します")),
                             "runTotalsButton");
    clearButton_ = named(
        makeButton(this, QStringLiteral("結果クリア(&C)"), QStringLiteral("結果を消去します")),
        "clearButton");
    saveResultButton_ = named(makeButton(this, QStringLiteral("Text作成(&F)"),
                                         QStringLiteral("結果をテキストファイルに出力します")),
                              "saveResultButton");
}

void CalculationPage::buildResultArea() {
    resultBox_ = named(new QPlainTextEdit(this), "resultBox");
    resultBox_->setFont(resultFont(font()));
    resultBox_->setToolTip(QStringLiteral("仕事技術レベルの経験値の結果を表示されます"));
    resultBox_->setReadOnly(true);
    resultBox_->setLineWrapMode(QPlainTextEdit::NoWrap);
    resultBox_->setMinimumHeight(resultBox_->fontMetrics().lineSpacing() * 5 + 12);
    helpLabel_ = named(makeLabel(this, QString(), QStringLiteral("各項目の説明が表示されます")),
                       "calculationHelpLabel");
    helpLabel_->setFrameShape(QFrame::Panel);
    helpLabel_->setFrameShadow(QFrame::Sunken);
    helpLabel_->setMinimumHeight(designFontMetrics(helpLabel_).height() + 4);
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
    left->addWidget(levelFrame_);
    auto* options = new QHBoxLayout;
    options->addWidget(displayFrame_);
    options->addWidget(tabOrderFrame_);
    left->addLayout(options);
    auto* buttons = new QGridLayout;
    buttons->setSpacing(3);
    buttons->addWidget(calculateButton_, 0, 0);
    buttons->addWidget(expListButton_, 0, 1);
    buttons->addWidget(runsNeededButton_, 1, 0);
    buttons->addWidget(runTotalsButton_, 1, 1);
    buttons->addWidget(clearButton_, 2, 0);
    buttons->addWidget(saveResultButton_, 2, 1);
    left->addLayout(buttons);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->setSpacing(4);
    right->addWidget(productFrame_);
    right->addWidget(materialsFrame_);
    right->addStretch();

    grid->addLayout(left, 0, 0);
    grid->addLayout(right, 0, 1);
    grid->addWidget(resultBox_, 1, 0, 1, 2);
    grid->addWidget(helpLabel_, 2, 0, 1, 2);
    grid->setRowStretch(1, 1);
    grid->setColumnStretch(1, 1);
}

void CalculationPage::appendResult(const QString& text) {
    QTextCursor cursor = resultBox_->textCursor();
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(text);
    resultBox_->setTextCursor(cursor);
}

void CalculationPage::clearResults() {
    resultBox_->clear();
}

void CalculationPage::showHelp(const QString& text) {
    helpLabel_->setText(text);
}

CalculationPage::ProductChoice CalculationPage::productChoice() const {
    return {workList_->currentIndex(), productList_->currentIndex(), runsBox_->text()};
}

}  // namespace wm
