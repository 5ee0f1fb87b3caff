// The product window: its work, product and material choices.
#include "productwindow.h"

#include <QComboBox>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>

#include "desktopinput.h"
#include "gamedata.h"
#include "materialtreewindow.h"
#include "numbers.h"
#include "production.h"
#include "version.h"
#include "widgets.h"

namespace wm {

namespace {

// Load size: 6140 x 8040 twips at 15 twips per pixel.
constexpr int kLoadWidth = 6140 / 15;
constexpr int kLoadHeight = 8040 / 15;

// A position that does not exist in the list is a step that cannot be completed.
void chooseIfExists(QComboBox* list, int index) {
    if (index >= 0 && index < list->count())
        chooseEntry(list, index);
}

}  // namespace

ProductWindow::ProductWindow(AppData& data, Dialogs& dialogs, MaterialTreeWindow::Program program,
                             QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), dialogs_(dialogs), program_(program) {
    installDesktopInput();
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    buildLayout();
    buildTabOrder();
    installKeyHandlers();
    connectHandlers();

    setWindowTitle(QStringLiteral("生産品の簡易表示　Ver.%1.%2.%3")
                       .arg(kVersionMajor)
                       .arg(kVersionMinor)
                       .arg(kVersionRevision));
    fillWorkLists();
    loadGuilds(data_, dialogs_);
    // The designed size is where every control fits; the user may only make it larger, and
    // the information text takes the room.
    setMinimumSize(QSize(kLoadWidth, kLoadHeight).expandedTo(minimumSizeHint()));
    resize(minimumSize());
    // The fonts are settled only when the window is first shown: then it grows to whatever
    // more its texts need, so none is cut.
    onEvent(this, QEvent::Show, [this] {
        const QSize least = minimumSize().expandedTo(minimumSizeHint());
        if (least == minimumSize())
            return;
        setMinimumSize(least);
        resize(size().expandedTo(least));
    });
    guildPanel_.guildOption->setChecked(true);
    switchGuildMode(false);

    QPushButton* materialTreeButton = actionButton(
        QStringLiteral("材料の内訳(&M)"), QStringLiteral("材料をすべての段階まで表示します"),
        QStringLiteral("materialTreeButton"));
    layout()->addWidget(materialTreeButton);
    layout()->setAlignment(materialTreeButton, Qt::AlignRight);
    connect(materialTreeButton, &QPushButton::clicked, this, &ProductWindow::openMaterialTree);
    // The viewer has no production list.
    if (program_ == MaterialTreeWindow::Program::Tool) {
        QPushButton* addToListButton = actionButton(
            QStringLiteral("リストに追加(&L)"), QStringLiteral("この生産品を生産リストに加えます"),
            QStringLiteral("addToListButton"));
        layout()->addWidget(addToListButton);
        layout()->setAlignment(addToListButton, Qt::AlignRight);
        connect(addToListButton, &QPushButton::clicked, this, &ProductWindow::addToList);
    }
}

std::array<QWidget*, 5> ProductWindow::MaterialRow::widgets() const {
    return {workList, levelBox, nameList, countBox, weightBox};
}

// ---- lists -----------------------------------------------------------------------------

int ProductWindow::listPos(const QComboBox* list) {
    const int i = list->currentIndex();
    if (i < 0)
        return -1;
    return list->itemText(i) == list->currentText() ? i : -1;
}

void ProductWindow::clearChoice(QComboBox* list) {
    list->setCurrentIndex(-1);
    list->setEditText(QString());
}

QList<QLineEdit*> ProductWindow::numberBoxes() const {
    QList<QLineEdit*> boxes{weights_.total, totalExpBox_, levelBox_, expBox_, runsBox_, weightBox_};
    for (const MaterialRow& row : materials_)
        boxes << row.countBox << row.levelBox << row.weightBox;
    return boxes;
}

int ProductWindow::workPos() const {
    return listPos(workList_);
}

void ProductWindow::fillWorkLists() {
    refillList(workList_, sectionNames(data_.products, workSections()));
    const QStringList materialWorks = sectionNames(data_.products, materialWorkSections());
    for (const MaterialRow& row : materials_)
        refillList(row.workList, materialWorks);
}

void ProductWindow::connectHandlers() {
    connect(workList_, &QComboBox::activated, this, [this] { showWorkProducts(); });
    connect(productList_, &QComboBox::activated, this, [this] { showProduct(); });
    for (const MaterialRow& row : materials_) {
        connect(row.workList, &QComboBox::activated, this, [this, &row] {
            showMaterialWorkProducts(row);
            followEdits();
        });
        connect(row.nameList, &QComboBox::activated, this, [this, &row] {
            showMaterialLevel(row);
            followEdits();
        });
        // A chosen material name shows from its start, as a list shows its entries.
        QComboBox* name = row.nameList;
        connect(name, &QComboBox::currentIndexChanged, this, [name] {
            if (name->lineEdit())
                name->lineEdit()->setCursorPosition(0);
        });
    }
    connect(guildPanel_.placeList, &QComboBox::activated, this, [this] { showGuildPlace(); });
    connect(guildPanel_.guildOption, &QRadioButton::clicked, this,
            [this] { switchGuildMode(false); });
    connect(guildPanel_.learningOption, &QRadioButton::clicked, this,
            [this] { switchGuildMode(true); });
    for (QRadioButton* o : {modes_.materials, modes_.products})
        connect(o, &QRadioButton::clicked, this, [this] { refreshInfo(); });
    // What is typed counts at once: no result of the earlier text stays.
    QList<QLineEdit*> edited{expBox_, runsBox_, weightBox_, weights_.current, weights_.maximum};
    for (const MaterialRow& row : materials_)
        edited << row.countBox;
    for (QLineEdit* e : edited)
        connect(e, &QLineEdit::textEdited, this, [this] { followEdits(); });
    // The texts name the product as typed.
    connect(productList_->lineEdit(), &QLineEdit::textEdited, this, [this] { refreshInfo(); });
}

// ---- choices ---------------------------------------------------------------------------

void ProductWindow::showWorkProducts() {
    infoBox_->clear();
    unknownMaterial_ = false;
    const int section = workSection(workPos());
    modes_.materials->setText(section <= Section::LastGathering ? QStringLiteral("採取場所")
                                                                : QStringLiteral("材料"));
    refillList(productList_, QStringList{kUnknownProduct} +
                                 sectionProducts(data_.products, section, kProductListRows));
    for (const MaterialRow& row : materials_)
        clearChoice(row.workList);
    for (const MaterialRow& row : materials_)
        clearChoice(row.nameList);
    for (QLineEdit* e : numberBoxes())
        e->clear();
    fillGuildPlaces();
}

void ProductWindow::showMaterialWorkProducts(const MaterialRow& row) {
    row.levelBox->clear();
    const int section = materialWorkSection(listPos(row.workList));
    refillList(row.nameList, sectionProducts(data_.products, section, kMaterialListRows));
}

void ProductWindow::showMaterialLevel(const MaterialRow& row) {
    const int p = listPos(row.nameList);
    if (p < 0)
        return;
    const auto level = intPart(
        productField(data_.products, row.nameList->itemText(p), ProductColumn::Name).left(3));
    if (level)
        row.levelBox->setText(numText(*level));
}

void ProductWindow::showProduct() {
    const QScopedValueRollback<bool> choosing(choosingProduct_, true);
    const ProductChoice choice =
        chooseProduct(data_.products, workSection(workPos()), listPos(productList_),
                      productList_->currentText(), productFields());
    unknownMaterial_ = choice.unknownMaterial;
    showProductFields(choice.fields);
    for (size_t k = 0; k < materials_.size(); ++k)
        showMaterialRow(materials_[k], choice.rows[k]);
    refreshInfo();
}

ProductFields ProductWindow::productFields() const {
    return {levelBox_->text(),    expBox_->text(),    runsBox_->text(),
            totalExpBox_->text(), weightBox_->text(), weights_.total->text()};
}

void ProductWindow::showProductFields(const ProductFields& fields) {
    levelBox_->setText(fields.level);
    expBox_->setText(fields.exp);
    runsBox_->setText(fields.runs);
    totalExpBox_->setText(fields.totalExp);
    weightBox_->setText(fields.weight);
    weights_.total->setText(fields.totalWeight);
}

void ProductWindow::showMaterialRow(const MaterialRow& row, const MaterialRowFill& fill) {
    // Nothing of the previous product may stay in a row.
    emptyMaterialRow(row);
    if (fill.shown) {
        row.countBox->setText(fill.count);
        row.weightBox->setText(fill.weight);
        if (fill.listPosition) {
            // Chosen as if clicked: the row's material list and level follow.
            chooseIfExists(row.workList, fill.listPosition->workPosition);
            chooseIfExists(row.nameList, fill.listPosition->materialPosition);
        } else {
            row.workList->setEditText(fill.workName);
            row.nameList->setEditText(fill.material);
        }
        if (!fill.level.isEmpty())
            row.levelBox->setText(fill.level);
    }
    for (QWidget* w : row.widgets())
        w->setVisible(fill.shown);
}

void ProductWindow::emptyMaterialRow(const MaterialRow& row) {
    clearChoice(row.workList);
    refillList(row.nameList, {});
    clearChoice(row.nameList);
    for (QLineEdit* e : {row.countBox, row.levelBox, row.weightBox})
        e->clear();
}

void ProductWindow::openMaterialTree() {
    auto* window = findChild<MaterialTreeWindow*>();
    if (!window) {
        window = new MaterialTreeWindow(data_, dialogs_, program_, this);
        connect(window, &MaterialTreeWindow::addToListRequested, this,
                &ProductWindow::addToListRequested);
    }
    window->choosePlan(workSection(workPos()), listPos(productList_), QString());
    window->show();
    window->raise();
    window->activateWindow();
}

// One run of the chosen product; the list is where the runs are changed.
void ProductWindow::addToList() {
    const int row = listPos(productList_);
    if (row < 1) {
        dialogs_.messageBox(QStringLiteral("生産品が選択されていません"),
                            QStringLiteral("リストに追加"), Dialogs::Buttons::Ok,
                            Dialogs::Icon::Exclamation);
        return;
    }
    emit addToListRequested(workSection(workPos()), row, 1);
}

}  // namespace wm
