#include <QTest>

#include "characterrules.h"
#include "numbers.h"
#include "testmain.h"

using namespace wm;

class CharacterRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void fameSlots_data();
    void fameSlots();
    void groups();
    void equipmentChoices();
    void weightSum_data();
    void weightSum();
    void lockedKinds_data();
    void lockedKinds();
    void nameCharacters_data();
    void nameCharacters();
    void workCodes_data();
    void workCodes();
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
    QTest::newRow("2500.6 rounds to 2501") << "2500.6" << 10;
    QTest::newRow("-0.4 rounds to 0") << "-0.4" << 9;
    QTest::newRow("text") << "abc" << 9;
    QTest::newRow("beyond 32 bits") << "99999999999" << 12;
}

void CharacterRulesTest::fameSlots() {
    QFETCH(QString, fame);
    QFETCH(int, count);
    QCOMPARE(slotCountForFame(fame), count);
}

void CharacterRulesTest::groups() {
    using E = Equipment;
    QCOMPARE(equipmentGroupOf(E::Axe),
             (QList<E>{E::Sword, E::Katana, E::Staff, E::Abacus, E::Whip, E::FightingGloves}));
    QCOMPARE(equipmentGroupOf(E::Shield), (QList<E>{E::Book, E::Instrument}));
    QCOMPARE(equipmentGroupOf(E::Book), (QList<E>{E::Shield, E::Instrument}));
    QCOMPARE(equipmentGroupOf(E::Hat), (QList<E>{E::Helmet}));
    QCOMPARE(equipmentGroupOf(E::LeatherArmour), (QList<E>{E::Clothes, E::MetalArmour}));
    for (E alone : {E::Gloves, E::Boots, E::Ring, E::Necklace})
        QVERIFY(equipmentGroupOf(alone).isEmpty());
    // Each kind's list is filled from the section of the same number.
    QCOMPARE(sectionOf(E::Sword), 13);
    QCOMPARE(sectionOf(E::Gloves), 22);
    QCOMPARE(sectionOf(E::Necklace), Section::Necklaces);
    QCOMPARE(sectionOf(E::Instrument), 31);
}

void CharacterRulesTest::equipmentChoices() {
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
    auto saved = [&m](Equipment kind, const QString& shown) {
        return savedEquipmentCode(equipmentChoice(m, kind, shown));
    };
    QCOMPARE(saved(Equipment::Necklace, "銀の首飾り"), QString("0122901"));  // from 28
    QCOMPARE(saved(Equipment::Ring, "銀の指輪"), QString("0032801"));
    QCOMPARE(saved(Equipment::Ring, "未選択"), QString("0000"));
    QCOMPARE(saved(Equipment::Ring, "銀"), QString("0032801"));  // the first row containing it
    QCOMPARE(equipmentChoice(m, Equipment::Ring, "未選択"), EquipmentChoice{});
    QCOMPARE(*countedWeight(equipmentChoice(m, Equipment::Necklace, "銀の首飾り")), qint64(12));
    QCOMPARE(*countedWeight(EquipmentChoice{}), qint64(0));
    QCOMPARE(saved(Equipment::Sword, "剣"), QString("abc1301"));
    // adds nothing to the sum
    QVERIFY(!countedWeight(equipmentChoice(m, Equipment::Sword, "剣")));
}

void CharacterRulesTest::weightSum_data() {
    QTest::addColumn<QList<int>>("kinds");
    QTest::addColumn<QStringList>("weights");
    QTest::addColumn<qint64>("sum");
    QTest::newRow("nothing chosen") << QList<int>{} << QStringList{} << qint64(0);
    QTest::newRow("worn kinds add up")
        << QList<int>{int(Equipment::Sword), int(Equipment::Necklace), int(Equipment::Boots)}
        << QStringList{"12", "3", "4"} << qint64(19);
    QTest::newRow("製本 and 楽器 are carried")
        << QList<int>{int(Equipment::Book), int(Equipment::Instrument), int(Equipment::Ring)}
        << QStringList{"40", "50", "1"} << qint64(1);
    QTest::newRow("a fraction counts rounded")
        << QList<int>{int(Equipment::Hat), int(Equipment::Axe)} << QStringList{"2.6", "3.4"}
        << qint64(6);
    // The saved code holds the weight in three places and the sum reads those three.
    QTest::newRow("four digits count their first three")
        << QList<int>{int(Equipment::MetalArmour)} << QStringList{"1234"} << qint64(123);
    QTest::newRow("no number adds nothing")
        << QList<int>{int(Equipment::Shield), int(Equipment::Clothes)} << QStringList{"x", "6"}
        << qint64(6);
}

