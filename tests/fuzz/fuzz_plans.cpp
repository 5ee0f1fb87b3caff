// The 育成計画 planner and the 生産リスト on production data the input gives (its bytes after
// the header of a first work): every objective for a few works between levels the input picks
// (at most 40, so the exact search stays small), the plan's materials and texts, the list
// totals for a few rows with held pieces and the trips, and the list file both written and
// read back and read from the input itself.
#include <QDir>

#include "fuzzcommon.h"
#include "gamedata.h"
#include "levelcalc.h"
#include "productinfo.h"
#include "productionlist.h"
#include "productionlistfile.h"
#include "trainingplan.h"

using namespace wm;

namespace {

const QByteArray kPrefix("#01 \x8e\xeb\x97\xc2\r\n");  // #01 狩猟

constexpr int kMaxLevel = 40;
// Small enough for a fast run, large enough that both the exact search and the heuristic
// with its last stretch are met within 40 levels.
constexpr qint64 kExactVisits = 5'000;
constexpr int kListRows = 3;
constexpr int kWorks = 3;

// The experience table of the sample, loaded once.
void loadSampleExpTable(AppData& d) {
    static const QByteArray table = [] {
        QFile sample(QStringLiteral(WM_SAMPLE_DATA_DIR "/ExpTable.txt"));
        if (!sample.open(QIODevice::ReadOnly))
            std::abort();
        return sample.readAll();
    }();
    wmfuzz::writeDataFile(QStringLiteral("ExpTable.txt"), table);
    loadExpTable(d);
}

bool sameList(const ProductionList& a, const ProductionList& b) {
    if (a.rows.size() != b.rows.size() || a.held.size() != b.held.size() ||
        a.maximumWeight != b.maximumWeight || a.currentWeight != b.currentWeight)
        return false;
    for (size_t i = 0; i < a.rows.size(); ++i) {
        if (a.rows[i].product != b.rows[i].product || a.rows[i].runs != b.rows[i].runs ||
            a.rows[i].work != b.rows[i].work)
            return false;
    }
    for (size_t i = 0; i < a.held.size(); ++i) {
        if (a.held[i].name != b.held[i].name || a.held[i].pieces != b.held[i].pieces)
            return false;
    }
    return true;
}

QString listPath() {
    return QDir::toNativeSeparators(wmfuzz::programDir().path() +
                                    QStringLiteral("/txtFile/List.txt"));
}

// A list the writer takes reads back as it was; one it refuses says why.
void roundTrip(const ProductionList& list) {
    QString problem;
    const QString text = productionListFileText(list, &problem);
    FUZZ_CHECK(text.isEmpty() != problem.isEmpty());
    const FileResult written = writeProductionList(listPath(), list);
    if (text.isEmpty()) {
        FUZZ_CHECK(!written.ok);
        return;
    }
    if (!written.ok)
        return;  // a name outside code page 932
    const ProductionListRead read = readProductionList(listPath());
    FUZZ_CHECK(read.ok);
    FUZZ_CHECK(sameList(read.list, list));
}

struct Plans {
    TrainingPlan runs;
    TrainingPlan steps;
    TrainingPlan weight;
};

void checkPlan(const std::vector<PlanProduct>& products, const PlanLevels& levels,
               PlanObjective objective, const TrainingPlan& plan) {
    if (!plan.error.isEmpty()) {
        FUZZ_CHECK(plan.stages.empty() && plan.runs == 0);
        return;
    }
    qint64 runs = 0;
    qint64 exp = 0;
    qint64 biggest = 0;
    for (const PlanProduct& p : products) {
        if (p.used)
            biggest = std::max(biggest, p.runExp);
    }
    for (const PlanStage& stage : plan.stages) {
        const PlanProduct& p = products[size_t(stage.product)];
        // Every run is usable where it starts, and a stage gains its runs' experience.
        FUZZ_CHECK(p.used && p.level <= stage.fromLevel);
        FUZZ_CHECK(stage.fromLevel <= stage.toLevel && stage.runs > 0);
        FUZZ_CHECK(stage.exp == stage.runs * p.runExp);
        runs += stage.runs;
        exp += stage.exp;
    }
    FUZZ_CHECK(plan.runs == runs && plan.exp == exp);
    // The need is reached, by less than one run too many.
    FUZZ_CHECK(plan.exp >= levels.need() && plan.beyond == plan.exp - levels.need());
    FUZZ_CHECK(levels.need() <= 0 || plan.beyond < biggest);
    if (!plan.stages.empty())
        FUZZ_CHECK(plan.stages.back().toLevel == levels.targetLevel());
    // A negative weight in the data makes running past the need cheaper than the bound.
    const bool negative = std::any_of(products.begin(), products.end(), [&](const PlanProduct& p) {
        return p.used && runCost(p, objective) < 0;
    });
    if (!plan.exact && !negative) {
        const qint64 cost = objective == PlanObjective::Steps ? plan.steps : plan.weight;
        FUZZ_CHECK(plan.lowerBound <= cost);
    }
}

Plans planAll(const std::vector<PlanProduct>& products, const PlanLevels& levels) {
    FUZZ_CHECK(!planTraining({}, levels, PlanObjective::Runs).error.isEmpty());
    Plans plans;
    plans.runs = planTraining(products, levels, PlanObjective::Runs, kExactVisits);
    plans.steps = planTraining(products, levels, PlanObjective::Steps, kExactVisits);
    plans.weight = planTraining(products, levels, PlanObjective::Weight, kExactVisits);
    checkPlan(products, levels, PlanObjective::Runs, plans.runs);
    checkPlan(products, levels, PlanObjective::Steps, plans.steps);
    checkPlan(products, levels, PlanObjective::Weight, plans.weight);
    FUZZ_CHECK(plans.runs.exact);
    // The fewest runs are never more than another objective's; an exact plan costs no more
    // than the fewest runs do.
    if (plans.runs.error.isEmpty()) {
        for (const TrainingPlan* other : {&plans.steps, &plans.weight}) {
            if (other->error.isEmpty())
                FUZZ_CHECK(plans.runs.runs <= other->runs);
        }
        if (plans.steps.error.isEmpty() && plans.steps.exact)
            FUZZ_CHECK(plans.steps.steps <= plans.runs.steps);
        if (plans.weight.error.isEmpty() && plans.weight.exact)
            FUZZ_CHECK(plans.weight.weight <= plans.runs.weight);
    }
    return plans;
}

void texts(const QString& work, const std::vector<PlanProduct>& products, const PlanLevels& levels,
           const Plans& plans) {
    for (const PlanProduct& p : products)
        FUZZ_CHECK(planProductColumns(p, levels).size() == planProductHeaders().size());
    planProductsText(products, levels);
    const std::pair<PlanObjective, const TrainingPlan*> all[] = {
        {PlanObjective::Runs, &plans.runs},
        {PlanObjective::Steps, &plans.steps},
        {PlanObjective::Weight, &plans.weight}};
    for (const auto& [objective, plan] : all) {
        const PlanMaterials materials = planMaterials(products, *plan);
        if (materials.error.isEmpty() && plan->error.isEmpty())
            FUZZ_CHECK(materials.weight == plan->weight);
        planText(work, products, levels, objective, *plan, materials);
        planObjectiveName(objective);
    }
}

void checkTotals(const std::vector<HeldPieces>& held, const ListTotals& totals, size_t rows) {
    if (!totals.error.isEmpty()) {
        FUZZ_CHECK(totals.rows.empty() && totals.made.empty() && totals.bases.empty());
        return;
    }
    FUZZ_CHECK(totals.rows.size() == rows);
    auto heldOf = [&held](const QString& name) {
        qint64 pieces = 0;
        for (const HeldPieces& h : held) {
            if (h.name == name)
                pieces += h.pieces;
        }
        return pieces;
    };
    for (const MadeTotal& m : totals.made) {
        FUZZ_CHECK(m.held >= 0 && m.held <= m.needed && m.held <= heldOf(m.name));
        // Held pieces higher up the chains take away from the runs too.
        FUZZ_CHECK(m.runs >= 0 && m.runs <= m.needed - m.held);
    }
    qint64 weightLeft = 0;
    // The data may give a negative weight: what is held then weighs less than nothing.
    bool negative = false;
    for (const BaseTotal& b : totals.bases) {
        FUZZ_CHECK(b.held >= 0 && b.held <= b.needed && b.held <= heldOf(b.name));
        FUZZ_CHECK(b.left >= 0 && b.left <= b.needed - b.held);
        FUZZ_CHECK(b.weightLeft == b.left * b.pieceWeight);
        FUZZ_CHECK(b.pieceWeight < 0 || b.weightLeft <= b.weightNeeded);
        negative = negative || b.pieceWeight < 0;
        weightLeft += b.weightLeft;
    }
    FUZZ_CHECK(totals.weightLeft == weightLeft);
    FUZZ_CHECK(negative || totals.weightLeft <= totals.weightNeeded);
}

void checkTrips(const std::vector<BaseTotal>& bases, qint64 maximum, qint64 current) {
    const CarryTrips trips = carryTrips(bases, maximum, current);
    carryLineText(trips);
    if (!trips.error.isEmpty())
        return;
    const qint64 room = maximum - current;
    __int128 carried = 0;
    for (const BaseTotal& b : bases) {
        if (b.left > 0 && b.pieceWeight > 0)
            carried += __int128(b.left) * b.pieceWeight;
    }
    FUZZ_CHECK((carried > 0) == (trips.trips > 0));
    FUZZ_CHECK(carried <= __int128(trips.trips) * room);
    FUZZ_CHECK(trips.roomLeft >= 0 && trips.roomLeft <= std::max<qint64>(room, 0));
}

void productionList(const ProductTable& data, const QString& work,
                    const std::vector<PlanProduct>& products, const Plans& plans, int seed) {
    ProductionList list;
    for (size_t i = 0; i < products.size() && i < size_t(kListRows); ++i)
        list.rows.push_back(
            {products[i].name, qint64(i) * 3 + seed % 5, i == 1 ? QString() : work});
    list.rows.push_back({QStringLiteral("存在しない品"), 2, QString()});
    // Held pieces of what the plan gathers and of the first product, some more than needed.
    const PlanMaterials materials = planMaterials(products, plans.runs);
    for (size_t i = 0; i < materials.leaves.size() && i < 3; ++i)
        list.held.push_back({materials.leaves[i].name, qint64(i + seed % 3)});
    if (!products.empty())
        list.held.push_back({products.front().name, 1});
    list.maximumWeight = 500 + seed % 1000;
    list.currentWeight = seed % 700;

    const ListTotals totals = productionListTotals(data, list.rows, list.held);
    checkTotals(list.held, totals, list.rows.size());
    checkTrips(totals.bases, *list.maximumWeight, *list.currentWeight);
    productionListText(
        list.rows, totals,
        carryLineText(carryTrips(totals.bases, *list.maximumWeight, *list.currentWeight)));
    roundTrip(list);
    // A negative count cannot be written: the writer refuses the whole list.
    ProductionList negative = list;
    if (seed % 3 == 0)
        negative.rows.front().runs = -1;
    else if (seed % 3 == 1 && !negative.held.empty())
        negative.held.back().pieces = -seed;
    else
        negative.currentWeight = -1;
    QString problem;
    FUZZ_CHECK(productionListFileText(negative, &problem).isEmpty() && !problem.isEmpty());
}

// The input as a list file: what reads is written and read back the same, and totalled.
void inputAsList(const ProductTable& data, const QByteArray& input) {
    wmfuzz::writeDataFile(QStringLiteral("List.txt"), input);
    const ProductionListRead read = readProductionList(listPath());
    FUZZ_CHECK(!read.missing);
    if (!read.ok) {
        FUZZ_CHECK(!read.error.isEmpty() && read.list.rows.empty() && read.list.held.empty());
        return;
    }
    if (read.list.rows.size() <= 8) {
        const ListTotals totals = productionListTotals(data, read.list.rows, read.list.held);
        checkTotals(read.list.held, totals, read.list.rows.size());
        if (read.list.maximumWeight && read.list.currentWeight)
            checkTrips(totals.bases, *read.list.maximumWeight, *read.list.currentWeight);
    }
    roundTrip(read.list);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray input = wmfuzz::bytesOf(data, size);
    AppData d;
    wmfuzz::loadProductBytes(d, kPrefix + input);
    loadSampleExpTable(d);

    // The levels follow the input's length and bytes: start 1..39, target above it up to 40,
    // now and then from a remaining experience.
    int sum = 0;
    for (size_t i = 0; i < size; ++i)
        sum += data[i];
    const int start = 1 + int(size % (kMaxLevel - 1));
    LevelInputs levelInputs;
    levelInputs.startLevel = QString::number(start);
    levelInputs.targetLevel = QString::number(start + 1 + sum % (kMaxLevel - start));
    levelInputs.useExp = sum % 4 == 0;
    levelInputs.exp = QString::number(sum % 3);
    const LevelCheck check = checkLevels(d, levelInputs);
    const PlanLevels levels = planLevels(d, check);
    FUZZ_CHECK(check.ok);
    FUZZ_CHECK(levels.targetLevel() <= kMaxLevel);
    for (size_t i = 1; i < levels.reach.size(); ++i)
        FUZZ_CHECK(levels.reach[i - 1] <= levels.reach[i]);

    // A few works, from one the input picks: every work of a large data file would make each
    // run slow.
    const int works = int(workSections().size());
    for (int i = 0, planned = 0; i < works && planned < kWorks; ++i) {
        const int workPosition = (sum + i) % works;
        const int section = workSection(workPosition);
        std::vector<PlanProduct> products = planProducts(d.products, section);
        if (products.empty())
            continue;
        ++planned;
        // The last product left out now and then, as the 使う column does.
        if (products.size() > 1 && (sum + workPosition) % 2 == 0)
            products.back().used = false;
        const QString work = d.products.sectionName(section);
        const Plans plans = planAll(products, levels);
        texts(work, products, levels, plans);
        productionList(d.products, work, products, plans, sum + workPosition);
    }
    inputAsList(d.products, input);
    return 0;
}
