#include "trainingplanwindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "controls.h"
#include "keyfilter.h"
#include "numbers.h"
#include "productinfo.h"
#include "widgets.h"

namespace wm {

namespace {

const QString kTitle = QStringLiteral("育成計画");
constexpr int kUseColumn = 0;
constexpr int kFirstColumnOfLevels = 6;  // 単独の回数 and 備考 follow the levels

QLineEdit* numberBox(const QString& name, const QString& tip, int maxLength) {
    QLineEdit* field = named(makeCountBox(nullptr, tip, maxLength, maxLength + 2), name);
    // Enter goes on to the next control.
    acceptDigits(field, [field] { focusNextControl(field); });
    return field;
}

QTableWidget* table(const QString& name, const QStringList& headers) {
    auto* view = new QTableWidget(0, int(headers.size()));
    view->setObjectName(name);
    view->setHorizontalHeaderLabels(headers);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setTabKeyNavigation(false);
    view->setAlternatingRowColors(true);
    view->verticalHeader()->hide();
    view->verticalHeader()->setDefaultSectionSize(view->fontMetrics().height() + 6);
    return view;
}

// A cell that sorts by its number.
QTableWidgetItem* cell(const QString& text) {
    auto* item = new QTableWidgetItem;
    bool isNumber = false;
    const qlonglong value = text.toLongLong(&isNumber);
    if (isNumber) {
        item->setData(Qt::DisplayRole, value);
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    } else {
        item->setText(text);
    }
    return item;
}

}  // namespace

TrainingPlanWindow::TrainingPlanWindow(AppData& data, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), dialogs_(dialogs) {
    setObjectName(QStringLiteral("trainingPlanWindow"));
    setWindowTitle(kTitle);
    buildControls();
    buildLayout();
    resize(940, 740);
    recalculate();
}

void TrainingPlanWindow::buildControls() {
    workList_ = named(makeList(nullptr, QStringLiteral("作業名を選択します")), "workList");
    refillList(workList_, sectionNames(data_.products, workSections()));
    startLevelBox_ =
        numberBox(QStringLiteral("startLevelBox"), QStringLiteral("今のレベルを入力します"), 3);
    targetLevelBox_ =
        numberBox(QStringLiteral("targetLevelBox"), QStringLiteral("目標のレベルを入力します"), 3);
    remainingExpCheck_ =
        named(makeCheck(nullptr, QStringLiteral("残り経験値(&E)"),
                        QStringLiteral("次のレベルまでの残り経験値から計算します")),
              "remainingExpCheck");
    remainingExpBox_ = numberBox(QStringLiteral("remainingExpBox"),
                                 QStringLiteral("次のレベルまでの残り経験値を入力します"), 19);
    remainingExpBox_->setEnabled(false);
    objectiveList_ = named(makeList(nullptr, QStringLiteral("何を最も少なくするかを選択します")),
                           "objectiveList");
    for (PlanObjective o : {PlanObjective::Runs, PlanObjective::Steps, PlanObjective::Weight})
        objectiveList_->addItem(planObjectiveName(o));
    objectiveList_->setCurrentIndex(0);
    sortList_ = named(makeList(nullptr, QStringLiteral("生産品を並べ替える列を選択します。"
                                                       "同じ列をもう一度選ぶと逆順です")),
                      "sortList");
    refillList(sortList_, planProductHeaders());

    productTable_ = table(QStringLiteral("productTable"), planProductHeaders());
    // Data order until a column is chosen.
    productTable_->horizontalHeader()->setSortIndicator(-1, Qt::AscendingOrder);
    productTable_->setSortingEnabled(true);
    messageLabel_ = new QLabel;
    messageLabel_->setObjectName(QStringLiteral("messageLabel"));
    messageLabel_->setWordWrap(true);
    stageTable_ = table(QStringLiteral("stageTable"), planStageHeaders());
    totalsBox_ = columnsBox(QStringLiteral("totalsBox"));

    copyProductsButton_ =
        actionButton(QStringLiteral("生産品をコピー(&C)"),
                     QStringLiteral("生産品の一覧をタブ区切りでクリップボードにコピーします"),
                     QStringLiteral("copyProductsButton"));
    copyPlanButton_ =
        actionButton(QStringLiteral("計画をコピー(&K)"),
                     QStringLiteral("計画と材料をタブ区切りでクリップボードにコピーします"),
                     QStringLiteral("copyPlanButton"));
    saveButton_ = actionButton(QStringLiteral("Text作成(&T)"),
                               QStringLiteral("計画と材料をテキストファイルに書き出します"),
                               QStringLiteral("saveButton"));
    closeButton_ = actionButton(QStringLiteral("閉じる(&X)"), QStringLiteral("窓を閉じます"),
                                QStringLiteral("closeButton"));

    connect(workList_, &QComboBox::activated, this, [this] { showWorkProducts(); });
    for (QLineEdit* field : {startLevelBox_, targetLevelBox_, remainingExpBox_})
        connect(field, &QLineEdit::textChanged, this, [this] { recalculate(); });
    connect(remainingExpCheck_, &QCheckBox::toggled, this, [this](bool on) {
        remainingExpBox_->setEnabled(on);
        recalculate();
    });
    connect(objectiveList_, &QComboBox::activated, this, [this] { recalculate(); });
    connect(sortList_, &QComboBox::activated, this, [this](int column) { sortProducts(column); });
    connect(productTable_->horizontalHeader(), &QHeaderView::sortIndicatorChanged, this,
            [this](int column, Qt::SortOrder order) {
                sortColumn_ = column;
                sortOrder_ = order;
                sortList_->setCurrentIndex(column);
            });
    connect(productTable_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
        if (!filling_ && item->column() == kUseColumn)
            productChecked(item->row());
    });
    connect(copyProductsButton_, &QPushButton::clicked, this, [this] { copyProducts(); });
    connect(copyPlanButton_, &QPushButton::clicked, this, [this] { copyPlan(); });
    connect(saveButton_, &QPushButton::clicked, this, [this] { saveText(); });
    connect(closeButton_, &QPushButton::clicked, this, &QWidget::close);
    closeOnEscape(this);
}

