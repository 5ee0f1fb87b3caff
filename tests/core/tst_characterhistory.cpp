#include <QTest>

#include "appdata.h"
#include "characterhistory.h"
#include "reincarnation.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;
using wmtest::TestFolder;

namespace {

CharacterLine emptyPage() {
    CharacterLine line;
    line.name = "ロイ";
    line.jobCode = "01";
    line.values = {"1", "0", "0", "0", "0", "0", "0", "0", "0"};
    line.equipment.fill(EquipmentChoice{});
    line.weight = "0";
    line.savedAt = QDateTime(QDate(2008, 3, 5), QTime(14, 7, 33));
    line.fame = "0";
    line.workCodes = {1, 2, 3, 4, 5, 6, 0, 0, 0, 0, 0, 0};
    return line;
}

// A whole save of name at level n (its first value), and the field 3 the reader makes of it.
QString save(const QString& name, int n) {
    return QString("%1,01,%2%3.0 2008/03/05 14:07:33.0.01000,,,,,,")
        .arg(name)
        .arg(n)
        .arg(QString(",0").repeated(27));
}
QString jobToWeight(int n) {
    return QString("01,%1%2.0 ").arg(n).arg(QString(",0").repeated(27));
}

}  // namespace

class CharacterHistoryTest : public QObject {
    Q_OBJECT
  private slots:
    void freshPageLine();
    void filledPageLine();
    void savedLineBytes();
    void numberFieldsHoldDigits_data();
    void numberFieldsHoldDigits();
    void threeSaves();
    void elevenNames();
    void manySaves_data();
    void manySaves();
    void completeSaves_data();
    void completeSaves();
    void lineShapes();
    void readSaves_data();
    void readSaves();
    void shownLevels_data();
    void shownLevels();
    void missingFile();
    void reincarnation_data();
    void reincarnation();
};

void CharacterHistoryTest::freshPageLine() {
    CharacterLine line = emptyPage();
    QCOMPARE(characterLine(line),
             QString("ロイ,01,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,"
                     "0,0,0.0 2008/03/05 14:07:33.0."
                     "01000,02000,03000,04000,05000,06000,,,,,,,"));
    QCOMPARE(line.workLevels[0], QString("0"));  // empty level boxes now show 0
    QCOMPARE(line.workLevels[6], QString());
}

void CharacterHistoryTest::filledPageLine() {
    CharacterLine line = emptyPage();
    line.values = {"75", "2000", "x", "", "30", "1500", "40", "50", "60"};
    line.equipment[0] = {"12", 12.0, "1301"};          // a sword
    line.equipment[16] = {"3", 3.0, "2901"};           // a necklace in the 首飾り list
    line.equipment[18] = {"abc", std::nullopt, "01"};  // a weight that is no number: empty field
    line.weight = "345";
    line.fame = "2501";
    line.workLevels = {"12", "", "5", "0", "0", "0", "0", "45", "3", "", "", ""};
    line.workCodes = {1, 2, 3, 4, 5, 6, 30, 12, 6, 7, 0, 0};
    const QString built = characterLine(line);
    QCOMPARE(
        built,
        QString(
            "ロイ,01,75,2000,0,0,30,1500,40,50,60,1301,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,2901,0,.345 "
            "2008/03/05 14:07:33.2501.01012,02000,03005,04000,05000,06000,30000,12045,06003,"
            "07000,,,"));
}

void CharacterHistoryTest::savedLineBytes() {
    CharacterLine line = emptyPage();
    TestFolder folder;
    folder.writeLines("h.txt", {characterLine(line)});
    QByteArray expected = "\x83\x8d\x83\x43,01,1";  // ロイ in code page 932
    QVERIFY(folder.readBytes("h.txt").startsWith(expected));
    QVERIFY(folder.readBytes("h.txt").endsWith(",,,,,,\r\n"));
}

