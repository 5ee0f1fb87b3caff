#include "trainingplan.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "numbers.h"

namespace wm {

namespace {

TrainingPlan refused(const QString& message) {
    TrainingPlan plan;
    plan.error = message;
    return plan;
}

constexpr qint64 kNoCost = std::numeric_limits<qint64>::max();

// A cost with the runs that break its ties: fewer runs first.
struct Cost {
    qint64 cost = kNoCost;
    qint64 runs = 0;
    bool operator<(const Cost& o) const { return cost != o.cost ? cost < o.cost : runs < o.runs; }
};

class Planner {
  public:
    Planner(const std::vector<PlanProduct>& products, const PlanLevels& levels,
            PlanObjective objective, qint64 exactVisits);
    TrainingPlan plan();

  private:
    // The experience from which level `level` is reached; past the need when never.
    qint64 expOfLevel(int level) const;
    // The usable candidates at a level: a prefix of candidates_, which is sorted by level.
    size_t usableAt(int level) const;
    bool better(int a, int b) const;
    // Follows the best product by the greedy order up to `until`; returns where it stopped.
    qint64 greedy(qint64 exp, qint64 until, std::vector<std::pair<int, qint64>>& runs) const;
    // The cheapest runs from `exp` to the need, trying every experience value.
    // With unit 1 exact; a larger unit searches every unit-th value, for a longer stretch.
    bool exact(qint64 exp, qint64 unit, std::vector<std::pair<int, qint64>>& runs) const;
    qint64 lowerBound() const;
    void addStages(const std::vector<std::pair<int, qint64>>& runs, TrainingPlan& plan) const;

