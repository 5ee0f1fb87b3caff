#include "productwindow.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QValidator>
#include <algorithm>
#include <limits>

#include "desktopinput.h"
#include "gamedata.h"
#include "keyfilter.h"
#include "materialtreewindow.h"
#include "numbers.h"
#include "productwindowshared.h"
#include "textrules.h"
#include "version.h"
#include "widgets.h"

namespace wm {

using productwindow::intOf;
using productwindow::kComma;
using productwindow::kUnknown;

namespace {

const QString kNoMaterials = QStringLiteral("00？？？,00？？？,00？？？");
const QChar kDot(QLatin1Char('.'));

// Load size: 6140 x 8040 twips at 15 twips per pixel.
constexpr int kLoadWidth = 6140 / 15;
constexpr int kLoadHeight = 8040 / 15;
// Material rows list fewer products than the product list.
constexpr int kProductRows = 80;
constexpr int kMaterialRows = 70;

QString beforeDot(const QString& text) {
    const qsizetype dot = text.indexOf(kDot);
    return dot < 0 ? text : text.left(dot);
}

QString afterDot(const QString& text) {
    const qsizetype dot = text.indexOf(kDot);
    return dot < 0 ? QString() : text.mid(dot + 1);
}

// A number for a box: a result beyond 64 bits leaves the box empty.
QString numOrEmpty(const std::optional<qint64>& value) {
    return value ? numText(*value) : QString();
}

// A position that does not exist in the list is a step that cannot be completed.
void chooseIfExists(QComboBox* list, int index) {
    if (index >= 0 && index < list->count())
        chooseEntry(list, index);
}

// Accepts any text but never calls it finished, so QComboBox cannot turn a typed (or
// pasted) name into a choice when the focus leaves the edit field.
class NeverFinished : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString&, int&) const override { return Intermediate; }
};

QComboBox* newList(QWidget* parent) {
    auto* list = new QComboBox(parent);
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);
    // Typing is never a choice: no completer may pick an entry behind the user's back.
    list->setCompleter(nullptr);
    list->setValidator(new NeverFinished(list));
    list->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    list->setMinimumContentsLength(4);
    list->setMaxVisibleItems(20);
    return list;
}

void keepSpaceWhenHidden(QWidget* w) {
    QSizePolicy policy = w->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    w->setSizePolicy(policy);
}

}  // namespace

ProductWindow::ProductWindow(AppData& data, Dialogs& dialogs, NecklaceSection necklaceSection,
                             QWidget* parent)
    : QWidget(parent, Qt::Window),
      data_(data),
      dialogs_(dialogs),
      necklaceSection_(necklaceSection) {
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
    guildPanel_.guildOption->setChecked(true);
    onGuildModeClicked(false);

    auto* materialTreeButton = new QPushButton(QStringLiteral("材料の内訳(&M)"), this);
    materialTreeButton->setObjectName(QStringLiteral("materialTreeButton"));
    materialTreeButton->setToolTip(QStringLiteral("材料をすべての段階まで表示します"));
    materialTreeButton->setAutoDefault(true);
    layout()->addWidget(materialTreeButton);
    layout()->setAlignment(materialTreeButton, Qt::AlignRight);
    connect(materialTreeButton, &QPushButton::clicked, this, &ProductWindow::openMaterialTree);
}

// ---- controls --------------------------------------------------------------------------

