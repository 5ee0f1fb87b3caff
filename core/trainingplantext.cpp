// The planner's inputs read from the tables, what a plan consumes, and its texts.
#include <QHash>

#include "materialtree.h"
#include "numbers.h"
#include "production.h"
#include "textrules.h"
#include "trainingplan.h"

namespace wm {

namespace {

const QChar kTab(QLatin1Char('\t'));
const QChar kNewline(QLatin1Char('\n'));

}  // namespace

std::vector<PlanProduct> planProducts(const ProductTable& data, int section) {
    std::vector<PlanProduct> products;
    std::vector<std::pair<int, qint64>> oneRun;
    for (int row = 1; row <= ProductTable::kRows; ++row) {
        const QString first = data.at(section, ProductColumn::Name, row);
        if (first.isEmpty())
            break;
        PlanProduct p;
        p.row = row;
        p.name = productName(first);
        const ProductNumbers numbers = productNumbers(data, section, row);
        p.level = int(std::clamp<qint64>(numbers.level.value_or(0), 0, 999));
        p.steps = numbers.steps.value_or(0);
        // Two negative fields would multiply into experience the product never gives.
        const qint64 stepExp = numbers.stepExp.value_or(0);
        p.runExp = stepExp > 0 && p.steps > 0 ? stepExp * p.steps : 0;
        products.push_back(p);
        oneRun.emplace_back(row, 1);
    }
    // The weight of one run is what 材料の内訳 gathers for it.
    const std::vector<MaterialTree> trees = buildMaterialTrees(data, section, oneRun);
    for (size_t i = 0; i < products.size(); ++i) {
        const MaterialTree& tree = trees[i];
        PlanProduct& p = products[i];
        p.runWeight = tree.leafWeight;
        p.weightError = tree.error;
        p.runLeaves = tree.leaves;
        p.runWorks = tree.works;
    }
    return products;
}

PlanLevels planLevels(const AppData& d, const LevelCheck& check) {
    PlanLevels levels;
    levels.startLevel = check.startLevel;
    if (!check.ok)
        return levels;
    qint64 total = 0;
    int level = check.startLevel;
    if (check.remaining) {
        total = *check.remaining;
        levels.reach.push_back(total);
        ++level;
    }
    // checkLevels has added these up already: the sum fits.
    for (; level < check.targetLevelValue; ++level) {
        total += expEntry(d, level);
        // An entry below 0 would lower a level reached before; the plan never goes back.
        levels.reach.push_back(levels.reach.empty() ? std::max<qint64>(total, 0)
                                                    : std::max(total, levels.reach.back()));
    }
    return levels;
}

PlanMaterials planMaterials(const std::vector<PlanProduct>& products, const TrainingPlan& plan) {
    PlanMaterials out;
    QHash<QString, int> leafAt;
    QHash<QString, int> workAt;
    auto refuse = [](const QString& message) { return PlanMaterials{message, {}, 0, {}}; };
    for (const PlanStage& stage : plan.stages) {
        const PlanProduct& product = products[size_t(stage.product)];
        if (!product.weightError.isEmpty())
            return refuse(product.weightError);
        for (const LeafTotal& leaf : product.runLeaves) {
            const QString key = leaf.work + kTab + leaf.name;
            if (!leafAt.contains(key)) {
                leafAt.insert(key, int(out.leaves.size()));
                out.leaves.push_back({leaf.name, leaf.work, 0, 0, leaf.places});
            }
            LeafTotal& total = out.leaves[size_t(leafAt.value(key))];
            const auto pieces = checkedMul(leaf.pieces, stage.runs);
            const auto weight = checkedMul(leaf.weight, stage.runs);
            if (!pieces || !weight || qAddOverflow(total.pieces, *pieces, &total.pieces) ||
                qAddOverflow(total.weight, *weight, &total.weight) ||
                qAddOverflow(out.weight, *weight, &out.weight))
                return refuse(materialCountTooLargeMessage());
        }
        for (const WorkExp& work : product.runWorks) {
            if (!workAt.contains(work.work)) {
                workAt.insert(work.work, int(out.works.size()));
                out.works.push_back({work.section, work.work, 0});
            }
            WorkExp& total = out.works[size_t(workAt.value(work.work))];
            const auto exp = checkedMul(work.exp, stage.runs);
            if (!exp || qAddOverflow(total.exp, *exp, &total.exp))
                return refuse(materialCountTooLargeMessage());
        }
    }
    return out;
}

QString planObjectiveName(PlanObjective objective) {
    switch (objective) {
        case PlanObjective::Steps:
            return QStringLiteral("工程最少");
        case PlanObjective::Weight:
            return QStringLiteral("材料重量最少");
        default:
            return QStringLiteral("回数最少");
    }
}

QStringList planProductHeaders() {
    return {QStringLiteral("使う"),       QStringLiteral("生産品"),   QStringLiteral("必要Lv"),
            QStringLiteral("1回分のEXP"), QStringLiteral("作業工程"), QStringLiteral("材料重量"),
            QStringLiteral("単独の回数"), QStringLiteral("備考")};
}

QStringList planProductColumns(const PlanProduct& product, const PlanLevels& levels) {
    QString note;
    if (product.runExp <= 0)
        note = QStringLiteral("経験値なし");
    else if (product.level >= levels.targetLevel())
        note = QStringLiteral("上限Lvまで作れない");
    else if (product.level > levels.startLevel)
        note = QStringLiteral("途中から作れる");
    const auto alone = runsAlone(product, levels.need());
    return {product.used ? QStringLiteral("○") : QString(),
            product.name,
            numText(product.level),
            numText(product.runExp),
            numText(product.steps),
            product.weightError.isEmpty() ? numText(product.runWeight) : QString(),
            alone ? numText(*alone) : QString(),
            note};
}

QString planProductsText(const std::vector<PlanProduct>& products, const PlanLevels& levels) {
    QStringList lines{tabLine(planProductHeaders())};
    for (const PlanProduct& p : products)
        lines << tabLine(planProductColumns(p, levels));
    return lines.join(kNewline) + kNewline;
}

QStringList planStageHeaders() {
    return {QStringLiteral("開始Lv"), QStringLiteral("到達Lv"), QStringLiteral("生産品"),
            QStringLiteral("回数"), QStringLiteral("経験値")};
}

QString planText(const QString& work, const std::vector<PlanProduct>& products,
                 const PlanLevels& levels, PlanObjective objective, const TrainingPlan& plan,
                 const PlanMaterials& materials) {
    QStringList lines{tabLine({QStringLiteral("育成計画"), work,
                               QStringLiteral("Lv.%1～Lv.%2")
                                   .arg(format000(levels.startLevel))
                                   .arg(format000(levels.targetLevel())),
                               planObjectiveName(objective)}),
                      tabLine(planStageHeaders())};
    for (const PlanStage& s : plan.stages)
        lines << tabLine({numText(s.fromLevel), numText(s.toLevel),
                          products[size_t(s.product)].name, numText(s.runs), numText(s.exp)});
    lines << QString() << tabLine({QStringLiteral("合計回数"), numText(plan.runs)})
          << tabLine({QStringLiteral("合計工程"), numText(plan.steps)})
          << tabLine({QStringLiteral("合計経験値"), numText(plan.exp)})
          << tabLine({QStringLiteral("上限Lvを超える経験値"), numText(plan.beyond)});
    if (!plan.exact)
        lines << tabLine({QStringLiteral("近似の計画(最少の下限)"), numText(plan.lowerBound)});
    lines << QString()
          << tabLine({QStringLiteral("材料の合計"), QStringLiteral("作業"), QStringLiteral("個数"),
                      QStringLiteral("重量"), QStringLiteral("採取場所")});
    for (const LeafTotal& leaf : materials.leaves)
        lines << tabLine({leaf.name, leaf.work, numText(leaf.pieces), numText(leaf.weight),
                          leaf.places.join(QLatin1Char(','))});
    lines << tabLine({QStringLiteral("合計重量"), QString(), QString(), numText(materials.weight)})
          << QString() << tabLine({QStringLiteral("作業ごとの経験値"), QStringLiteral("経験値")});
    for (const WorkExp& w : materials.works)
        lines << tabLine({w.work, numText(w.exp)});
    return lines.join(kNewline) + kNewline;
}

}  // namespace wm
