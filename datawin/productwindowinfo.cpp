// The information text under the product window: what the free weight carries, in 材料 or
// 生産品 mode.
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>

#include "productwindow.h"

namespace wm {

InfoInputs ProductWindow::infoInputs() const {
    InfoInputs in;
    in.workPosition = workPos();
    in.productPosition = listPos(productList_);
    in.product = productList_->currentText();
    in.currentWeight = weights_.current->text();
    in.maximumWeight = weights_.maximum->text();
    in.totalWeight = weights_.total->text();
    in.totalExp = totalExpBox_->text();
    in.pieceWeight = weightBox_->text();
    for (size_t k = 0; k < materials_.size(); ++k)
        in.materials[k] = {materials_[k].workList->currentText(),
                           materials_[k].nameList->currentText(), materials_[k].countBox->text()};
    in.unknownMaterial = unknownMaterial_;
    return in;
}

void ProductWindow::refreshInfo() {
    const InfoInputs in = infoInputs();
    infoBox_->setPlainText(modes_.materials->isChecked() ? materialInfoText(data_.products, in)
                                                         : productInfoText(data_.products, in));
}

void ProductWindow::followEdits() {
    if (choosingProduct_)
        return;
    totalExpBox_->setText(totalExpText(runsBox_->text(), expBox_->text()).value_or(QString()));
    std::array<MaterialRowWeight, 3> rowWeights;
    unknownMaterial_ = false;
    for (size_t k = 0; k < materials_.size(); ++k) {
        const MaterialRow& row = materials_[k];
        const QString material = row.nameList->currentText();
        row.weightBox->setText(materialRowWeight(data_.products, material, row.countBox->text()));
        rowWeights[k] = {row.countBox->text(), row.weightBox->text()};
        unknownMaterial_ = unknownMaterial_ ||
                           (!material.isEmpty() && material != kUnknownProduct &&
                            productField(data_.products, material, ProductColumn::Name).isEmpty());
    }
    weights_.total->setText(runWeightText(rowWeights));
    refreshInfo();
}

void ProductWindow::updateTotalExp() {
    if (const auto total = totalExpText(runsBox_->text(), expBox_->text()))
        totalExpBox_->setText(*total);
}

}  // namespace wm