    const std::vector<PlanProduct>& products_;
    const PlanLevels& levels_;
    PlanObjective objective_;
    qint64 exactVisits_;
    std::vector<int> candidates_;  // used products that gain experience, by level
};

Planner::Planner(const std::vector<PlanProduct>& products, const PlanLevels& levels,
                 PlanObjective objective, qint64 exactVisits)
    : products_(products), levels_(levels), objective_(objective), exactVisits_(exactVisits) {
    for (int i = 0; i < int(products.size()); ++i) {
        if (products[size_t(i)].used && products[size_t(i)].runExp > 0)
            candidates_.push_back(i);
    }
    std::stable_sort(candidates_.begin(), candidates_.end(), [&](int a, int b) {
        return products_[size_t(a)].level < products_[size_t(b)].level;
    });
}

qint64 Planner::expOfLevel(int level) const {
    if (level <= levels_.startLevel)
        return 0;
    if (level > levels_.targetLevel())
        return kNoCost;
    return levels_.reach[size_t(level - levels_.startLevel - 1)];
}

size_t Planner::usableAt(int level) const {
    size_t n = 0;
    while (n < candidates_.size() && products_[size_t(candidates_[n])].level <= level)
        ++n;
    return n;
}

// The greedy order: the most experience per run for the fewest runs, otherwise the least
// cost per experience; ties go to the bigger run, then the earlier row.
bool Planner::better(int a, int b) const {
    const PlanProduct& p = products_[size_t(a)];
    const PlanProduct& q = products_[size_t(b)];
    if (objective_ != PlanObjective::Runs) {
        const __int128 left = __int128(runCost(p, objective_)) * q.runExp;
        const __int128 right = __int128(runCost(q, objective_)) * p.runExp;
        if (left != right)
            return left < right;
    }
    if (p.runExp != q.runExp)
        return p.runExp > q.runExp;
    return a < b;
}

qint64 Planner::greedy(qint64 exp, qint64 until, std::vector<std::pair<int, qint64>>& runs) const {
    while (exp < until) {
        const int level = levels_.levelAt(exp);
        const size_t usable = usableAt(level);
        int best = candidates_[0];
        for (size_t i = 1; i < usable; ++i)
            if (better(candidates_[i], best))
                best = candidates_[i];
        // The best product stays the best until the next product becomes usable.
        qint64 stop = until;
        if (usable < candidates_.size())
            stop = std::min(stop, expOfLevel(products_[size_t(candidates_[usable])].level));
        const qint64 gain = products_[size_t(best)].runExp;
        const qint64 n = (stop - exp + gain - 1) / gain;
        runs.emplace_back(best, n);
        // At most the need plus one run: no overflow.
        exp += n * gain;
    }
    return exp;
}

bool Planner::exact(qint64 exp, qint64 unit, std::vector<std::pair<int, qint64>>& runs) const {
    const qint64 need = levels_.need();
    if (exp >= need)
        return true;
    // A state is a stretch of experience inside one level: a single value with unit 1, up to
    // a unit otherwise. It holds the cheapest way found into it and what that really gained;
    // with a unit above 1 this approximates, and runs smaller than a unit are left out.
    const qint64 stretch = need - exp;
    std::vector<qint64> starts;  // where each state begins, from the start of the stretch
    std::vector<size_t> firstOfCell;
    for (qint64 cell = 0, level = 0; cell * unit < stretch; ++cell) {
        firstOfCell.push_back(starts.size());
        starts.push_back(cell * unit);
        while (level < qint64(levels_.reach.size()) &&
               levels_.reach[size_t(level)] - exp < (cell + 1) * unit) {
            const qint64 at = levels_.reach[size_t(level++)] - exp;
            if (at > starts.back() && at < stretch)
                starts.push_back(at);
        }
    }
    starts.push_back(stretch);  // the last state: the need reached
    const size_t states = starts.size();
    auto stateOf = [&](qint64 gained) {
        if (gained >= stretch)
            return states - 1;
        size_t at = firstOfCell[size_t(gained / unit)];
        while (starts[at + 1] <= gained)
            ++at;
        return at;
    };
    std::vector<Cost> best(states);
    std::vector<qint64> gained(states, 0);
    // The run that reached each state at its cost, and where it started.
    std::vector<int> came(states, -1);
    std::vector<size_t> cameFrom(states, 0);
    best[0] = {0, 0};
    for (size_t i = 0; i + 1 < states; ++i) {
        if (best[i].cost == kNoCost)
            continue;
        const size_t usable = usableAt(levels_.levelAt(exp + gained[i]));
        for (size_t k = 0; k < usable; ++k) {
            const PlanProduct& p = products_[size_t(candidates_[k])];
            Cost next{0, best[i].runs + 1};
            if (p.runExp < unit || qAddOverflow(best[i].cost, runCost(p, objective_), &next.cost))
                continue;
            const qint64 after = gained[i] + p.runExp;
            const size_t to = stateOf(after);
            if (next < best[to] || (!(best[to] < next) && after > gained[to])) {
                best[to] = next;
                gained[to] = after;
                came[to] = candidates_[k];
                cameFrom[to] = i;
            }
        }
    }
    if (best.back().cost == kNoCost)
        return false;
    // Back from the need; the runs are put in order of level, which keeps every one usable.
    std::vector<qint64> count(products_.size(), 0);
    for (size_t at = states - 1; at > 0; at = cameFrom[at])
        ++count[size_t(came[at])];
    for (int p : candidates_) {
        if (count[size_t(p)] > 0)
            runs.emplace_back(p, count[size_t(p)]);
    }
    return true;
}

qint64 Planner::lowerBound() const {
    // Each run costs at least the cheapest cost per experience of what is usable where it
    // starts, so the cheapest rate of every level over its experience bounds every plan.
    double bound = 0;
    qint64 from = 0;
    for (int level = levels_.startLevel; level < levels_.targetLevel(); ++level) {
        const qint64 to = expOfLevel(level + 1);
        const size_t usable = usableAt(level);
        double rate = -1;
        for (size_t i = 0; i < usable; ++i) {
            const PlanProduct& p = products_[size_t(candidates_[i])];
            const double r = double(runCost(p, objective_)) / double(p.runExp);
            if (rate < 0 || r < rate)
                rate = r;
        }
        if (to > from && rate >= 0)
            bound += rate * double(to - from);
        from = std::max(from, to);
    }
    return qint64(std::ceil(bound - 1e-6 * bound));
}

void Planner::addStages(const std::vector<std::pair<int, qint64>>& runs, TrainingPlan& plan) const {
    qint64 exp = 0;
    for (auto [product, n] : runs) {
        const PlanProduct& p = products_[size_t(product)];
        // A coarse search may plan a run more than the need takes.
        if (exp >= levels_.need())
            break;
        n = std::min(n, (levels_.need() - exp + p.runExp - 1) / p.runExp);
        const qint64 gain = n * p.runExp;  // within the need plus one run
        if (!plan.stages.empty() && plan.stages.back().product == product) {
            plan.stages.back().runs += n;
            plan.stages.back().exp += gain;
        } else {
            plan.stages.push_back({product, levels_.levelAt(exp), 0, n, gain});
        }
        exp += gain;
        plan.stages.back().toLevel = levels_.levelAt(exp);
    }
}

TrainingPlan Planner::plan() {
    TrainingPlan plan;
    std::vector<std::pair<int, qint64>> runs;
    const qint64 need = levels_.need();
    const qint64 products = qint64(candidates_.size());
    qint64 visits = 0;
    const bool small = !qMulOverflow(products, need, &visits) && visits <= exactVisits_;
    if (objective_ == PlanObjective::Runs || need <= 0) {
        greedy(0, need, runs);
    } else {
        qint64 from = 0;
        qint64 unit = 1;
        if (!small) {
            // The cheapest rate up to a last stretch of a few of the biggest runs, which the
            // search takes in coarser steps: where the runs end decides most of the waste.
            qint64 biggest = 0;
            for (int c : candidates_)
                biggest = std::max(biggest, products_[size_t(c)].runExp);
            const qint64 runsLong = biggest >= need / 16 ? need : 16 * biggest;
            const qint64 stretch = std::min(need, std::max(exactVisits_ / products, runsLong));
            from = greedy(0, need - stretch, runs);
            unit = std::max<qint64>(
                1, ((need - from) / std::max<qint64>(1, exactVisits_ / products)) + 1);
            plan.exact = false;
            plan.lowerBound = lowerBound();
        }
        if (!exact(from, unit, runs)) {
            plan.error = tooLargeText();
            return plan;
        }
    }
    addStages(runs, plan);
    for (const PlanStage& stage : plan.stages) {
        const PlanProduct& p = products_[size_t(stage.product)];
        const auto steps = checkedMul(stage.runs, p.steps);
        const auto weight = checkedMul(stage.runs, p.runWeight);
        if (!steps || !weight || qAddOverflow(plan.steps, *steps, &plan.steps) ||
            qAddOverflow(plan.weight, *weight, &plan.weight)) {
            return refused(tooLargeText());
        }
        plan.runs += stage.runs;
        plan.exp += stage.exp;
    }
    plan.beyond = plan.exp - need;
    return plan;
}

}  // namespace

int PlanLevels::levelAt(qint64 exp) const {
    return startLevel + int(std::upper_bound(reach.begin(), reach.end(), exp) - reach.begin());
}

qint64 runCost(const PlanProduct& product, PlanObjective objective) {
    switch (objective) {
        case PlanObjective::Steps:
            return product.steps;
        case PlanObjective::Weight:
            return product.runWeight;
        default:
            return 1;
    }
}

std::optional<qint64> runsAlone(const PlanProduct& product, qint64 need) {
    if (product.runExp <= 0)
        return std::nullopt;
    return ceilDiv(need, product.runExp);
}

TrainingPlan planTraining(const std::vector<PlanProduct>& products, const PlanLevels& levels,
                          PlanObjective objective, qint64 exactVisits) {
    const bool anyUsed =
        std::any_of(products.begin(), products.end(), [](const PlanProduct& p) { return p.used; });
    if (!anyUsed)
        return refused(QStringLiteral("使う生産品がありません"));
    int first = -1;
    for (const PlanProduct& p : products) {
        if (p.used && p.runExp > 0 && (first < 0 || p.level < first))
            first = p.level;
    }
    if (first < 0)
        return refused(QStringLiteral("使う生産品はどれも経験値がありません"));
    if (objective == PlanObjective::Weight) {
        for (const PlanProduct& p : products) {
            if (p.used && !p.weightError.isEmpty())
                return refused(p.name + QStringLiteral(": ") + p.weightError);
        }
    }
    Planner planner(products, levels, objective, exactVisits);
    // A remaining experience of 0 starts on the next level.
    const int startLevel = levels.levelAt(0);
    if (levels.need() > 0 && first > startLevel)
        return refused(QStringLiteral("Lv.%1 で作れる生産品がありません。"
                                      "最初に作れる生産品は Lv.%2 からです")
                           .arg(startLevel)
                           .arg(first));
    return planner.plan();
}

}  // namespace wm
