#include <QTest>

#include "characterrules.h"
#include "testmain.h"

using namespace wm;

class CharacterRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void fameSlots_data();
    void fameSlots();
    void groups();
    void equipmentCodes();
    void jobTokens_data();
    void jobTokens();
    void maxWeight();
    void nameCut_data();
    void nameCut();
};

void CharacterRulesTest::fameSlots_data() {
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

void CharacterRulesTest::fameSlots() {
    QFETCH(QString, fame);
    QFETCH(int, count);
    QCOMPARE(slotCountForFame(fame), count);
}

void CharacterRulesTest::groups() {
    QCOMPARE(equipmentGroupOf(15), (QList<int>{13, 14, 16, 17, 18, 19}));
    QCOMPARE(equipmentGroupOf(24), (QList<int>{30, 31}));
    QCOMPARE(equipmentGroupOf(30), (QList<int>{24, 31}));
    QCOMPARE(equipmentGroupOf(21), (QList<int>{20}));
    QCOMPARE(equipmentGroupOf(26), (QList<int>{25, 27}));
    for (int alone : {22, 23, 28, 29})
        QVERIFY(equipmentGroupOf(alone).isEmpty());
}

void CharacterRulesTest::equipmentCodes() {
    ProductTable m;
    m.set(28, 1, 1, "010:銀の指輪");
    m.set(28, 3, 1, "3");
    m.set(28, 5, 1, "2801");
    m.set(28, 1, 2, "020:銀の首飾り");
    m.set(28, 3, 2, "12");
    m.set(28, 5, 2, "2901");
    m.set(13, 1, 1, "010:剣");
    m.set(13, 3, 1, "abc");
    m.set(13, 5, 1, "1301");
    QCOMPARE(equipmentCode(m, 29, "銀の首飾り"), QString("0122901"));  // necklaces come from 28
    QCOMPARE(equipmentCode(m, 28, "銀の指輪"), QString("0032801"));
    QCOMPARE(equipmentCode(m, 28, "未選択"), QString("0000"));
    QCOMPARE(equipmentCode(m, 28, "銀"), QString("0032801"));  // the first row containing it
    QCOMPARE(*equipmentWeight("0122901"), qint64(12));
    QCOMPARE(*equipmentWeight("0000"), qint64(0));
    QCOMPARE(equipmentCode(m, 13, "剣"), QString("abc1301"));
    QVERIFY(!equipmentWeight("abc1301"));  // adds nothing to the sum
}

void CharacterRulesTest::jobTokens_data() {
    QTest::addColumn<QString>("limits");
    QTest::addColumn<QStringList>("tokens");
    QTest::newRow("two kinds") << "剣,刀," << QStringList{"剣", "刀"};
    QTest::newRow("text after last comma") << "盾,帽子,余り" << QStringList{"盾", "帽子"};
    QTest::newRow("none") << "" << QStringList{};
    QTest::newRow("empty token") << "剣,,刀," << QStringList{"剣", "", "刀"};
}

void CharacterRulesTest::jobTokens() {
    QFETCH(QString, limits);
    QFETCH(QStringList, tokens);
    QCOMPARE(jobLimitTokens(limits), tokens);
}

void CharacterRulesTest::maxWeight() {
    QCOMPARE(*maxWeightText("30", "50"), QString("2500"));
    QCOMPARE(*maxWeightText("0", "50"), QString("1000"));
    QVERIFY(!maxWeightText("", "50"));
    QVERIFY(!maxWeightText("30", ""));
}

void CharacterRulesTest::nameCut_data() {
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

void CharacterRulesTest::nameCut() {
    QFETCH(QString, name);
    QFETCH(QString, cut);
    QCOMPARE(cutCharacterName(name), cut);
}

WM_TEST_MAIN(CharacterRulesTest)
#include "tst_characterrules.moc"
