#include <QRegularExpression>
#include <QTest>
#include <limits>

#include "materialtree.h"
#include "producttable.h"
#include "testmain.h"

using namespace wm;

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();

struct Plan {
    int section;
    int row;
};

// A small chain: ore and branches are gathered, charcoal and ingots made from them, swords
// from the ingots; plus a missing material, a cycle and a material only section 29 lists.
ProductTable chainData() {
    ProductTable m;
    auto product = [&m](int s, int r, const QString& c1, const QString& c2, const QString& c3,
                        const QString& c4, const QString& c5 = QString()) {
        wmtest::setProduct(m, s, r, c1, c2, c3, c4, c5);
    };
    const QStringList names{"", "狩猟", "木こり", "釣り", "農作業", "ハーブ採り", "鉱石掘り"};
    for (int s = 1; s <= 6; ++s)
        m.set(s, 1, 0, names[s]);
    m.set(9, 1, 0, "製材");
    m.set(10, 1, 0, "精錬");
    m.set(11, 1, 0, "裁縫");
    m.set(13, 1, 0, "剣鍛冶");
    m.set(14, 1, 0, "刀鍛冶");
    m.set(29, 1, 0, "首飾り細工");
    m.set(32, 1, 0, "細工");
    product(2, 1, "001:木の枝", "004:02", "1", "00", "北の森");
    product(6, 1, "010:鉄鉱石", "010:02", "6", "00", "旧坑道,鉱山");
    product(6, 2, "005:銅鉱石", "008:03", "5", "00", "岩山");
    product(6, 3, "001:砂粒", "001:01", "1", "00", "浜");
    product(6, 4, "001:重い砂", "001:01", "2", "00", "浜");
    product(9, 1, "028:木炭", "024:04", "2", "03木の枝");
    product(10, 1, "022:鉄インゴット", "022:04", "6", "03鉄鉱石,01木炭");
    product(10, 2, "001:銅インゴット", "006:03", "5", "03銅鉱石");
    product(11, 1, "001:限界品", "001:01", "1", "01砂粒");
    product(11, 2, "001:二倍品", "001:01", "1", "02砂粒");
    product(11, 3, "001:重量品", "001:01", "1", "01重い砂");
    product(11, 4, "001:二経験品", "002:01", "1", "01砂粒");
    product(11, 5, "001:二材料品", "001:01", "1", "01砂粒,01砂粒");
    product(11, 6, "001:同作業品", "001:01", "1", "01限界品");
    product(11, 7, "001:見本品", "001:01", "1", "00砂粒");
    product(11, 75, "001:遠い品", "001:01", "1", "01遠い品");
    product(13, 1, "035:鉄の長剣", "038:05", "45", "04鉄インゴット");
    product(13, 2, "022:鋼の剣", "010:02", "30", "01鉄インゴット,02木炭");
    product(13, 3, "030:謎の剣", "010:01", "5", "02謎の石,01木の枝");
    product(14, 1, "010:秘剣", "020:03", "10", "01秘薬の素");
    product(29, 1, "005:秘薬の素", "005:01", "7", "00");
    product(32, 1, "010:賢者の石", "010:01", "1", "01哲学の粉");
    product(32, 2, "010:哲学の粉", "005:01", "2", "02賢者の石");
    return m;
}

QStringList lines(const MaterialTree& tree) {
    return materialTreeText(tree).split(QLatin1Char('\n'));
}

const QString kHeader = QStringLiteral("材料\t作業\t個数\t生産回数\t経験値\t重量\t採取場所・備考");
const QString kLeafHeader = QStringLiteral("材料の合計\t作業\t個数\t重量");
const QString kWorkHeader = QStringLiteral("作業ごとの経験値\t経験値");

}  // namespace

class MaterialTreeTest : public QObject {
    Q_OBJECT
  private slots:
    void plans_data();
    void plans();
    void countsAtTheLimit_data();
    void countsAtTheLimit();
    void branchingWithoutEndIsRefused();
    void runCounts_data();
    void runCounts();
};

