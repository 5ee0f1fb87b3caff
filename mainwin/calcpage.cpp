// The calculation page: level ranges, products, production runs and result files.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "levelcalc.h"
#include "mainwindow.h"
#include "numbers.h"
#include "production.h"
#include "resultfiles.h"
#include "widgets.h"

namespace wm {

namespace {

QString boxText(const QString& crlfText) {
    QString text = crlfText;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

}  // namespace

void MainWindow::setupCalculationPage() {
    connect(cmdWrite, &QPushButton::clicked, this, &MainWindow::saveResultRequested);
    connect(this, &MainWindow::saveResultRequested, this, &MainWindow::cmdWrite_Click);
    connect(cmbSWork, &QComboBox::activated, this, &MainWindow::cmbSWork_Click);
    connect(cmbSName, &QComboBox::activated, this, &MainWindow::cmbSName_Click);
    connect(chkExp, &QCheckBox::clicked, this, &MainWindow::chkExp_Click);
    connect(cmd_k, &QPushButton::clicked, this, &MainWindow::cmd_k_Click);
    connect(cmdList, &QPushButton::clicked, this, &MainWindow::cmdList_Click);
    connect(cmdClea, &QPushButton::clicked, this, &MainWindow::cmdClea_Click);
    connect(cmdExpLot, &QPushButton::clicked, this, &MainWindow::cmdExpLot_Click);
    connect(cmdSExp, &QPushButton::clicked, this, &MainWindow::cmdSExp_Click);
    onLeave(txtLvMin, [this] { txtLvMin_LostFocus(); });
    onEvent(txtSExpg, QEvent::MouseButtonRelease, [this] { txtSExpg_Click(); });
    onEvent(txtSExp1, QEvent::MouseButtonRelease, [this] { txtSExp1_Click(); });
    shadeExpBox(false);
    // The page starts in the experience tab order, without moving the focus.
    for (QWidget* field : {txtSLot, txtSExp1, txtSExpk})
        setTabStop(field, false);
    setTabStop(cmdExpLot, false);
    WorkListSet();
}

void MainWindow::shadeExpBox(bool used) {
    QPalette palette = txtExp->palette();
    const QPalette standard = txtExp->style()->standardPalette();
    palette.setColor(QPalette::Base, used ? standard.color(QPalette::Base)
                                          : standard.color(QPalette::Disabled, QPalette::Window));
    txtExp->setPalette(palette);
}

void MainWindow::setTabStop(QWidget* field, bool stop) {
    field->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void MainWindow::WorkListSet() {
    cmbSWork->clear();
    for (int s = 1; s <= Section::Instruments; ++s) {
        if (s != Section::Necklaces)
            cmbSWork->addItem(data_.products.sectionName(s));
    }
    cmbSWork->setCurrentIndex(-1);
}

void MainWindow::cmbSWork_Click() {
    for (QLineEdit* field : {txtSExp1, txtSExpk, txtSExpg, txtSWorkLv})
        field->clear();
    txtSset->clear();
    setMaterials_ = {};
    const int section = workSection(cmbSWork->currentIndex());
    cmbSName->clear();
    for (int row = 1; row <= ProductTable::kRows; ++row) {
        const QString first = data_.products.at(section, ProductColumn::Name, row);
        if (first.isEmpty())
            break;
        cmbSName->addItem(productName(first));
    }
    cmbSName->setCurrentIndex(-1);
    const QString work = cmbSWork->currentText();
    lblSName->setToolTip(work.isEmpty() ? QStringLiteral("生産品名を選択します")
                                        : work + QStringLiteral("の中から作業を選んでください"));
}

void MainWindow::cmbSName_Click() {
    txtSset->clear();
    const int section = workSection(cmbSWork->currentIndex());
    const int row = cmbSName->currentIndex() + 1;
    const ProductTable& m = data_.products;
    auto wholeNumber = [](const QString& text) {
        const auto v = intPart(text);
        return v ? numText(*v) : QString();
    };
    txtSWorkLv->setText(wholeNumber(m.at(section, ProductColumn::Name, row).left(3)));
    txtSExp1->setText(wholeNumber(m.at(section, ProductColumn::ExpAndSteps, row).left(3)));
    txtSExpk->setText(wholeNumber(m.at(section, ProductColumn::ExpAndSteps, row).right(2)));
    txtSExpg_Click();
    txtSset->setPlainText(
        boxText(setMaterialText(data_, m.at(section, ProductColumn::SetMaterials, row))));
    setMaterials_ = data_.setMaterials;
}

void MainWindow::txtSExpg_Click() {
    // Values from the data are protected; a 0 or empty value can be typed in.
    for (QLineEdit* field : {txtSExp1, txtSExpk}) {
        if (const auto v = toNumber(field->text()))
            field->setReadOnly(*v != 0);
    }
    showRunExp();
    txtSExpg->selectAll();
}

void MainWindow::showRunExp() {
    const auto stepExp = toNumber(txtSExp1->text());
    const auto steps = toNumber(txtSExpk->text());
    if (stepExp && steps)
        txtSExpg->setText(numText(*stepExp * *steps));
    else if (!txtSExp1->text().isEmpty() || !txtSExpk->text().isEmpty())
        txtSExpg->setText(QStringLiteral("0"));
    else
        txtSExpg->clear();
}

void MainWindow::txtSExp1_Click() {
    txtSExp1->selectAll();
}

void MainWindow::txtLvMin_LostFocus() {
    if (const auto label = startLevelLabel(data_, txtLvMin->text()))
        lblMinExp->setText(*label);
}

void MainWindow::chkExp_Click() {
    shadeExpBox(chkExp->isChecked());
    if (chkExp->isChecked())
        txtExp->setFocus();
}

void MainWindow::cmd_k_Click() {
    LevelInputs in;
    in.windowCode = windowCode_;
    in.startLevel = txtLvMin->text();
    in.targetLevel = txtLvMax->text();
    in.exp = txtExp->text();
    in.useExp = chkExp->isChecked();
    const LevelOutcome out = calculateLevels(data_, host_.dialogs(), in);
    txtLvMax->setText(out.targetLevel);
    for (const ResultPiece& piece : out.pieces) {
        if (piece.both)
            host_.AddRule(int(piece.text.size()));
        else
            appendResult(boxText(piece.text));
    }
    if (out.focus) {
        QLineEdit* field = *out.focus == LevelField::StartLevel    ? txtLvMin
                           : *out.focus == LevelField::TargetLevel ? txtLvMax
                                                                   : txtExp;
        field->selectAll();
        field->setFocus();
    } else if (out.done) {
        txtLvMin->setFocus();
    }
}

void MainWindow::cmdList_Click() {
    txtWorkList->clear();
    appendResult(boxText(expListText(data_, isLarge() ? 299 : 199)));
}

void MainWindow::cmdClea_Click() {
    if (host_.dialogs().messageBox(QStringLiteral("計算結果を削除しますがよろしいですか？"),
                                   QStringLiteral("計算結果の削除"),
                                   Dialogs::Buttons::YesNo) == Dialogs::Answer::Yes)
        txtWorkList->clear();
}

void MainWindow::cmdWrite_Click() {
    saveResult(data_, host_.dialogs(), txtWorkList->toPlainText());
}

void MainWindow::optSum_Click(int i) {
    frmCOptTag = QString::number(i);
    if (i == 1) {
        for (QWidget* field : {static_cast<QWidget*>(txtSLot), static_cast<QWidget*>(cmdExpLot),
                               static_cast<QWidget*>(txtSExp1), static_cast<QWidget*>(txtSExpk)})
            setTabStop(field, false);
        for (QWidget* field : {static_cast<QWidget*>(cmdSExp), static_cast<QWidget*>(txtLvMin),
                               static_cast<QWidget*>(txtLvMax), static_cast<QWidget*>(txtExp),
                               static_cast<QWidget*>(cmd_k)})
            setTabStop(field, true);
        txtLvMin->setFocus();
    } else if (i == 2) {
        for (QWidget* field : {static_cast<QWidget*>(txtLvMin), static_cast<QWidget*>(txtLvMax),
                               static_cast<QWidget*>(txtExp), static_cast<QWidget*>(cmdSExp),
                               static_cast<QWidget*>(cmd_k)})
            setTabStop(field, false);
        setTabStop(txtSLot, true);
        setTabStop(cmdExpLot, true);
        // Values taken from the data are skipped and protected; a 0 can be typed over.
        for (QLineEdit* field : {txtSExp1, txtSExpk}) {
            if (const auto v = toNumber(field->text())) {
                setTabStop(field, *v == 0);
                field->setReadOnly(*v != 0);
            }
        }
        showRunExp();
        cmbSWork->setFocus();
    }
}

void MainWindow::focusProductionField(int field, bool selectAll) {
    QWidget* target = nullptr;
    switch (ProductionField(field)) {
        case ProductionField::Work:
            target = cmbSWork;
            break;
        case ProductionField::Product:
            target = cmbSName;
            break;
        case ProductionField::StepExp:
            target = txtSExp1;
            break;
        case ProductionField::Steps:
            target = txtSExpk;
            break;
        case ProductionField::Runs:
            target = txtSLot;
            break;
    }
    if (selectAll)
        selectAllText(target);
    target->setFocus();
}

namespace {

ProductionInputs inputsOf(const MainWindow& w) {
    ProductionInputs in;
    in.workPosition = w.cmbSWork->currentIndex();
    in.work = w.cmbSWork->currentText();
    in.product = w.cmbSName->currentText();
    in.stepExp = w.txtSExp1->text();
    in.steps = w.txtSExpk->text();
    in.runs = w.txtSLot->text();
    return in;
}

}  // namespace

void MainWindow::cmdExpLot_Click() {
    // The totals read the set materials from the shared data: give them this window's.
    data_.setMaterials = setMaterials_;
    const ProductionOutcome out = totalsForRuns(data_, host_.dialogs(), inputsOf(*this));
    if (out.focus) {
        focusProductionField(int(*out.focus), out.selectAll);
        return;
    }
    appendResult(boxText(out.append));
}

void MainWindow::cmdSExp_Click() {
    data_.setMaterials = setMaterials_;
    const ProductionOutcome out = runsNeeded(data_, host_.dialogs(), inputsOf(*this));
    if (out.focus) {
        focusProductionField(int(*out.focus), out.selectAll);
        return;
    }
    appendResult(boxText(out.append));
}

}  // namespace wm