void CharacterHistoryTest::numberFieldsHoldDigits_data() {
    QTest::addColumn<QString>("weight");
    QTest::addColumn<QString>("fame");
    QTest::addColumn<QString>("level7");  // slot 7 has a work
    QTest::addColumn<QString>("level8");  // slot 8 has none
    QTest::addColumn<int>("kind");        // -1: the line may be written
    QTest::addColumn<int>("slot");
    const int weight = int(NumberField::Kind::Weight), fame = int(NumberField::Kind::Fame),
              level = int(NumberField::Kind::WorkLevel);
    QTest::newRow("digits and empty") << "345"
                                      << ""
                                      << "12"
                                      << "" << -1 << 0;
    QTest::newRow("unused slot") << "0"
                                 << "0"
                                 << ""
                                 << "x" << -1 << 0;
    QTest::newRow("fame letters") << "0"
                                  << "12345678kz"
                                  << ""
                                  << "" << fame << 0;
    QTest::newRow("weight blank") << "3 4"
                                  << "0"
                                  << ""
                                  << "" << weight << 0;
    QTest::newRow("weight sign") << "-3"
                                 << "0"
                                 << ""
                                 << "" << weight << 0;
    QTest::newRow("level fraction") << "0"
                                    << "0"
                                    << "1.5"
                                    << "" << level << 7;
    QTest::newRow("full-width digit") << "0"
                                      << "１"
                                      << ""
                                      << "" << fame << 0;
}

void CharacterHistoryTest::numberFieldsHoldDigits() {
    QFETCH(QString, weight);
    QFETCH(QString, fame);
    QFETCH(QString, level7);
    QFETCH(QString, level8);
    QFETCH(int, kind);
    QFETCH(int, slot);
    CharacterLine line = emptyPage();
    line.weight = weight;
    line.fame = fame;
    line.workCodes[6] = 30;
    line.workLevels[6] = level7;
    line.workLevels[7] = level8;
    const std::optional<NumberField> field = nonNumberField(line);
    QCOMPARE(field ? int(field->kind) : -1, kind);
    QCOMPARE(field ? field->slot : 0, slot);
}

void CharacterHistoryTest::threeSaves() {
    TestFolder folder;
    folder.writeLines("txtFile/PCData.txt",
                      {save("ロイ", 1), save("マリ", 1), save("ロイ", 2), save("ロイ", 3)});
    AppData d;
    folder.prepare(d);
    loadHistory(d);
    QCOMPARE(d.history.name(1), QString("ロイ"));
    QCOMPARE(d.history.name(2), QString("マリ"));
    QCOMPARE(d.history.at(1, HistoryField::JobToWeight, 3), jobToWeight(3));
    QCOMPARE(d.history.at(1, HistoryField::SavedAtAndWorks, 3),
             QString("2008/03/05 14:07:33.0.01000,,,,,,"));
    QVERIFY(d.history.at(1, HistoryField::Name, 4).isEmpty());
    // Reloading starts from scratch.
    folder.writeLines("txtFile/PCData.txt", {save("マリ", 9)});
    loadHistory(d);
    QCOMPARE(d.history.name(1), QString("マリ"));
    QVERIFY(d.history.name(2).isEmpty());
}

void CharacterHistoryTest::elevenNames() {
    TestFolder folder;
    QStringList lines;
    for (int i = 1; i <= 10; ++i)
        lines << save(QString("pc%1").arg(i), 1);
    lines << save("pc11", 1) << save("pc1", 2);
    folder.writeLines("txtFile/PCData.txt", lines);
    AppData d;
    folder.prepare(d);
    loadHistory(d);
    QCOMPARE(d.history.slotCount(), 11);
    QCOMPARE(d.history.name(11), QString("pc11"));
    // The later save of pc1 joins its first one.
    QCOMPARE(d.history.recordCount(1), 2);
    QCOMPARE(d.history.at(1, HistoryField::JobToWeight, 2), jobToWeight(2));
}

void CharacterHistoryTest::manySaves_data() {
    QTest::addColumn<int>("before");  // other names before the many saves
    QTest::addColumn<int>("after");   // other names after them
    QTest::newRow("one name first") << 1 << 0;
    QTest::newRow("ten names after") << 0 << 10;
    QTest::newRow("names around") << 9 << 3;
}