void ProductWindow::buildControls() {
    frame_ = new QGroupBox(this);
    QWidget* f = frame_;

    // Controls with their tips, in the frame or in the guild panel.
    auto labelIn = [](QWidget* parent, const char* text, const char* tip) {
        auto* l = new QLabel(QString::fromUtf8(text), parent);
        l->setToolTip(QString::fromUtf8(tip));
        return l;
    };
    auto fieldIn = [](QWidget* parent, const char* tip) {
        auto* e = new QLineEdit(parent);
        e->setToolTip(QString::fromUtf8(tip));
        return e;
    };
    auto label = [&](const char* text, const char* tip) { return labelIn(f, text, tip); };
    auto field = [&](const char* tip) { return fieldIn(f, tip); };
    auto list = [f](const char* tip) {
        QComboBox* c = newList(f);
        c->setToolTip(QString::fromUtf8(tip));
        return c;
    };

    labels_.work = label("作業名", "作業名を選択します");
    workList_ = list("作業名を選択してください");
    labels_.product = label("生産品", "生産品の名前を選択または入力します");
    productList_ = list("生産品の選択、または入力してください");
    labels_.level = label("生産Ｌｖ", "生産品の生産可能Ｌｖを入力します");
    levelBox_ = field("生産Ｌｖを入力してください");
    labels_.exp = label("経験値", "成功１回の経験値を入力します");
    expBox_ = field("成功１回の取得経験値を入力してください");
    labels_.runs = label("回数", "生産品が完成するまでの回数を入力します");
    runsBox_ = field("生産品完成までに必要な回数を入力してください");
    labels_.totalExp = label("合計値", "生産品の経験値の合計値が表示されます");
    totalExpBox_ = field("生産品の経験値の合計値を表示します");
    labels_.weight = label("重量", "生産品の重量を入力します");
    weightBox_ = field("生産品の重量を入力してください");
    labels_.materials = label("材料", "生産品に必要な材料を選択します");
    labels_.count = label("数量", "生産品に必要な数を入力します");
    labels_.materialWeight = label("重量", "生産品に必要な数を入力します");
    materials_[0].workList = list("１つ目の材料の作業名を選択してください");
    materials_[0].level = field("１つ目の材料のレベルを表示します");
    materials_[0].nameList = list("１つ目の材料の選択をしてください");
    materials_[0].count = field("１つ目の材料の必要な量を入力してください");
    materials_[0].weight = field("１つめの材料の1回に必要な重量を表示します");
    materials_[1].workList = list("２つ目の材料の作業名を選択してください");
    materials_[1].level = field("2つ目の材料のレベルを表示します");
    materials_[1].nameList = list("２つ目の材料の選択をしてください");
    materials_[1].count = field("２つ目の材料の必要な量を入力してください");
    materials_[1].weight = field("２つめの材料の1回に必要な重量を表示します");
    materials_[2].workList = list("３つ目の材料の作業名を選択してください");
    materials_[2].level = field("３つ目の材料のレベルを表示します");
    materials_[2].nameList = list("３つ目の材料の選択をしてください");
    materials_[2].count = field("３つ目の材料の必要な量を入力してください");
    materials_[2].weight = field("３つめの材料の1回に必要な重量を表示します");
    labels_.currentWeight = label("現在重量", "キャラの現在の重量を入力します");
    weights_.current = field("キャラの現在の重量を入力してください");
    weights_.current->setText(QStringLiteral("0"));
    labels_.maximumWeight = label("最大重量", "キャラの最大重量を入力します");
    weights_.maximum = field("キャラの最大重量を入力してください");
    weights_.maximum->setText(QStringLiteral("1000"));
    weights_.total = field("材料の合計重量を表示します");

    modeFrame_ = new QGroupBox(f);
    modes_.materials = new QRadioButton(QStringLiteral("材料"), modeFrame_);
    modes_.materials->setToolTip(
        QStringLiteral("生産品の採取場所・材料毎に持てる数と作成回数の表示します"));
    modes_.products = new QRadioButton(QStringLiteral("生産品"), modeFrame_);
    modes_.products->setToolTip(
        QStringLiteral("生産品を一度に持てる数と薬・料理の効果を表示します"));
    modes_.materials->setChecked(true);

    guildFrame_ = new QGroupBox(f);
    QWidget* g = guildFrame_;
    guildPanel_.guildOption = new QRadioButton(QStringLiteral("ギルド"), g);
    guildPanel_.guildOption->setToolTip(QStringLiteral("作業ギルドの情報を表示します"));
    guildPanel_.learningOption = new QRadioButton(QStringLiteral("習得"), g);
    guildPanel_.learningOption->setToolTip(QStringLiteral("作業の習得方法の情報を表示します"));
    auto glabel = [&](const char* text, const char* tip) { return labelIn(g, text, tip); };
    auto gfield = [&](const char* tip) { return fieldIn(g, tip); };
    labels_.place = glabel("場所", "作業ギルドやその作業習得する場所を選択します");
    guildPanel_.placeList = newList(g);
    guildPanel_.placeList->setToolTip(
        QStringLiteral("作業ギルドやその作業習得する場所を選択します"));
    labels_.building = glabel("建物", "その作業に関する人がいる場所が表示されます");
    guildPanel_.building = gfield("その作業に関する人がいる場所が表示されます");
    labels_.person = glabel("人物", "その作業に関する人物の名前が表示されます");
    guildPanel_.person = gfield("その作業の人物が表示されます");
    guildPanel_.conditionLabel = glabel("条件", "その作業に関する人物の名前が表示されます");
    guildPanel_.condition = gfield("その作業の習得に必要な材料を表示します");

    // Not locked: the user may add notes to the text until the next rebuild.
    infoText_ = new QPlainTextEdit(f);
    infoText_->setFont(resultFont(infoText_->font()));

    for (QLineEdit* e :
         {weights_.total, totalExpBox_, materials_[0].weight, materials_[1].weight,
          materials_[2].weight, guildPanel_.building, guildPanel_.person, guildPanel_.condition})
        e->setReadOnly(true);
    // Display fields are skipped when moving on.
    for (QWidget* w :
         {static_cast<QWidget*>(weights_.total), static_cast<QWidget*>(totalExpBox_),
          static_cast<QWidget*>(materials_[0].level), static_cast<QWidget*>(materials_[1].level),
          static_cast<QWidget*>(materials_[2].level), static_cast<QWidget*>(materials_[0].weight),
          static_cast<QWidget*>(materials_[1].weight), static_cast<QWidget*>(materials_[2].weight),
          static_cast<QWidget*>(guildPanel_.building), static_cast<QWidget*>(guildPanel_.person),
          static_cast<QWidget*>(guildPanel_.condition), static_cast<QWidget*>(infoText_)})
        w->setFocusPolicy(Qt::ClickFocus);

    // Hidden material rows and the condition line keep their place, so nothing jumps.
    for (int k = 1; k <= 3; ++k)
        for (QWidget* w : {static_cast<QWidget*>(materials_[k - 1].workList),
                           static_cast<QWidget*>(materials_[k - 1].level),
                           static_cast<QWidget*>(materials_[k - 1].nameList),
                           static_cast<QWidget*>(materials_[k - 1].count),
                           static_cast<QWidget*>(materials_[k - 1].weight)})
            keepSpaceWhenHidden(w);
    keepSpaceWhenHidden(guildPanel_.conditionLabel);
    keepSpaceWhenHidden(guildPanel_.condition);

    // Names by meaning, for whoever looks a control up.
    const auto name = [](QObject* o, const QString& n) { o->setObjectName(n); };
    name(workList_, QStringLiteral("workList"));
    name(productList_, QStringLiteral("productList"));
    name(levelBox_, QStringLiteral("levelBox"));
    name(expBox_, QStringLiteral("expBox"));
    name(runsBox_, QStringLiteral("runsBox"));
    name(totalExpBox_, QStringLiteral("totalExpBox"));
    name(weightBox_, QStringLiteral("weightBox"));
    for (int k = 1; k <= 3; ++k) {
        const MaterialRow& row = materials_[size_t(k - 1)];
        name(row.workList, QStringLiteral("materialWork%1").arg(k));
        name(row.level, QStringLiteral("materialLevel%1").arg(k));
        name(row.nameList, QStringLiteral("materialName%1").arg(k));
        name(row.count, QStringLiteral("materialCount%1").arg(k));
        name(row.weight, QStringLiteral("materialWeight%1").arg(k));
    }
    name(weights_.current, QStringLiteral("currentWeight"));
    name(weights_.maximum, QStringLiteral("maximumWeight"));
    name(weights_.total, QStringLiteral("totalWeight"));
    name(modes_.materials, QStringLiteral("materialsMode"));
    name(modes_.products, QStringLiteral("productsMode"));
    name(guildPanel_.guildOption, QStringLiteral("guildOption"));
    name(guildPanel_.learningOption, QStringLiteral("learningOption"));
    name(guildPanel_.placeList, QStringLiteral("placeList"));
    name(guildPanel_.building, QStringLiteral("building"));
    name(guildPanel_.person, QStringLiteral("person"));
    name(guildPanel_.conditionLabel, QStringLiteral("conditionLabel"));
    name(guildPanel_.condition, QStringLiteral("condition"));
    name(infoText_, QStringLiteral("infoText"));

    // Short number fields: three digits, five for the weights_.
    for (int k = 1; k <= 3; ++k)
        materials_[k - 1].workList->setMinimumContentsLength(6);  // ハーブ採り fits
    const int shortWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12;
    const int longWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12;
    for (QLineEdit* e : {levelBox_, expBox_, runsBox_, weightBox_})
        e->setMaximumWidth(shortWidth);
    for (const MaterialRow& row : materials_) {
        row.count->setMaximumWidth(shortWidth);
        row.level->setMaximumWidth(shortWidth);
        row.weight->setMaximumWidth(longWidth);
    }
    for (QLineEdit* e : {weights_.total, totalExpBox_, weights_.current, weights_.maximum})
        e->setMaximumWidth(longWidth);
}

