#include <QTest>
#include <limits>

#include "productinfo.h"
#include "producttable.h"
#include "testmain.h"

using namespace wm;

namespace {

// Work names chosen for their byte lengths: 精錬作業 is 8 bytes, 裁縫作業専門 12.
ProductTable sampleProducts() {
    ProductTable t;
    const auto product = [&t](int s, int r, const QString& name, const QString& exp,
                              const QString& weight, const QString& set,
                              const QString& extra = QString()) {
        wmtest::setProduct(t, s, r, name, exp, weight, set, extra);
    };
    const QStringList names{"狩猟",   "木こり", "釣り", "農作業",   "ハーブ採り",   "鉱石掘り",
                            "薬調合", "料理",   "製材", "精錬作業", "裁縫作業専門", "革細工"};
    for (int s = 1; s <= ProductTable::kSections; ++s)
        t.set(s, ProductColumn::Name, 0,
              s <= names.size() ? names.at(s - 1) : QStringLiteral("作業%1").arg(s));
    product(1, 1, "005:肉", "012:03", "3", "00", "北の森,湖畔, 西の丘");
    product(2, 1, "010:木材", "010:02", "10", "00");
    product(4, 1, "001:糸", "005:01", "1", "00");
    product(6, 1, "008:鉄鉱石", "010:01", "10", "00", "北の坑道");
    product(7, 1, "010:傷薬", "020:02", "1", "00", "30");
    product(7, 2, "012:眠り薬", "010:03", "1", "00", "0,眠気,5");
    product(7, 3, "020:万能薬", "030:05", "2", "00", "20,HP回復, 30,毒治療");
    product(7, 4, "001:無効薬", "001:01", "1", "00", "0");
    product(7, 5, "001:変な薬", "001:01", "1", "00", "x,A,1");
    product(8, 1, "005:焼き肉", "010:02", "3", "00", "15,満腹,10");
    product(10, 1, "010:鉄", "015:02", "20", "02鉄鉱石");
    product(10, 2, "001:重石", "001:01", "5000000000000000000", "00");
    product(11, 1, "010:布", "010:02", "2", "02糸");
    product(13, 1, "020:剣", "050:10", "30", "02鉄,01木材,01布");
    product(13, 2, "010:短剣", "030:05", "15", "01鉄");
    product(13, 3, "010:謎剣", "030:05", "15", "01謎の粉,01鉄");
    product(13, 4, "010:首剣", "030:05", "15", "01秘薬の素");
    product(13, 5, "010:多剣", "030:05", "15", "01鉄,01鉄,01鉄,01鉄");
    product(13, 6, "010:無剣", "030:05", "15", "00");
    product(13, 7, "010:重剣", "030:05", "15", "02重石");
    product(13, 8, "010:二重剣", "030:05", "15", "01重石,01重石");
    product(13, 9, "xx:崩剣", "abc", "w", "00");
    product(29, 1, "005:秘薬の素", "005:01", "7", "00");
    return t;
}

// "level/exp/runs/totalExp/weight/totalWeight"
ProductFields fieldsOf(const QString& text) {
    const QStringList f = text.split(QLatin1Char('/'));
    return {f.value(0), f.value(1), f.value(2), f.value(3), f.value(4), f.value(5)};
}
QString textOf(const ProductFields& f) {
    return QStringList{f.level, f.exp, f.runs, f.totalExp, f.weight, f.totalWeight}.join('/');
}
// "-" for a hidden row, else "count/level/weight" and where the row shows the material.
QString textOf(const MaterialRowFill& row) {
    if (!row.shown)
        return QStringLiteral("-");
    QString text = row.count + '/' + row.level + '/' + row.weight;
    if (row.listPosition)
        text += QStringLiteral("@%1,%2")
                    .arg(row.listPosition->workPosition)
                    .arg(row.listPosition->materialPosition);
    else if (!row.material.isEmpty())
        text += '@' + row.workName + ':' + row.material;
    return text;
}

// Materials as "work|material|count".
InfoInputs inputs(int workPosition, int productPosition, const QString& product,
                  const QString& current, const QString& maximum, const QStringList& materials) {
    InfoInputs in;
    in.workPosition = workPosition;
    in.productPosition = productPosition;
    in.product = product;
    in.currentWeight = current;
    in.maximumWeight = maximum;
    for (int k = 0; k < materials.size() && k < 3; ++k) {
        const QStringList parts = materials.at(k).split(QLatin1Char('|'));
        in.materials[size_t(k)] = {parts.value(0), parts.value(1), parts.value(2)};
    }
    return in;
}

const QString kTooBig = QStringLiteral("9223372036854775807");

}  // namespace