void CharacterHistoryTest::manySaves() {
    QFETCH(int, before);
    QFETCH(int, after);
    TestFolder folder;
    QStringList lines;
    QStringList expected;
    for (int i = 1; i <= before; ++i) {
        lines << save(QString("before%1").arg(i), 1);
        expected << QString("before%1").arg(i);
    }
    for (int n = 1; n <= 150; ++n)
        lines << save("ロイ", n);
    expected << "ロイ";
    for (int i = 1; i <= after; ++i) {
        lines << save(QString("after%1").arg(i), 1);
        expected << QString("after%1").arg(i);
    }
    lines << save("ロイ", 151);
    folder.writeLines("txtFile/PCData.txt", lines);
    AppData d;
    folder.prepare(d);
    loadHistory(d);
    QCOMPARE(d.history.names(), expected);  // each name once, in order of first appearance
    const int roy = before + 1;
    QCOMPARE(d.history.recordCount(roy), 151);
    QCOMPARE(d.history.at(roy, HistoryField::JobToWeight, 1), jobToWeight(1));
    QCOMPARE(d.history.at(roy, HistoryField::JobToWeight, 101), jobToWeight(101));
    QCOMPARE(d.history.at(roy, HistoryField::JobToWeight, 151), jobToWeight(151));
    QCOMPARE(d.history.at(roy, HistoryField::Name, 151), QString("ロイ"));
    QVERIFY(d.history.at(roy, HistoryField::JobToWeight, 152).isEmpty());
    const QStringList times = saveTimes(d.history, roy);
    QCOMPARE(times.size(), 151);
    QCOMPARE(times.first(), QString("2008/03/05 14:07:33"));
}

void CharacterHistoryTest::completeSaves_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("complete");
    const QString line = save("ロイ", 1);
    QTest::newRow("as saved") << line << true;
    QTest::newRow("blank in the name") << save("ロイ 2", 1) << true;
    QTest::newRow("works 7..12 written") << line + "07010,,,,,," << true;
    QTest::newRow("cut in the item codes") << line.left(40) << false;
    QTest::newRow("cut after the weight") << line.left(line.indexOf(' ') + 1) << false;
    QTest::newRow("cut after the save time") << line.left(line.indexOf(':') + 6) << false;
    QTest::newRow("cut after fame") << line.left(line.indexOf("01000")) << false;
    QTest::newRow("cut in a work") << line.left(line.indexOf("01000") + 3) << false;
    QTest::newRow("one value short") << QString(line).remove(line.indexOf(",0,"), 2) << false;
    QTest::newRow("no blank") << QString(line).replace(' ', '_') << false;
    QTest::newRow("empty") << QString() << false;
}

void CharacterHistoryTest::completeSaves() {
    QFETCH(QString, line);
    QFETCH(bool, complete);
    QCOMPARE(isCompleteSave(line), complete);
}

void CharacterHistoryTest::lineShapes() {
    TestFolder folder;
    folder.writeLines("txtFile/PCData.txt", {save("roy", 1), save("Roy", 2), save("#comment", 3),
                                             "", "no comma", save("cut", 1).left(60),
                                             save("after", 1), save("roy", 2), save("after", 2)});
    AppData d;
    folder.prepare(d);
    QCOMPARE(loadHistory(d), QString());
    QCOMPARE(d.history.name(2), QString("Roy"));  // letter case makes another character
    // Lines that are no whole saves are skipped; reading goes on after them.
    QCOMPARE(d.history.names(), QStringList({"roy", "Roy", "#comment", "after"}));
    QCOMPARE(d.history.at(1, HistoryField::JobToWeight, 2), jobToWeight(2));
    QCOMPARE(d.history.recordCount(4), 2);

    // A hand-edited line without a name is filed under the empty name, once, like any
    // other name; lines after it are still read (a fuzzing find).
    folder.writeLines("txtFile/PCData.txt",
                      {save("Alice", 1), save("", 1), "c", save("", 2), save("Bob", 1)});
    loadHistory(d);
    QCOMPARE(d.history.names(), QStringList({"Alice", "", "Bob"}));
    QCOMPARE(d.history.recordCount(2), 2);
    QCOMPARE(d.history.at(2, HistoryField::JobToWeight, 2), jobToWeight(2));
}

