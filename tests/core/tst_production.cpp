#include <QTest>
#include <limits>

#include "production.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;

namespace {

// Section 1 gathering, 9 an intermediate, 13 crafted with materials, 14 one without,
// 28 with rows 71..80, 29 a material only the viewer finds.
void fillData(AppData& d) {
    ProductTable& m = d.products;
    auto product = [&](int s, int r, const QString& c1, const QString& c2, const QString& c3,
                       const QString& c4) {
        m.set(s, 1, r, c1);
        m.set(s, 2, r, c2);
        m.set(s, 3, r, c3);
        m.set(s, 4, r, c4);
    };
    m.set(1, 1, 0, "狩猟");
    product(1, 1, "001:肉", "005:02", "3", "00");
    product(1, 2, "002:abc", "005:02", "4", "00");
    product(1, 3, "001:one", "001:01", "1", "00");
    product(1, 4, "001:huge", "001:01", "99999999999999999999", "00");
    product(9, 1, "001:def", "001:01", "7", "00");
    product(9, 2, "001:half", "001:01", "2.5", "00");
    product(9, 3, "001:heavy", "001:01", "4611686018427387904", "00");  // 2^62
    product(13, 1, "010:X", "005:03", "9", "02abc");
    product(13, 2, "011:Y", "010:03", "9", "02abc,01def,03half");
    product(13, 3, "012:Z", "010:03", "9", "00");
    product(13, 4, "012:W", "010:03", "9", "xxabc,02nothing,");
    for (int r = 1; r <= 80; ++r)
        product(28, r, QString("001:ring%1").arg(r), "001:01", "1", "00");
    product(29, 1, "001:chain", "001:01", "6", "00");
}

}  // namespace

class ProductionTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        d = AppData();
        neededExp = 0;
        fillData(d);
    }

    void lookupByName();
    void materialTexts_data();
    void materialTexts();
    void setMaterialsFromTheTable_data();
    void setMaterialsFromTheTable();
    void runTotals_data();
    void runTotals();
    void runTotalChecks_data();
    void runTotalChecks();
    void runCounts_data();
    void runCounts();
    void runCountChecks();
    void bigRunExperience();
    void heavyMaterials();
    void runTotalsBeyond64Bits_data();
    void runTotalsBeyond64Bits();
    void runCountBeyond64Bits_data();
    void runCountBeyond64Bits();
    void largestValues();
    void roundUp_data();
    void roundUp();
    void roundUpPositionZero();
    void padding_data();
    void padding();

  private:
    // The set materials of a product's set-material field, as the calculation page keeps
    // them for its run routines; returns the text the page shows.
    QString chooseMaterials(const QString& setField) {
        const SetMaterialList list = setMaterialsOf(d.products, setField);
        materials = list.materials;
        return list.text;
    }

    AppData d;
    std::array<SetMaterial, 3> materials{};
    qint64 neededExp = 0;  // of the levels the page would show
};

void ProductionTest::lookupByName() {
    QCOMPARE(productField(d.products, "abc", 3), QString("4"));
    QCOMPARE(productField(d.products, "ring70", 1), QString("001:ring70"));
    QCOMPARE(productField(d.products, "ring71", 1), QString());    // rows 71..80 are not searched
    QCOMPARE(productField(d.products, "chain", 3), QString("6"));  // the necklace section too
    QCOMPARE(productField(d.products, "", 3), QString());
}

void ProductionTest::materialTexts_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("weights");
    QTest::newRow("two entries") << "02abc,01def"
                                 << "abc × 2\r\ndef × 1\r\n材料の合計重量 ： 15"
                                 << QStringList{"8", "7", ""};
    QTest::newRow("fraction weight floored")
        << "03half"
        << "half × 3\r\n材料の合計重量 ： 7" << QStringList{"7", "", ""};
    QTest::newRow("four entries, no total") << "01abc,01def,01abc,01def"
                                            << "abc × 1\r\ndef × 1\r\nabc × 1\r\n"
                                            << QStringList{"4", "7", "4"};
    QTest::newRow("none") << "00"
                          << " × 0\r\n材料の合計重量 ： 0" << QStringList{"0", "", ""};
    QTest::newRow("empty field") << ""
                                 << " × 0\r\n材料の合計重量 ： 0" << QStringList{"0", "", ""};
    QTest::newRow("count not a number")
        << "xxabc"
        << "abc × 0\r\n材料の合計重量 ： 0" << QStringList{"0", "", ""};
    QTest::newRow("unknown material")
        << "02nothing"
        << "nothing × 2（不明な材料）\r\n材料の合計重量 ： 不明" << QStringList{"", "", ""};
}