class ProductInfoTest : public QObject {
    Q_OBJECT

  private slots:
    void listPositions_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("work");
        QTest::addColumn<int>("materialWork");
        QTest::newRow("nothing chosen") << -1 << 0 << 0;
        QTest::newRow("first") << 0 << 1 << 1;
        QTest::newRow("last gathering") << 5 << 6 << 6;
        QTest::newRow("material works follow the gathering") << 6 << 7 << 9;
        QTest::newRow("leather") << 9 << 10 << 12;
        QTest::newRow("crafts close the material works") << 10 << 11 << 32;
        QTest::newRow("past the material works") << 11 << 12 << 0;
        QTest::newRow("rings") << 27 << 28 << 0;
        QTest::newRow("necklaces skipped") << 28 << 30 << 0;
        QTest::newRow("instruments last") << 29 << 31 << 0;
        QTest::newRow("past the works") << 30 << 0 << 0;
    }
    void listPositions() {
        QFETCH(int, position);
        QFETCH(int, work);
        QFETCH(int, materialWork);
        QCOMPARE(workSection(position), work);
        QCOMPARE(materialWorkSection(position), materialWork);
        if (materialWork != 0)
            QCOMPARE(materialWorkPosition(materialWork), position);
    }

    void notMaterialWorks() {
        for (int s : {0, 7, 8, 13, 28, 29, 31, 33})
            QCOMPARE(materialWorkPosition(s), -1);
    }

    void sectionProductsStopAtTheFirstEmptyRow() {
        ProductTable t;
        for (int r = 1; r <= ProductTable::kRows; ++r)
            t.set(3, ProductColumn::Name, r, QStringLiteral("001:魚%1").arg(r));
        QCOMPARE(sectionProducts(t, 3, kProductListRows).size(), 80);
        QCOMPARE(sectionProducts(t, 3, kMaterialListRows).last(), QStringLiteral("魚70"));
        t.set(3, ProductColumn::Name, 4, QString());
        QCOMPARE(sectionProducts(t, 3, kProductListRows), (QStringList{"魚1", "魚2", "魚3"}));
        QVERIFY(sectionProducts(t, 0, kProductListRows).isEmpty());
    }

    void materialPositions_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("work");      // -1: not listed
        QTest::addColumn<int>("material");  // row in the material list
        QTest::newRow("gathering") << "鉄鉱石" << 5 << 0;
        QTest::newRow("material work") << "重石" << 7 << 1;
        QTest::newRow("medicine is no material work") << "傷薬" << -1 << -1;
        QTest::newRow("necklaces are no material work") << "秘薬の素" << -1 << -1;
        QTest::newRow("unknown") << "謎の粉" << -1 << -1;
    }
    void materialPositions() {
        QFETCH(QString, name);
        QFETCH(int, work);
        QFETCH(int, material);
        const auto found = materialPosition(sampleProducts(), name);
        QCOMPARE(found.has_value(), work >= 0);
        if (found) {
            QCOMPARE(found->workPosition, work);
            QCOMPARE(found->materialPosition, material);
        }
    }

    void productChoice_data() {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("fields");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<bool>("unknown");
        const QString empty = QStringLiteral("/////");
        QTest::newRow("three materials")
            << 1 << "剣" << empty << "20/50/10/500/30/52"
            << QStringList{"2/10/40@7,0", "1/10/10@1,0", "1/10/2@8,0"} << false;
        QTest::newRow("one material hides the other rows")
            << 2 << "短剣"
            << "1/1/1/1/1/1"
            << "10/30/5/150/15/20" << QStringList{"1/10/20@7,0", "-", "-"} << false;
        QTest::newRow("？？？ opens three rows")
            << 0 << "？？？"
            << "9/9/9/9/9/9"
            << "0/0/0/0/0/0" << QStringList{"0//", "0//", "0//"} << false;
        QTest::newRow("a material found nowhere shows its name and count")
            << 3 << "謎剣" << empty << "10/30/5/150/15/"
            << QStringList{"1//@:謎の粉", "1/10/20@7,0", "-"} << true;
        QTest::newRow("the necklace section: named without lists")
            << 4 << "首剣" << empty << "10/30/5/150/15/7"
            << QStringList{"1/5/7@作業29:秘薬の素", "-", "-"} << false;
        QTest::newRow("a fourth entry adds onto the total shown")
            << 5 << "多剣"
            << "/////100"
            << "10/30/5/150/15/160" << QStringList{"1/10/20@7,0", "1/10/20@7,0", "1/10/20@7,0"}
            << false;
        QTest::newRow("no materials")
            << 6 << "無剣" << empty << "10/30/5/150/15/0" << QStringList{"-", "-", "-"} << false;
        QTest::newRow("a row weight beyond 64 bits leaves both weights empty")
            << 7 << "重剣" << empty << "10/30/5/150/15/" << QStringList{"2/1/@7,1", "-", "-"}
            << false;
        QTest::newRow("a total beyond 64 bits stays empty")
            << 8 << "二重剣" << empty << "10/30/5/150/15/"
            << QStringList{"1/1/5000000000000000000@7,1", "1/1/5000000000000000000@7,1", "-"}
            << false;
        QTest::newRow("unreadable fields keep what they showed")
            << 9 << "崩剣"
            << "1/2/3/4/5/6"
            << "1/2/3/6/5/0" << QStringList{"-", "-", "-"} << false;
    }
    void productChoice() {
        QFETCH(int, position);
        QFETCH(QString, text);
        QFETCH(QString, before);
        QFETCH(QString, fields);
        QFETCH(QStringList, rows);
        QFETCH(bool, unknown);
        const ProductChoice choice =
            chooseProduct(sampleProducts(), Section::Swords, position, text, fieldsOf(before));
        QCOMPARE(textOf(choice.fields), fields);
        QStringList shown;
        for (const MaterialRowFill& row : choice.rows)
            shown << textOf(row);
        QCOMPARE(shown, rows);
        QCOMPARE(choice.unknownMaterial, unknown);
    }

    // Rows as "count/weight".
    void runWeight_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("total");
        QTest::newRow("rows added up") << QStringList{"2/40", "5/50", "1/5"} << "95";
        QTest::newRow("？？？ rows: 0 pieces weigh nothing")
            << QStringList{"0/", "0/", "0/"} << "0";
        QTest::newRow("hidden rows") << QStringList{"1/20", "/", "/"} << "20";
        QTest::newRow("a counted row without weight") << QStringList{"1/20", "2/", "/"} << "";
        QTest::newRow("beyond 64 bits") << QStringList{"1/" + kTooBig, "1/1", "/"} << "";
    }
    void runWeight() {
        QFETCH(QStringList, rows);
        QFETCH(QString, total);
        std::array<MaterialRowWeight, 3> weights;
        for (size_t k = 0; k < weights.size(); ++k)
            weights[k] = {rows.at(int(k)).section('/', 0, 0), rows.at(int(k)).section('/', 1)};
        QCOMPARE(runWeightText(weights), total);
    }

    void totalExp_data() {
        QTest::addColumn<QString>("runs");
        QTest::addColumn<QString>("exp");
        QTest::addColumn<QString>("total");  // "none": the field keeps its text
        QTest::newRow("product") << "3"
                                 << "10"
                                 << "30";
        QTest::newRow("fractions round down") << "3.9"
                                              << "10.5"
                                              << "30";
        QTest::newRow("an empty field") << ""
                                        << "10"
                                        << "none";
        QTest::newRow("not a number") << "3"
                                      << "x"
                                      << "none";
        QTest::newRow("beyond 64 bits") << "2" << kTooBig << "";
    }
    void totalExp() {
        QFETCH(QString, runs);
        QFETCH(QString, exp);
        QFETCH(QString, total);
        QCOMPARE(totalExpText(runs, exp).value_or(QStringLiteral("none")), total);
    }

    void carryCounts_data() {
        QTest::addColumn<qint64>("freeWeight");
        QTest::addColumn<qint64>("weight");
        QTest::addColumn<int>("section");
        QTest::addColumn<int>("named");
        QTest::addColumn<qint64>("runs");  // -999: none
        QTest::addColumn<qint64>("pieces");
        const qint64 none = -999;
        const qint64 min = std::numeric_limits<qint64>::min();
        QTest::newRow("rounds down")
            << qint64(99) << qint64(20) << 10 << 1 << qint64(4) << qint64(4);
        QTest::newRow("negative rounds towards minus infinity")
            << qint64(-110) << qint64(20) << 10 << 1 << qint64(-6) << qint64(-6);
        QTest::newRow("no cap below the swords")
            << qint64(1000) << qint64(2) << 12 << 3 << qint64(500) << qint64(500);
        QTest::newRow("swords, three materials")
            << qint64(5200) << qint64(52) << 13 << 3 << qint64(38) << qint64(40);
        QTest::newRow("swords, one material")
            << qint64(2000) << qint64(20) << 13 << 1 << qint64(40) << qint64(40);
        QTest::newRow("swords, just below the cap")
            << qint64(39) << qint64(1) << 13 << 3 << qint64(39) << qint64(39);
        QTest::newRow("instruments, exactly the cap")
            << qint64(40) << qint64(1) << 31 << 2 << qint64(39) << qint64(40);
        QTest::newRow("weightless") << qint64(1000) << qint64(0) << 10 << 1 << none << qint64(0);
        QTest::newRow("quotient beyond 64 bits") << min << qint64(-1) << 10 << 1 << none << none;
    }
    void carryCounts() {
        QFETCH(qint64, freeWeight);
        QFETCH(qint64, weight);
        QFETCH(int, section);
        QFETCH(int, named);
        QFETCH(qint64, runs);
        QFETCH(qint64, pieces);
        QCOMPARE(carriedRuns(freeWeight, weight, section, named).value_or(-999), runs);
        QCOMPARE(carriedPieces(freeWeight, weight, section).value_or(-999), pieces);
    }

    void materialInfo_data() {
        QTest::addColumn<int>("work");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("runWeight");
        QTest::addColumn<QString>("totalExp");
        QTest::addColumn<QStringList>("materials");
        QTest::addColumn<bool>("unknown");
        QTest::addColumn<QString>("text");
        const QStringList sword{"精錬作業|鉄|2", "木こり|木材|1", "裁縫作業専門|布|1"};
        QTest::newRow("work names padded to 11 bytes, runs capped")
            << 12 << "剣"
            << "0"
            << "52"
            << "500" << sword << false
            << "精錬作業   010 の 鉄 を 76\n木こり     010 の 木材 を 38\n"
               "裁縫作業専門010 の 布 を 38\n剣 を 38 回分作れます\n"
               "剣 を 38 回分の経験値 19000\n残り重量は 3224 です";
        QTest::newRow("current above maximum") << 9 << "鉄"
                                               << "5310"
                                               << "20"
                                               << "30" << QStringList{"鉱石掘り|鉄鉱石|2"} << false
                                               << "現在重量が最大重量を超えているため、持てません";
        QTest::newRow("an empty amount ends the text")
            << 12 << "剣"
            << "0"
            << "52"
            << "500" << QStringList{"精錬作業|鉄|2", "木こり|木材|", "裁縫作業専門|布|1"} << false
            << "精錬作業   010 の 鉄 を 76\n";
        QTest::newRow("no total experience: no experience or weight lines")
            << 12 << "短剣"
            << "0"
            << "20"
            << "" << QStringList{"精錬作業|鉄|1"} << false
            << "精錬作業   010 の 鉄 を 40\n短剣 を 40 回分作れます";
        QTest::newRow("empty product") << 12 << ""
                                       << "0"
                                       << "20"
                                       << "1" << QStringList{"精錬作業|鉄|1"} << false << "";
        QTest::newRow("？？？ material") << 12 << "剣"
                                         << "0"
                                         << "20"
                                         << "1" << QStringList{"|？？？|0"} << false << "";
        QTest::newRow("weightless run") << 12 << "剣"
                                        << "0"
                                        << "0"
                                        << "1" << QStringList{"精錬作業|鉄|1"} << false << "";
        QTest::newRow("a material found nowhere is named")
            << 12 << "剣"
            << "0"
            << "20"
            << "1" << QStringList{"|謎の粉|1", "精錬作業|鉄|1"} << true
            << "謎の粉（不明な材料）の重量がわかりません";
        QTest::newRow("weight not a number") << 12 << "剣"
                                             << "x"
                                             << "20"
                                             << "1" << QStringList{"精錬作業|鉄|1"} << false << "";
        QTest::newRow("free weight beyond 64 bits")
            << 12 << "剣"
            << "-" + kTooBig << "20"
            << "1" << QStringList{"精錬作業|鉄|1"} << false << "";
        QTest::newRow("pieces beyond 64 bits")
            << 9 << "鉄"
            << "0"
            << "1"
            << "1" << QStringList{"鉱石掘り|鉄鉱石|" + kTooBig} << false << "";
        QTest::newRow("gathering work: its places, blanks kept")
            << 0 << "肉"
            << "0"
            << ""
            << "" << QStringList{} << false << "北の森\n湖畔\n 西の丘";
    }
    void materialInfo() {
        QFETCH(int, work);
        QFETCH(QString, product);
        QFETCH(QString, current);
        QFETCH(QString, runWeight);
        QFETCH(QString, totalExp);
        QFETCH(QStringList, materials);
        QFETCH(bool, unknown);
        QFETCH(QString, text);
        InfoInputs in = inputs(work, 1, product, current, QStringLiteral("5200"), materials);
        in.totalWeight = runWeight;
        in.totalExp = totalExp;
        in.unknownMaterial = unknown;
        QCOMPARE(materialInfoText(sampleProducts(), in), text);
    }

    void gatheringPlaces_data() {
        QTest::addColumn<int>("work");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("text");
        QTest::newRow("one place a line") << 0 << 1 << "肉"
                                          << "北の森\n湖畔\n 西の丘";
        QTest::newRow("last gathering work") << 5 << 1 << "鉄鉱石"
                                             << "北の坑道";
        QTest::newRow("typed product") << 0 << -1 << "肉"
                                       << "";
        QTest::newRow("empty product") << 0 << 1 << ""
                                       << "";
        QTest::newRow("no work chosen") << -1 << 1 << "肉"
                                        << "";
    }
    void gatheringPlaces() {
        QFETCH(int, work);
        QFETCH(int, position);
        QFETCH(QString, product);
        QFETCH(QString, text);
        const InfoInputs in = inputs(work, position, product, "0", "1000", {});
        QCOMPARE(gatheringPlacesText(sampleProducts(), in), text);
        QCOMPARE(materialInfoText(sampleProducts(), in), text);
    }

    void productInfo_data() {
        QTest::addColumn<int>("work");
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("product");
        QTest::addColumn<QString>("weight");
        QTest::addColumn<QString>("current");
        QTest::addColumn<QString>("firstMaterial");
        QTest::addColumn<QString>("text");
        QTest::newRow("strength alone")
            << 6 << 1 << "傷薬"
            << "1"
            << "0"
            << ""
            << "傷薬 を 1000 持てます\n残り重量は 0 です\n  薬物強度:30";
        QTest::newRow("strength 0, a name and a value")
            << 6 << 2 << "眠り薬"
            << "1"
            << "0"
            << ""
            << "眠り薬 を 1000 持てます\n残り重量は 0 です\n  眠気:5";
        QTest::newRow("names with and without values")
            << 6 << 3 << "万能薬"
            << "2"
            << "0"
            << ""
            << "万能薬 を 500 持てます\n残り重量は 0 です\n  薬物強度:20\n  HP回復:30\n  毒治療";
        QTest::newRow("food")
            << 7 << 1 << "焼き肉"
            << "3"
            << "0"
            << ""
            << "焼き肉 を 333 持てます\n残り重量は 1 です\n  腹持ち度:15\n  満腹:10";
        QTest::newRow("strength 0 alone") << 6 << 4 << "無効薬"
                                          << "1"
                                          << "0"
                                          << ""
                                          << "無効薬 を 1000 持てます\n残り重量は 0 です";
        QTest::newRow("strength not a number: no effects")
            << 6 << 5 << "変な薬"
            << "1"
            << "0"
            << ""
            << "変な薬 を 1000 持てます\n残り重量は 0 です";
        QTest::newRow("typed product: no effects") << 6 << -1 << "X"
                                                   << "1"
                                                   << "0"
                                                   << ""
                                                   << "X を 1000 持てます\n残り重量は 0 です";
        QTest::newRow("？？？ in medicine: an empty effect line")
            << 6 << 0 << "？？？"
            << "0"
            << "0"
            << ""
            << "？？？ を 0 持てます\n残り重量は 1000 です\n  ";
        QTest::newRow("weightless ？？？ material") << 6 << 0 << "？？？"
                                                    << "0"
                                                    << "0"
                                                    << "？？？"
                                                    << "";
        QTest::newRow("swords capped at 40") << 12 << 1 << "剣"
                                             << "3"
                                             << "0"
                                             << ""
                                             << "剣 を 40 持てます\n残り重量は 880 です";
        QTest::newRow("negative free weight") << 9 << 1 << "鉄"
                                              << "20"
                                              << "1110"
                                              << ""
                                              << "現在重量が最大重量を超えているため、持てません";
        QTest::newRow("weight not a number") << 9 << 1 << "鉄"
                                             << ""
                                             << "0"
                                             << ""
                                             << "";
        QTest::newRow("empty product") << 9 << 1 << ""
                                       << "20"
                                       << "0"
                                       << ""
                                       << "";
        QTest::newRow("free weight beyond 64 bits") << 9 << 1 << "鉄"
                                                    << "20"
                                                    << "-" + kTooBig << ""
                                                    << "";
    }
    void productInfo() {
        QFETCH(int, work);
        QFETCH(int, position);
        QFETCH(QString, product);
        QFETCH(QString, weight);
        QFETCH(QString, current);
        QFETCH(QString, firstMaterial);
        QFETCH(QString, text);
        InfoInputs in = inputs(work, position, product, current, QStringLiteral("1000"),
                               {"|" + firstMaterial + "|"});
        in.pieceWeight = weight;
        QCOMPARE(productInfoText(sampleProducts(), in), text);
    }
};

WM_TEST_MAIN(ProductInfoTest)
#include "tst_productinfo.moc"