void ProductWindow::buildLayout() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(frame_);

    auto* main = new QVBoxLayout(frame_);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(6);

    // Work and product lines, text-mode options to their right.
    auto* top = new QGridLayout;
    top->addWidget(labels_.work, 0, 0);
    top->addWidget(workList_, 0, 1);
    top->addWidget(labels_.product, 1, 0);
    top->addWidget(productList_, 1, 1);
    auto* wet = new QVBoxLayout(modeFrame_);
    wet->setContentsMargins(6, 2, 6, 2);
    wet->addWidget(modes_.materials);
    wet->addWidget(modes_.products);
    top->addWidget(modeFrame_, 0, 2, 2, 1);
    top->setColumnStretch(1, 1);
    main->addLayout(top);

    // Product numbers on the left, guild panel on the right.
    auto* middle = new QHBoxLayout;
    auto* numbers = new QGridLayout;
    const std::array<std::pair<QLabel*, QLineEdit*>, 5> lines{{{labels_.level, levelBox_},
                                                               {labels_.exp, expBox_},
                                                               {labels_.runs, runsBox_},
                                                               {labels_.totalExp, totalExpBox_},
                                                               {labels_.weight, weightBox_}}};
    for (int i = 0; i < int(lines.size()); ++i) {
        numbers->addWidget(lines[size_t(i)].first, i, 0);
        numbers->addWidget(lines[size_t(i)].second, i, 1);
    }
    numbers->setRowStretch(int(lines.size()), 1);
    middle->addLayout(numbers);
    auto* guild = new QGridLayout(guildFrame_);
    guild->setContentsMargins(6, 4, 6, 4);
    auto* options = new QHBoxLayout;
    options->addWidget(guildPanel_.guildOption);
    options->addWidget(guildPanel_.learningOption);
    options->addStretch(1);
    guild->addLayout(options, 0, 0, 1, 2);
    guild->addWidget(labels_.place, 1, 0);
    guild->addWidget(guildPanel_.placeList, 1, 1);
    guild->addWidget(labels_.building, 2, 0);
    guild->addWidget(guildPanel_.building, 2, 1);
    guild->addWidget(labels_.person, 3, 0);
    guild->addWidget(guildPanel_.person, 3, 1);
    guild->addWidget(guildPanel_.conditionLabel, 4, 0);
    guild->addWidget(guildPanel_.condition, 4, 1);
    guild->setColumnStretch(1, 1);
    middle->addWidget(guildFrame_, 1);
    main->addLayout(middle);

    // Materials table: work, level, material, amount, weight per run.
    auto* mats = new QGridLayout;
    mats->setHorizontalSpacing(4);
    mats->addWidget(labels_.materials, 0, 0, 1, 3);
    mats->addWidget(labels_.count, 0, 3);
    mats->addWidget(labels_.materialWeight, 0, 4);
    for (int k = 1; k <= 3; ++k) {
        mats->addWidget(materials_[k - 1].workList, k, 0);
        mats->addWidget(materials_[k - 1].level, k, 1);
        mats->addWidget(materials_[k - 1].nameList, k, 2);
        mats->addWidget(materials_[k - 1].count, k, 3);
        mats->addWidget(materials_[k - 1].weight, k, 4);
    }
    // Work names are short; the material names take the room so that a long one shows whole.
    mats->setColumnStretch(2, 1);
    main->addLayout(mats);

    // Current, maximum and total weight.
    auto* weightLine = new QHBoxLayout;
    weightLine->addWidget(labels_.currentWeight);
    weightLine->addWidget(weights_.current);
    weightLine->addSpacing(8);
    weightLine->addWidget(labels_.maximumWeight);
    weightLine->addWidget(weights_.maximum);
    weightLine->addStretch(1);
    weightLine->addWidget(weights_.total);
    main->addLayout(weightLine);

    main->addWidget(infoText_, 1);
}

