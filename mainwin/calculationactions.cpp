// What the calculation page does: level ranges, products, production runs and result files.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "calculationpage.h"
#include "calculationrules.h"
#include "levelcalc.h"
#include "messages.h"
#include "productinfo.h"
#include "widgets.h"

namespace wm {

namespace {

QString boxText(const QString& crlfText) {
    QString text = crlfText;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace

void CalculationPage::connectControls() {
    connect(saveResultButton_, &QPushButton::clicked, this, &CalculationPage::saveResultRequested);
    connect(workList_, &QComboBox::activated, this, &CalculationPage::showWorkProducts);
    connect(productList_, &QComboBox::activated, this, &CalculationPage::showProduct);
    connect(remainingExpCheck_, &QCheckBox::clicked, this, &CalculationPage::switchRemainingExp);
    connect(calculateButton_, &QPushButton::clicked, this, &CalculationPage::calculate);
    connect(expListButton_, &QPushButton::clicked, this, &CalculationPage::listLevels);
    connect(clearButton_, &QPushButton::clicked, this, &CalculationPage::askToClearResults);
    connect(runTotalsButton_, &QPushButton::clicked, this, &CalculationPage::totalRuns);
    connect(runsNeededButton_, &QPushButton::clicked, this, &CalculationPage::countRunsNeeded);
    connect(expTabOrderOption_, &QRadioButton::clicked, this,
            [this] { setTabOrderMode(TabOrderMode::Experience); });
    connect(countTabOrderOption_, &QRadioButton::clicked, this,
            [this] { setTabOrderMode(TabOrderMode::Count); });
    onLeave(startLevelBox_, [this] { showStartLevelExp(); });
    // The label and the total belong to the levels on screen.
    connect(startLevelBox_, &QLineEdit::textChanged, this, &CalculationPage::showStartLevelExp);
    for (QLineEdit* level : {startLevelBox_, targetLevelBox_, remainingExpBox_})
        connect(level, &QLineEdit::textChanged, this, [this] { neededExp_ = 0; });
    connect(remainingExpCheck_, &QCheckBox::toggled, this, [this] { neededExp_ = 0; });
    // 1回分のEXP follows the step values as they are typed.
    for (QLineEdit* step : {stepExpBox_, stepsBox_})
        connect(step, &QLineEdit::textEdited, this, [this] {
            runExpBox_->setText(runExpText(stepExpBox_->text(), stepsBox_->text()));
        });
    onEvent(runExpBox_, QEvent::MouseButtonRelease, [this] { refreshRunExp(); });
    onEvent(stepExpBox_, QEvent::MouseButtonRelease, [this] { stepExpBox_->selectAll(); });
    shadeRemainingExp(false);
    // The page starts in the experience tab order, without moving the focus.
    for (QWidget* field : {runsBox_, stepExpBox_, stepsBox_})
        setTabStop(field, false);
    setTabStop(runTotalsButton_, false);
    fillWorkList();
}

void CalculationPage::shadeRemainingExp(bool used) {
    QPalette palette = remainingExpBox_->palette();
    const QPalette standard = remainingExpBox_->style()->standardPalette();
    palette.setColor(QPalette::Base, used ? standard.color(QPalette::Base)
                                          : standard.color(QPalette::Disabled, QPalette::Window));
    remainingExpBox_->setPalette(palette);
}

void CalculationPage::setTabStop(QWidget* field, bool stop) {
    field->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void CalculationPage::fillWorkList() {
    workList_->clear();
    workList_->addItems(sectionNames(data_.products, workSections()));
    workList_->setCurrentIndex(-1);
}

void CalculationPage::showWorkProducts() {
    for (QLineEdit* field : {stepExpBox_, stepsBox_, runExpBox_, productLevelBox_})
        field->clear();
    materialsBox_->clear();
    setMaterials_ = {};
    productList_->clear();
    productList_->addItems(
        sectionProducts(data_.products, workSection(workList_->currentIndex()), kProductListRows));
    productList_->setCurrentIndex(-1);
    productCaption_->setToolTip(productLabelTip(workList_->currentText()));
}

void CalculationPage::showProduct() {
    materialsBox_->clear();
    const int section = workSection(workList_->currentIndex());
    const int row = productList_->currentIndex() + 1;
    const ProductStepFields fields = productFieldsOf(data_.products, section, row);
    productLevelBox_->setText(fields.level);
    stepExpBox_->setText(fields.stepExp);
    stepsBox_->setText(fields.steps);
    refreshRunExp();
    const SetMaterialList materials = setMaterialsOf(
        data_.products, data_.products.at(section, ProductColumn::SetMaterials, row));
    materialsBox_->setPlainText(boxText(materials.text));
    setMaterials_ = materials.materials;
}

void CalculationPage::refreshRunExp() {
    // Values from the data are protected; a 0 or empty value can be typed in.
    for (QLineEdit* field : {stepExpBox_, stepsBox_}) {
        if (const auto locked = lockedByData(field->text()))
            field->setReadOnly(*locked);
    }
    runExpBox_->setText(runExpText(stepExpBox_->text(), stepsBox_->text()));
    runExpBox_->selectAll();
}

void CalculationPage::showStartLevelExp() {
    startLevelExpLabel_->setText(
        wm::startLevelLabel(data_, startLevelBox_->text()).value_or(QString()));
}

void CalculationPage::switchRemainingExp() {
    shadeRemainingExp(remainingExpCheck_->isChecked());
    if (remainingExpCheck_->isChecked())
        remainingExpBox_->setFocus();
}

LevelInputs CalculationPage::levelInputs() const {
    LevelInputs in;
    in.windowCode = windowCode_;
    in.startLevel = startLevelBox_->text();
    in.targetLevel = targetLevelBox_->text();
    in.exp = remainingExpBox_->text();
    in.useExp = remainingExpCheck_->isChecked();
    return in;
}

void CalculationPage::calculate() {
    const LevelInputs in = levelInputs();
    const LevelOutcome out = calculateLevels(data_, in);
    if (out.problem)
        showMessage(dialogs_, out.problem->message);
    targetLevelBox_->setText(out.targetLevel);
    neededExp_ = out.neededExp;
    for (const ResultPiece& piece : out.pieces) {
        if (piece.both)
            emit ruleForBothWindows(int(piece.text.size()));
        else
            appendResult(boxText(piece.text));
    }
    if (out.problem && out.problem->focus) {
        const LevelField focus = *out.problem->focus;
        QLineEdit* field = focus == LevelField::StartLevel    ? startLevelBox_
                           : focus == LevelField::TargetLevel ? targetLevelBox_
                                                              : remainingExpBox_;
        if (out.problem->selectAll)
            field->selectAll();
        field->setFocus();
    } else if (out.done) {
        startLevelBox_->setFocus();
    }
}

void CalculationPage::listLevels() {
    resultBox_->clear();
    appendResult(boxText(expListText(data_, expListLevels(windowCode_))));
}

void CalculationPage::askToClearResults() {
    if (dialogs_.messageBox(QStringLiteral("計算結果を削除しますがよろしいですか？"),
                            QStringLiteral("計算結果の削除"),
                            Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        resultBox_->clear();
}

void CalculationPage::saveResult() {
    wm::saveResult(data_, dialogs_, resultBox_->toPlainText());
}

void CalculationPage::setTabOrderMode(TabOrderMode mode) {
    tabOrderMode_ = mode;
    QWidget* const experienceFields[] = {runsNeededButton_, startLevelBox_, targetLevelBox_,
                                         remainingExpBox_, calculateButton_};
    if (mode == TabOrderMode::Experience) {
        for (QWidget* field :
             {static_cast<QWidget*>(runsBox_), static_cast<QWidget*>(runTotalsButton_),
              static_cast<QWidget*>(stepExpBox_), static_cast<QWidget*>(stepsBox_)})
            setTabStop(field, false);
        for (QWidget* field : experienceFields)
            setTabStop(field, true);
        startLevelBox_->setFocus();
        return;
    }
    for (QWidget* field : experienceFields)
        setTabStop(field, false);
    setTabStop(runsBox_, true);
    setTabStop(runTotalsButton_, true);
    // Values taken from the data are skipped and protected; a 0 can be typed over.
    for (QLineEdit* field : {stepExpBox_, stepsBox_}) {
        if (const auto locked = lockedByData(field->text())) {
            setTabStop(field, !*locked);
            field->setReadOnly(*locked);
        }
    }
    runExpBox_->setText(runExpText(stepExpBox_->text(), stepsBox_->text()));
    workList_->setFocus();
}

void CalculationPage::focusProductionField(ProductionField field, bool selectAll) {
    QWidget* target = nullptr;
    switch (field) {
        case ProductionField::Work:
            target = workList_;
            break;
        case ProductionField::Product:
            target = productList_;
            break;
        case ProductionField::StepExp:
            target = stepExpBox_;
            break;
        case ProductionField::Steps:
            target = stepsBox_;
            break;
        case ProductionField::Runs:
            target = runsBox_;
            break;
    }
    if (selectAll)
        selectAllText(target);
    target->setFocus();
}

ProductionInputs CalculationPage::productionInputs() const {
    ProductionInputs in;
    in.workPosition = workList_->currentIndex();
    in.work = workList_->currentText();
    in.product = productList_->currentText();
    in.stepExp = stepExpBox_->text();
    in.steps = stepsBox_->text();
    in.runs = runsBox_->text();
    in.neededExp = neededExp_;
    in.setMaterials = setMaterials_;
    return in;
}

void CalculationPage::showProductionOutcome(const ProductionOutcome& outcome) {
    if (outcome.problem)
        showMessage(dialogs_, outcome.problem->message);
    if (outcome.problem && outcome.problem->focus)
        focusProductionField(*outcome.problem->focus, outcome.problem->selectAll);
    else
        appendResult(boxText(outcome.append));
}

void CalculationPage::totalRuns() {
    showProductionOutcome(totalsForRuns(data_, productionInputs()));
}

void CalculationPage::countRunsNeeded() {
    showProductionOutcome(runsNeeded(data_, productionInputs()));
}

}  // namespace wm
