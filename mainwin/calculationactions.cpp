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
    connect(saveResultButton, &QPushButton::clicked, this, &CalculationPage::saveResultRequested);
    connect(workList, &QComboBox::activated, this, &CalculationPage::showWorkProducts);
    connect(productList, &QComboBox::activated, this, &CalculationPage::showProduct);
    connect(remainingExpCheck, &QCheckBox::clicked, this, &CalculationPage::remainingExpToggled);
    connect(calculateButton, &QPushButton::clicked, this, &CalculationPage::calculate);
    connect(expListButton, &QPushButton::clicked, this, &CalculationPage::listLevels);
    connect(clearButton, &QPushButton::clicked, this, &CalculationPage::askToClearResults);
    connect(runTotalsButton, &QPushButton::clicked, this, &CalculationPage::totalRuns);
    connect(runsNeededButton, &QPushButton::clicked, this, &CalculationPage::countRunsNeeded);
    connect(expTabOrderOption, &QRadioButton::clicked, this,
            [this] { setTabOrderMode(TabOrderMode::Experience); });
    connect(countTabOrderOption, &QRadioButton::clicked, this,
            [this] { setTabOrderMode(TabOrderMode::Count); });
    onLeave(startLevelEdit, [this] { showStartLevelExp(); });
    // The label and the total belong to the levels on screen.
    connect(startLevelEdit, &QLineEdit::textChanged, this, &CalculationPage::showStartLevelExp);
    for (QLineEdit* level : {startLevelEdit, targetLevelEdit, remainingExpEdit})
        connect(level, &QLineEdit::textChanged, this, [this] { neededExp_ = 0; });
    connect(remainingExpCheck, &QCheckBox::toggled, this, [this] { neededExp_ = 0; });
    // 1回分のEXP follows the step values as they are typed.
    for (QLineEdit* step : {stepExpEdit, stepsEdit})
        connect(step, &QLineEdit::textEdited, this, [this] {
            runExpEdit->setText(runExpText(stepExpEdit->text(), stepsEdit->text()));
        });
    onEvent(runExpEdit, QEvent::MouseButtonRelease, [this] { refreshRunExp(); });
    onEvent(stepExpEdit, QEvent::MouseButtonRelease, [this] { stepExpEdit->selectAll(); });
    shadeRemainingExp(false);
    // The page starts in the experience tab order, without moving the focus.
    for (QWidget* field : {runsEdit, stepExpEdit, stepsEdit})
        setTabStop(field, false);
    setTabStop(runTotalsButton, false);
    fillWorkList();
}

void CalculationPage::shadeRemainingExp(bool used) {
    QPalette palette = remainingExpEdit->palette();
    const QPalette standard = remainingExpEdit->style()->standardPalette();
    palette.setColor(QPalette::Base, used ? standard.color(QPalette::Base)
                                          : standard.color(QPalette::Disabled, QPalette::Window));
    remainingExpEdit->setPalette(palette);
}

