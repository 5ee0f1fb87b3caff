#include "materialtreewindow.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "controls.h"
#include "keyfilter.h"
#include "messages.h"
#include "productinfo.h"
#include "production.h"
#include "textrules.h"
#include "widgets.h"

namespace wm {

namespace {

const QString kTitle = QStringLiteral("材料の内訳");

}  // namespace

MaterialTreeWindow::MaterialTreeWindow(AppData& data, Dialogs& dialogs, Program program,
                                       QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), dialogs_(dialogs), program_(program) {
    setObjectName(QStringLiteral("materialTreeWindow"));
    setWindowTitle(kTitle);
    closeOnEscape(this);
    buildControls();
    buildLayout();
    resize(760, 660);
}

void MaterialTreeWindow::buildControls() {
    workList_ = named(makeList(nullptr, QStringLiteral("作業名を選択します")), "workList");
    // The works of every work list of the program.
    refillList(workList_, sectionNames(data_.products, workSections()));
    productList_ = named(makeList(nullptr, QStringLiteral("生産品を選択します")), "productList");
    productList_->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    runsBox_ = named(
        makeCountBox(nullptr, QStringLiteral("生産回数を入力して Enter で計算します"), 19, 20),
        "runsBox");
    runsBox_->setText(QStringLiteral("1"));
    acceptDigits(runsBox_, [this] { recalculate(); });

    materialTree_ = new QTreeWidget;
    materialTree_->setObjectName(QStringLiteral("materialTree"));
    materialTree_->setHeaderLabels(materialTreeHeaders());
    materialTree_->setUniformRowHeights(true);
    materialTree_->setAlternatingRowColors(true);
    materialTree_->setFont(resultFont(materialTree_->font()));

    totalsBox_ = columnsBox(QStringLiteral("totalsBox"));

    copyButton_ =
        actionButton(QStringLiteral("コピー(&C)"),
                     QStringLiteral("内訳と合計をタブ区切りでクリップボードにコピーします"),
                     QStringLiteral("copyButton"));
    // The viewer writes no files.
    if (program_ == Program::Tool) {
        saveButton_ = actionButton(QStringLiteral("Text作成(&T)"),
                                   QStringLiteral("内訳と合計をテキストファイルに書き出します"),
                                   QStringLiteral("saveButton"));
        addToListButton_ = actionButton(QStringLiteral("リストに追加(&L)"),
                                        QStringLiteral("この生産品と回数を生産リストに加えます"),
                                        QStringLiteral("addToListButton"));
        connect(addToListButton_, &QPushButton::clicked, this, [this] { addToList(); });
    }

    connect(workList_, &QComboBox::activated, this, [this] { showWorkProducts(); });
    connect(productList_, &QComboBox::activated, this, [this] { recalculate(); });
    connect(runsBox_, &QLineEdit::textEdited, this, [this] { followRuns(); });
    connect(copyButton_, &QPushButton::clicked, this, [this] { copyText(); });
    if (saveButton_)
        connect(saveButton_, &QPushButton::clicked, this, [this] { saveText(); });
}

void MaterialTreeWindow::buildLayout() {
    auto* outer = new QVBoxLayout(this);
    auto* plan = new QHBoxLayout;
    plan->addWidget(buddyLabel(QStringLiteral("作業(&W)"), workList_));
    plan->addWidget(workList_);
    plan->addSpacing(8);
    plan->addWidget(buddyLabel(QStringLiteral("生産品(&P)"), productList_));
    plan->addWidget(productList_, 1);
    plan->addSpacing(8);
    plan->addWidget(buddyLabel(QStringLiteral("生産回数(&R)"), runsBox_));
    plan->addWidget(runsBox_);
    outer->addLayout(plan);
    outer->addWidget(materialTree_, 3);
    outer->addWidget(buddyLabel(QStringLiteral("合計(&S)"), totalsBox_));
    outer->addWidget(totalsBox_, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copyButton_);
    if (saveButton_)
        buttons->addWidget(saveButton_);
    if (addToListButton_)
        buttons->addWidget(addToListButton_);
    outer->addLayout(buttons);

    QList<QWidget*> order{workList_,     productList_, runsBox_,
                          materialTree_, totalsBox_,   copyButton_};
    if (saveButton_)
        order << saveButton_ << addToListButton_;
    chainTabOrder(nullptr, order);
}

void MaterialTreeWindow::choosePlan(int section, int row, const QString& runs) {
    if (!runs.isEmpty())
        runsBox_->setText(runs);
    const int work = int(workSections().indexOf(section));
    if (work < 0)
        return;
    chooseEntry(workList_, work);
    const int product = row - 1;
    if (product >= 0 && product < productList_->count() &&
        product != productList_->currentIndex()) {
        chooseEntry(productList_, product);
        return;
    }
    // The same product again (perhaps with other runs), or none.
    if (product < 0 || product >= productList_->count())
        productList_->setCurrentIndex(-1);
    recalculate();
}

int MaterialTreeWindow::chosenSection() const {
    return workSection(workList_->currentIndex());
}

void MaterialTreeWindow::showWorkProducts() {
    QStringList products;
    const int section = chosenSection();
    for (int row = 1; row <= ProductTable::kRows; ++row) {
        const QString first = data_.products.at(section, ProductColumn::Name, row);
        if (first.isEmpty())
            break;
        products << productName(first);
    }
    refillList(productList_, products);
    tree_ = MaterialTree();
    shown_ = false;
    showTree();
}

QString MaterialTreeWindow::buildTree() {
    tree_ = MaterialTree();
    shown_ = false;
    const int row = productList_->currentIndex() + 1;
    if (row < 1)
        return QString();
    const RunsInput runs = readRunCount(runsBox_->text());
    if (runs.runs)
        tree_ = buildMaterialTree(data_.products, chosenSection(), row, *runs.runs);
    QString error = runs.runs ? tree_.error : runs.error;
    shown_ = error.isEmpty();
    if (!shown_)
        tree_ = MaterialTree();
    return error;
}

void MaterialTreeWindow::recalculate() {
    const QString error = buildTree();
    showTree();
    if (!error.isEmpty()) {
        dialogs_.messageBox(error, kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        runsBox_->setFocus(Qt::OtherFocusReason);
        runsBox_->selectAll();
    }
}

void MaterialTreeWindow::followRuns() {
    // The tree of the earlier count must not stay; a count that cannot be used says why
    // only on Enter.
    buildTree();
    showTree();
}

void MaterialTreeWindow::showTree() {
    materialTree_->clear();
    std::vector<QTreeWidgetItem*> parents;
    for (const MaterialNode& node : tree_.nodes) {
        parents.resize(size_t(node.depth));
        auto* item = parents.empty() ? new QTreeWidgetItem(materialTree_)
                                     : new QTreeWidgetItem(parents.back());
        const QStringList columns = materialNodeColumns(node);
        for (int c = 0; c < columns.size(); ++c)
            item->setText(c, columns[c]);
        for (int c = 2; c <= 5; ++c)
            item->setTextAlignment(c, Qt::AlignRight | Qt::AlignVCenter);
        parents.push_back(item);
    }
    materialTree_->expandAll();
    for (int c = 0; c < materialTree_->columnCount(); ++c)
        materialTree_->resizeColumnToContents(c);

    if (!shown_) {
        totalsBox_->clear();
        return;
    }
    const QString totals = materialTotalsText(tree_);
    showColumns(totalsBox_, totals);
}

QString MaterialTreeWindow::resultText() const {
    return shown_ ? materialTreeText(tree_) : QString();
}

void MaterialTreeWindow::copyText() {
    copyResult(dialogs_, resultText(), kTitle);
}

void MaterialTreeWindow::saveText() {
    saveResult(data_, dialogs_, resultText());
}

// The plan on screen, with the runs typed, whether or not Enter showed its tree yet.
void MaterialTreeWindow::addToList() {
    const int row = productList_->currentIndex() + 1;
    const RunsInput runs = readRunCount(runsBox_->text());
    const QString error = row < 1 ? QStringLiteral("生産品が選択されていません") : runs.error;
    if (!error.isEmpty()) {
        dialogs_.messageBox(error, kTitle, Dialogs::Buttons::Ok, Dialogs::Icon::Exclamation);
        return;
    }
    emit addToListRequested(chosenSection(), row, *runs.runs);
}

}  // namespace wm
