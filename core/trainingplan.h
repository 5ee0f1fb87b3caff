#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "appdata.h"
#include "levelcalc.h"
#include "materialtree.h"
#include "tables.h"

namespace wm {

// What a training plan makes as small as it can.
enum class PlanObjective {
    Runs,    // 回数最少
    Steps,   // 工程最少
    Weight,  // 材料重量最少: the gathered materials of the whole plan
};

// One product of the work as the planner sees it.
struct PlanProduct {
    int row = 0;
    QString name;
    int level = 0;         // 必要Lv: the first three characters of its line
    qint64 runExp = 0;     // 1回分のEXP: experience of one step times the steps
    qint64 steps = 0;      // 作業工程 of one run
    qint64 runWeight = 0;  // the gathered materials of one run, as 材料の内訳 counts them
    QString weightError;   // not empty when 材料の内訳 refuses one run; runWeight is 0 then
    // The tree of one run: n runs take n times each, as every count of the tree is per run.
    std::vector<LeafTotal> runLeaves;
    std::vector<WorkExp> runWorks;
    bool used = true;  // 使う
};

// The products of a section, rows 1..80 up to the first empty one.
std::vector<PlanProduct> planProducts(const ProductTable& data, int section);

// Where the plan starts and ends: reach[k] is the experience from the start that level
// startLevel + k + 1 needs, so the last entry is the whole need.
struct PlanLevels {
    int startLevel = 1;
    std::vector<qint64> reach;
    int targetLevel() const { return startLevel + int(reach.size()); }
    qint64 need() const { return reach.empty() ? 0 : reach.back(); }
    // The level reached with `exp` experience from the start.
    int levelAt(qint64 exp) const;
};
// The levels of checked level fields, by the same table entries 計算開始 adds up.
PlanLevels planLevels(const AppData& d, const LevelCheck& check);

// A run of one product, repeated: the plan makes `runs` of products[product] in a row.
struct PlanStage {
    int product = 0;  // index into the products given to the planner
    int fromLevel = 0;
    int toLevel = 0;
    qint64 runs = 0;
    qint64 exp = 0;
};

struct TrainingPlan {
    QString error;  // not empty when no plan can be made; nothing else is filled then
    std::vector<PlanStage> stages;
    qint64 runs = 0;
    qint64 steps = 0;
    qint64 exp = 0;
    qint64 beyond = 0;  // experience past the target
    qint64 weight = 0;  // gathered materials of the whole plan
    // False when the plan is the heuristic's (steps or weight at a scale no exact search
    // fits); lowerBound then bounds the best cost from below.
    bool exact = true;
    qint64 lowerBound = 0;
};

// The cheapest order of runs from the start to the target level. The fewest runs is always
// exact; the fewest steps or weight is exact unless the need is too large to search every
// experience value, where the cheapest experience per cost is followed and the last stretch
// searched exactly.
// exactVisits bounds the exact search: experience values times usable products.
inline constexpr qint64 kPlanExactVisits = 500'000;
TrainingPlan planTraining(const std::vector<PlanProduct>& products, const PlanLevels& levels,
                          PlanObjective objective, qint64 exactVisits = kPlanExactVisits);

// The cost of a run under an objective.
qint64 runCost(const PlanProduct& product, PlanObjective objective);

// The runs one product alone needs from the start to the target, ignoring its level.
std::optional<qint64> runsAlone(const PlanProduct& product, qint64 need);

// Everything the plan consumes, by the rules of 材料の内訳.
struct PlanMaterials {
    QString error;
    std::vector<LeafTotal> leaves;
    qint64 weight = 0;
    std::vector<WorkExp> works;
};
PlanMaterials planMaterials(const std::vector<PlanProduct>& products, const TrainingPlan& plan);

// Tab-separated texts, lines ended by "\n".
QStringList planProductHeaders();
QStringList planProductColumns(const PlanProduct& product, const PlanLevels& levels);
QString planProductsText(const std::vector<PlanProduct>& products, const PlanLevels& levels);
QStringList planStageHeaders();
QString planText(const QString& work, const std::vector<PlanProduct>& products,
                 const PlanLevels& levels, PlanObjective objective, const TrainingPlan& plan,
                 const PlanMaterials& materials);
QString planObjectiveName(PlanObjective objective);

}  // namespace wm