void MaterialTreeTest::plans_data() {
    QTest::addColumn<int>("section");
    QTest::addColumn<int>("row");
    QTest::addColumn<qint64>("runs");
    QTest::addColumn<QStringList>("text");

    QTest::newRow("one stage") << 10 << 2 << qint64(2)
                               << QStringList{kHeader,
                                              "銅インゴット\t精錬\t2\t2\t36\t10\t",
                                              "  銅鉱石\t鉱石掘り\t6\t6\t144\t30\t岩山",
                                              "",
                                              kLeafHeader,
                                              "銅鉱石\t鉱石掘り\t6\t30",
                                              "合計重量\t\t\t30",
                                              "",
                                              kWorkHeader,
                                              "精錬\t36",
                                              "鉱石掘り\t144"};
    const QStringList threeStages{kHeader,
                                  "鉄の長剣\t剣鍛冶\t2\t2\t380\t90\t",
                                  "  鉄インゴット\t精錬\t8\t8\t704\t48\t",
                                  "    鉄鉱石\t鉱石掘り\t24\t24\t480\t144\t旧坑道,鉱山",
                                  "    木炭\t製材\t8\t8\t768\t16\t",
                                  "      木の枝\t木こり\t24\t24\t192\t24\t北の森",
                                  "",
                                  kLeafHeader,
                                  "鉄鉱石\t鉱石掘り\t24\t144",
                                  "木の枝\t木こり\t24\t24",
                                  "合計重量\t\t\t168",
                                  "",
                                  kWorkHeader,
                                  "剣鍛冶\t380",
                                  "精錬\t704",
                                  "鉱石掘り\t480",
                                  "製材\t768",
                                  "木こり\t192"};
    QTest::newRow("three stages") << 13 << 1 << qint64(2) << threeStages;
    QStringList zero = threeStages;
    for (QString& line : zero)
        line.replace(QRegularExpression("\t\\d+"), "\t0");
    QTest::newRow("0 runs") << 13 << 1 << qint64(0) << zero;
    QTest::newRow("same material twice")
        << 13 << 2 << qint64(1)
        << QStringList{kHeader,
                       "鋼の剣\t剣鍛冶\t1\t1\t20\t30\t",
                       "  鉄インゴット\t精錬\t1\t1\t88\t6\t",
                       "    鉄鉱石\t鉱石掘り\t3\t3\t60\t18\t旧坑道,鉱山",
                       "    木炭\t製材\t1\t1\t96\t2\t",
                       "      木の枝\t木こり\t3\t3\t24\t3\t北の森",
                       "  木炭\t製材\t2\t2\t192\t4\t",
                       "    木の枝\t木こり\t6\t6\t48\t6\t北の森",
                       "",
                       kLeafHeader,
                       "鉄鉱石\t鉱石掘り\t3\t18",
                       "木の枝\t木こり\t9\t9",
                       "合計重量\t\t\t27",
                       "",
                       kWorkHeader,
                       "剣鍛冶\t20",
                       "精錬\t88",
                       "鉱石掘り\t60",
                       "製材\t288",
                       "木こり\t72"};
    QTest::newRow("missing material") << 13 << 3 << qint64(3)
                                      << QStringList{kHeader,
                                                     "謎の剣\t剣鍛冶\t3\t3\t30\t15\t",
                                                     "  謎の石\t不明\t6\t\t\t\t",
                                                     "  木の枝\t木こり\t3\t3\t24\t3\t北の森",
                                                     "",
                                                     kLeafHeader,
                                                     "謎の石\t不明\t6\t0",
                                                     "木の枝\t木こり\t3\t3",
                                                     "合計重量\t\t\t3",
                                                     "",
                                                     kWorkHeader,
                                                     "剣鍛冶\t30",
                                                     "木こり\t24"};
    QTest::newRow("cycle") << 32 << 1 << qint64(1)
                           << QStringList{
                                  kHeader,
                                  "賢者の石\t細工\t1\t1\t10\t1\t",
                                  "  哲学の粉\t細工\t1\t1\t5\t2\t",
                                  "    賢者の石\t細工\t2\t\t\t2\t循環するためここで打ち切り",
                                  "",
                                  kLeafHeader,
                                  "賢者の石\t細工\t2\t2",
                                  "合計重量\t\t\t2",
                                  "",
                                  kWorkHeader,
                                  "細工\t15"};
    // Rows past 70 are not found by name: the plan's own name still ends the chain.
    QTest::newRow("cycle through a plan no lookup finds")
        << 11 << 75 << qint64(1)
        << QStringList{kHeader,
                       "遠い品\t裁縫\t1\t1\t1\t1\t",
                       "  遠い品\t不明\t1\t\t\t0\t循環するためここで打ち切り",
                       "",
                       kLeafHeader,
                       "遠い品\t不明\t1\t0",
                       "合計重量\t\t\t0",
                       "",
                       kWorkHeader,
                       "裁縫\t1"};
    QTest::newRow("section 29 material") << 14 << 1 << qint64(2)
                                         << QStringList{kHeader,
                                                        "秘剣\t刀鍛冶\t2\t2\t120\t20\t",
                                                        "  秘薬の素\t首飾り細工\t2\t2\t10\t14\t",
                                                        "",
                                                        kLeafHeader,
                                                        "秘薬の素\t首飾り細工\t2\t14",
                                                        "合計重量\t\t\t14",
                                                        "",
                                                        kWorkHeader,
                                                        "刀鍛冶\t120",
                                                        "首飾り細工\t10"};
    QTest::newRow("gathered plan") << 6 << 1 << qint64(5)
                                   << QStringList{kHeader,
                                                  "鉄鉱石\t鉱石掘り\t5\t5\t100\t30\t旧坑道,鉱山",
                                                  "",
                                                  kLeafHeader,
                                                  "鉄鉱石\t鉱石掘り\t5\t30",
                                                  "合計重量\t\t\t30",
                                                  "",
                                                  kWorkHeader,
                                                  "鉱石掘り\t100"};
    QTest::newRow("material counted 0") << 11 << 7 << qint64(3)
                                        << QStringList{kHeader,
                                                       "見本品\t裁縫\t3\t3\t3\t3\t",
                                                       "  砂粒\t鉱石掘り\t0\t0\t0\t0\t浜",
                                                       "",
                                                       kLeafHeader,
                                                       "砂粒\t鉱石掘り\t0\t0",
                                                       "合計重量\t\t\t0",
                                                       "",
                                                       kWorkHeader,
                                                       "裁縫\t3",
                                                       "鉱石掘り\t0"};
}

