#include <QFileInfo>
#include <QTest>
#include <limits>

#include "cp932.h"
#include "productionlist.h"
#include "productionlistfile.h"
#include "producttable.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;

namespace {

constexpr qint64 kMax = std::numeric_limits<qint64>::max();

// Branches and ore are gathered, charcoal and ingots made from them, swords from the
// ingots; a material nobody lists and a cycle.
ProductTable chainData() {
    ProductTable m;
    m.set(2, 1, 0, "木こり");
    m.set(6, 1, 0, "鉱石掘り");
    m.set(9, 1, 0, "製材");
    m.set(10, 1, 0, "精錬");
    m.set(13, 1, 0, "剣鍛冶");
    m.set(32, 1, 0, "細工");
    wmtest::setProduct(m, 2, 1, "001:木の枝", "004:02", "1", "00", "北の森");
    wmtest::setProduct(m, 6, 1, "010:鉄鉱石", "010:02", "6", "00", "旧坑道,鉱山");
    wmtest::setProduct(m, 9, 1, "028:木炭", "024:04", "2", "03木の枝");
    wmtest::setProduct(m, 10, 1, "022:鉄インゴット", "022:04", "6", "03鉄鉱石,01木炭");
    wmtest::setProduct(m, 13, 1, "035:鉄の長剣", "038:05", "45", "04鉄インゴット");
    wmtest::setProduct(m, 13, 2, "022:鋼の剣", "010:02", "30", "01鉄インゴット,02木炭");
    wmtest::setProduct(m, 13, 3, "030:謎の剣", "010:01", "5", "02謎の石,01木の枝");
    wmtest::setProduct(m, 32, 1, "010:賢者の石", "010:01", "1", "01哲学の粉");
    wmtest::setProduct(m, 32, 2, "010:哲学の粉", "005:01", "2", "02賢者の石");
    return m;
}

const QString kMadeHeader = QStringLiteral("作る生産品\t作業\t必要数\t手持ち\t生産回数");
const QString kBaseHeader =
    QStringLiteral("材料の合計\t作業\t必要数\t手持ち\t残り\t残りの重量\t採取場所・備考");
const QString kWorkHeader = QStringLiteral("作業ごとの経験値\t経験値");

using Rows = std::vector<ListRow>;
using Held = std::vector<HeldPieces>;
using Pieces = QList<QPair<qint64, qint64>>;  // weight of a piece, pieces left

}  // namespace

Q_DECLARE_METATYPE(Rows)
Q_DECLARE_METATYPE(Held)

class ProductionListTest : public QObject {
    Q_OBJECT
  private slots:
    void totals_data();
    void totals();
    void refused_data();
    void refused();
    void trips_data();
    void trips();
    void fileBytes();
    void unwritableNames_data();
    void unwritableNames();
    void badFiles_data();
    void badFiles();
};

