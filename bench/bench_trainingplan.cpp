// Training plans from level 1 to 300 on the largest data: 80 products in the planned work,
// each needing the deepest material chain, and the computed experience table.
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <limits>

#include "gamedata.h"
#include "levelcalc.h"
#include "trainingplan.h"

using namespace wm;

namespace {

constexpr int kPlanned = Section::Swords;
constexpr int kChainRows = 70;  // lookups by name reach rows 1..70 of a section

// Every product a lookup reaches outside the gathering works and the planned work is one link
// of a single chain with two gathered materials a link; every planned product needs its head.
ProductTable deepestData() {
    ProductTable m;
    QRandomGenerator random(300);
    std::vector<std::pair<int, int>> chain;
    for (int s = 1; s <= ProductTable::kSections; ++s) {
        m.set(s, ProductColumn::Name, 0, QStringLiteral("作業%1").arg(s));
        for (int r = 1; r <= ProductTable::kRows; ++r) {
            const int level = s == kPlanned ? 1 + (r - 1) * 299 / 80 : 1;
            m.set(s, ProductColumn::Name, r,
                  QStringLiteral("%1:品%2_%3").arg(level, 3, 10, QLatin1Char('0')).arg(s).arg(r));
            m.set(s, ProductColumn::ExpAndSteps, r,
                  QStringLiteral("%1:%2")
                      .arg(random.bounded(1, 1000), 3, 10, QLatin1Char('0'))
                      .arg(random.bounded(1, 100), 2, 10, QLatin1Char('0')));
            m.set(s, ProductColumn::Weight, r, QString::number(random.bounded(1, 40)));
            m.set(s, ProductColumn::SetMaterials, r, QStringLiteral("00"));
            m.set(s, ProductColumn::Extra, r, QStringLiteral("北の森,南の丘"));
            if (s > Section::LastGathering && s != kPlanned && s != Section::Necklaces &&
                r <= kChainRows)
                chain.emplace_back(s, r);
        }
    }
    for (size_t i = 0; i < chain.size(); ++i) {
        const QString gathered = QStringLiteral("03品%1_%2,02品%3_%4")
                                     .arg(1 + int(i) % 6)
                                     .arg(1 + int(i) % kChainRows)
                                     .arg(1 + int(i + 3) % 6)
                                     .arg(1 + int(i + 7) % kChainRows);
        const QString next =
            i + 1 < chain.size()
                ? QStringLiteral("01品%1_%2,").arg(chain[i + 1].first).arg(chain[i + 1].second)
                : QString();
        m.set(chain[i].first, ProductColumn::SetMaterials, chain[i].second, next + gathered);
    }
    const auto [headSection, headRow] = chain.front();
    for (int r = 1; r <= ProductTable::kRows; ++r)
        m.set(kPlanned, ProductColumn::SetMaterials, r,
              QStringLiteral("0%1品%2_%3,02品1_%4")
                  .arg(1 + r % 3)
                  .arg(headSection)
                  .arg(headRow)
                  .arg(r % 70 + 1));
    return m;
}

PlanLevels wholeRange(AppData& d) {
    fillExpTableByFormula(d.expTable);
    const LevelCheck check =
        checkLevels(d, {1, QStringLiteral("1"), QStringLiteral("300"), QString(), false});
    return planLevels(d, check);
}

qint64 cost(const TrainingPlan& plan, PlanObjective objective) {
    return objective == PlanObjective::Steps    ? plan.steps
           : objective == PlanObjective::Weight ? plan.weight
                                                : plan.runs;
}

// 80 random products, as many as the largest work has: the first open from level 1, the
// others from a level below topLevel.
std::vector<PlanProduct> randomProducts(QRandomGenerator& random, int topLevel) {
    std::vector<PlanProduct> products(80);
    for (size_t i = 0; i < products.size(); ++i) {
        PlanProduct& p = products[i];
        p.row = int(i) + 1;
        p.level = i == 0 ? 1 : random.bounded(1, topLevel);
        p.steps = random.bounded(1, 100);
        p.runExp = random.bounded(1, 1000) * p.steps;
        p.runWeight = random.bounded(0, 2000);
    }
    return products;
}

}  // namespace

