#include <QRandomGenerator>
#include <QTest>
#include <algorithm>
#include <functional>

#include "numbers.h"
#include "producttable.h"
#include "testmain.h"
#include "trainingplan.h"

using namespace wm;

namespace {

// name:level:runExp:steps:weight, a leading "-" for a product left out.
std::vector<PlanProduct> products(const QStringList& lines) {
    std::vector<PlanProduct> out;
    for (QString line : lines) {
        PlanProduct p;
        p.used = !line.startsWith(QLatin1Char('-'));
        const QStringList f = line.remove(QLatin1Char('-')).split(QLatin1Char(':'));
        p.row = int(out.size()) + 1;
        p.name = f[0];
        p.level = f[1].toInt();
        p.runExp = f[2].toLongLong();
        p.steps = f[3].toLongLong();
        p.runWeight = f[4].toLongLong();
        out.push_back(p);
    }
    return out;
}

PlanLevels levels(int start, const QList<qint64>& reach) {
    return {start, std::vector<qint64>(reach.begin(), reach.end())};
}

// "from-to name x runs" per stage, then the totals.
QString summary(const std::vector<PlanProduct>& ps, const TrainingPlan& plan) {
    if (!plan.error.isEmpty())
        return plan.error;
    QStringList parts;
    for (const PlanStage& s : plan.stages)
        parts << QStringLiteral("%1-%2 %3x%4")
                     .arg(s.fromLevel)
                     .arg(s.toLevel)
                     .arg(ps[size_t(s.product)].name)
                     .arg(s.runs);
    return parts.join(QStringLiteral(", ")) + QStringLiteral(" | %1 %2 %3 %4 %5")
                                                  .arg(plan.runs)
                                                  .arg(plan.steps)
                                                  .arg(plan.weight)
                                                  .arg(plan.exp)
                                                  .arg(plan.beyond);
}

int levelAt(const PlanLevels& lv, qint64 exp) {
    int level = lv.startLevel;
    for (qint64 r : lv.reach)
        level += r <= exp ? 1 : 0;
    return level;
}

// Every multiset of runs, each count up to the runs that product alone needs; run in order
// of level (any order that works can be put in that order). The least cost, -1 for none.
qint64 exhaustiveCost(const std::vector<PlanProduct>& ps, const PlanLevels& lv,
                      PlanObjective objective) {
    std::vector<size_t> use;
    for (size_t i = 0; i < ps.size(); ++i)
        if (ps[i].used && ps[i].runExp > 0)
            use.push_back(i);
    std::sort(use.begin(), use.end(),
              [&](size_t a, size_t b) { return ps[a].level < ps[b].level; });
    std::vector<qint64> count(use.size(), 0);
    qint64 best = -1;
    std::function<void(size_t)> walk = [&](size_t k) {
        if (k == use.size()) {
            qint64 exp = 0, cost = 0;
            for (size_t i = 0; i < use.size(); ++i)
                for (qint64 n = 0; n < count[i]; ++n) {
                    if (ps[use[i]].level > levelAt(lv, exp))
                        return;
                    exp += ps[use[i]].runExp;
                    cost += runCost(ps[use[i]], objective);
                }
            if (exp >= lv.need() && (best < 0 || cost < best))
                best = cost;
            return;
        }
        const qint64 most = (lv.need() + ps[use[k]].runExp - 1) / ps[use[k]].runExp;
        for (count[k] = 0; count[k] <= most; ++count[k])
            walk(k + 1);
        count[k] = 0;
    };
    walk(0);
    return best;
}

qint64 planCost(const TrainingPlan& plan, PlanObjective objective) {
    switch (objective) {
        case PlanObjective::Steps:
            return plan.steps;
        case PlanObjective::Weight:
            return plan.weight;
        default:
            return plan.runs;
    }
}

// The plan runs every stage's product from a level that allows it and stops at the need.
void checkPlanIsFollowable(const std::vector<PlanProduct>& ps, const PlanLevels& lv,
                           const TrainingPlan& plan) {
    qint64 exp = 0;
    for (const PlanStage& s : plan.stages) {
        const PlanProduct& p = ps[size_t(s.product)];
        QVERIFY(p.used);
        for (qint64 n = 0; n < s.runs; ++n) {
            QVERIFY(exp < lv.need());
            QVERIFY(p.level <= levelAt(lv, exp));
            exp += p.runExp;
        }
    }
    QVERIFY(exp >= lv.need());
    QCOMPARE(plan.exp, exp);
}

}  // namespace