void TrainingPlanWindow::buildLayout() {
    auto* outer = new QVBoxLayout(this);
    auto* inputs = new QHBoxLayout;
    inputs->addWidget(buddyLabel(QStringLiteral("作業(&W)"), workList_));
    inputs->addWidget(workList_);
    inputs->addSpacing(8);
    inputs->addWidget(buddyLabel(QStringLiteral("初期ＬＶ(&S)"), startLevelBox_));
    inputs->addWidget(startLevelBox_);
    inputs->addWidget(buddyLabel(QStringLiteral("上限ＬＶ(&G)"), targetLevelBox_));
    inputs->addWidget(targetLevelBox_);
    inputs->addSpacing(8);
    inputs->addWidget(remainingExpCheck_);
    inputs->addWidget(remainingExpBox_);
    inputs->addSpacing(8);
    inputs->addWidget(buddyLabel(QStringLiteral("目的(&O)"), objectiveList_));
    inputs->addWidget(objectiveList_);
    inputs->addStretch(1);
    outer->addLayout(inputs);
    auto* productsHead = new QHBoxLayout;
    productsHead->addWidget(buddyLabel(QStringLiteral("生産品(&P)"), productTable_));
    productsHead->addStretch(1);
    productsHead->addWidget(buddyLabel(QStringLiteral("並べ替え(&B)"), sortList_));
    productsHead->addWidget(sortList_);
    outer->addLayout(productsHead);
    outer->addWidget(productTable_, 2);
    outer->addWidget(messageLabel_);
    auto* planArea = new QHBoxLayout;
    auto* stages = new QVBoxLayout;
    stages->addWidget(buddyLabel(QStringLiteral("計画(&L)"), stageTable_));
    stages->addWidget(stageTable_);
    auto* totals = new QVBoxLayout;
    totals->addWidget(buddyLabel(QStringLiteral("合計と材料(&M)"), totalsBox_));
    totals->addWidget(totalsBox_);
    planArea->addLayout(stages, 2);
    planArea->addLayout(totals, 3);
    outer->addLayout(planArea, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    for (QPushButton* b : {copyProductsButton_, copyPlanButton_, saveButton_, closeButton_})
        buttons->addWidget(b);
    outer->addLayout(buttons);

    chainTabOrder(nullptr,
                  {workList_, startLevelBox_, targetLevelBox_, remainingExpCheck_, remainingExpBox_,
                   objectiveList_, sortList_, productTable_, stageTable_, totalsBox_,
                   copyProductsButton_, copyPlanButton_, saveButton_, closeButton_});
}

void TrainingPlanWindow::startFrom(int workPosition, const LevelInputs& levels) {
    filling_ = true;
    // Levels the calculation page could not use leave the window's own.
    if (checkLevels(data_, levels).ok) {
        startLevelBox_->setText(levels.startLevel);
        targetLevelBox_->setText(levels.targetLevel);
        remainingExpBox_->setText(levels.useExp ? levels.exp : QString());
        remainingExpCheck_->setChecked(levels.useExp);
    }
    filling_ = false;
    if (workPosition >= 0 && workPosition != workList_->currentIndex())
        chooseEntry(workList_, workPosition);
    else
        recalculate();
}

int TrainingPlanWindow::chosenSection() const {
    return workList_->currentIndex() < 0 ? 0 : workSection(workList_->currentIndex());
}

void TrainingPlanWindow::showWorkProducts() {
    products_ = planProducts(data_.products, chosenSection());
    fillProductTable();
    recalculate();
}

void TrainingPlanWindow::fillProductTable() {
    filling_ = true;
    productTable_->setSortingEnabled(false);
    productTable_->clearContents();
    productTable_->setRowCount(int(products_.size()));
    for (int row = 0; row < int(products_.size()); ++row) {
        const QStringList columns = planProductColumns(products_[size_t(row)], levels_);
        auto* use = new QTableWidgetItem;
        use->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
        use->setCheckState(products_[size_t(row)].used ? Qt::Checked : Qt::Unchecked);
        use->setData(Qt::UserRole, row);
        productTable_->setItem(row, kUseColumn, use);
        for (int c = 1; c < columns.size(); ++c)
            productTable_->setItem(row, c, cell(columns[c]));
    }
    productTable_->setSortingEnabled(true);
    productTable_->resizeColumnsToContents();
    filling_ = false;
}

void TrainingPlanWindow::productChecked(int tableRow) {
    QTableWidgetItem* use = productTable_->item(tableRow, kUseColumn);
    const int index = use->data(Qt::UserRole).toInt();
    products_[size_t(index)].used = use->checkState() == Qt::Checked;
    recalculate();
}

void TrainingPlanWindow::sortProducts(int column) {
    // The same column again turns the order round.
    const Qt::SortOrder order = column == sortColumn_ && sortOrder_ == Qt::AscendingOrder
                                    ? Qt::DescendingOrder
                                    : Qt::AscendingOrder;
    productTable_->sortItems(column, order);
    productTable_->horizontalHeader()->setSortIndicator(column, order);
}

void TrainingPlanWindow::recalculate() {
    if (filling_)
        return;
    plan_ = TrainingPlan();
    materials_ = PlanMaterials();
    problem_.clear();
    LevelInputs in;
    in.startLevel = startLevelBox_->text();
    in.targetLevel = targetLevelBox_->text();
    in.useExp = remainingExpCheck_->isChecked();
    in.exp = remainingExpBox_->text();
    const LevelCheck check = checkLevels(data_, in);
    levels_ = planLevels(data_, check);
    // The runs alone and the notes follow the levels.
    filling_ = true;
    productTable_->setSortingEnabled(false);
    for (int row = 0; row < productTable_->rowCount(); ++row) {
        const int index = productTable_->item(row, kUseColumn)->data(Qt::UserRole).toInt();
        const QStringList columns = planProductColumns(products_[size_t(index)], levels_);
        for (int c = kFirstColumnOfLevels; c < columns.size(); ++c)
            productTable_->setItem(row, c, cell(check.ok ? columns[c] : QString()));
    }
    productTable_->setSortingEnabled(true);
    filling_ = false;
    if (workList_->currentIndex() < 0) {
        problem_ = QStringLiteral("作業を選択してください");
    } else if (!check.ok) {
        problem_ = check.error;
    } else {
        plan_ = planTraining(products_, levels_, PlanObjective(objectiveList_->currentIndex()));
        problem_ = plan_.error;
        if (problem_.isEmpty()) {
            materials_ = planMaterials(products_, plan_);
            problem_ = materials_.error;
        }
    }
    problem_.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    showPlan();
}

}  // namespace wm
