#include <QTest>

#include "charpanel.h"
#include "testmain.h"

using namespace wm;

class CharPanelTest : public QObject {
    Q_OBJECT
  private slots:
    void fameSlots_data();
    void fameSlots();
    void groups();
    void equipmentTags();
    void jobTokens_data();
    void jobTokens();
    void maxWeight();
    void nameCut_data();
    void nameCut();
};

void CharPanelTest::fameSlots_data() {
    QTest::addColumn<QString>("fame");
    QTest::addColumn<int>("count");
    QTest::newRow("empty") << "" << 9;
    QTest::newRow("0") << "0" << 9;
    QTest::newRow("2500") << "2500" << 9;
    QTest::newRow("2501") << "2501" << 10;
    QTest::newRow("5000") << "5000" << 10;
    QTest::newRow("5001") << "5001" << 11;
    QTest::newRow("15000") << "15000" << 11;
    QTest::newRow("15001") << "15001" << 12;
    QTest::newRow("-1") << "-1" << 12;
    QTest::newRow("text") << "abc" << 9;
    QTest::newRow("beyond 32 bits") << "99999999999" << 12;
}

void CharPanelTest::fameSlots() {
    QFETCH(QString, fame);
    QFETCH(int, count);
    QCOMPARE(FameSlotCount(fame), count);
}

void CharPanelTest::groups() {
    QCOMPARE(EquipmentGroupOf(15), (QList<int>{13, 14, 16, 17, 18, 19}));
    QCOMPARE(EquipmentGroupOf(24), (QList<int>{30, 31}));
    QCOMPARE(EquipmentGroupOf(30), (QList<int>{24, 31}));
    QCOMPARE(EquipmentGroupOf(21), (QList<int>{20}));
    QCOMPARE(EquipmentGroupOf(26), (QList<int>{25, 27}));
    for (int alone : {22, 23, 28, 29})
        QVERIFY(EquipmentGroupOf(alone).isEmpty());
}

void CharPanelTest::equipmentTags() {
    MakeData m;
    m.set(28, 1, 1, "010:銀の指輪");
    m.set(28, 3, 1, "3");
    m.set(28, 5, 1, "2801");
    m.set(28, 1, 2, "020:銀の首飾り");
    m.set(28, 3, 2, "12");
    m.set(28, 5, 2, "2901");
    m.set(13, 1, 1, "010:剣");
    m.set(13, 3, 1, "abc");
    m.set(13, 5, 1, "1301");
    QCOMPARE(EquipmentTag(m, 29, "銀の首飾り"), QString("0122901"));  // necklaces come from 28
    QCOMPARE(EquipmentTag(m, 28, "銀の指輪"), QString("0032801"));
    QCOMPARE(EquipmentTag(m, 28, "未選択"), QString("0000"));
    QCOMPARE(EquipmentTag(m, 28, "銀"), QString("0032801"));  // the first row containing it
    QCOMPARE(*EquipmentWeight("0122901"), qint64(12));
    QCOMPARE(*EquipmentWeight("0000"), qint64(0));
    QCOMPARE(EquipmentTag(m, 13, "剣"), QString("abc1301"));
    QVERIFY(!EquipmentWeight("abc1301"));  // adds nothing to the sum
}

void CharPanelTest::jobTokens_data() {
    QTest::addColumn<QString>("limits");
    QTest::addColumn<QStringList>("tokens");
    QTest::newRow("two kinds") << "剣,刀," << QStringList{"剣", "刀"};
    QTest::newRow("text after last comma") << "盾,帽子,余り" << QStringList{"盾", "帽子"};
    QTest::newRow("none") << "" << QStringList{};
    QTest::newRow("empty token") << "剣,,刀," << QStringList{"剣", "", "刀"};
}

void CharPanelTest::jobTokens() {
    QFETCH(QString, limits);
    QFETCH(QStringList, tokens);
    QCOMPARE(JobLimitTokens(limits), tokens);
}

void CharPanelTest::maxWeight() {
    QCOMPARE(*MaxWeightText("30", "50"), QString("2500"));
    QCOMPARE(*MaxWeightText("0", "50"), QString("1000"));
    QVERIFY(!MaxWeightText("", "50"));
    QVERIFY(!MaxWeightText("30", ""));
}

void CharPanelTest::nameCut_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("cut");
    QTest::newRow("short") << "ロイ"
                           << "ロイ";
    QTest::newRow("13 bytes") << "abcdefghijklm"
                              << "abcdefghijklm";
    QTest::newRow("15 single") << "abcdefghijklmno"
                               << "abcdefghijklmn";
    QTest::newRow("13 single then double") << "abcdefghijklmあ"
                                           << "abcdefghijklm";
    QTest::newRow("5 single 5 double") << "abcdeあいうえお"
                                       << "abcdeあいうえ";
    QTest::newRow("half-width katakana count one") << "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾ"
                                                   << "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾ";
}

void CharPanelTest::nameCut() {
    QFETCH(QString, name);
    QFETCH(QString, cut);
    QCOMPARE(CutCharacterName(name), cut);
}

WM_TEST_MAIN(CharPanelTest)
#include "tst_charpanel.moc"
