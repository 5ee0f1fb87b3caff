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
#include "textrules.h"
#include "version.h"
#include "widgets.h"

namespace wm {

namespace {

const QString kUnknown = QStringLiteral("？？？");
const QString kNoMaterials = QStringLiteral("00？？？,00？？？,00？？？");
const QChar kDot(QLatin1Char('.'));
const QChar kComma(QLatin1Char(','));

// Load size: 6140 x 8040 twips at 15 twips per pixel.
constexpr int kLoadWidth = 6140 / 15;
constexpr int kLoadHeight = 8040 / 15;
// Material rows list fewer products than the product list.
constexpr int kProductRows = 80;
constexpr int kMaterialRows = 70;
// What a place of the guild panel keeps beside its name.
constexpr int kDetailRole = Qt::UserRole;         // "building.person"
constexpr int kConditionRole = Qt::UserRole + 1;  // learning condition
// Works of section 13 and up: at most this many runs or pieces are worth showing.
constexpr qint64 kCarryCap = 40;

QString beforeDot(const QString& text) {
    const qsizetype dot = text.indexOf(kDot);
    return dot < 0 ? text : text.left(dot);
}

QString afterDot(const QString& text) {
    const qsizetype dot = text.indexOf(kDot);
    return dot < 0 ? QString() : text.mid(dot + 1);
}

// floor(a / b); nothing for b = 0 or a quotient beyond 64 bits.
std::optional<qint64> floorDiv(qint64 a, qint64 b) {
    if (b == 0 || (b == -1 && a == std::numeric_limits<qint64>::min()))
        return std::nullopt;
    qint64 q = a / b;
    if (a % b != 0 && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// A number for a box: a result beyond 64 bits leaves the box empty.
QString numOrEmpty(const std::optional<qint64>& value) {
    return value ? numText(*value) : QString();
}

std::optional<qint64> intOf(const QLineEdit* field) {
    return intPart(field->text());
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
    optGP[1]->setChecked(true);
    onGuildModeClicked(1);

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
    fraData = new QGroupBox(this);
    QWidget* f = fraData;

    auto label = [f](const char* text, const char* tip) {
        auto* l = new QLabel(QString::fromUtf8(text), f);
        l->setToolTip(QString::fromUtf8(tip));
        return l;
    };
    auto list = [f](const char* tip) {
        QComboBox* c = newList(f);
        c->setToolTip(QString::fromUtf8(tip));
        return c;
    };
    auto field = [f](const char* tip) {
        auto* e = new QLineEdit(f);
        e->setToolTip(QString::fromUtf8(tip));
        return e;
    };

    lblData[1] = label("作業名", "作業名を選択します");
    cmbData[6] = list("作業名を選択してください");
    lblData[2] = label("生産品", "生産品の名前を選択または入力します");
    cmbData[16] = list("生産品の選択、または入力してください");
    lblData[3] = label("生産Ｌｖ", "生産品の生産可能Ｌｖを入力します");
    txtData[3] = field("生産Ｌｖを入力してください");
    lblData[4] = label("経験値", "成功１回の経験値を入力します");
    txtData[4] = field("成功１回の取得経験値を入力してください");
    lblData[5] = label("回数", "生産品が完成するまでの回数を入力します");
    txtData[5] = field("生産品完成までに必要な回数を入力してください");
    lblData[10] = label("合計値", "生産品の経験値の合計値が表示されます");
    txtData[2] = field("生産品の経験値の合計値を表示します");
    lblData[6] = label("重量", "生産品の重量を入力します");
    txtData[6] = field("生産品の重量を入力してください");
    lblData[7] = label("材料", "生産品に必要な材料を選択します");
    lblData[8] = label("数量", "生産品に必要な数を入力します");
    lblData[9] = label("重量", "生産品に必要な数を入力します");
    cmbData[7] = list("１つ目の材料の作業名を選択してください");
    txtData[10] = field("１つ目の材料のレベルを表示します");
    cmbData[17] = list("１つ目の材料の選択をしてください");
    txtData[7] = field("１つ目の材料の必要な量を入力してください");
    txtData[17] = field("１つめの材料の1回に必要な重量を表示します");
    cmbData[8] = list("２つ目の材料の作業名を選択してください");
    txtData[11] = field("2つ目の材料のレベルを表示します");
    cmbData[18] = list("２つ目の材料の選択をしてください");
    txtData[8] = field("２つ目の材料の必要な量を入力してください");
    txtData[18] = field("２つめの材料の1回に必要な重量を表示します");
    cmbData[9] = list("３つ目の材料の作業名を選択してください");
    txtData[12] = field("３つ目の材料のレベルを表示します");
    cmbData[19] = list("３つ目の材料の選択をしてください");
    txtData[9] = field("３つ目の材料の必要な量を入力してください");
    txtData[19] = field("３つめの材料の1回に必要な重量を表示します");
    lblWeight[1] = label("現在重量", "キャラの現在の重量を入力します");
    txtWeight[1] = field("キャラの現在の重量を入力してください");
    txtWeight[1]->setText(QStringLiteral("0"));
    lblWeight[2] = label("最大重量", "キャラの最大重量を入力します");
    txtWeight[2] = field("キャラの最大重量を入力してください");
    txtWeight[2]->setText(QStringLiteral("1000"));
    txtData[0] = field("材料の合計重量を表示します");

    fraWet = new QGroupBox(f);
    optWet[0] = new QRadioButton(QStringLiteral("材料"), fraWet);
    optWet[0]->setToolTip(
        QStringLiteral("生産品の採取場所・材料毎に持てる数と作成回数の表示します"));
    optWet[1] = new QRadioButton(QStringLiteral("生産品"), fraWet);
    optWet[1]->setToolTip(QStringLiteral("生産品を一度に持てる数と薬・料理の効果を表示します"));
    optWet[0]->setChecked(true);

    frmGuild = new QGroupBox(f);
    QWidget* g = frmGuild;
    optGP[1] = new QRadioButton(QStringLiteral("ギルド"), g);
    optGP[1]->setToolTip(QStringLiteral("作業ギルドの情報を表示します"));
    optGP[2] = new QRadioButton(QStringLiteral("習得"), g);
    optGP[2]->setToolTip(QStringLiteral("作業の習得方法の情報を表示します"));
    auto glabel = [g](const char* text, const char* tip) {
        auto* l = new QLabel(QString::fromUtf8(text), g);
        l->setToolTip(QString::fromUtf8(tip));
        return l;
    };
    auto gfield = [g](const char* tip) {
        auto* e = new QLineEdit(g);
        e->setToolTip(QString::fromUtf8(tip));
        return e;
    };
    lblGuild[1] = glabel("場所", "作業ギルドやその作業習得する場所を選択します");
    cmbGuild = newList(g);
    cmbGuild->setToolTip(QStringLiteral("作業ギルドやその作業習得する場所を選択します"));
    lblGuild[2] = glabel("建物", "その作業に関する人がいる場所が表示されます");
    txtGuild[2] = gfield("その作業に関する人がいる場所が表示されます");
    lblGuild[3] = glabel("人物", "その作業に関する人物の名前が表示されます");
    txtGuild[3] = gfield("その作業の人物が表示されます");
    lblGuild[4] = glabel("条件", "その作業に関する人物の名前が表示されます");
    txtGuild[4] = gfield("その作業の習得に必要な材料を表示します");

    // Not locked: the user may add notes to the text until the next rebuild.
    txtST = new QPlainTextEdit(f);
    txtST->setFont(resultFont(txtST->font()));

    for (QLineEdit* e : {txtData[0], txtData[2], txtData[17], txtData[18], txtData[19], txtGuild[2],
                         txtGuild[3], txtGuild[4]})
        e->setReadOnly(true);
    // Display fields are skipped when moving on.
    for (QWidget* w : {static_cast<QWidget*>(txtData[0]), static_cast<QWidget*>(txtData[2]),
                       static_cast<QWidget*>(txtData[10]), static_cast<QWidget*>(txtData[11]),
                       static_cast<QWidget*>(txtData[12]), static_cast<QWidget*>(txtData[17]),
                       static_cast<QWidget*>(txtData[18]), static_cast<QWidget*>(txtData[19]),
                       static_cast<QWidget*>(txtGuild[2]), static_cast<QWidget*>(txtGuild[3]),
                       static_cast<QWidget*>(txtGuild[4]), static_cast<QWidget*>(txtST)})
        w->setFocusPolicy(Qt::ClickFocus);

    // Hidden material rows and the condition line keep their place, so nothing jumps.
    for (int k = 1; k <= 3; ++k)
        for (QWidget* w :
             {static_cast<QWidget*>(cmbData[6 + k]), static_cast<QWidget*>(txtData[9 + k]),
              static_cast<QWidget*>(cmbData[16 + k]), static_cast<QWidget*>(txtData[6 + k]),
              static_cast<QWidget*>(txtData[16 + k])})
            keepSpaceWhenHidden(w);
    keepSpaceWhenHidden(lblGuild[4]);
    keepSpaceWhenHidden(txtGuild[4]);

    // Short number fields: three digits, five for the weights.
    for (int k = 1; k <= 3; ++k)
        cmbData[6 + k]->setMinimumContentsLength(6);  // ハーブ採り fits
    for (int i : {3, 4, 5, 6, 7, 8, 9, 10, 11, 12})
        txtData[i]->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12);
    for (int i : {0, 2, 17, 18, 19})
        txtData[i]->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                                    12);
    for (int i : {1, 2})
        txtWeight[i]->setMaximumWidth(fontMetrics().horizontalAdvance(QStringLiteral("0000000")) +
                                      12);
}

void ProductWindow::buildLayout() {
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(4, 4, 4, 4);
    outer->addWidget(fraData);

    auto* main = new QVBoxLayout(fraData);
    main->setContentsMargins(6, 6, 6, 6);
    main->setSpacing(6);

    // Work and product lines, text-mode options to their right.
    auto* top = new QGridLayout;
    top->addWidget(lblData[1], 0, 0);
    top->addWidget(cmbData[6], 0, 1);
    top->addWidget(lblData[2], 1, 0);
    top->addWidget(cmbData[16], 1, 1);
    auto* wet = new QVBoxLayout(fraWet);
    wet->setContentsMargins(6, 2, 6, 2);
    wet->addWidget(optWet[0]);
    wet->addWidget(optWet[1]);
    top->addWidget(fraWet, 0, 2, 2, 1);
    top->setColumnStretch(1, 1);
    main->addLayout(top);

    // Product numbers on the left, guild panel on the right.
    auto* middle = new QHBoxLayout;
    auto* numbers = new QGridLayout;
    const std::array<std::pair<QLabel*, QLineEdit*>, 5> lines{{{lblData[3], txtData[3]},
                                                               {lblData[4], txtData[4]},
                                                               {lblData[5], txtData[5]},
                                                               {lblData[10], txtData[2]},
                                                               {lblData[6], txtData[6]}}};
    for (int i = 0; i < int(lines.size()); ++i) {
        numbers->addWidget(lines[size_t(i)].first, i, 0);
        numbers->addWidget(lines[size_t(i)].second, i, 1);
    }
    numbers->setRowStretch(int(lines.size()), 1);
    middle->addLayout(numbers);
    auto* guild = new QGridLayout(frmGuild);
    guild->setContentsMargins(6, 4, 6, 4);
    auto* modes = new QHBoxLayout;
    modes->addWidget(optGP[1]);
    modes->addWidget(optGP[2]);
    modes->addStretch(1);
    guild->addLayout(modes, 0, 0, 1, 2);
    guild->addWidget(lblGuild[1], 1, 0);
    guild->addWidget(cmbGuild, 1, 1);
    for (int i = 2; i <= 4; ++i) {
        guild->addWidget(lblGuild[i], i, 0);
        guild->addWidget(txtGuild[i], i, 1);
    }
    guild->setColumnStretch(1, 1);
    middle->addWidget(frmGuild, 1);
    main->addLayout(middle);

    // Materials table: work, level, material, amount, weight per run.
    auto* mats = new QGridLayout;
    mats->setHorizontalSpacing(4);
    mats->addWidget(lblData[7], 0, 0, 1, 3);
    mats->addWidget(lblData[8], 0, 3);
    mats->addWidget(lblData[9], 0, 4);
    for (int k = 1; k <= 3; ++k) {
        mats->addWidget(cmbData[6 + k], k, 0);
        mats->addWidget(txtData[9 + k], k, 1);
        mats->addWidget(cmbData[16 + k], k, 2);
        mats->addWidget(txtData[6 + k], k, 3);
        mats->addWidget(txtData[16 + k], k, 4);
    }
    // Work names are short; the material names take the room so that a long one shows whole.
    mats->setColumnStretch(2, 1);
    main->addLayout(mats);

    // Current, maximum and total weight.
    auto* weights = new QHBoxLayout;
    weights->addWidget(lblWeight[1]);
    weights->addWidget(txtWeight[1]);
    weights->addSpacing(8);
    weights->addWidget(lblWeight[2]);
    weights->addWidget(txtWeight[2]);
    weights->addStretch(1);
    weights->addWidget(txtData[0]);
    main->addLayout(weights);

    main->addWidget(txtST, 1);
}

void ProductWindow::buildTabOrder() {
    const QList<QWidget*> order{
        cmbData[6],  cmbData[16],  txtData[3],   txtData[4],  txtData[5],  txtData[2],  txtData[6],
        cmbData[7],  txtData[10],  cmbData[17],  txtData[7],  txtData[17], cmbData[8],  txtData[11],
        cmbData[18], txtData[8],   txtData[18],  cmbData[9],  txtData[12], cmbData[19], txtData[9],
        txtData[19], txtWeight[1], txtWeight[2], txtData[0],  optWet[0],   optWet[1],   optGP[1],
        optGP[2],    cmbGuild,     txtGuild[2],  txtGuild[3], txtGuild[4], txtST};
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
    for (int i : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 18, 19}) {
        QLineEdit* e = txtData[size_t(i)];
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
    for (int i : {1, 2}) {
        QLineEdit* e = txtWeight[size_t(i)];
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
    for (int i : {6, 7, 8, 9, 16, 17, 18, 19}) {
        QComboBox* c = cmbData[size_t(i)];
        const bool typable = i == 16;
        KeyFilter::install(c, [c, typable](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                focusNextControl(c);
            } else if (!typable) {
                code = 0;
            }
        });
    }
    for (QRadioButton* o : optWet) {
        KeyFilter::install(o, [this, o](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                refreshInfo();
                focusNextControl(o);
            }
        });
    }
    for (QWidget* w : {static_cast<QWidget*>(optGP[1]), static_cast<QWidget*>(optGP[2]),
                       static_cast<QWidget*>(cmbGuild)}) {
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

int ProductWindow::workPos() const {
    return listPos(cmbData[6]);
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
    refillList(cmbData[6], works);

    QStringList matWorks;
    for (int s = 1; s <= 12; ++s)
        if (s != 7 && s != 8)
            matWorks << data_.products.sectionName(s);
    matWorks << data_.products.sectionName(32);
    for (int k = 1; k <= 3; ++k)
        refillList(cmbData[6 + k], matWorks);
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
    connect(cmbData[6], &QComboBox::activated, this, [this] { onWorkChosen(); });
    connect(cmbData[16], &QComboBox::activated, this, [this] { onProductChosen(); });
    for (int k = 1; k <= 3; ++k) {
        connect(cmbData[6 + k], &QComboBox::activated, this,
                [this, k] { onMaterialWorkChosen(k); });
        connect(cmbData[16 + k], &QComboBox::activated, this, [this, k] { onMaterialChosen(k); });
        // A chosen material name shows from its start, as a list shows its entries.
        QComboBox* name = cmbData[16 + k];
        connect(name, &QComboBox::currentIndexChanged, this, [name] {
            if (name->lineEdit())
                name->lineEdit()->setCursorPosition(0);
        });
    }
    connect(cmbGuild, &QComboBox::activated, this, [this] { onGuildPlaceChosen(); });
    for (int i : {1, 2})
        connect(optGP[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { onGuildModeClicked(i); });
    for (QRadioButton* o : optWet)
        connect(o, &QRadioButton::clicked, this, [this] { refreshInfo(); });
}

void ProductWindow::onWorkChosen() {
    txtST->clear();
    unknownMaterial_ = false;
    const int v = workPos() + 1;
    optWet[0]->setText(v <= Section::LastGathering ? QStringLiteral("採取場所")
                                                   : QStringLiteral("材料"));
    const int w = workSection();

    QStringList products{kUnknown};
    for (int r = 1; r <= kProductRows; ++r) {
        const QString first = data_.products.at(w, ProductColumn::Name, r);
        if (first.isEmpty())
            break;
        products << productName(first);
    }
    refillList(cmbData[16], products);

    for (int i : {7, 8, 9, 17, 18, 19})
        emptyEdit(cmbData[size_t(i)]);
    for (int i : {0, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 17, 18, 19})
        txtData[size_t(i)]->clear();
    fillGuildPlaces();
}

void ProductWindow::onMaterialWorkChosen(int k) {
    txtData[9 + k]->clear();
    const int v = listPos(cmbData[6 + k]) + 1;
    const int s = v == 11 ? 32 : (v >= 7 && v <= 10 ? v + 2 : v);
    QStringList names;
    for (int r = 1; r <= kMaterialRows; ++r) {
        const QString first = data_.products.at(s, ProductColumn::Name, r);
        if (first.isEmpty())
            break;
        names << productName(first);
    }
    refillList(cmbData[16 + k], names);
}

void ProductWindow::onMaterialChosen(int k) {
    const int p = listPos(cmbData[16 + k]);
    if (p < 0)
        return;
    const auto level = intPart(productField(data_.products, cmbData[16 + k]->itemText(p),
                                            ProductColumn::Name, necklaceSection_)
                                   .left(3));
    if (level)
        txtData[9 + k]->setText(numText(*level));
}

// ---- product choice --------------------------------------------------------------------

void ProductWindow::onProductChosen() {
    const int s = workSection();
    const int p = listPos(cmbData[16]);
    const ProductTable& md = data_.products;
    if (p != 0) {
        auto put = [](QLineEdit* e, const std::optional<qint64>& v) {
            if (v)
                e->setText(numText(*v));
        };
        put(txtData[3], intPart(md.at(s, ProductColumn::Name, p).left(3)));
        put(txtData[4], intPart(md.at(s, ProductColumn::ExpAndSteps, p).left(3)));
        put(txtData[5], intPart(md.at(s, ProductColumn::ExpAndSteps, p).right(2)));
        put(txtData[6], intPart(md.at(s, ProductColumn::Weight, p)));
    } else {
        for (int i = 2; i <= 6; ++i)
            txtData[size_t(i)]->clear();
    }

    QString list;
    if (cmbData[16]->currentText() == kUnknown) {
        list = kNoMaterials;
        for (int i = 3; i <= 6; ++i)
            txtData[size_t(i)]->setText(QStringLiteral("0"));
    } else {
        list = md.at(s, ProductColumn::SetMaterials, p);
    }

    bool done = false;
    unknownMaterial_ = false;
    for (int k = 1; k <= 3; ++k) {
        const std::array<QWidget*, 5> row{cmbData[6 + k], cmbData[16 + k], txtData[6 + k],
                                          txtData[16 + k], txtData[9 + k]};
        // Nothing of the previous product may stay in a row.
        emptyMaterialRow(k);
        // A row shows only what it could be filled with; the "？？？" rows stay open for
        // typing.
        const bool shown =
            !done && (fillMaterialRow(k, list, done) || cmbData[16]->currentText() == kUnknown);
        if (!shown)
            emptyMaterialRow(k);
        for (QWidget* w : row)
            w->setVisible(shown);
    }

    for (int k = 1; k <= 3; ++k) {
        const QString amount = txtData[6 + k]->text();
        if (amount.isEmpty() || !isNumber(amount))
            continue;
        const auto total = intOf(txtData[0]);
        const auto weight = intOf(txtData[16 + k]);
        if (total && weight)
            txtData[0]->setText(numOrEmpty(checkedAdd(*total, *weight)));
    }
    // Without the weight of every material there is no total to show.
    if (unknownMaterial_)
        txtData[0]->clear();

    if (!txtData[4]->text().isEmpty() || !txtData[5]->text().isEmpty()) {
        const auto runs = intOf(txtData[5]);
        const auto exp = intOf(txtData[4]);
        if (runs && exp)
            txtData[2]->setText(numOrEmpty(checkedMul(*runs, *exp)));
    }
    refreshInfo();
}

void ProductWindow::emptyMaterialRow(int k) {
    emptyEdit(cmbData[6 + k]);
    refillList(cmbData[16 + k], {});
    emptyEdit(cmbData[16 + k]);
    for (QLineEdit* e : {txtData[6 + k], txtData[9 + k], txtData[16 + k]})
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
        txtData[0]->setText(QStringLiteral("0"));

    if (const auto amount = intPart(entry.left(2)))
        txtData[6 + k]->setText(numText(*amount));
    const QString name = entry.mid(2);
    const auto found = findMaterial(name);
    if (!found) {
        // "00" names no material; "？？？" is the placeholder of the unknown product.
        unknownMaterial_ = unknownMaterial_ || (!name.isEmpty() && name != kUnknown);
        return false;
    }
    const ProductTable& md = data_.products;
    const auto weight = intPart(md.at(found->first, ProductColumn::Weight, found->second));
    const auto amount = intOf(txtData[6 + k]);
    if (weight && amount)
        txtData[16 + k]->setText(numOrEmpty(checkedMul(*weight, *amount)));

    const QString pos = materialProductPosition(name);
    if (const auto s2 = intPart(pos.left(2))) {
        const int index = *s2 == 32 ? 10 : (*s2 > 8 ? int(*s2) - 3 : int(*s2) - 1);
        chooseIfExists(cmbData[6 + k], index);
        if (const auto r = intPart(pos.right(2)))
            chooseIfExists(cmbData[16 + k], int(*r) - 1);
    } else {
        // Found outside the material works (the viewer's section 29): the row names the
        // work and the material it was found in, without lists to choose from.
        cmbData[6 + k]->setEditText(md.sectionName(found->first));
        cmbData[16 + k]->setEditText(name);
    }
    if (const auto level = intPart(md.at(found->first, ProductColumn::Name, found->second).left(3)))
        txtData[9 + k]->setText(numText(*level));
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
    window->choosePlan(workPos() >= 0 ? workSection() : 0, listPos(cmbData[16]), QString());
    window->show();
    window->raise();
    window->activateWindow();
}

void ProductWindow::updateTotalExp() {
    const auto runs = intOf(txtData[5]);
    const auto exp = intOf(txtData[4]);
    if (runs && exp)
        txtData[2]->setText(numOrEmpty(checkedMul(*runs, *exp)));
}

void ProductWindow::refreshInfo() {
    if (optWet[0]->isChecked())
        showMaterialInfo();
    else
        showProductInfo();
}

// ---- information text ------------------------------------------------------------------

void ProductWindow::showMaterialInfo() {
    txtST->clear();
    const int pos = workPos();
    if (pos <= 5) {
        showGatheringPlaces();
        return;
    }
    const QString product = cmbData[16]->currentText();
    const auto current = intOf(txtWeight[1]);
    const auto maximum = intOf(txtWeight[2]);
    const auto total = intOf(txtData[0]);
    // A material found nowhere has no weight: the runs cannot be counted.
    if (product.isEmpty() || !current || !maximum || cmbData[17]->currentText() == kUnknown ||
        !total || *total == 0 || unknownMaterial_)
        return;

    // A result beyond 64 bits leaves the text empty.
    const auto freeWeight = checkedSub(*maximum, *current);
    const auto fit = freeWeight ? floorDiv(*freeWeight, *total) : std::nullopt;
    if (!fit)
        return;
    const qint64 free = *freeWeight;
    const qint64 w = *total;
    qint64 runs = *fit;
    if (pos > 11) {
        int materials = 0;
        while (materials < 3 && !cmbData[17 + materials]->currentText().isEmpty())
            ++materials;
        if (runs >= kCarryCap)
            runs = std::min(kCarryCap, kCarryCap + 1 - materials);
    }

    QString text;
    for (int k = 1; k <= 3; ++k) {
        const QString material = cmbData[16 + k]->currentText();
        if (material.isEmpty())
            break;
        const QString f =
            productField(data_.products, material, ProductColumn::Name, necklaceSection_);
        const QString work = cmbData[6 + k]->currentText();
        const auto amount = intOf(txtData[6 + k]);
        if (!amount) {
            txtST->setPlainText(text);
            return;
        }
        const auto pieces = checkedMul(*amount, runs);
        if (!pieces)
            return;
        text += work + QString(std::max(0, 11 - textBytes(work)), QLatin1Char(' ')) + f.left(3) +
                QStringLiteral(" の ") + f.mid(4) + QStringLiteral(" を ") + numText(*pieces) +
                QLatin1Char('\n');
    }
    text += product + QStringLiteral(" を ") + numText(runs) + QStringLiteral(" 回分作れます");
    const auto exp = intOf(txtData[2]);
    if (exp) {
        const auto runExp = checkedMul(*exp, runs);
        const auto used = checkedMul(w, runs);
        const auto left = used ? checkedSub(free, *used) : std::nullopt;
        if (!runExp || !left)
            return;
        text += QLatin1Char('\n') + product + QStringLiteral(" を ") + numText(runs) +
                QStringLiteral(" 回分の経験値 ") + numText(*runExp);
        text += QStringLiteral("\n残り重量は ") + numText(*left) + QStringLiteral(" です");
    }
    txtST->setPlainText(text);
}

void ProductWindow::showGatheringPlaces() {
    const int p = listPos(cmbData[16]);
    if (cmbData[16]->currentText().isEmpty() || p < 0)
        return;
    QString places = data_.products.at(workPos() + 1, ProductColumn::Extra, p);
    txtST->setPlainText(places.replace(kComma, QLatin1Char('\n')));
}

void ProductWindow::showProductInfo() {
    txtST->clear();
    const QString product = cmbData[16]->currentText();
    const auto piece = intOf(txtData[6]);
    const auto current = intOf(txtWeight[1]);
    const auto maximum = intOf(txtWeight[2]);
    if (product.isEmpty() || !piece || !current || !maximum)
        return;
    // A result beyond 64 bits leaves the text empty.
    const auto freeWeight = checkedSub(*maximum, *current);
    if (!freeWeight)
        return;
    const qint64 free = *freeWeight;
    const qint64 g = *piece;
    const auto fit = g != 0 ? floorDiv(free, g) : std::optional<qint64>(0);
    if (!fit)
        return;
    qint64 count = *fit;
    if (cmbData[17]->currentText() == kUnknown && g == 0)
        return;
    const int pos = workPos();
    if (pos > 11 && count >= kCarryCap)
        count = kCarryCap;

    const auto used = checkedMul(g, count);
    const auto left = used ? checkedSub(free, *used) : std::nullopt;
    if (!left)
        return;
    QString text = product + QStringLiteral(" を ") + numText(count) + QStringLiteral(" 持てます") +
                   QStringLiteral("\n残り重量は ") + numText(*left) + QStringLiteral(" です");

    const int p = listPos(cmbData[16]);
    if ((pos == 6 || pos == 7) && p >= 0) {
        const QString label =
            pos == 6 ? QStringLiteral("  薬物強度:") : QStringLiteral("  腹持ち度:");
        QString effects = data_.products.at(workSection(), ProductColumn::Extra, p);
        const bool strengthOnly = !effects.contains(kComma) && isNumber(effects);
        QString part;
        bool readable = true;
        for (int n = 1; effects.contains(kComma); ++n) {
            const qsizetype comma = effects.indexOf(kComma);
            const QString item = effects.left(comma);
            if (n == 1) {
                const auto strength = intPart(item);
                if (!strength) {
                    readable = false;  // no strength: no effects at all
                    break;
                }
                if (*strength != 0)
                    part += QLatin1Char('\n') + label + numText(*strength);
            } else if (isNumber(item)) {
                part += item;
            } else {
                part += QStringLiteral("\n  ") + item + QLatin1Char(':');
            }
            effects = trimLeadingBlanks(effects.mid(comma + 1));
        }
        if (readable && strengthOnly) {
            // The strength alone: its own line with its label, none for 0.
            const auto strength = intPart(effects);
            if (strength && *strength != 0)
                text += QLatin1Char('\n') + label + numText(*strength);
        } else if (readable) {
            if (!isNumber(effects))
                part += QStringLiteral("\n  ");
            text += part + effects;
        }
    }
    txtST->setPlainText(text);
}

// ---- guild panel -----------------------------------------------------------------------

void ProductWindow::onGuildModeClicked(int index) {
    lblGuild[4]->setVisible(index == 2);
    txtGuild[4]->setVisible(index == 2);
    for (int i = 2; i <= 4; ++i)
        txtGuild[size_t(i)]->clear();
    fillGuildPlaces();
}

void ProductWindow::fillGuildPlaces() {
    const QString work = cmbData[6]->currentText();
    const GuildTable& gd = data_.guilds;
    // Each place keeps the building and person (and, for learning, the condition) of the
    // section it was read from, so it shows its own whichever section listed it.
    QStringList places;
    QStringList details;
    QStringList conditions;
    const bool guildMode = optGP[1]->isChecked();
    for (int g = 1; g <= 31; ++g) {
        if (gd.nameLine(g).mid(4) != work)
            continue;
        if (guildMode) {
            const QString entry = gd.guildPlace(g);
            if (entry.isEmpty())
                break;
            places << trimLeadingBlanks(beforeDot(entry));
            details << afterDot(entry);
            conditions << QString();
        } else {
            for (int j = 1; j <= 3; ++j) {
                const QString entry = gd.learningPlace(g, j);
                if (entry.isEmpty())
                    break;
                places << trimLeadingBlanks(beforeDot(entry));
                details << afterDot(entry);
                conditions << gd.learningCondition(g);
            }
        }
    }
    refillList(cmbGuild, places);
    for (int i = 0; i < cmbGuild->count(); ++i) {
        cmbGuild->setItemData(i, details.at(i), kDetailRole);
        cmbGuild->setItemData(i, conditions.at(i), kConditionRole);
    }
    // Nothing of the work before stays when this one has no place to choose.
    guildPlaceDetail.clear();
    for (int i = 2; i <= 4; ++i)
        txtGuild[size_t(i)]->clear();
    if (!work.isEmpty() && cmbGuild->count() > 0)
        chooseEntry(cmbGuild, 0);
}

void ProductWindow::onGuildPlaceChosen() {
    const int c = listPos(cmbGuild);
    if (c < 0)
        return;
    const QString rest = cmbGuild->itemData(c, kDetailRole).toString();
    guildPlaceDetail = rest;
    if (optGP[2]->isChecked())
        txtGuild[4]->setText(cmbGuild->itemData(c, kConditionRole).toString());
    // "building.person"; a text without a dot is the building alone.
    txtGuild[2]->setText(beforeDot(rest));
    txtGuild[3]->setText(afterDot(rest));
}

}  // namespace wm