void ProductionListTest::totals_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Held>("held");
    QTest::addColumn<QStringList>("text");

    // Both swords need ingots and charcoal: each is made once for both.
    QTest::newRow("shared intermediates")
        << Rows{{"鉄の長剣", 2, "剣鍛冶"}, {"鋼の剣", 1, ""}} << Held{}
        << QStringList{"生産リスト\t作業\t生産回数",
                       "鉄の長剣\t剣鍛冶\t2",
                       "鋼の剣\t剣鍛冶\t1",
                       "",
                       kMadeHeader,
                       "鉄の長剣\t剣鍛冶\t2\t0\t2",
                       "鉄インゴット\t精錬\t9\t0\t9",
                       "木炭\t製材\t11\t0\t11",
                       "鋼の剣\t剣鍛冶\t1\t0\t1",
                       "",
                       kBaseHeader,
                       "鉄鉱石\t鉱石掘り\t27\t0\t27\t162\t旧坑道,鉱山",
                       "木の枝\t木こり\t33\t0\t33\t33\t北の森",
                       "合計重量\t\t195\t\t\t195",
                       "",
                       kWorkHeader,
                       "剣鍛冶\t400",
                       "精錬\t792",
                       "鉱石掘り\t540",
                       "製材\t1056",
                       "木こり\t264"};
    // 5 ingots held: 3 made, so 9 ore and 3 charcoal, whose 9 branches are all held.
    QTest::newRow("held ingots cover their share below")
        << Rows{{"鉄の長剣", 2, ""}} << Held{{"鉄インゴット", 5}, {"木の枝", 10}}
        << QStringList{"生産リスト\t作業\t生産回数",
                       "鉄の長剣\t剣鍛冶\t2",
                       "",
                       kMadeHeader,
                       "鉄の長剣\t剣鍛冶\t2\t0\t2",
                       "鉄インゴット\t精錬\t8\t5\t3",
                       "木炭\t製材\t8\t0\t3",
                       "",
                       kBaseHeader,
                       "鉄鉱石\t鉱石掘り\t24\t0\t9\t54\t旧坑道,鉱山",
                       "木の枝\t木こり\t24\t9\t0\t0\t北の森",
                       "合計重量\t\t168\t\t\t54",
                       "",
                       kWorkHeader,
                       "剣鍛冶\t380",
                       "精錬\t264",
                       "鉱石掘り\t180",
                       "製材\t288",
                       "木こり\t0"};
    // The same held pieces serve the first need only once.
    QTest::newRow("held swords cover the whole tree")
        << Rows{{"鉄の長剣", 1, ""}, {"鉄の長剣", 1, ""}} << Held{{"鉄の長剣", 1}, {"鉄の長剣", 4}}
        << QStringList{"生産リスト\t作業\t生産回数",
                       "鉄の長剣\t剣鍛冶\t1",
                       "鉄の長剣\t剣鍛冶\t1",
                       "",
                       kMadeHeader,
                       "鉄の長剣\t剣鍛冶\t2\t2\t0",
                       "鉄インゴット\t精錬\t8\t0\t0",
                       "木炭\t製材\t8\t0\t0",
                       "",
                       kBaseHeader,
                       "鉄鉱石\t鉱石掘り\t24\t0\t0\t0\t旧坑道,鉱山",
                       "木の枝\t木こり\t24\t0\t0\t0\t北の森",
                       "合計重量\t\t168\t\t\t0",
                       "",
                       kWorkHeader,
                       "剣鍛冶\t0",
                       "精錬\t0",
                       "鉱石掘り\t0",
                       "製材\t0",
                       "木こり\t0"};
    // A product the data does not know stays in the list; so does a material.
    QTest::newRow("unknown names")
        << Rows{{"謎の剣", 3, "剣鍛冶"}, {"幻の品", 2, "剣鍛冶"}} << Held{{"謎の石", 1}}
        << QStringList{"生産リスト\t作業\t生産回数",
                       "謎の剣\t剣鍛冶\t3",
                       "幻の品\t不明（データにない）\t2",
                       "",
                       kMadeHeader,
                       "謎の剣\t剣鍛冶\t3\t0\t3",
                       "",
                       kBaseHeader,
                       "謎の石\t不明\t6\t1\t5\t\t",
                       "木の枝\t木こり\t3\t0\t3\t3\t北の森",
                       "幻の品\t不明\t2\t0\t2\t\t",
                       "合計重量\t\t3\t\t\t3",
                       "",
                       kWorkHeader,
                       "剣鍛冶\t30",
                       "木こり\t24"};
    QTest::newRow("cycle") << Rows{{"賢者の石", 1, "細工"}} << Held{}
                           << QStringList{"生産リスト\t作業\t生産回数",
                                          "賢者の石\t細工\t1",
                                          "",
                                          kMadeHeader,
                                          "賢者の石\t細工\t1\t0\t1",
                                          "哲学の粉\t細工\t1\t0\t1",
                                          "",
                                          kBaseHeader,
                                          "賢者の石\t細工\t2\t0\t2\t2\t循環するためここで打ち切り",
                                          "合計重量\t\t2\t\t\t2",
                                          "",
                                          kWorkHeader,
                                          "細工\t15"};
    // 1152921504606846975 x 8 experience is the largest multiple of 8 a count holds.
    QTest::newRow("counts at the limit")
        << Rows{{"木の枝", 1152921504606846975, ""}} << Held{{"木の枝", kMax}}
        << QStringList{"生産リスト\t作業\t生産回数",
                       "木の枝\t木こり\t1152921504606846975",
                       "",
                       kMadeHeader,
                       "",
                       kBaseHeader,
                       "木の枝\t木こり\t1152921504606846975\t1152921504606846975\t0\t0\t北の森",
                       "合計重量\t\t1152921504606846975\t\t\t0",
                       "",
                       kWorkHeader,
                       "木こり\t0"};
}

