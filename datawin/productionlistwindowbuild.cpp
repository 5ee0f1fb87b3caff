// The production list window: its controls, layout and connections.
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

#include "controls.h"
#include "keyfilter.h"
#include "productinfo.h"
#include "production.h"
#include "productionlistwindow.h"
#include "widgets.h"

namespace wm {

namespace {

// Half-width digits only, as every count field of the program.
QLineEdit* countBox(const QString& name, const QString& tip) {
    return named(makeCountBox(nullptr, tip, 19, 16), name);
}

// The counts of a table are edited in place, digits only.
class CountDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                          const QModelIndex& index) const override {
        auto* editor =
            qobject_cast<QLineEdit*>(QStyledItemDelegate::createEditor(parent, option, index));
        if (editor)
            editor->setValidator(new QRegularExpressionValidator(
                QRegularExpression(QStringLiteral("[0-9]{1,19}")), editor));
        return editor;
    }
};

QTableWidget* table(const QString& name, const QStringList& headers, int countColumn) {
    auto* t = new QTableWidget(0, int(headers.size()));
    t->setObjectName(name);
    t->setHorizontalHeaderLabels(headers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->setTabKeyNavigation(false);
    t->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::DoubleClicked |
                       QAbstractItemView::AnyKeyPressed);
    t->setItemDelegateForColumn(countColumn, new CountDelegate(t));
    t->verticalHeader()->setVisible(false);
    t->horizontalHeader()->setStretchLastSection(true);
    return t;
}

// Every product name a lookup can reach, for typing with completion.
QStringList allProductNames(const ProductTable& data) {
    QStringList names;
    visitSearchedProducts(data, [&](int s, int r) {
        names << productName(data.at(s, ProductColumn::Name, r));
        return false;
    });
    names.removeDuplicates();
    return names;
}

QComboBox* nameList(const QString& name, const QString& tip, const QStringList& names) {
    QComboBox* list = named(makeTypingList(nullptr, tip), name);
    auto* completer = new QCompleter(names, list);
    completer->setFilterMode(Qt::MatchContains);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    list->setCompleter(completer);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    list->setMinimumContentsLength(14);
    return list;
}

}  // namespace

void ProductionListWindow::buildControls() {
    const QStringList names = allProductNames(data_.products);
    workList_ = named(makeList(nullptr, QStringLiteral("作業名を選択します")), "workList");
    refillList(workList_, sectionNames(data_.products, workSections()));
    productList_ = nameList(QStringLiteral("productList"),
                            QStringLiteral("生産品を選ぶか、名前を入力します"), names);
    runsBox_ = countBox(QStringLiteral("runsBox"), QStringLiteral("生産回数を入力します"));
    runsBox_->setText(QStringLiteral("1"));
    acceptDigits(runsBox_, [this] { addChosenProduct(); });
    addButton_ = actionButton(QStringLiteral("追加(&A)"), QStringLiteral("リストに追加します"),
                              QStringLiteral("addButton"));

    rowsTable_ =
        table(QStringLiteral("rowsTable"),
              {QStringLiteral("生産品"), QStringLiteral("作業"), QStringLiteral("生産回数")}, 2);
    removeButton_ =
        actionButton(QStringLiteral("削除(&D)"), QStringLiteral("選んだ行をリストから外します"),
                     QStringLiteral("removeButton"));
    upButton_ = actionButton(QStringLiteral("上へ(&U)"), QStringLiteral("選んだ行を上へ移します"),
                             QStringLiteral("upButton"));
    downButton_ = actionButton(QStringLiteral("下へ(&N)"), QStringLiteral("選んだ行を下へ移します"),
                               QStringLiteral("downButton"));

    heldNameList_ = nameList(QStringLiteral("heldNameList"),
                             QStringLiteral("持っている材料や生産品の名前を入力します"), names);
    heldCountBox_ = countBox(QStringLiteral("heldCountBox"), QStringLiteral("持っている個数です"));
    acceptDigits(heldCountBox_, [this] { setHeld(); });
    heldButton_ =
        actionButton(QStringLiteral("手持ちに設定(&E)"),
                     QStringLiteral("個数 0 で手持ちから外します"), QStringLiteral("heldButton"));
    heldTable_ =
        table(QStringLiteral("heldTable"), {QStringLiteral("名前"), QStringLiteral("個数")}, 1);

    maximumWeightBox_ = countBox(QStringLiteral("maximumWeightBox"),
                                 QStringLiteral("キャラの最大重量を入力します"));
    currentWeightBox_ = countBox(QStringLiteral("currentWeightBox"),
                                 QStringLiteral("キャラの現在の重量を入力します"));
    acceptDigits(maximumWeightBox_, nullptr);
    acceptDigits(currentWeightBox_, nullptr);
    carryLabel_ = new QLabel;
    carryLabel_->setObjectName(QStringLiteral("carryLabel"));

    totalsBox_ = columnsBox(QStringLiteral("totalsBox"));

    openListButton_ =
        actionButton(QStringLiteral("開く(&O)"), QStringLiteral("保存したリストを開きます"),
                     QStringLiteral("openListButton"));
    saveListButton_ = actionButton(QStringLiteral("リストを保存(&S)"),
                                   QStringLiteral("リストに名前を付けて保存します"),
                                   QStringLiteral("saveListButton"));
    copyButton_ = actionButton(QStringLiteral("コピー(&C)"),
                               QStringLiteral("合計をタブ区切りでクリップボードにコピーします"),
                               QStringLiteral("copyButton"));
    saveButton_ = actionButton(QStringLiteral("Text作成(&T)"),
                               QStringLiteral("合計をテキストファイルに書き出します"),
                               QStringLiteral("saveButton"));
}

