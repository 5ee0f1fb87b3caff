#include "productionlistwindow.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <algorithm>

#include "cp932.h"
#include "desktopinput.h"
#include "messages.h"
#include "numbers.h"
#include "productinfo.h"
#include "production.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

const QString kTitle = QStringLiteral("生産リスト");
constexpr int kRunsColumn = 2;
const QString kFileFilter = QStringLiteral("テキストファイル (*.txt);;すべてのファイル (*)");

std::optional<qint64> countOf(const QString& text) {
    bool ok = false;
    const qint64 value = text.toLongLong(&ok);
    return ok && value >= 0 ? std::optional<qint64>(value) : std::nullopt;
}

// Items are kept and their texts changed: a table may be refilled from the handler of an
// edit of one of its own items.
QTableWidgetItem* setCell(QTableWidget* table, int row, int column, const QString& text,
                          bool editable) {
    QTableWidgetItem* item = table->item(row, column);
    if (!item) {
        item = new QTableWidgetItem;
        if (!editable)
            item->setFlags(item->flags() & ~Qt::ItemIsEditable);
        else
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        table->setItem(row, column, item);
    }
    item->setText(text);
    return item;
}

}  // namespace

ProductionListWindow::ProductionListWindow(AppData& data, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), dialogs_(dialogs) {
    installDesktopInput();
    setObjectName(QStringLiteral("productionListWindow"));
    setWindowTitle(kTitle);
    chooseFile_ = [this](bool save, const QString& folder) {
        return save ? QFileDialog::getSaveFileName(this, QStringLiteral("リストを保存"), folder,
                                                   kFileFilter)
                    : QFileDialog::getOpenFileName(this, QStringLiteral("リストを開く"), folder,
                                                   kFileFilter);
    };
    buildControls();
    buildLayout();
    connectHandlers();
    resize(860, 720);
    loadCurrentList();
}

void ProductionListWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    if (event->key() == Qt::Key_Delete && rowsTable_->hasFocus()) {
        removeRow();
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- rows ------------------------------------------------------------------------------

void ProductionListWindow::showWorkProducts() {
    refillList(productList_, sectionProducts(data_.products, workSection(workList_->currentIndex()),
                                             kProductListRows));
    productList_->setEditText(QString());
}

void ProductionListWindow::addChosenProduct() {
    const QString name = productList_->currentText().trimmed();
    QString problem =
        name.isEmpty() ? QStringLiteral("生産品を選ぶか入力してください") : unusableName(name);
    const std::optional<qint64> runs = countOf(runsBox_->text());
    if (problem.isEmpty() && !runs)
        problem = runsBox_->text().isEmpty() ? QStringLiteral("生産回数を入力してください")
                                             : materialCountTooLargeMessage();
    if (!problem.isEmpty()) {
        dialogs_.messageBox(problem, kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        QWidget* field = name.isEmpty() || !unusableName(name).isEmpty()
                             ? static_cast<QWidget*>(productList_)
                             : static_cast<QWidget*>(runsBox_);
        field->setFocus(Qt::OtherFocusReason);
        selectAllText(field);
        return;
    }
    // A product chosen from the work's list keeps its work; a typed one is found by name.
    const int position = productList_->currentIndex();
    const bool chosen = position >= 0 && productList_->itemText(position) == name;
    addRow({name, *runs, chosen ? workList_->currentText() : QString()});
}

void ProductionListWindow::addProduct(int section, int row, qint64 runs) {
    const QString name = productName(data_.products.at(section, ProductColumn::Name, row));
    if (name.isEmpty())
        return;
    addRow({name, runs, data_.products.sectionName(section)});
}

void ProductionListWindow::addRow(const ListRow& row) {
    rows_.push_back(row);
    recalculate();
    rowsTable_->setCurrentCell(int(rows_.size()) - 1, kRunsColumn);
}

void ProductionListWindow::removeRow() {
    const int row = rowsTable_->currentRow();
    if (row < 0 || row >= int(rows_.size()))
        return;
    rows_.erase(rows_.begin() + row);
    recalculate();
    rowsTable_->setCurrentCell(std::min(row, int(rows_.size()) - 1), kRunsColumn);
}

void ProductionListWindow::moveRow(int by) {
    const int row = rowsTable_->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= int(rows_.size()))
        return;
    std::swap(rows_[size_t(row)], rows_[size_t(to)]);
    recalculate();
    rowsTable_->setCurrentCell(to, rowsTable_->currentColumn());
}

void ProductionListWindow::takeTypedRuns(int row) {
    if (row < 0 || row >= int(rows_.size()))
        return;
    const QString text = rowsTable_->item(row, 2)->text();
    const std::optional<qint64> runs = countOf(text);
    // A refused count shows the row's runs again.
    if (!runs)
        dialogs_.messageBox(text.isEmpty() ? QStringLiteral("生産回数を入力してください")
                                           : materialCountTooLargeMessage(),
                            kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    else
        rows_[size_t(row)].runs = *runs;
    recalculate();
}

// ---- held pieces -----------------------------------------------------------------------

void ProductionListWindow::setHeld() {
    const QString name = heldNameList_->currentText().trimmed();
    const std::optional<qint64> pieces = countOf(heldCountBox_->text());
    const QString nameProblem =
        name.isEmpty() ? QStringLiteral("名前を入力してください") : unusableName(name);
    QString problem = nameProblem;
    if (problem.isEmpty() && !pieces)
        problem = heldCountBox_->text().isEmpty() ? QStringLiteral("個数を入力してください")
                                                  : materialCountTooLargeMessage();
    if (!problem.isEmpty()) {
        dialogs_.messageBox(problem, kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        QWidget* field = nameProblem.isEmpty() ? static_cast<QWidget*>(heldCountBox_)
                                               : static_cast<QWidget*>(heldNameList_);
        field->setFocus(Qt::OtherFocusReason);
        selectAllText(field);
        return;
    }
    const auto at = std::find_if(held_.begin(), held_.end(),
                                 [&name](const HeldPieces& h) { return h.name == name; });
    // 0 pieces takes the name off the held list.
    if (*pieces == 0) {
        if (at != held_.end())
            held_.erase(at);
    } else if (at != held_.end()) {
        at->pieces = *pieces;
    } else {
        held_.push_back({name, *pieces});
    }
    recalculate();
    heldNameList_->setEditText(QString());
    heldCountBox_->clear();
    heldNameList_->setFocus(Qt::OtherFocusReason);
}

void ProductionListWindow::takeTypedHeldCount(int row) {
    if (row < 0 || row >= int(held_.size()))
        return;
    const QString text = heldTable_->item(row, 1)->text();
    const std::optional<qint64> pieces = countOf(text);
    if (!pieces)
        dialogs_.messageBox(text.isEmpty() ? QStringLiteral("個数を入力してください")
                                           : materialCountTooLargeMessage(),
                            kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    else if (*pieces == 0)
        held_.erase(held_.begin() + row);
    else
        held_[size_t(row)].pieces = *pieces;
    recalculate();
}

// ---- the list and its totals -----------------------------------------------------------

ProductionList ProductionListWindow::list() const {
    ProductionList current;
    current.rows = rows_;
    current.held = held_;
    current.maximumWeight = countOf(maximumWeightBox_->text());
    current.currentWeight = countOf(currentWeightBox_->text());
    return current;
}

void ProductionListWindow::showList(const ProductionList& shown) {
    rows_ = shown.rows;
    held_ = shown.held;
    filling_ = true;
    const auto weightText = [](const std::optional<qint64>& w) {
        return w ? numText(*w) : QString();
    };
    maximumWeightBox_->setText(weightText(shown.maximumWeight));
    currentWeightBox_->setText(weightText(shown.currentWeight));
    filling_ = false;
    recalculate();
}

void ProductionListWindow::recalculate() {
    if (filling_)
        return;
    const ProductionList current = list();
    totals_ = productionListTotals(data_.products, rows_, current.held);
    filling_ = true;
    rowsTable_->setRowCount(int(rows_.size()));
    for (int r = 0; r < int(rows_.size()); ++r) {
        const ListRow& row = rows_[size_t(r)];
        const bool known = totals_.error.isEmpty() && totals_.rows[size_t(r)].known;
        setCell(rowsTable_, r, 0, row.product, false);
        // A product the data does not know stays, marked.
        QString workText = row.work;
        if (totals_.error.isEmpty())
            workText =
                known ? totals_.rows[size_t(r)].work : QStringLiteral("不明（データにない）");
        setCell(rowsTable_, r, 1, workText, false)
            ->setForeground(known || !totals_.error.isEmpty() ? palette().text() : QBrush(Qt::red));
        setCell(rowsTable_, r, 2, numText(row.runs), true);
    }
    heldTable_->setRowCount(int(held_.size()));
    for (int r = 0; r < int(held_.size()); ++r) {
        setCell(heldTable_, r, 0, held_[size_t(r)].name, false);
        setCell(heldTable_, r, 1, numText(held_[size_t(r)].pieces), true);
    }
    // The runs are what a row's keys change: typing or F2 edits them.
    if (rowsTable_->currentRow() < 0 && !rows_.empty())
        rowsTable_->setCurrentCell(0, kRunsColumn);
    filling_ = false;
    rowsTable_->resizeColumnsToContents();

    carryLine_.clear();
    if (!totals_.error.isEmpty()) {
        totalsBox_->setPlainText(totals_.error);
        carryLabel_->setText(QString());
    } else {
        if (current.maximumWeight && current.currentWeight)
            carryLine_ = carryLineText(
                carryTrips(totals_.bases, *current.maximumWeight, *current.currentWeight));
        carryLabel_->setText(carryLine_.isEmpty()
                                 ? QStringLiteral("最大重量と現在重量で運ぶ回数を計算します")
                                 : carryLine_);
        const QString text = productionListText(rows_, totals_, carryLine_);
        // The places at the end of a line may be as long as they like.
        showColumns(totalsBox_, rows_.empty() ? QString() : text, true);
    }
    keepCurrentList();
}

QString ProductionListWindow::resultText() const {
    if (rows_.empty() || !totals_.error.isEmpty())
        return QString();
    return productionListText(rows_, totals_, carryLine_);
}

QString ProductionListWindow::unusableName(const QString& name) const {
    if (name.contains(QRegularExpression(QStringLiteral("[\t ]"))) ||
        name.startsWith(QLatin1Char('#')))
        return QStringLiteral("名前に半角空白やタブは使えません（先頭の # も使えません）");
    if (!canEncodeCp932(name))
        return QStringLiteral("Shift_JIS で表せない文字が含まれています");
    return QString();
}

// ---- files -----------------------------------------------------------------------------

QString ProductionListWindow::currentListPath() const {
    return toNativePath(joinPath(data_.programFolder, QString::fromUtf16(kCurrentListFile)));
}

// The list on screen goes to its file whenever it changes; a failure is said once, until a
// write succeeds again.
void ProductionListWindow::keepCurrentList() {
    QString problem;
    const QString text = productionListFileText(list(), &problem);
    if (text.isEmpty() || text == keptText_)
        return;
    const FileResult written = writeTextFile(currentListPath(), text);
    if (written.ok) {
        keptText_ = text;
        keepFailed_ = false;
        return;
    }
    if (keepFailed_)
        return;
    keepFailed_ = true;
    dialogs_.messageBox(currentListPath() +
                            QStringLiteral(" に生産リストを保存できませんでした\r\n") +
                            written.error,
                        kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
}

void ProductionListWindow::loadCurrentList() {
    const QString path = currentListPath();
    const ProductionListRead read = readProductionList(path);
    if (read.ok) {
        QString problem;
        keptText_ = productionListFileText(read.list, &problem);
        showList(read.list);
        return;
    }
    if (read.missing) {
        // Nothing kept yet: an empty list is not written until something is in it.
        QString problem;
        keptText_ = productionListFileText(ProductionList(), &problem);
        recalculate();
        return;
    }
    // The damaged file is copied beside, so a hand edit can be mended; it is replaced only
    // once the list on screen changes.
    const QString copy = path + QStringLiteral(".bak");
    QFile::remove(copy);
    const bool copied = QFile::copy(path, copy);
    dialogs_.messageBox(
        path + QStringLiteral(" を読み込めませんでした\r\n") + read.error +
            (copied ? QStringLiteral("\r\n元のファイルは ") + copy + QStringLiteral(" に残しました")
                    : QString()),
        kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
    QString problem;
    keptText_ = productionListFileText(ProductionList(), &problem);
    recalculate();
}

void ProductionListWindow::openList() {
    const QString path = chooseFile_(false, toNativePath(data_.programFolder));
    if (path.isEmpty())
        return;
    const ProductionListRead read = readProductionList(path);
    if (!read.ok) {
        // What is on screen stays as it was.
        dialogs_.messageBox(
            QDir::toNativeSeparators(path) + QStringLiteral(" を開けませんでした\r\n") + read.error,
            kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        return;
    }
    showList(read.list);
}

void ProductionListWindow::saveList() {
    const QString path = chooseFile_(true, toNativePath(data_.programFolder));
    if (path.isEmpty())
        return;
    const QString shown = QDir::toNativeSeparators(path);
    const FileResult written = writeProductionList(shown, list());
    if (!written.ok) {
        dialogs_.messageBox(shown + QStringLiteral(" に保存できませんでした\r\n") + written.error,
                            kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        return;
    }
    dialogs_.messageBox(shown + QStringLiteral(" に保存されました"), kTitle);
}

void ProductionListWindow::copyText() {
    copyResult(dialogs_, resultText(), kTitle);
}

void ProductionListWindow::saveText() {
    saveResult(data_, dialogs_, resultText());
}

void ProductionListWindow::offerWeights(const QString& maximum, const QString& current) {
    const std::optional<qint64> max = intPart(maximum);
    const std::optional<qint64> now = intPart(current);
    if (max && *max >= 0)
        maximumWeightBox_->setText(numText(*max));
    if (now && *now >= 0)
        currentWeightBox_->setText(numText(*now));
}

}  // namespace wm