void ProductionTest::materialTexts() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QStringList, weights);
    QCOMPARE(chooseMaterials(field), text);
    for (int k = 0; k < 3; ++k)
        QCOMPARE(materials[size_t(k)].weight, weights.at(k));
}

void ProductionTest::setMaterialsFromTheTable_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("weights");
    QTest::newRow("two entries") << "02abc,01def"
                                 << "abc × 2\r\ndef × 1\r\n材料の合計重量 ： 15"
                                 << QStringList{"abc", "def", ""} << QStringList{"8", "7", ""};
    QTest::newRow("found in the necklace section")
        << "02chain"
        << "chain × 2\r\n材料の合計重量 ： 12" << QStringList{"chain", "", ""}
        << QStringList{"12", "", ""};
}

void ProductionTest::setMaterialsFromTheTable() {
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QStringList, names);
    QFETCH(QStringList, weights);
    const SetMaterialList list = setMaterialsOf(d.products, field);
    QCOMPARE(list.text, text);
    for (size_t k = 0; k < list.materials.size(); ++k) {
        QCOMPARE(list.materials[k].name, names.at(int(k)));
        QCOMPARE(list.materials[k].weight, weights.at(int(k)));
    }
}

void ProductionTest::runTotals_data() {
    QTest::addColumn<int>("work");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("runs");
    QTest::addColumn<QString>("text");
    QTest::newRow("crafting example")
        << 12 << "X"
        << "02abc"
        << "10"
        << "X を 10 回分生産した時の合計  150 EXP\r\n  材料 ： abc × 20 = 80 \r\n";
    QTest::newRow("three materials") << 12 << "Y"
                                     << "02abc,01def,03half"
                                     << "2"
                                     << "Y を 2 回分生産した時の合計  30 EXP\r\n"
                                        "  材料 ： abc × 4 = 16 def × 2 = 14 half × 6 = 14 \r\n";
    QTest::newRow("fractional runs") << 12 << "Y"
                                     << "02abc,01def"
                                     << "2.5"
                                     << "Y を 2.5 回分生産した時の合計  38 EXP\r\n"
                                        "  材料 ： abc × 5 = 20 def × 2.5 = 17 \r\n";
    QTest::newRow("no materials") << 12 << "Z"
                                  << "00"
                                  << "3"
                                  << "Z を 3 回分生産した時の合計  45 EXP\r\n  材料 ： \r\n";
    QTest::newRow("a necklace-section material and one found nowhere")
        << 12 << "W"
        << "02chain,01nothing"
        << "10"
        << "W を 10 回分生産した時の合計  150 EXP\r\n"
           "  材料 ： chain × 20 = 120 nothing × 10 = （不明な材料） \r\n";
    QTest::newRow("gathering")
        << 0 << "abc"
        << "00"
        << "2.5"
        << "abc を 2.5 回分生産した時の合計  38 EXP\r\n  重量 ： abc × 2.5 = 8\r\n";
    QTest::newRow("last gathering work")
        << 5 << "abc"
        << "02def"
        << "2"
        << "abc を 2 回分生産した時の合計  30 EXP\r\n  重量 ： abc × 2 = 8\r\n";
    QTest::newRow("first work after the gathering ones")
        << 6 << "X"
        << "02abc"
        << "2"
        << "X を 2 回分生産した時の合計  30 EXP\r\n  材料 ： abc × 4 = 16 \r\n";
}