class TrainingPlanTest : public QObject {
    Q_OBJECT
  private slots:
    void plans_data();
    void plans();
    void matchesExhaustiveSearch_data();
    void matchesExhaustiveSearch();
    void largeNeedIsPlannedNearTheBound();
    void productsAndMaterialsFromTheTables();
    void levelsFromTheTable_data();
    void levelsFromTheTable();
};

void TrainingPlanTest::plans_data() {
    QTest::addColumn<int>("objective");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("start");
    QTest::addColumn<QList<qint64>>("reach");
    QTest::addColumn<QString>("expected");
    const int runs = int(PlanObjective::Runs), steps = int(PlanObjective::Steps),
              weight = int(PlanObjective::Weight);
    // Level 1 to 4: 10, 30 and 60 experience.
    const QList<qint64> to4{10, 30, 60};
    QTest::newRow("runs: the biggest run, then the better one from its level")
        << runs << QStringList{"小:1:4:1:1", "中:1:6:1:1", "大:2:25:9:9"} << 1 << to4
        << "1-2 中x2, 2-4 大x2 | 4 20 20 62 2";
    QTest::newRow("runs: a left-out product is never planned")
        << runs << QStringList{"小:1:4:1:1", "中:1:6:1:1", "-大:2:25:9:9"} << 1 << to4
        << "1-4 中x10 | 10 10 10 60 0";
    QTest::newRow("runs: a product of the target level is never usable")
        << runs << QStringList{"小:1:20:1:1", "大:4:99:1:1"} << 1 << to4 << "1-4 小x3 | 3 3 3 60 0";
    QTest::newRow("steps: two small runs beat the better rate")
        << steps << QStringList{"速:1:7:6:0", "並:1:5:5:0"} << 1 << QList<qint64>{10}
        << "1-2 並x2 | 2 10 0 10 0";
    QTest::newRow("steps: a cheap product from level 3 is worth waiting for")
        << steps << QStringList{"古:1:10:10:0", "新:3:10:1:0"} << 1 << to4
        << "1-3 古x3, 3-4 新x3 | 6 33 0 60 0";
    QTest::newRow("weight: a product without materials costs nothing")
        << weight << QStringList{"重:1:30:1:5", "軽:1:1:1:0"} << 1 << to4
        << "1-4 軽x60 | 60 60 0 60 0";
    QTest::newRow("remaining experience 0 starts one level up")
        << runs << QStringList{"小:1:4:1:1", "中:6:6:1:1"} << 5 << QList<qint64>{0, 6}
        << "6-7 中x1 | 1 1 1 6 0";
    QTest::newRow("nothing to gain: an empty plan")
        << runs << QStringList{"小:1:4:1:1"} << 1 << QList<qint64>{0} << " | 0 0 0 0 0";
    QTest::newRow("steps beyond 64 bits") << runs << QStringList{"重:1:30:4611686018427387904:1"}
                                          << 1 << to4 << "数が大きすぎて計算できません";
    QTest::newRow("every product left out")
        << runs << QStringList{"-小:1:4:1:1"} << 1 << to4 << "使う生産品がありません";
    QTest::newRow("no product without experience")
        << steps << QStringList{"無:1:0:1:1"} << 1 << to4 << "使う生産品はどれも経験値がありません";
    QTest::newRow("the first product needs a higher level")
        << weight << QStringList{"中:3:6:1:1", "大:2:25:9:9"} << 1 << to4
        << "Lv.1 で作れる生産品がありません。最初に作れる生産品は Lv.2 からです";
}