void CalculationPage::setTabStop(QWidget* field, bool stop) {
    field->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void CalculationPage::fillWorkList() {
    workList->clear();
    workList->addItems(sectionNames(data_.products, workSections()));
    workList->setCurrentIndex(-1);
}

void CalculationPage::showWorkProducts() {
    for (QLineEdit* field : {stepExpEdit, stepsEdit, runExpEdit, productLevelEdit})
        field->clear();
    materialsBox->clear();
    setMaterials_ = {};
    productList->clear();
    productList->addItems(
        sectionProducts(data_.products, workSection(workList->currentIndex()), kProductListRows));
    productList->setCurrentIndex(-1);
    productLabel->setToolTip(productLabelTip(workList->currentText()));
}

void CalculationPage::showProduct() {
    materialsBox->clear();
    const int section = workSection(workList->currentIndex());
    const int row = productList->currentIndex() + 1;
    const ProductStepFields fields = productFieldsOf(data_.products, section, row);
    productLevelEdit->setText(fields.level);
    stepExpEdit->setText(fields.stepExp);
    stepsEdit->setText(fields.steps);
    refreshRunExp();
    const SetMaterialList materials = setMaterialsOf(
        data_.products, data_.products.at(section, ProductColumn::SetMaterials, row));
    materialsBox->setPlainText(boxText(materials.text));
    setMaterials_ = materials.materials;
}

void CalculationPage::refreshRunExp() {
    // Values from the data are protected; a 0 or empty value can be typed in.
    for (QLineEdit* field : {stepExpEdit, stepsEdit}) {
        if (const auto locked = lockedByData(field->text()))
            field->setReadOnly(*locked);
    }
    runExpEdit->setText(runExpText(stepExpEdit->text(), stepsEdit->text()));
    runExpEdit->selectAll();
}

void CalculationPage::showStartLevelExp() {
    startLevelExpLabel->setText(
        wm::startLevelLabel(data_, startLevelEdit->text()).value_or(QString()));
}

void CalculationPage::remainingExpToggled() {
    shadeRemainingExp(remainingExpCheck->isChecked());
    if (remainingExpCheck->isChecked())
        remainingExpEdit->setFocus();
}

LevelInputs CalculationPage::levelInputs() const {
    LevelInputs in;
    in.windowCode = windowCode_;
    in.startLevel = startLevelEdit->text();
    in.targetLevel = targetLevelEdit->text();
    in.exp = remainingExpEdit->text();
    in.useExp = remainingExpCheck->isChecked();
    return in;
}

void CalculationPage::calculate() {
    const LevelInputs in = levelInputs();
    const LevelOutcome out = calculateLevels(data_, in);
    if (out.problem)
        showMessage(dialogs_, out.problem->message);
    targetLevelEdit->setText(out.targetLevel);
    neededExp_ = out.neededExp;
    for (const ResultPiece& piece : out.pieces) {
        if (piece.both)
            emit ruleForBothWindows(int(piece.text.size()));
        else
            appendResult(boxText(piece.text));
    }
    if (out.problem && out.problem->focus) {
        const LevelField focus = *out.problem->focus;
        QLineEdit* field = focus == LevelField::StartLevel    ? startLevelEdit
                           : focus == LevelField::TargetLevel ? targetLevelEdit
                                                              : remainingExpEdit;
        if (out.problem->selectAll)
            field->selectAll();
        field->setFocus();
    } else if (out.done) {
        startLevelEdit->setFocus();
    }
}

void CalculationPage::listLevels() {
    resultList->clear();
    appendResult(boxText(expListText(data_, expListLevels(windowCode_))));
}

void CalculationPage::askToClearResults() {
    if (dialogs_.messageBox(QStringLiteral("計算結果を削除しますがよろしいですか？"),
                            QStringLiteral("計算結果の削除"),
                            Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        resultList->clear();
}

void CalculationPage::saveResult() {
    wm::saveResult(data_, dialogs_, resultList->toPlainText());
}

void CalculationPage::setTabOrderMode(TabOrderMode mode) {
    tabOrderMode_ = mode;
    QWidget* const experienceFields[] = {runsNeededButton, startLevelEdit, targetLevelEdit,
                                         remainingExpEdit, calculateButton};
    if (mode == TabOrderMode::Experience) {
        for (QWidget* field :
             {static_cast<QWidget*>(runsEdit), static_cast<QWidget*>(runTotalsButton),
              static_cast<QWidget*>(stepExpEdit), static_cast<QWidget*>(stepsEdit)})
            setTabStop(field, false);
        for (QWidget* field : experienceFields)
            setTabStop(field, true);
        startLevelEdit->setFocus();
        return;
    }
    for (QWidget* field : experienceFields)
        setTabStop(field, false);
    setTabStop(runsEdit, true);
    setTabStop(runTotalsButton, true);
    // Values taken from the data are skipped and protected; a 0 can be typed over.
    for (QLineEdit* field : {stepExpEdit, stepsEdit}) {
        if (const auto locked = lockedByData(field->text())) {
            setTabStop(field, !*locked);
            field->setReadOnly(*locked);
        }
    }
    runExpEdit->setText(runExpText(stepExpEdit->text(), stepsEdit->text()));
    workList->setFocus();
}

void CalculationPage::focusProductionField(ProductionField field, bool selectAll) {
    QWidget* target = nullptr;
    switch (field) {
        case ProductionField::Work:
            target = workList;
            break;
        case ProductionField::Product:
            target = productList;
            break;
        case ProductionField::StepExp:
            target = stepExpEdit;
            break;
        case ProductionField::Steps:
            target = stepsEdit;
            break;
        case ProductionField::Runs:
            target = runsEdit;
            break;
    }
    if (selectAll)
        selectAllText(target);
    target->setFocus();
}

ProductionInputs CalculationPage::productionInputs() const {
    ProductionInputs in;
    in.workPosition = workList->currentIndex();
    in.work = workList->currentText();
    in.product = productList->currentText();
    in.stepExp = stepExpEdit->text();
    in.steps = stepsEdit->text();
    in.runs = runsEdit->text();
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