void ProductionTest::runTotals() {
    QFETCH(int, work);
    QFETCH(QString, product);
    QFETCH(QString, field);
    QFETCH(QString, runs);
    QFETCH(QString, text);
    chooseMaterials(field);
    const ProductionOutcome out = totalsForRuns(d, {work, "w", product, "5", "3", runs, materials});
    QVERIFY(!out.problem);
    QCOMPARE(out.append, text);
}

void ProductionTest::runTotalChecks_data() {
    QTest::addColumn<QStringList>("fields");  // work, product, step exp, steps, runs
    QTest::addColumn<QString>("title");
    QTest::addColumn<int>("focus");
    QTest::newRow("no work") << QStringList{"", "X", "5", "3", "1"} << "作業未選択"
                             << int(ProductionField::Work);
    QTest::newRow("no product") << QStringList{"w", "", "5", "3", "1"} << "生産品未選択"
                                << int(ProductionField::Product);
    QTest::newRow("step exp") << QStringList{"w", "X", "a", "3", "1"} << "1回のEXP未入力"
                              << int(ProductionField::StepExp);
    QTest::newRow("steps") << QStringList{"w", "X", "5", "", "1"} << "作業工程未入力"
                           << int(ProductionField::Steps);
    QTest::newRow("runs") << QStringList{"w", "X", "5", "3", ""} << "作成個数未入力"
                          << int(ProductionField::Runs);
}

void ProductionTest::runTotalChecks() {
    QFETCH(QStringList, fields);
    QFETCH(QString, title);
    QFETCH(int, focus);
    const ProductionOutcome out =
        totalsForRuns(d, {12, fields[0], fields[1], fields[2], fields[3], fields[4], materials});
    QCOMPARE(out.problem->message.title, title);
    QVERIFY(out.append.isEmpty());
    QCOMPARE(int(*out.problem->focus), focus);
    QVERIFY(!out.problem->selectAll);
}

void ProductionTest::runCounts_data() {
    QTest::addColumn<int>("work");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("field");
    QTest::addColumn<qint64>("need");
    QTest::addColumn<QString>("text");
    QTest::newRow("1000 with 10 x 3")
        << 12 << "Y"
        << "02abc,01def" << qint64(1000)
        << "Y を 34 回分\r\n  材料 ： abc × 68 = 272  def × 34 = 238   合計 : 510\r\n";
    QTest::newRow("a remainder under a tenth still needs a run")
        << 0 << "abc"
        << "00" << qint64(301) << "abc を 11 回分\r\n  重量 ： abc × 11 = 44\r\n";
    QTest::newRow("31 needs 2 runs of 30")
        << 0 << "abc"
        << "00" << qint64(31) << "abc を 2 回分\r\n  重量 ： abc × 2 = 8\r\n";
    QTest::newRow("29 needs 1 run of 30")
        << 0 << "abc"
        << "00" << qint64(29) << "abc を 1 回分\r\n  重量 ： abc × 1 = 4\r\n";
    QTest::newRow("exactly 10 for 300")
        << 12 << "X"
        << "02abc" << qint64(300) << "X を 10 回分\r\n  材料 ： abc × 20 = 80   合計 : 80\r\n";
    QTest::newRow("no materials") << 12 << "Z"
                                  << "00" << qint64(300)
                                  << "Z を 10 回分\r\n  材料 ：  合計 : 0\r\n";
    QTest::newRow("a necklace-section material and one found nowhere")
        << 12 << "W"
        << "02chain,01nothing" << qint64(300)
        << "W を 10 回分\r\n  材料 ： chain × 20 = 120  nothing × 10 = （不明な材料）   合計 : "
           "不明\r\n";
    QTest::newRow("gathering") << 0 << "abc"
                               << "00" << qint64(310)
                               << "abc を 11 回分\r\n  重量 ： abc × 11 = 44\r\n";
    QTest::newRow("last gathering work")
        << 5 << "abc"
        << "02def" << qint64(60) << "abc を 2 回分\r\n  重量 ： abc × 2 = 8\r\n";
    QTest::newRow("first work after the gathering ones")
        << 6 << "X"
        << "02abc" << qint64(60) << "X を 2 回分\r\n  材料 ： abc × 4 = 16   合計 : 16\r\n";
}