void TrainingPlanTest::plans() {
    QFETCH(int, objective);
    QFETCH(QStringList, lines);
    QFETCH(int, start);
    QFETCH(QList<qint64>, reach);
    QFETCH(QString, expected);
    const auto ps = products(lines);
    QCOMPARE(summary(ps, planTraining(ps, levels(start, reach), PlanObjective(objective))),
             expected);
}

void TrainingPlanTest::matchesExhaustiveSearch_data() {
    QTest::addColumn<int>("objective");
    QTest::newRow("回数最少") << int(PlanObjective::Runs);
    QTest::newRow("工程最少") << int(PlanObjective::Steps);
    QTest::newRow("材料重量最少") << int(PlanObjective::Weight);
}

void TrainingPlanTest::matchesExhaustiveSearch() {
    QFETCH(int, objective);
    QRandomGenerator random(quint32(20261208 + objective));
    int compared = 0, withoutPlan = 0;
    while (compared < 1000) {
        // Up to 6 products, levels up to 20, as few runs as an exhaustive search can take.
        const int start = random.bounded(1, 15);
        const int target = random.bounded(start + 1, 21);
        PlanLevels lv{start, {}};
        qint64 need = 0;
        for (int l = start; l < target; ++l)
            lv.reach.push_back(need += random.bounded(0, 12));
        std::vector<PlanProduct> ps(size_t(random.bounded(1, 7)));
        double combinations = 1;
        for (size_t i = 0; i < ps.size(); ++i) {
            PlanProduct& p = ps[i];
            p.row = int(i) + 1;
            p.name = QString::number(i);
            p.level = i == 0 && random.bounded(0, 4) != 0 ? random.bounded(1, start + 1)
                                                          : random.bounded(1, target + 1);
            p.steps = random.bounded(1, 6);
            p.runExp = random.bounded(0, 13) * p.steps;
            p.runWeight = random.bounded(0, 9);
            p.used = random.bounded(0, 8) != 0;
            if (p.runExp > 0)
                combinations *= double(need / p.runExp + 2);
        }
        if (need == 0 || combinations > 2e5)
            continue;
        const TrainingPlan plan = planTraining(ps, lv, PlanObjective(objective));
        const qint64 best = exhaustiveCost(ps, lv, PlanObjective(objective));
        if (best < 0) {
            QVERIFY2(!plan.error.isEmpty(), qPrintable(summary(ps, plan)));
            ++withoutPlan;
        } else {
            QVERIFY2(plan.error.isEmpty(), qPrintable(plan.error));
            QVERIFY(plan.exact);
            checkPlanIsFollowable(ps, lv, plan);
            QCOMPARE(planCost(plan, PlanObjective(objective)), best);
        }
        ++compared;
    }
    // The cases are not all refusals.
    QVERIFY(withoutPlan < 400);
}

void TrainingPlanTest::largeNeedIsPlannedNearTheBound() {
    // Too much experience for the exact search: the cheapest rate and an exact last stretch.
    const auto ps = products({"並:1:7:7:0", "重:1:1000:500:0", "良:1:999:1:0", "新:2:3000:1:0"});
    const PlanLevels lv = levels(1, {1'000'000, 3'000'000});
    const TrainingPlan plan = planTraining(ps, lv, PlanObjective::Steps);
    QCOMPARE(plan.error, QString());
    QVERIFY(!plan.exact);
    checkPlanIsFollowable(ps, lv, plan);
    // 良 gains 999 a step up to level 2, 新 3000 a step after it: 1001.001 + 666.667 steps.
    QCOMPARE(plan.lowerBound, qint64(1668));
    QVERIFY(plan.steps >= plan.lowerBound);
    QVERIFY(plan.steps <= plan.lowerBound + 1000);
}