class TrainingPlanBench : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase() {
        data_ = deepestData();
        levels_ = wholeRange(appData_);
        QCOMPARE(levels_.targetLevel(), 300);
    }
    // Once for each work chosen: the products with the weight of one run each.
    void products() {
        std::vector<PlanProduct> products;
        QBENCHMARK {
            products = planProducts(data_, kPlanned);
        }
        QCOMPARE(products.size(), size_t(80));
        QVERIFY(products[0].runWeight > 0);
        QCOMPARE(products[0].weightError, QString());
    }
    void plan_data() {
        QTest::addColumn<int>("objective");
        QTest::newRow("回数最少") << int(PlanObjective::Runs);
        QTest::newRow("工程最少") << int(PlanObjective::Steps);
        QTest::newRow("材料重量最少") << int(PlanObjective::Weight);
    }
    // What the window recomputes after each key: the plan and what it consumes.
    void plan() {
        QFETCH(int, objective);
        const std::vector<PlanProduct> products = planProducts(data_, kPlanned);
        TrainingPlan plan;
        PlanMaterials materials;
        QBENCHMARK {
            plan = planTraining(products, levels_, PlanObjective(objective));
            materials = planMaterials(products, plan);
        }
        QCOMPARE(plan.error, QString());
        QCOMPARE(materials.error, QString());
        QCOMPARE(plan.stages.back().toLevel, 300);
    }
    // The same plans once each: what they are, and the plan without its materials.
    void planDetails_data() { plan_data(); }
    void planDetails() {
        QFETCH(int, objective);
        const std::vector<PlanProduct> products = planProducts(data_, kPlanned);
        QElapsedTimer timer;
        timer.start();
        const TrainingPlan plan = planTraining(products, levels_, PlanObjective(objective));
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        QCOMPARE(plan.error, QString());
        qInfo("%d stages, %lld runs, %lld steps, weight %lld, %s; %.2f ms without materials",
              int(plan.stages.size()), plan.runs, plan.steps, plan.weight,
              plan.exact ? "exact" : "heuristic", ms);
    }
    // The heuristic's cost against the bound no plan can beat, on random products of the
    // largest work: the largest gap seen, and the slowest plan.
    void heuristicGap_data() { plan_data(); }
    void heuristicGap() {
        QFETCH(int, objective);
        QRandomGenerator random(quint32(77 + objective));
        double largestGap = 0;
        qint64 largestExcess = 0;
        qint64 slowest = 0;
        for (int round = 0; round < 200; ++round) {
            const std::vector<PlanProduct> products = randomProducts(random, 300);
            QElapsedTimer timer;
            timer.start();
            const TrainingPlan plan = planTraining(products, levels_, PlanObjective(objective));
            slowest = std::max(slowest, timer.nsecsElapsed());
            QCOMPARE(plan.error, QString());
            if (plan.exact || plan.lowerBound == 0)
                continue;
            const qint64 excess = cost(plan, PlanObjective(objective)) - plan.lowerBound;
            QVERIFY(excess >= 0);
            largestExcess = std::max(largestExcess, excess);
            largestGap = std::max(largestGap, double(excess) / double(plan.lowerBound));
        }
        qInfo("above the lower bound: at most %lld or %.4f%%; slowest plan %.2f ms", largestExcess,
              largestGap * 100, double(slowest) / 1e6);
    }

    // The heuristic against the exact search where that still fits in memory and time: random
    // products of the largest work from level 1 to 60.
    void heuristicAgainstExact_data() { plan_data(); }
    void heuristicAgainstExact() {
        QFETCH(int, objective);
        const LevelCheck check =
            checkLevels(appData_, {1, QStringLiteral("1"), QStringLiteral("60"), QString(), false});
        const PlanLevels levels = planLevels(appData_, check);
        QRandomGenerator random(quint32(500 + objective));
        double largestGap = 0;
        qint64 largestExcess = 0;
        int heuristic = 0;
        for (int round = 0; round < 30; ++round) {
            const std::vector<PlanProduct> products = randomProducts(random, 60);
            const TrainingPlan plan = planTraining(products, levels, PlanObjective(objective));
            const TrainingPlan best = planTraining(products, levels, PlanObjective(objective),
                                                   std::numeric_limits<qint64>::max());
            QVERIFY(best.exact);
            heuristic += plan.exact ? 0 : 1;
            const qint64 excess =
                cost(plan, PlanObjective(objective)) - cost(best, PlanObjective(objective));
            QVERIFY(excess >= 0);
            largestExcess = std::max(largestExcess, excess);
            if (cost(best, PlanObjective(objective)) > 0)
                largestGap = std::max(
                    largestGap, double(excess) / double(cost(best, PlanObjective(objective))));
        }
        qInfo("need %lld, %d heuristic plans: at most %lld or %.4f%% above the best", levels.need(),
              heuristic, largestExcess, largestGap * 100);
    }

  private:
    ProductTable data_;
    AppData appData_;
    PlanLevels levels_;
};

QTEST_GUILESS_MAIN(TrainingPlanBench)
#include "bench_trainingplan.moc"