void CharacterHistoryTest::readSaves_data() {
    QTest::addColumn<QString>("jobToWeight");
    QTest::addColumn<QString>("savedAtAndWorks");
    QTest::addColumn<QString>("status");  // job code, level, HP and 魅力
    QTest::addColumn<bool>("hasWorks");
    QTest::addColumn<QString>("fame");
    QTest::addColumn<QString>("works");  // code:level of slots 1..12
    QTest::newRow("written line") << "03,045,3000,10,20,30,400,50,60,70,300.250 "
                                  << "2008/03/05 14:07:33.12345.01001,02002,,,,,12045,30007,"
                                  << "03 045 3000 70" << true << "12345"
                                  << "1:001 2:002 0: 0: 0: 0: 12:045 30:007 0: 0: 0: 0:";
    QTest::newRow("no fame and works") << "01,1,1,1,1,1,1,1,1,1,.0 "
                                       << "2008/03/05 14:07:33"
                                       << "01 1 1 1" << false << ""
                                       << "0: 0: 0: 0: 0: 0: 0: 0: 0: 0: 0: 0:";
    QTest::newRow("odd entries") << "05"
                                 << "x.7.1.5045,45,-7010,99001"
                                 << "05   " << true << "7"
                                 << "0:5045 0: -7:010 0: 0: 0: 0: 0: 0: 0: 0: 0:";
}

void CharacterHistoryTest::readSaves() {
    QFETCH(QString, jobToWeight);
    QFETCH(QString, savedAtAndWorks);
    const SavedCharacter save = readSave(jobToWeight, savedAtAndWorks);
    QTEST(QStringList({save.jobCode, save.level, save.values[0], save.values[7]}).join(' '),
          "status");
    QTEST(save.hasWorks, "hasWorks");
    QTEST(save.fame, "fame");
    QStringList works;
    for (const SavedWork& work : save.works)
        works << QString::number(work.code) + ':' + work.level;
    QTEST(works.join(' '), "works");
}

void CharacterHistoryTest::shownLevels_data() {
    QTest::addColumn<QString>("saved");
    QTest::addColumn<QString>("shown");
    QTest::newRow("leading zeros") << "045"
                                   << "45";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("no number") << "4x"
                               << "4x";
    QTest::newRow("fraction rounded down") << "4.5"
                                           << "4";
}

void CharacterHistoryTest::shownLevels() {
    QFETCH(QString, saved);
    QTEST(shownSavedLevel(saved), "shown");
}

void CharacterHistoryTest::missingFile() {
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    d.history.add("old", "x", "y");
    QCOMPARE(loadHistory(d), QString());  // nothing saved yet is no failure
    QVERIFY(d.history.name(1).isEmpty());
    QCOMPARE(d.history.slotCount(), 0);
}

void CharacterHistoryTest::reincarnation_data() {
    QTest::addColumn<double>("count");
    QTest::addColumn<double>("level");
    QTest::addColumn<int>("box");  // 0 HP, 6 筋力
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("result");
    QTest::newRow("HP 3000") << 1.0 << 100.0 << 0 << 3000.0 << qint64(259);
    QTest::newRow("strength 50") << 1.0 << 100.0 << 6 << 50.0 << qint64(13);
    QTest::newRow("HP 60000 capped") << 1.0 << 100.0 << 0 << 60000.0 << qint64(2000);
    QTest::newRow("MP rule") << 1.0 << 100.0 << 4 << 3000.0 << qint64(259);
    QTest::newRow("second at 76") << 2.0 << 76.0 << 0 << 1000.0 << qint64(149);
    QTest::newRow("odd level: half rounded down") << 1.0 << 103.0 << 0 << 3000.0 << qint64(262);
    QTest::newRow("count 70 beyond 16 bits") << 70.0 << 500.0 << 0 << 99999.0 << qint64(36500);
}

void CharacterHistoryTest::reincarnation() {
    QFETCH(double, count);
    QFETCH(double, level);
    QFETCH(int, box);
    QFETCH(double, value);
    QFETCH(qint64, result);
    std::array<double, 8> values{};
    values[size_t(box)] = value;
    const auto out = reincarnationStatus(count, level, values);
    QVERIFY(out);
    QCOMPARE((*out)[size_t(box)], result);
    QVERIFY(!reincarnationStatus(2, 75, values));  // 76 needed for the second
}

WM_TEST_MAIN(CharacterHistoryTest)
#include "tst_characterhistory.moc"