void TrainingPlanTest::productsAndMaterialsFromTheTables() {
    ProductTable m;
    m.set(6, ProductColumn::Name, 0, QStringLiteral("鉱石掘り"));
    m.set(9, ProductColumn::Name, 0, QStringLiteral("製材"));
    m.set(10, ProductColumn::Name, 0, QStringLiteral("精錬"));
    wmtest::setProduct(m, 6, 1, "001:鉄鉱石", "010:02", "6", "00", "旧坑道,鉱山");
    wmtest::setProduct(m, 9, 1, "001:木炭", "024:04", "2", "02鉄鉱石");
    wmtest::setProduct(m, 10, 1, "001:鉄", "005:03", "6", "03鉄鉱石,01木炭");
    wmtest::setProduct(m, 10, 2, "012:鋼", "030:02", "9", "01謎の石");
    wmtest::setProduct(m, 10, 3, "001:逆", "-05:-3", "1", "00");
    const auto ps = planProducts(m, 10);
    QCOMPARE(ps.size(), size_t(3));
    // A negative experience and negative steps give no experience.
    QCOMPARE(ps[2].runExp, qint64(0));
    // 鉄: 3 ore and the 2 of its charcoal, 6 each; 鋼: an unknown material weighs nothing.
    QCOMPARE(planProductColumns(ps[0], levels(5, {100})),
             QStringList({"○", "鉄", "1", "15", "3", "30", "7", ""}));
    QCOMPARE(planProductColumns(ps[1], levels(5, {100, 150})),
             QStringList({"○", "鋼", "12", "60", "2", "0", "3", "上限Lvまで作れない"}));
    QCOMPARE(planProductColumns(planProducts(m, 6)[0], levels(1, {40})),
             QStringList({"○", "鉄鉱石", "1", "20", "2", "6", "2", ""}));

    TrainingPlan plan;
    plan.stages = {{0, 1, 2, 2, 30}, {1, 2, 3, 1, 60}, {0, 3, 3, 1, 15}};
    const PlanMaterials used = planMaterials(ps, plan);
    QCOMPARE(used.error, QString());
    QCOMPARE(used.leaves.size(), size_t(2));
    // 3 runs of 鉄: 9 ore and 3 charcoal of 6 more ore.
    QCOMPARE(used.leaves[0].name, QStringLiteral("鉄鉱石"));
    QCOMPARE(used.leaves[0].pieces, qint64(15));
    QCOMPARE(used.leaves[0].weight, qint64(90));
    QCOMPARE(used.leaves[0].places, QStringList({"旧坑道", "鉱山"}));
    QCOMPARE(used.leaves[1].name, QStringLiteral("謎の石"));
    QCOMPARE(used.weight, qint64(90));
    QCOMPARE(used.works.size(), size_t(3));
    // 精錬: 3 runs of 15 and one of 60; 鉱石掘り: 15 runs of 20; 製材: 3 runs of 96.
    QCOMPARE(used.works[0].work + numText(used.works[0].exp), QStringLiteral("精錬105"));
    QCOMPARE(used.works[1].work + numText(used.works[1].exp), QStringLiteral("鉱石掘り300"));
    QCOMPARE(used.works[2].work + numText(used.works[2].exp), QStringLiteral("製材288"));
}

void TrainingPlanTest::levelsFromTheTable_data() {
    QTest::addColumn<QString>("remaining");
    QTest::addColumn<QList<qint64>>("reach");
    // Entries 10, 20, 30, 40 for levels 1..4; from level 2 to 5.
    QTest::newRow("whole levels") << QString() << QList<qint64>{20, 50, 90};
    QTest::newRow("remaining experience") << QStringLiteral("7") << QList<qint64>{7, 37, 77};
}

void TrainingPlanTest::levelsFromTheTable() {
    QFETCH(QString, remaining);
    QFETCH(QList<qint64>, reach);
    AppData d;
    for (int level = 1; level <= 4; ++level)
        d.expTable.set(level, qint64(level * 10));
    const LevelCheck check = checkLevels(
        d, {1, QStringLiteral("2"), QStringLiteral("5"), remaining, !remaining.isEmpty()});
    QVERIFY(check.ok);
    const PlanLevels lv = planLevels(d, check);
    QCOMPARE(lv.startLevel, 2);
    QCOMPARE(lv.reach, std::vector<qint64>(reach.begin(), reach.end()));
    QCOMPARE(lv.need(), check.total);
}

WM_TEST_MAIN(TrainingPlanTest)
#include "tst_trainingplan.moc"