void ProductionTest::runCounts() {
    QFETCH(int, work);
    QFETCH(QString, product);
    QFETCH(QString, field);
    QFETCH(qint64, need);
    QFETCH(QString, text);
    chooseMaterials(field);
    neededExp = need;
    const ProductionOutcome out =
        runsNeeded(d, {work, "w", product, "10", "3", "", materials, neededExp});
    QVERIFY(!out.problem);
    QCOMPARE(out.append, text);
}

void ProductionTest::runCountChecks() {
    ProductionOutcome out = runsNeeded(d, {12, "", "X", "10", "3", "", materials, neededExp});
    QCOMPARE(out.problem->message.text, QString("作業名が選択されていません"));
    QCOMPARE(*out.problem->focus, ProductionField::Work);

    out = runsNeeded(d, {12, "w", "X", "", "3", "", materials, neededExp});
    QCOMPARE(*out.problem->focus, ProductionField::StepExp);
    QVERIFY(out.problem->selectAll);

    neededExp = 0;
    out = runsNeeded(d, {12, "w", "X", "10", "3", "", materials, neededExp});
    QCOMPARE(out.problem->message.text, QString("計算する範囲の経験値がわかりません"));
    QCOMPARE(out.problem->message.title, QString("必要経験値なし"));
    QVERIFY(!out.problem->focus);
    QVERIFY(out.append.isEmpty());

    neededExp = 100;
    out = runsNeeded(d, {12, "w", "X", "0", "3", "", materials, neededExp});  // a run gives nothing
    QVERIFY(!out.problem);
    QVERIFY(out.append.isEmpty());
}

void ProductionTest::bigRunExperience() {
    // 500 x 100 leaves 16 bits, and the material counts leave 32 bits.
    chooseMaterials("02abc");
    neededExp = 3000000000LL;
    const ProductionOutcome out =
        runsNeeded(d, {12, "w", "X", "500", "100", "", materials, neededExp});
    QCOMPARE(out.append,
             QString("X を 60000 回分\r\n  材料 ： abc × 120000 = 480000   合計 : 480000\r\n"));
    const ProductionOutcome totals =
        totalsForRuns(d, {12, "w", "X", "999", "99", "99999", materials});
    QCOMPARE(d.producedExp, qint64(9890001099LL));
    QVERIFY(totals.append.startsWith("X を 99999 回分生産した時の合計  9890001099 EXP\r\n"));
}

void ProductionTest::heavyMaterials() {
    // Two pieces of a 2^62 material weigh more than 64 bits hold: no total, no weight.
    QCOMPARE(chooseMaterials("01heavy,02heavy"),
             QString("heavy × 1\r\nheavy × 2\r\n材料の合計重量 ： 数が大きすぎて計算できません"));
    QCOMPARE(materials[0].weight, QString("4611686018427387904"));
    QVERIFY(materials[1].weight.isEmpty());
    // One piece alone is fine.
    QCOMPARE(chooseMaterials("01heavy"),
             QString("heavy × 1\r\n材料の合計重量 ： 4611686018427387904"));
    // A weight beyond 64 bits in the data cannot be used either.
    chooseMaterials("01huge");
    QVERIFY(materials[0].weight.isEmpty());
    // The run routines refuse a material whose weight is unknown for being too large.
    chooseMaterials("02heavy");
    neededExp = 30;
    const ProductionOutcome count =
        runsNeeded(d, {12, "w", "X", "10", "3", "", materials, neededExp});
    QVERIFY(count.append.isEmpty());
    QCOMPARE(count.problem->message.text, QString("数が大きすぎて計算できません"));
    const ProductionOutcome totals = totalsForRuns(d, {12, "w", "X", "10", "3", "1", materials});
    QVERIFY(totals.append.isEmpty());
    QCOMPARE(totals.problem->message.text, QString("数が大きすぎて計算できません"));
}