void MaterialTreeTest::plans() {
    QFETCH(int, section);
    QFETCH(int, row);
    QFETCH(qint64, runs);
    QFETCH(QStringList, text);
    const MaterialTree tree = buildMaterialTree(chainData(), section, row, runs);
    QCOMPARE(tree.error, QString());
    QCOMPARE(lines(tree), text);
}

void MaterialTreeTest::countsAtTheLimit_data() {
    QTest::addColumn<int>("row");  // of section 11
    QTest::addColumn<qint64>("runs");
    QTest::addColumn<bool>("refused");
    QTest::newRow("every count at the limit") << 1 << kMax << false;
    QTest::newRow("pieces beyond it") << 2 << kMax << true;
    QTest::newRow("pieces just at it") << 2 << kMax / 2 << false;
    QTest::newRow("weight beyond it") << 3 << kMax / 2 + 1 << true;
    QTest::newRow("experience beyond it") << 4 << kMax / 2 + 1 << true;
    QTest::newRow("leaf total beyond it") << 5 << kMax / 2 + 1 << true;
    QTest::newRow("leaf total just at it") << 5 << kMax / 2 << false;
    QTest::newRow("work total beyond it") << 6 << kMax / 2 + 1 << true;
}

void MaterialTreeTest::countsAtTheLimit() {
    QFETCH(int, row);
    QFETCH(qint64, runs);
    QFETCH(bool, refused);
    const MaterialTree tree = buildMaterialTree(chainData(), 11, row, runs);
    if (refused) {
        QCOMPARE(tree.error, QString("個数が大きすぎるため、材料の内訳を計算できません"));
        QVERIFY(tree.nodes.empty());
        QVERIFY(tree.leaves.empty());
        QVERIFY(tree.works.empty());
        return;
    }
    QCOMPARE(tree.error, QString());
    QVERIFY(!tree.nodes.empty());
    qint64 leafPieces = 0;
    for (const LeafTotal& leaf : tree.leaves)
        leafPieces += leaf.pieces;
    QVERIFY(leafPieces > 0);
    QVERIFY(tree.leafWeight > 0);
    if (row == 1) {
        QCOMPARE(tree.nodes.back().pieces, kMax);
        QCOMPARE(tree.leafWeight, kMax);
        QCOMPARE(tree.works.size(), size_t(2));
        QCOMPARE(tree.works[0].exp, kMax);
        QCOMPARE(tree.works[1].exp, kMax);
    }
}