void ProductWindow::buildTabOrder() {
    const QList<QWidget*> order{workList_,
                                productList_,
                                levelBox_,
                                expBox_,
                                runsBox_,
                                totalExpBox_,
                                weightBox_,
                                materials_[0].workList,
                                materials_[0].level,
                                materials_[0].nameList,
                                materials_[0].count,
                                materials_[0].weight,
                                materials_[1].workList,
                                materials_[1].level,
                                materials_[1].nameList,
                                materials_[1].count,
                                materials_[1].weight,
                                materials_[2].workList,
                                materials_[2].level,
                                materials_[2].nameList,
                                materials_[2].count,
                                materials_[2].weight,
                                weights_.current,
                                weights_.maximum,
                                weights_.total,
                                modes_.materials,
                                modes_.products,
                                guildPanel_.guildOption,
                                guildPanel_.learningOption,
                                guildPanel_.placeList,
                                guildPanel_.building,
                                guildPanel_.person,
                                guildPanel_.condition,
                                infoText_};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// ---- keys ------------------------------------------------------------------------------

void ProductWindow::installKeyHandlers() {
    auto digitsOnly = [](QLineEdit* e, int maxLen, int& code) {
        if (code >= '0' && code <= '9') {
            if (e->text().size() >= maxLen && !e->hasSelectedText())
                code = 0;
        } else if (code != kKeyBackspace) {
            code = 0;
        }
    };
    for (QLineEdit* e : numberBoxes()) {
        KeyFilter::install(e, [this, e, digitsOnly](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                if (isNumber(e->text()))
                    updateTotalExp();
                focusNextControl(e);
                return;
            }
            digitsOnly(e, 3, code);
        });
        e->installEventFilter(this);
    }
    for (QLineEdit* e : {weights_.current, weights_.maximum}) {
        KeyFilter::install(e, [this, e, digitsOnly](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                refreshInfo();
                focusNextControl(e);
                return;
            }
            digitsOnly(e, 5, code);
        });
        e->installEventFilter(this);
    }
    for (QComboBox* c :
         {workList_, materials_[0].workList, materials_[1].workList, materials_[2].workList,
          productList_, materials_[0].nameList, materials_[1].nameList, materials_[2].nameList}) {
        // Only a product name may be typed; every other list is chosen from.
        const bool typable = c == productList_;
        KeyFilter::install(c, [c, typable](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                focusNextControl(c);
            } else if (!typable) {
                code = 0;
            }
        });
    }
    for (QRadioButton* o : {modes_.materials, modes_.products}) {
        KeyFilter::install(o, [this, o](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                refreshInfo();
                focusNextControl(o);
            }
        });
    }
    for (QWidget* w : {static_cast<QWidget*>(guildPanel_.guildOption),
                       static_cast<QWidget*>(guildPanel_.learningOption),
                       static_cast<QWidget*>(guildPanel_.placeList)}) {
        KeyFilter::install(w, [w](int& code) {
            if (code == kKeyEnter)
                focusNextControl(w);
            code = 0;
        });
    }
}