void ProductionTest::runTotalsBeyond64Bits_data() {
    QTest::addColumn<int>("work");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QStringList>("inputs");  // step exp, steps, runs
    QTest::addColumn<int>("focus");
    const QString digits310(310, QLatin1Char('9'));
    QTest::newRow("experience 5e18 x 15")
        << 12 << "X"
        << "02abc" << QStringList{"5", "3", "5000000000000000000"} << int(ProductionField::Runs);
    QTest::newRow("310 digits of runs")
        << 12 << "X"
        << "02abc" << QStringList{"5", "3", digits310} << int(ProductionField::Runs);
    QTest::newRow("310 digits of steps")
        << 12 << "X"
        << "02abc" << QStringList{"5", digits310, "1"} << int(ProductionField::Steps);
    QTest::newRow("310 digits of step exp")
        << 12 << "X"
        << "02abc" << QStringList{digits310, "3", "1"} << int(ProductionField::StepExp);
    QTest::newRow("fraction beyond 64 bits")
        << 12 << "X"
        << "02abc" << QStringList{"0.5", "1", "20000000000000000000.5"}
        << int(ProductionField::Runs);
    QTest::newRow("gathering weight")
        << 0 << "abc"
        << "00" << QStringList{"1", "1", "3000000000000000000"} << int(ProductionField::Runs);
    QTest::newRow("gathering weight in the data")
        << 0 << "huge"
        << "00" << QStringList{"1", "1", "1"} << int(ProductionField::Runs);
    QTest::newRow("material weight")
        << 12 << "X"
        << "02abc" << QStringList{"1", "1", "2000000000000000000"} << int(ProductionField::Runs);
    QTest::newRow("fractional material count")
        << 12 << "X"
        << "02abc" << QStringList{"0.5", "1", "6000000000000000000.5"}
        << int(ProductionField::Runs);
}

void ProductionTest::runTotalsBeyond64Bits() {
    QFETCH(int, work);
    QFETCH(QString, product);
    QFETCH(QString, field);
    QFETCH(QStringList, inputs);
    QFETCH(int, focus);
    chooseMaterials(field);
    d.producedExp = 77;
    const ProductionOutcome out =
        totalsForRuns(d, {work, "w", product, inputs[0], inputs[1], inputs[2], materials});
    QVERIFY(out.append.isEmpty());
    QCOMPARE(out.problem->message.text, QString("数が大きすぎて計算できません"));
    QCOMPARE(out.problem->message.title, QString("計算範囲外"));
    QCOMPARE(int(*out.problem->focus), focus);
    QCOMPARE(d.producedExp, qint64(77));  // nothing half computed is kept
}

void ProductionTest::runCountBeyond64Bits_data() {
    QTest::addColumn<int>("work");
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("field");
    QTest::addColumn<qint64>("need");
    QTest::addColumn<QStringList>("inputs");  // step exp, steps
    QTest::addColumn<int>("focus");           // -1: none
    const QString digits310(310, QLatin1Char('9'));
    const qint64 max = std::numeric_limits<qint64>::max();
    QTest::newRow("310 digits of step exp")
        << 12 << "X"
        << "02abc" << qint64(100) << QStringList{digits310, "3"} << int(ProductionField::StepExp);
    QTest::newRow("310 digits of steps")
        << 12 << "X"
        << "02abc" << qint64(100) << QStringList{"3", digits310} << int(ProductionField::Steps);
    QTest::newRow("run experience")
        << 12 << "X"
        << "02abc" << qint64(100) << QStringList{"3037000500", "3037000500"}
        << int(ProductionField::StepExp);
    QTest::newRow("gathering weight") << 0 << "abc"
                                      << "00" << max << QStringList{"1", "1"} << -1;
    QTest::newRow("material count") << 12 << "X"
                                    << "02one" << max << QStringList{"1", "1"} << -1;
    QTest::newRow("material total") << 12 << "X"
                                    << "01one,01one" << max << QStringList{"1", "1"} << -1;
    QTest::newRow("quotient") << 0 << "one"
                              << "00" << std::numeric_limits<qint64>::min()
                              << QStringList{"-1", "1"} << -1;
}

