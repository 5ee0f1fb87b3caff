// What the training plan window shows of a plan, and its copies and file.
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <algorithm>

#include "messages.h"
#include "numbers.h"
#include "trainingplanwindow.h"
#include "widgets.h"

namespace wm {

namespace {

const QString kTitle = QStringLiteral("育成計画");

QTableWidgetItem* textCell(const QString& text, bool number) {
    auto* item = new QTableWidgetItem(text);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

}  // namespace

void TrainingPlanWindow::showPlan() {
    const bool planned = problem_.isEmpty();
    stageTable_->setRowCount(planned ? int(plan_.stages.size()) : 0);
    if (!planned) {
        messageLabel_->setText(problem_);
        totalsBox_->clear();
        return;
    }
    for (int row = 0; row < int(plan_.stages.size()); ++row) {
        const PlanStage& s = plan_.stages[size_t(row)];
        stageTable_->setItem(row, 0, textCell(numText(s.fromLevel), true));
        stageTable_->setItem(row, 1, textCell(numText(s.toLevel), true));
        stageTable_->setItem(row, 2, textCell(products_[size_t(s.product)].name, false));
        stageTable_->setItem(row, 3, textCell(numText(s.runs), true));
        stageTable_->setItem(row, 4, textCell(numText(s.exp), true));
    }
    stageTable_->resizeColumnsToContents();
    QString summary = QStringLiteral("Lv.%1～Lv.%2までの必要経験値 %3 EXP")
                          .arg(format000(levels_.startLevel))
                          .arg(format000(levels_.targetLevel()))
                          .arg(numText(levels_.need()));
    if (!plan_.exact)
        summary +=
            QStringLiteral("（近似の計画です。どの計画も %1 以上）").arg(numText(plan_.lowerBound));
    messageLabel_->setText(summary);
    // The totals and materials: the plan's text after its stages.
    const QStringList lines = planResultText().split(QLatin1Char('\n'));
    const QString totals = lines.mid(2 + qsizetype(plan_.stages.size()) + 1).join(u'\n');
    showColumns(totalsBox_, totals);
}

QString TrainingPlanWindow::planResultText() const {
    if (!problem_.isEmpty())
        return QString();
    return planText(workList_->currentText(), products_, levels_,
                    PlanObjective(objectiveList_->currentIndex()), plan_, materials_);
}

QString TrainingPlanWindow::productsText() const {
    // In the order the table shows.
    std::vector<PlanProduct> shown;
    shown.reserve(size_t(productTable_->rowCount()));
    for (int row = 0; row < productTable_->rowCount(); ++row)
        shown.push_back(products_[size_t(productTable_->item(row, 0)->data(Qt::UserRole).toInt())]);
    return planProductsText(shown, levels_);
}

void TrainingPlanWindow::copyPlan() {
    copyResult(dialogs_, planResultText(), kTitle);
}

void TrainingPlanWindow::copyProducts() {
    copyResult(dialogs_, products_.empty() ? QString() : productsText(), kTitle);
}

void TrainingPlanWindow::saveText() {
    saveResult(data_, dialogs_, planResultText());
}

}  // namespace wm