bool ProductWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        // Queued: a mouse press that brought the focus would otherwise place the caret and
        // undo the selection.
        if (auto* e = qobject_cast<QLineEdit*>(watched))
            QTimer::singleShot(0, e, [e] { e->selectAll(); });
    }
    return QWidget::eventFilter(watched, event);
}

// ---- lists -----------------------------------------------------------------------------

int ProductWindow::listPos(const QComboBox* list) {
    const int i = list->currentIndex();
    if (i < 0)
        return -1;
    return list->itemText(i) == list->currentText() ? i : -1;
}

void ProductWindow::emptyEdit(QComboBox* list) {
    list->setCurrentIndex(-1);
    list->setEditText(QString());
}

std::array<QLineEdit*, 15> ProductWindow::numberBoxes() const {
    return {weights_.total,
            totalExpBox_,
            levelBox_,
            expBox_,
            runsBox_,
            weightBox_,
            materials_[0].count,
            materials_[1].count,
            materials_[2].count,
            materials_[0].level,
            materials_[1].level,
            materials_[2].level,
            materials_[0].weight,
            materials_[1].weight,
            materials_[2].weight};
}

void ProductWindow::clearGuildDetails() {
    for (QLineEdit* e : {guildPanel_.building, guildPanel_.person, guildPanel_.condition})
        e->clear();
}

int ProductWindow::workPos() const {
    return listPos(workList_);
}

int ProductWindow::workSection() const {
    const int v = workPos() + 1;
    return v > Section::Rings ? v + 1 : v;
}

qint16 ProductWindow::textBytes(const QString& text) const {
    return qint16(std::min(byteLength(text), 32767));
}