void ProductionListWindow::buildLayout() {
    auto* outer = new QVBoxLayout(this);
    auto* add = new QHBoxLayout;
    add->addWidget(buddyLabel(QStringLiteral("作業(&W)"), workList_));
    add->addWidget(workList_);
    add->addWidget(buddyLabel(QStringLiteral("生産品(&P)"), productList_));
    add->addWidget(productList_, 1);
    add->addWidget(buddyLabel(QStringLiteral("生産回数(&R)"), runsBox_));
    add->addWidget(runsBox_);
    add->addWidget(addButton_);
    outer->addLayout(add);

    auto* lists = new QGridLayout;
    lists->addWidget(rowsTable_, 0, 0);
    auto* rowButtons = new QVBoxLayout;
    for (QPushButton* b : {removeButton_, upButton_, downButton_})
        rowButtons->addWidget(b);
    rowButtons->addStretch(1);
    lists->addLayout(rowButtons, 0, 1);
    auto* held = new QVBoxLayout;
    auto* heldLine = new QHBoxLayout;
    heldLine->addWidget(buddyLabel(QStringLiteral("手持ち(&H)"), heldNameList_));
    heldLine->addWidget(heldNameList_, 1);
    heldLine->addWidget(buddyLabel(QStringLiteral("個数(&K)"), heldCountBox_));
    heldLine->addWidget(heldCountBox_);
    heldLine->addWidget(heldButton_);
    held->addLayout(heldLine);
    held->addWidget(heldTable_);
    lists->addLayout(held, 0, 2);
    lists->setColumnStretch(0, 3);
    lists->setColumnStretch(2, 2);
    outer->addLayout(lists, 2);

    auto* carry = new QHBoxLayout;
    carry->addWidget(buddyLabel(QStringLiteral("最大重量(&X)"), maximumWeightBox_));
    carry->addWidget(maximumWeightBox_);
    carry->addWidget(buddyLabel(QStringLiteral("現在重量(&Y)"), currentWeightBox_));
    carry->addWidget(currentWeightBox_);
    carry->addSpacing(8);
    carry->addWidget(carryLabel_, 1);
    outer->addLayout(carry);
    outer->addWidget(buddyLabel(QStringLiteral("合計(&G)"), totalsBox_));
    outer->addWidget(totalsBox_, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(openListButton_);
    buttons->addWidget(saveListButton_);
    buttons->addStretch(1);
    buttons->addWidget(copyButton_);
    buttons->addWidget(saveButton_);
    outer->addLayout(buttons);

    chainTabOrder(nullptr,
                  {workList_, productList_, runsBox_, addButton_, rowsTable_, removeButton_,
                   upButton_, downButton_, heldNameList_, heldCountBox_, heldButton_, heldTable_,
                   maximumWeightBox_, currentWeightBox_, totalsBox_, openListButton_,
                   saveListButton_, copyButton_, saveButton_});
}

void ProductionListWindow::connectHandlers() {
    connect(workList_, &QComboBox::activated, this, [this] { showWorkProducts(); });
    connect(addButton_, &QPushButton::clicked, this, [this] { addChosenProduct(); });
    connect(removeButton_, &QPushButton::clicked, this, [this] { removeRow(); });
    connect(upButton_, &QPushButton::clicked, this, [this] { moveRow(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { moveRow(1); });
    connect(rowsTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!filling_)
            takeTypedRuns(item->row());
    });
    connect(heldButton_, &QPushButton::clicked, this, [this] { setHeld(); });
    connect(heldTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!filling_)
            takeTypedHeldCount(item->row());
    });
    for (QLineEdit* weight : {maximumWeightBox_, currentWeightBox_})
        connect(weight, &QLineEdit::textChanged, this, [this] { recalculate(); });
    connect(openListButton_, &QPushButton::clicked, this, [this] { openList(); });
    connect(saveListButton_, &QPushButton::clicked, this, [this] { saveList(); });
    connect(copyButton_, &QPushButton::clicked, this, [this] { copyText(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveText(); });
}

}  // namespace wm