void CharacterRulesTest::weightSum() {
    QFETCH(QList<int>, kinds);
    QFETCH(QStringList, weights);
    QFETCH(qint64, sum);
    std::array<EquipmentChoice, kEquipmentKinds> choices{};
    for (int i = 0; i < kinds.size(); ++i) {
        const QString& weight = weights.at(i);
        choices[size_t(kinds.at(i))] = {weight, toNumber(weight), QStringLiteral("1301")};
    }
    QCOMPARE(equipmentWeight(choices), sum);
}

void CharacterRulesTest::lockedKinds_data() {
    using E = Equipment;
    QTest::addColumn<QString>("limits");
    QTest::addColumn<QList<E>>("locked");
    QTest::newRow("none") << "" << QList<E>{};
    QTest::newRow("two kinds") << "剣,刀," << QList<E>{E::Sword, E::Katana};
    QTest::newRow("a word in two captions") << "鎧," << QList<E>{E::LeatherArmour, E::MetalArmour};
    QTest::newRow("text after the last comma") << "盾,帽子" << QList<E>{E::Shield};
    QTest::newRow("part of a caption") << "手," << QList<E>{E::Gloves};
    QTest::newRow("no such kind") << "弓," << QList<E>{};
    QList<E> all(kAllEquipment.begin(), kAllEquipment.end());
    QTest::newRow("empty token locks all") << "盾,," << all;
    QTest::newRow("leading comma locks all") << ",剣," << all;
}

void CharacterRulesTest::lockedKinds() {
    QFETCH(QString, limits);
    QFETCH(QList<Equipment>, locked);
    const auto result = lockedEquipment(limits);
    for (Equipment kind : kAllEquipment)
        QCOMPARE(result[size_t(kind)], locked.contains(kind));
}

void CharacterRulesTest::nameCharacters_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("kept");
    QTest::newRow("ascii") << int('a') << true;
    QTest::newRow("kana") << int(u'あ') << true;
    QTest::newRow("half-width kana") << int(u'ｱ') << true;
    QTest::newRow("full-width tilde") << int(u'～') << true;
    QTest::newRow("backspace") << 8 << true;
    QTest::newRow("enter") << 13 << true;
    QTest::newRow("hangul") << int(u'한') << false;
    QTest::newRow("euro") << int(u'€') << false;
    QTest::newRow("half a surrogate pair") << 0xD83D << false;
}

void CharacterRulesTest::nameCharacters() {
    QFETCH(int, code);
    QFETCH(bool, kept);
    QCOMPARE(nameTakesCharacter(code), kept);
}

void CharacterRulesTest::workCodes_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("section");
    // The list: an empty entry, then sections 7..28, 30, 31; a code is the position plus 6.
    QTest::newRow("empty entry") << 0 << 6 << 0;
    QTest::newRow("first") << 1 << 7 << 7;
    QTest::newRow("rings") << 22 << 28 << 28;
    QTest::newRow("after the necklaces") << 23 << 29 << 30;
    QTest::newRow("last") << 24 << 30 << 31;
}

void CharacterRulesTest::workCodes() {
    QFETCH(int, position);
    QFETCH(int, code);
    QFETCH(int, section);
    const QList<int> sections = freeSlotSections();
    QCOMPARE(sections.size(), 24);
    QCOMPARE(workCodeOfEntry(position), code);
    QCOMPARE(entryOfWorkCode(code, int(sections.size()) + 1), std::optional<int>(position));
    if (position > 0)
        QCOMPARE(sections.at(position - 1), section);
    // Codes of slots 1..6 and of a slot without a work name no entry of the list.
    for (int none : {0, 1, 5, 31})
        QVERIFY(!entryOfWorkCode(none, 25));
    QCOMPARE(initialWorkCode(6), 6);
    QCOMPARE(initialWorkCode(7), 0);
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
    QTest::addColumn<bool>("full");
    QTest::newRow("short") << "ロイ"
                           << "ロイ" << false;
    QTest::newRow("13 bytes") << "abcdefghijklm"
                              << "abcdefghijklm" << false;
    QTest::newRow("14 bytes") << "abcdefghijklmn"
                              << "abcdefghijklmn" << true;
    QTest::newRow("15 single") << "abcdefghijklmno"
                               << "abcdefghijklmn" << true;
    QTest::newRow("13 single then double") << "abcdefghijklmあ"
                                           << "abcdefghijklm" << true;
    QTest::newRow("5 single 5 double") << "abcdeあいうえお"
                                       << "abcdeあいうえ" << true;
    QTest::newRow("half-width katakana count one") << "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾ"
                                                   << "ｱｲｳｴｵｶｷｸｹｺｻｼｽｾ" << true;
}

void CharacterRulesTest::nameCut() {
    QFETCH(QString, name);
    QFETCH(QString, cut);
    QFETCH(bool, full);
    QCOMPARE(cutCharacterName(name), cut);
    QCOMPARE(characterNameFull(name), full);
}

WM_TEST_MAIN(CharacterRulesTest)
#include "tst_characterrules.moc"