void ProductionTest::runCountBeyond64Bits() {
    QFETCH(int, work);
    QFETCH(QString, product);
    QFETCH(QString, field);
    QFETCH(qint64, need);
    QFETCH(QStringList, inputs);
    QFETCH(int, focus);
    chooseMaterials(field);
    neededExp = need;
    const ProductionOutcome out =
        runsNeeded(d, {work, "w", product, inputs[0], inputs[1], "", materials, neededExp});
    QVERIFY(out.append.isEmpty());
    QCOMPARE(out.problem->message.text, QString("数が大きすぎて計算できません"));
    QCOMPARE(out.problem->message.title, QString("計算範囲外"));
    QCOMPARE(out.problem->focus ? int(*out.problem->focus) : -1, focus);
}

void ProductionTest::largestValues() {
    // Right at the 64-bit limit everything is still counted exactly.
    const qint64 max = std::numeric_limits<qint64>::max();
    chooseMaterials("00");
    neededExp = max;
    QCOMPARE(runsNeeded(d, {0, "w", "one", "1", "1", "", materials, neededExp}).append,
             QString("one を 9223372036854775807 回分\r\n"
                     "  重量 ： one × 9223372036854775807 = 9223372036854775807\r\n"));
    QCOMPARE(totalsForRuns(d, {0, "w", "one", "1", "1", "9223372036854775807", materials}).append,
             QString("one を 9223372036854775807 回分生産した時の合計  9223372036854775807 EXP\r\n"
                     "  重量 ： one × 9223372036854775807 = 9223372036854775807\r\n"));
    QCOMPARE(d.producedExp, max);
    chooseMaterials("01one");
    QCOMPARE(totalsForRuns(d, {12, "w", "X", "3", "1", "3074457345618258602", materials}).append,
             QString("X を 3074457345618258602 回分生産した時の合計  9223372036854775806 EXP\r\n"
                     "  材料 ： one × 3074457345618258602 = 3074457345618258602 \r\n"));
}

void ProductionTest::roundUp_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("position");
    QTest::addColumn<double>("result");
    QTest::newRow("7.05 at 1") << 7.05 << 1 << 7.0;
    QTest::newRow("7.5 at 1") << 7.5 << 1 << 8.0;
    QTest::newRow("12.05 at 1") << 12.05 << 1 << 12.0;
    QTest::newRow("123 at -1") << 123.0 << -1 << 130.0;
    QTest::newRow("1.23 at 2") << 1.23 << 2 << 1.3;
    QTest::newRow("33.3 at 1") << 1000.0 / 30.0 << 1 << 34.0;
    QTest::newRow("exact") << 10.0 << 1 << 10.0;
}

void ProductionTest::roundUp() {
    QFETCH(double, value);
    QFETCH(int, position);
    QFETCH(double, result);
    QCOMPARE(std::get<double>(roundUpAt(value, position)), result);
}

void ProductionTest::roundUpPositionZero() {
    const Message message = std::get<Message>(roundUpAt(5.5, 0));
    QCOMPARE(message.text, QString("切り上げ位置を指定して下さい"));
    QCOMPARE(message.title, QString("エラー"));
    QCOMPARE(message.icon, Dialogs::Icon::Exclamation);
}

void ProductionTest::padding_data() {
    QTest::addColumn<qint64>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("short") << qint64(17) << 9 << "       17";
    QTest::newRow("negative") << qint64(-1) << 9 << "       -1";
    QTest::newRow("full column") << qint64(123456789) << 9 << "123456789";
    QTest::newRow("longer than column") << qint64(12345678901LL) << 9 << "12345678901";
}

void ProductionTest::padding() {
    QFETCH(qint64, value);
    QFETCH(int, width);
    QFETCH(QString, text);
    QCOMPARE(padNumber(value, width), text);
}

WM_TEST_MAIN(ProductionTest)
#include "tst_production.moc"