void ProductWindow::fillWorkLists() {
    QStringList works;
    for (int s = 1; s <= Section::Instruments; ++s)
        if (s != Section::Necklaces)
            works << data_.products.sectionName(s);
    refillList(workList_, works);

    QStringList matWorks;
    for (int s = 1; s <= 12; ++s)
        if (s != 7 && s != 8)
            matWorks << data_.products.sectionName(s);
    matWorks << data_.products.sectionName(32);
    for (int k = 1; k <= 3; ++k)
        refillList(materials_[k - 1].workList, matWorks);
}

QString ProductWindow::materialProductPosition(const QString& name) const {
    for (int s : {1, 2, 3, 4, 5, 6, 9, 10, 11, 12, 32}) {
        for (int r = 1; r <= kMaterialRows; ++r) {
            const QString first = data_.products.at(s, ProductColumn::Name, r);
            if (first.isEmpty())
                break;
            if (productName(first) == name)
                return QStringLiteral("%1,%2")
                    .arg(s, 2, 10, QLatin1Char('0'))
                    .arg(r, 2, 10, QLatin1Char('0'));
        }
    }
    return QString();
}

void ProductWindow::connectHandlers() {
    connect(workList_, &QComboBox::activated, this, [this] { onWorkChosen(); });
    connect(productList_, &QComboBox::activated, this, [this] { onProductChosen(); });
    for (int k = 1; k <= 3; ++k) {
        connect(materials_[k - 1].workList, &QComboBox::activated, this,
                [this, k] { onMaterialWorkChosen(k); });
        connect(materials_[k - 1].nameList, &QComboBox::activated, this,
                [this, k] { onMaterialChosen(k); });
        // A chosen material name shows from its start, as a list shows its entries.
        QComboBox* name = materials_[k - 1].nameList;
        connect(name, &QComboBox::currentIndexChanged, this, [name] {
            if (name->lineEdit())
                name->lineEdit()->setCursorPosition(0);
        });
    }
    connect(guildPanel_.placeList, &QComboBox::activated, this, [this] { onGuildPlaceChosen(); });
    connect(guildPanel_.guildOption, &QRadioButton::clicked, this,
            [this] { onGuildModeClicked(false); });
    connect(guildPanel_.learningOption, &QRadioButton::clicked, this,
            [this] { onGuildModeClicked(true); });
    for (QRadioButton* o : {modes_.materials, modes_.products})
        connect(o, &QRadioButton::clicked, this, [this] { refreshInfo(); });
}

void ProductWindow::onWorkChosen() {
    infoText_->clear();
    unknownMaterial_ = false;
    const int v = workPos() + 1;
    modes_.materials->setText(v <= Section::LastGathering ? QStringLiteral("採取場所")
                                                          : QStringLiteral("材料"));
    const int w = workSection();

    QStringList products{kUnknown};
    for (int r = 1; r <= kProductRows; ++r) {
        const QString first = data_.products.at(w, ProductColumn::Name, r);
        if (first.isEmpty())
            break;
        products << productName(first);
    }
    refillList(productList_, products);

    for (const MaterialRow& row : materials_)
        emptyEdit(row.workList);
    for (const MaterialRow& row : materials_)
        emptyEdit(row.nameList);
    for (QLineEdit* e : numberBoxes())
        e->clear();
    fillGuildPlaces();
}

void ProductWindow::onMaterialWorkChosen(int k) {
    materials_[k - 1].level->clear();
    const int v = listPos(materials_[k - 1].workList) + 1;
    const int s = v == 11 ? 32 : (v >= 7 && v <= 10 ? v + 2 : v);
    QStringList names;
    for (int r = 1; r <= kMaterialRows; ++r) {
        const QString first = data_.products.at(s, ProductColumn::Name, r);
        if (first.isEmpty())
            break;
        names << productName(first);
    }
    refillList(materials_[k - 1].nameList, names);
}

void ProductWindow::onMaterialChosen(int k) {
    const int p = listPos(materials_[k - 1].nameList);
    if (p < 0)
        return;
    const auto level = intPart(productField(data_.products, materials_[k - 1].nameList->itemText(p),
                                            ProductColumn::Name, necklaceSection_)
                                   .left(3));
    if (level)
        materials_[k - 1].level->setText(numText(*level));
}

// ---- product choice --------------------------------------------------------------------