void MaterialTreeTest::branchingWithoutEndIsRefused() {
    // Every stage needs the next one twice: the tree doubles at each of 20 stages.
    ProductTable m;
    m.set(32, 1, 0, "細工");
    for (int r = 1; r <= 20; ++r) {
        m.set(32, 1, r, QStringLiteral("001:段%1").arg(r));
        m.set(32, 2, r, "001:01");
        m.set(32, 3, r, "1");
        m.set(32, 4, r, QStringLiteral("01段%1,01段%1").arg(r + 1));
    }
    const MaterialTree tree = buildMaterialTree(m, 32, 1, 1);
    QCOMPARE(tree.error, QString("材料が多すぎるため、材料の内訳を表示できません"));
    QVERIFY(tree.nodes.empty());
    // Fewer stages fit: 2^10 - 1 nodes and one unknown leaf per last stage.
    m.set(32, 4, 10, "01終わり");
    const MaterialTree small = buildMaterialTree(m, 32, 1, 1);
    QCOMPARE(small.error, QString());
    QCOMPARE(small.nodes.size(), size_t(1023 + 512));
    QCOMPARE(small.leaves.size(), size_t(1));
    QCOMPARE(small.leaves[0].pieces, qint64(512));
}

void MaterialTreeTest::runCounts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("runs");  // -1: refused
    QTest::addColumn<QString>("error");
    QTest::newRow("number") << "12" << qint64(12) << "";
    QTest::newRow("zero") << "0" << qint64(0) << "";
    QTest::newRow("the limit") << "9223372036854775807" << kMax << "";
    QTest::newRow("beyond the limit") << "9223372036854775808" << qint64(-1)
                                      << "個数が大きすぎるため、材料の内訳を計算できません";
    QTest::newRow("empty") << "" << qint64(-1) << "生産回数を入力してください";
    QTest::newRow("sign") << "-1" << qint64(-1) << "生産回数は数字で入力してください";
    QTest::newRow("blank") << " 1" << qint64(-1) << "生産回数は数字で入力してください";
    QTest::newRow("full-width digit") << "１" << qint64(-1) << "生産回数は数字で入力してください";
}

void MaterialTreeTest::runCounts() {
    QFETCH(QString, text);
    QFETCH(qint64, runs);
    QFETCH(QString, error);
    const RunsInput input = readRunCount(text);
    QCOMPARE(input.error, error);
    QCOMPARE(input.runs.value_or(-1), runs);
}

WM_TEST_MAIN(MaterialTreeTest)
#include "tst_materialtree.moc"
