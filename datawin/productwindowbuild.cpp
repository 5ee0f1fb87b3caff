// The product window's controls: their tips, names, layout and tab order.
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <array>

#include "controls.h"
#include "productwindow.h"
#include "widgets.h"

namespace wm {

namespace {

// The tips of the three material rows, as the window has always shown them.
struct MaterialRowTips {
    const char* work;
    const char* level;
    const char* name;
    const char* count;
    const char* weight;
};
constexpr std::array<MaterialRowTips, 3> kMaterialRowTips{{
    {"１つ目の材料の作業名を選択してください", "１つ目の材料のレベルを表示します",
     "１つ目の材料の選択をしてください", "１つ目の材料の必要な量を入力してください",
     "１つめの材料の1回に必要な重量を表示します"},
    {"２つ目の材料の作業名を選択してください", "2つ目の材料のレベルを表示します",
     "２つ目の材料の選択をしてください", "２つ目の材料の必要な量を入力してください",
     "２つめの材料の1回に必要な重量を表示します"},
    {"３つ目の材料の作業名を選択してください", "３つ目の材料のレベルを表示します",
     "３つ目の材料の選択をしてください", "３つ目の材料の必要な量を入力してください",
     "３つめの材料の1回に必要な重量を表示します"},
}};

}  // namespace

void ProductWindow::buildControls() {
    frame_ = makeFrame(this);
    QWidget* f = frame_;

    // Controls with their tips, in the frame or in the guild panel.
    auto labelIn = [](QWidget* parent, const char* text, const char* tip) {
        return makeLabel(parent, QString::fromUtf8(text), QString::fromUtf8(tip));
    };
    auto fieldIn = [](QWidget* parent, const char* tip) {
        return makeBox(parent, QString::fromUtf8(tip));
    };
    // Names are typed to find them in the list, but only choosing one is a choice.
    auto listIn = [](QWidget* parent, const char* tip) {
        QComboBox* c = makeTypingList(parent, QString::fromUtf8(tip));
        typingNeverChooses(c);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        c->setMinimumContentsLength(4);
        c->setMaxVisibleItems(20);
        return c;
    };
    auto label = [&](const char* text, const char* tip) { return labelIn(f, text, tip); };
    auto field = [&](const char* tip) { return fieldIn(f, tip); };
    auto list = [&](const char* tip) { return listIn(f, tip); };

    captions_.work = label("作業名", "作業名を選択します");
    workList_ = list("作業名を選択してください");
    captions_.product = label("生産品", "生産品の名前を選択または入力します");
    productList_ = list("生産品の選択、または入力してください");
    captions_.level = label("生産Ｌｖ", "生産品の生産可能Ｌｖを入力します");
    levelBox_ = field("生産Ｌｖを入力してください");
    captions_.exp = label("経験値", "成功１回の経験値を入力します");
    expBox_ = field("成功１回の取得経験値を入力してください");
    captions_.runs = label("回数", "生産品が完成するまでの回数を入力します");
    runsBox_ = field("生産品完成までに必要な回数を入力してください");
    captions_.totalExp = label("合計値", "生産品の経験値の合計値が表示されます");
    totalExpBox_ = field("生産品の経験値の合計値を表示します");
    captions_.weight = label("重量", "生産品の重量を入力します");
    weightBox_ = field("生産品の重量を入力してください");
    captions_.materials = label("材料", "生産品に必要な材料を選択します");
    captions_.count = label("数量", "生産品に必要な数を入力します");
    captions_.materialWeight = label("重量", "生産品に必要な数を入力します");
    for (size_t k = 0; k < materials_.size(); ++k) {
        const MaterialRowTips& tips = kMaterialRowTips[k];
        MaterialRow& row = materials_[k];
        row.workList = list(tips.work);
        row.levelBox = field(tips.level);
        row.nameList = list(tips.name);
        row.countBox = field(tips.count);
        row.weightBox = field(tips.weight);
    }
    captions_.currentWeight = label("現在重量", "キャラの現在の重量を入力します");
    weights_.current = field("キャラの現在の重量を入力してください");
    weights_.current->setText(QStringLiteral("0"));
    captions_.maximumWeight = label("最大重量", "キャラの最大重量を入力します");
    weights_.maximum = field("キャラの最大重量を入力してください");
    weights_.maximum->setText(QStringLiteral("1000"));
    weights_.total = field("材料の合計重量を表示します");

    modeFrame_ = makeFrame(f);
    modes_.materials =
        makeOption(modeFrame_, QStringLiteral("材料"),
                   QStringLiteral("生産品の採取場所・材料毎に持てる数と作成回数の表示します"));
    modes_.products =
        makeOption(modeFrame_, QStringLiteral("生産品"),
                   QStringLiteral("生産品を一度に持てる数と薬・料理の効果を表示します"));
    modes_.materials->setChecked(true);

    guildFrame_ = makeFrame(f);
    QWidget* g = guildFrame_;
    guildPanel_.guildOption =
        makeOption(g, QStringLiteral("ギルド"), QStringLiteral("作業ギルドの情報を表示します"));
    guildPanel_.learningOption =
        makeOption(g, QStringLiteral("習得"), QStringLiteral("作業の習得方法の情報を表示します"));
    auto glabel = [&](const char* text, const char* tip) { return labelIn(g, text, tip); };
    auto gfield = [&](const char* tip) { return fieldIn(g, tip); };
    captions_.place = glabel("場所", "作業ギルドやその作業習得する場所を選択します");
    guildPanel_.placeList = listIn(g, "作業ギルドやその作業習得する場所を選択します");
    captions_.building = glabel("建物", "その作業に関する人がいる場所が表示されます");
    guildPanel_.building = gfield("その作業に関する人がいる場所が表示されます");
    captions_.person = glabel("人物", "その作業に関する人物の名前が表示されます");
    guildPanel_.person = gfield("その作業の人物が表示されます");
    guildPanel_.conditionCaption = glabel("条件", "その作業に関する人物の名前が表示されます");
    guildPanel_.condition = gfield("その作業の習得に必要な材料を表示します");

    // Not locked: the user may add notes to the text until the next rebuild.
    infoBox_ = new QPlainTextEdit(f);
    infoBox_->setFont(resultFont(infoBox_->font()));
    // Six lines without scrolling: the two carry lines, a medicine's strength and three effects.
    // (A laid-out line is a little taller than the font's line spacing.)
    infoBox_->setMinimumHeight((infoBox_->fontMetrics().lineSpacing() + 1) * 6 +
                               2 * infoBox_->frameWidth() +
                               2 * int(infoBox_->document()->documentMargin()) + 4);

    QList<QLineEdit*> readOnly{weights_.total, totalExpBox_, guildPanel_.building,
                               guildPanel_.person, guildPanel_.condition};
    for (const MaterialRow& row : materials_)
        readOnly << row.weightBox;
    for (QLineEdit* e : readOnly)
        e->setReadOnly(true);
    // Display fields are skipped when moving on: the read-only ones, the material levels and
    // the information text.
    QList<QWidget*> displays(readOnly.begin(), readOnly.end());
    for (const MaterialRow& row : materials_)
        displays << row.levelBox;
    displays << infoBox_;
    for (QWidget* w : displays)
        w->setFocusPolicy(Qt::ClickFocus);

    // Hidden material rows and the condition line keep their place, so nothing jumps.
    for (const MaterialRow& row : materials_)
        for (QWidget* w : row.widgets())
            keepSpaceWhenHidden(w);
    keepSpaceWhenHidden(guildPanel_.conditionCaption);
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
    for (size_t k = 0; k < materials_.size(); ++k) {
        // The rows are numbered from 1 in their names, as on the window.
        const MaterialRow& row = materials_[k];
        const int number = int(k) + 1;
        name(row.workList, QStringLiteral("materialWorkList%1").arg(number));
        name(row.levelBox, QStringLiteral("materialLevelBox%1").arg(number));
        name(row.nameList, QStringLiteral("materialNameList%1").arg(number));
        name(row.countBox, QStringLiteral("materialCountBox%1").arg(number));
        name(row.weightBox, QStringLiteral("materialWeightBox%1").arg(number));
    }
    name(weights_.current, QStringLiteral("currentWeightBox"));
    name(weights_.maximum, QStringLiteral("maximumWeightBox"));
    name(weights_.total, QStringLiteral("totalWeightBox"));
    name(modes_.materials, QStringLiteral("materialsOption"));
    name(modes_.products, QStringLiteral("productsOption"));
    name(guildPanel_.guildOption, QStringLiteral("guildOption"));
    name(guildPanel_.learningOption, QStringLiteral("learningOption"));
    name(guildPanel_.placeList, QStringLiteral("placeList"));
    name(guildPanel_.building, QStringLiteral("buildingBox"));
    name(guildPanel_.person, QStringLiteral("personBox"));
    name(guildPanel_.conditionCaption, QStringLiteral("conditionCaption"));
    name(guildPanel_.condition, QStringLiteral("conditionBox"));
    name(infoBox_, QStringLiteral("infoBox"));

    // Short number fields: three digits, five for the weights.
    for (const MaterialRow& row : materials_)
        row.workList->setMinimumContentsLength(6);  // ハーブ採り fits
    const int shortWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 12;
    const int longWidth = fontMetrics().horizontalAdvance(QStringLiteral("0000000")) + 12;
    for (QLineEdit* e : {levelBox_, expBox_, runsBox_, weightBox_})
        e->setMaximumWidth(shortWidth);
    // A material name of nine full-width characters (ミスリルインゴット) shows whole.
    const int nameChars = (fontMetrics().horizontalAdvance(QString(9, QChar(0x30A2))) +
                           fontMetrics().horizontalAdvance(QLatin1Char('X')) - 1) /
                          fontMetrics().horizontalAdvance(QLatin1Char('X'));
    for (const MaterialRow& row : materials_) {
        row.nameList->setMinimumContentsLength(nameChars);
        row.countBox->setMaximumWidth(shortWidth);
        row.levelBox->setMaximumWidth(shortWidth);
        row.weightBox->setMaximumWidth(longWidth);
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
    top->addWidget(captions_.work, 0, 0);
    top->addWidget(workList_, 0, 1);
    top->addWidget(captions_.product, 1, 0);
    top->addWidget(productList_, 1, 1);
    auto* modeLayout = new QVBoxLayout(modeFrame_);
    modeLayout->setContentsMargins(6, 2, 6, 2);
    modeLayout->addWidget(modes_.materials);
    modeLayout->addWidget(modes_.products);
    top->addWidget(modeFrame_, 0, 2, 2, 1);
    top->setColumnStretch(1, 1);
    main->addLayout(top);

    // Product numbers on the left, guild panel on the right.
    auto* middle = new QHBoxLayout;
    auto* numbers = new QGridLayout;
    const std::array<std::pair<QLabel*, QLineEdit*>, 5> lines{{{captions_.level, levelBox_},
                                                               {captions_.exp, expBox_},
                                                               {captions_.runs, runsBox_},
                                                               {captions_.totalExp, totalExpBox_},
                                                               {captions_.weight, weightBox_}}};
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
    guild->addWidget(captions_.place, 1, 0);
    guild->addWidget(guildPanel_.placeList, 1, 1);
    guild->addWidget(captions_.building, 2, 0);
    guild->addWidget(guildPanel_.building, 2, 1);
    guild->addWidget(captions_.person, 3, 0);
    guild->addWidget(guildPanel_.person, 3, 1);
    guild->addWidget(guildPanel_.conditionCaption, 4, 0);
    guild->addWidget(guildPanel_.condition, 4, 1);
    guild->setColumnStretch(1, 1);
    middle->addWidget(guildFrame_, 1);
    main->addLayout(middle);

    // Materials table: work, level, material, amount, weight per run.
    auto* mats = new QGridLayout;
    mats->setHorizontalSpacing(4);
    mats->addWidget(captions_.materials, 0, 0, 1, 3);
    mats->addWidget(captions_.count, 0, 3);
    mats->addWidget(captions_.materialWeight, 0, 4);
    for (size_t k = 0; k < materials_.size(); ++k) {
        const int line = int(k) + 1;  // under the column heads
        const auto widgets = materials_[k].widgets();
        for (int column = 0; column < int(widgets.size()); ++column)
            mats->addWidget(widgets[size_t(column)], line, column);
    }
    // Work names are short; the material names take the room so that a long one shows whole.
    mats->setColumnStretch(2, 1);
    main->addLayout(mats);

    // Current, maximum and total weight.
    auto* weightLine = new QHBoxLayout;
    weightLine->addWidget(captions_.currentWeight);
    weightLine->addWidget(weights_.current);
    weightLine->addSpacing(8);
    weightLine->addWidget(captions_.maximumWeight);
    weightLine->addWidget(weights_.maximum);
    weightLine->addStretch(1);
    weightLine->addWidget(weights_.total);
    main->addLayout(weightLine);

    main->addWidget(infoBox_, 1);
}

void ProductWindow::buildTabOrder() {
    QList<QWidget*> order{workList_, productList_, levelBox_, expBox_,
                          runsBox_,  totalExpBox_, weightBox_};
    for (const MaterialRow& row : materials_)
        for (QWidget* w : row.widgets())
            order << w;
    order << QList<QWidget*>{
        weights_.current,           weights_.maximum,      weights_.total,
        modes_.materials,           modes_.products,       guildPanel_.guildOption,
        guildPanel_.learningOption, guildPanel_.placeList, guildPanel_.building,
        guildPanel_.person,         guildPanel_.condition, infoBox_};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace wm