void ProductWindow::onProductChosen() {
    const int s = workSection();
    const int p = listPos(productList_);
    const ProductTable& md = data_.products;
    if (p != 0) {
        auto put = [](QLineEdit* e, const std::optional<qint64>& v) {
            if (v)
                e->setText(numText(*v));
        };
        put(levelBox_, intPart(md.at(s, ProductColumn::Name, p).left(3)));
        put(expBox_, intPart(md.at(s, ProductColumn::ExpAndSteps, p).left(3)));
        put(runsBox_, intPart(md.at(s, ProductColumn::ExpAndSteps, p).right(2)));
        put(weightBox_, intPart(md.at(s, ProductColumn::Weight, p)));
    } else {
        for (QLineEdit* e : {totalExpBox_, levelBox_, expBox_, runsBox_, weightBox_})
            e->clear();
    }

    QString list;
    if (productList_->currentText() == kUnknown) {
        list = kNoMaterials;
        for (QLineEdit* e : {levelBox_, expBox_, runsBox_, weightBox_})
            e->setText(QStringLiteral("0"));
    } else {
        list = md.at(s, ProductColumn::SetMaterials, p);
    }

    bool done = false;
    unknownMaterial_ = false;
    for (int k = 1; k <= 3; ++k) {
        const std::array<QWidget*, 5> row{materials_[k - 1].workList, materials_[k - 1].nameList,
                                          materials_[k - 1].count, materials_[k - 1].weight,
                                          materials_[k - 1].level};
        // Nothing of the previous product may stay in a row.
        emptyMaterialRow(k);
        // A row shows only what it could be filled with; the "？？？" rows stay open for
        // typing.
        const bool shown =
            !done && (fillMaterialRow(k, list, done) || productList_->currentText() == kUnknown);
        if (!shown)
            emptyMaterialRow(k);
        for (QWidget* w : row)
            w->setVisible(shown);
    }

    for (int k = 1; k <= 3; ++k) {
        const QString amount = materials_[k - 1].count->text();
        if (amount.isEmpty() || !isNumber(amount))
            continue;
        const auto total = intOf(weights_.total);
        const auto weight = intOf(materials_[k - 1].weight);
        if (total && weight)
            weights_.total->setText(numOrEmpty(checkedAdd(*total, *weight)));
    }
    // Without the weight of every material there is no total to show.
    if (unknownMaterial_)
        weights_.total->clear();

    if (!expBox_->text().isEmpty() || !runsBox_->text().isEmpty()) {
        const auto runs = intOf(runsBox_);
        const auto exp = intOf(expBox_);
        if (runs && exp)
            totalExpBox_->setText(numOrEmpty(checkedMul(*runs, *exp)));
    }
    refreshInfo();
}

void ProductWindow::emptyMaterialRow(int k) {
    emptyEdit(materials_[k - 1].workList);
    refillList(materials_[k - 1].nameList, {});
    emptyEdit(materials_[k - 1].nameList);
    for (QLineEdit* e :
         {materials_[k - 1].count, materials_[k - 1].level, materials_[k - 1].weight})
        e->clear();
}

// The section and row where a lookup by name finds a material (the sections productField
// searches), or nothing.
std::optional<std::pair<int, int>> ProductWindow::findMaterial(const QString& name) const {
    for (int s = 1; s <= ProductTable::kSections; ++s) {
        if (s == Section::Necklaces && necklaceSection_ == NecklaceSection::Skip)
            continue;
        for (int r = 1; r <= kMaterialRows; ++r) {
            const QString first = data_.products.at(s, ProductColumn::Name, r);
            if (first.isEmpty())
                break;
            if (productName(first) == name)
                return std::make_pair(s, r);
        }
    }
    return std::nullopt;
}