void ProductionListTest::totals() {
    QFETCH(Rows, rows);
    QFETCH(Held, held);
    QFETCH(QStringList, text);
    const ListTotals totals = productionListTotals(chainData(), rows, held);
    QCOMPARE(totals.error, QString());
    QCOMPARE(productionListText(rows, totals, QString()).split('\n'), text);
}

void ProductionListTest::refused_data() {
    QTest::addColumn<Rows>("rows");
    QTest::addColumn<Held>("held");
    QTest::newRow("pieces of a material") << Rows{{"鉄の長剣", kMax / 4 + 1, ""}} << Held{};
    // Neither row alone is too large: an unknown product has no weight or experience.
    QTest::newRow("two rows") << Rows{{"幻の品", kMax / 2 + 1, ""}, {"幻の品", kMax / 2 + 1, ""}}
                              << Held{};
    QTest::newRow("weight") << Rows{{"鉄鉱石", kMax / 6 + 1, ""}} << Held{};
    QTest::newRow("experience") << Rows{{"木の枝", kMax / 8 + 1, ""}} << Held{{"木の枝", 0}};
    QTest::newRow("held pieces") << Rows{{"木の枝", 1, ""}} << Held{{"木炭", kMax}, {"木炭", 1}};
}

void ProductionListTest::refused() {
    QFETCH(Rows, rows);
    QFETCH(Held, held);
    const ListTotals totals = productionListTotals(chainData(), rows, held);
    QCOMPARE(totals.error, QString("個数が大きすぎるため、材料の内訳を計算できません"));
    QVERIFY(totals.bases.empty() && totals.made.empty() && totals.works.empty());
}

void ProductionListTest::trips_data() {
    QTest::addColumn<Pieces>("pieces");
    QTest::addColumn<qint64>("maximum");
    QTest::addColumn<qint64>("current");
    QTest::addColumn<QString>("line");
    QTest::newRow("nothing") << Pieces{} << qint64(100) << qint64(0)
                             << "運ぶ回数 0 回、最後の回の残り重量 100";
    QTest::newRow("exact fit") << Pieces{{10, 10}} << qint64(100) << qint64(0)
                               << "運ぶ回数 1 回、最後の回の残り重量 0";
    // Three pieces of 30 per trip: 90 carried, the fourth on a second trip.
    QTest::newRow("whole pieces") << Pieces{{30, 4}} << qint64(100) << qint64(0)
                                  << "運ぶ回数 2 回、最後の回の残り重量 70";
    QTest::newRow("the next material fills the last trip")
        << Pieces{{30, 4}, {1, 75}} << qint64(100) << qint64(0)
        << "運ぶ回数 3 回、最後の回の残り重量 95";
    QTest::newRow("what is carried counts")
        << Pieces{{10, 9}} << qint64(100) << qint64(20) << "運ぶ回数 2 回、最後の回の残り重量 70";
    QTest::newRow("weightless") << Pieces{{0, 1000}} << qint64(10) << qint64(10)
                                << "運ぶ回数 0 回、最後の回の残り重量 0";
    QTest::newRow("too heavy") << Pieces{{50, 1}} << qint64(100) << qint64(60)
                               << "品1 は重すぎて運べません";
    QTest::newRow("no room") << Pieces{{1, 1}} << qint64(100) << qint64(100)
                             << "持てる重量が残っていません";
}

void ProductionListTest::trips() {
    QFETCH(Pieces, pieces);
    QFETCH(qint64, maximum);
    QFETCH(qint64, current);
    QFETCH(QString, line);
    std::vector<BaseTotal> bases;
    for (const auto& [weight, left] : pieces) {
        BaseTotal base;
        base.name = QStringLiteral("品%1").arg(bases.size() + 1);
        base.pieceWeight = weight;
        base.left = left;
        bases.push_back(base);
    }
    QCOMPARE(carryLineText(carryTrips(bases, maximum, current)), line);
}