// One material entry of the product's list: amount, level, weight per run, then the row's
// work and material chosen as if clicked. Each step that cannot be done is skipped. False
// when the material is found nowhere, so the row cannot be filled.
bool ProductWindow::fillMaterialRow(int k, QString& list, bool& done) {
    const qsizetype comma = list.indexOf(kComma);
    QString entry;
    if (comma >= 0) {
        entry = list.left(comma);
    } else {
        entry = list;
        done = true;
    }
    if (comma >= 0)
        list = list.mid(comma + 1);
    if (done)
        weights_.total->setText(QStringLiteral("0"));

    if (const auto amount = intPart(entry.left(2)))
        materials_[k - 1].count->setText(numText(*amount));
    const QString name = entry.mid(2);
    const auto found = findMaterial(name);
    if (!found) {
        // "00" names no material; "？？？" is the placeholder of the unknown product.
        unknownMaterial_ = unknownMaterial_ || (!name.isEmpty() && name != kUnknown);
        return false;
    }
    const ProductTable& md = data_.products;
    const auto weight = intPart(md.at(found->first, ProductColumn::Weight, found->second));
    const auto amount = intOf(materials_[k - 1].count);
    if (weight && amount)
        materials_[k - 1].weight->setText(numOrEmpty(checkedMul(*weight, *amount)));

    const QString pos = materialProductPosition(name);
    if (const auto s2 = intPart(pos.left(2))) {
        const int index = *s2 == 32 ? 10 : (*s2 > 8 ? int(*s2) - 3 : int(*s2) - 1);
        chooseIfExists(materials_[k - 1].workList, index);
        if (const auto r = intPart(pos.right(2)))
            chooseIfExists(materials_[k - 1].nameList, int(*r) - 1);
    } else {
        // Found outside the material works (the viewer's section 29): the row names the
        // work and the material it was found in, without lists to choose from.
        materials_[k - 1].workList->setEditText(md.sectionName(found->first));
        materials_[k - 1].nameList->setEditText(name);
    }
    if (const auto level = intPart(md.at(found->first, ProductColumn::Name, found->second).left(3)))
        materials_[k - 1].level->setText(numText(*level));
    return true;
}

void ProductWindow::openMaterialTree() {
    auto* window = findChild<MaterialTreeWindow*>();
    if (!window) {
        // Only the viewer searches section 29.
        const auto program = necklaceSection_ == NecklaceSection::Search
                                 ? MaterialTreeWindow::Program::Viewer
                                 : MaterialTreeWindow::Program::Tool;
        window = new MaterialTreeWindow(data_, dialogs_, program, this);
    }
    window->choosePlan(workPos() >= 0 ? workSection() : 0, listPos(productList_), QString());
    window->show();
    window->raise();
    window->activateWindow();
}

void ProductWindow::updateTotalExp() {
    const auto runs = intOf(runsBox_);
    const auto exp = intOf(expBox_);
    if (runs && exp)
        totalExpBox_->setText(numOrEmpty(checkedMul(*runs, *exp)));
}

void ProductWindow::refreshInfo() {
    if (modes_.materials->isChecked())
        showMaterialInfo();
    else
        showProductInfo();
}

// ---- guild panel -----------------------------------------------------------------------

void ProductWindow::onGuildModeClicked(bool learning) {
    guildPanel_.conditionLabel->setVisible(learning);
    guildPanel_.condition->setVisible(learning);
    clearGuildDetails();
    fillGuildPlaces();
}

void ProductWindow::fillGuildPlaces() {
    const QString work = workList_->currentText();
    const GuildTable& gd = data_.guilds;
    // Each place keeps the building and person (and, for learning, the condition) of the
    // section it was read from, so it shows its own whichever section listed it.
    QStringList places;
    guildPlaces_.clear();
    const bool guildMode = guildPanel_.guildOption->isChecked();
    for (int g = 1; g <= 31; ++g) {
        if (gd.nameLine(g).mid(4) != work)
            continue;
        if (guildMode) {
            const QString entry = gd.guildPlace(g);
            if (entry.isEmpty())
                break;
            places << trimLeadingBlanks(beforeDot(entry));
            guildPlaces_.append(guildPlace(afterDot(entry), QString()));
        } else {
            for (int j = 1; j <= 3; ++j) {
                const QString entry = gd.learningPlace(g, j);
                if (entry.isEmpty())
                    break;
                places << trimLeadingBlanks(beforeDot(entry));
                guildPlaces_.append(guildPlace(afterDot(entry), gd.learningCondition(g)));
            }
        }
    }
    refillList(guildPanel_.placeList, places);
    // Nothing of the work before stays when this one has no place to choose.
    clearGuildDetails();
    if (!work.isEmpty() && guildPanel_.placeList->count() > 0)
        chooseEntry(guildPanel_.placeList, 0);
}

void ProductWindow::onGuildPlaceChosen() {
    const int c = listPos(guildPanel_.placeList);
    if (c < 0 || c >= guildPlaces_.size())
        return;
    const GuildPlace& place = guildPlaces_.at(c);
    if (guildPanel_.learningOption->isChecked())
        guildPanel_.condition->setText(place.condition);
    guildPanel_.building->setText(place.building);
    guildPanel_.person->setText(place.person);
}

ProductWindow::GuildPlace ProductWindow::guildPlace(const QString& detail,
                                                    const QString& condition) {
    // "building.person"; a text without a dot is the building alone.
    return {beforeDot(detail), afterDot(detail), condition};
}

}  // namespace wm