void ProductionListTest::fileBytes() {
    wmtest::TestFolder folder;
    ProductionList list;
    list.rows = {{"鉄の長剣", 2, "剣鍛冶"}, {"幻の品", 1, ""}};
    list.held = {{"木の枝", 10}};
    list.maximumWeight = 1500;
    const QString path = folder.filePath("list.txt");
    QVERIFY(writeProductionList(path, list).ok);
    const QByteArray expected = wmtest::cp932Lines(
        {"# Wendmoorツール 生産リスト",
         "# 「#」で始まる行と空行は読み飛ばします。項目はタブか半角空白で区切ります。",
         "# 生産 生産品名 回数 作業名(省略可)", "# 手持ち 材料名 個数",
         "# 最大重量 数 / 現在重量 数", "生産\t鉄の長剣\t2\t剣鍛冶", "生産\t幻の品\t1",
         "手持ち\t木の枝\t10", "最大重量\t1500"});
    QCOMPARE(folder.readBytes("list.txt"), expected);
    const ProductionListRead read = readProductionList(path);
    QVERIFY(read.ok);
    QCOMPARE(read.list.rows.size(), size_t(2));
    QCOMPARE(read.list.rows[1].product, QString("幻の品"));
    QCOMPARE(read.list.rows[0].work, QString("剣鍛冶"));
    QCOMPARE(read.list.held[0].pieces, qint64(10));
    QCOMPARE(read.list.maximumWeight, std::optional<qint64>(1500));
    QCOMPARE(read.list.currentWeight, std::optional<qint64>());

    // A name the file could not give back is refused, and the old file stays.
    list.held = {{"木の 枝", 1}};
    const FileResult refused = writeProductionList(path, list);
    QCOMPARE(refused.error, QString("「木の 枝」はリストに書けない名前です"));
    QCOMPARE(folder.readBytes("list.txt"), expected);
}

// Names the file could not give back as they are: nothing is written.
void ProductionListTest::unwritableNames_data() {
    QTest::addColumn<QString>("product");
    QTest::addColumn<QString>("work");
    QTest::addColumn<QString>("error");
    const QString badByte = QString("木の") + QChar(0x1A) + QString("剣");
    QTest::newRow("bad byte of the data") << badByte << "剣鍛冶"
                                          << "「" + badByte + "」はリストに書けない名前です";
    QTest::newRow("work ending in a full-width space") << "鉄の長剣"
                                                       << "剣鍛冶　"
                                                       << "「鉄の長剣」はリストに書けない名前です";
    QTest::newRow("comment mark") << "#鉄の長剣"
                                  << ""
                                  << "「#鉄の長剣」はリストに書けない名前です";
}

void ProductionListTest::unwritableNames() {
    QFETCH(QString, product);
    QFETCH(QString, work);
    QFETCH(QString, error);
    wmtest::TestFolder folder;
    ProductionList list;
    list.rows = {{product, 1, work}};
    const QString path = folder.filePath("list.txt");
    QCOMPARE(writeProductionList(path, list).error, error);
    QVERIFY(!QFileInfo::exists(path));
}

void ProductionListTest::badFiles_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("error");
    const QByteArray first = wmtest::cp932Lines({"# リスト", "生産 木炭 3"});
    QTest::newRow("not a count") << first + wmtest::cp932Lines({"", "手持ち 木の枝 三"})
                                 << "4 行目: 「三」は個数ではありません（半角数字、19 桁まで）";
    QTest::newRow("beyond a count")
        << first + wmtest::cp932Lines({"最大重量 9223372036854775808"})
        << "3 行目: 「9223372036854775808」は個数ではありません（半角数字、19 桁まで）";
    QTest::newRow("a row without runs") << wmtest::cp932Lines({"生産\t木炭"})
                                        << "1 行目: 生産の行は「生産 生産品名 回数 作業名」です";
    QTest::newRow("a field too many")
        << first + wmtest::cp932Lines({"現在重量 1 2"}) << "3 行目: 現在重量 の行の項目は 2 個です";
    QTest::newRow("unknown line")
        << first + wmtest::cp932Lines({"作る 木炭 3"})
        << "3 行目: 「作る」で始まる行は読めません（生産、手持ち、最大重量、現在重量）";
    QTest::newRow("no character") << first + QByteArray("\x90\xb6 \xfd 1\r\n")
                                  << "3 行目を Shift_JIS として読めません";
}

void ProductionListTest::badFiles() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, error);
    wmtest::TestFolder folder;
    folder.writeBytes("list.txt", bytes);
    const ProductionListRead read = readProductionList(folder.filePath("list.txt"));
    QVERIFY(!read.ok && !read.missing);
    QCOMPARE(read.error, error);
    QVERIFY(read.list.rows.empty());
}

WM_TEST_MAIN(ProductionListTest)
#include "tst_productionlist.moc"
