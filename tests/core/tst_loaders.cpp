#include <QTest>

#include "appdata.h"
#include "gamedata.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;
using wmtest::ScriptedDialogs;
using wmtest::TestFolder;

namespace {

QStringList blankExpLines(int count) {
    QStringList lines{"# experience"};
    for (int i = 1; i <= count; ++i)
        lines << QString("Lv%1 ").arg(i, 3, 10, QChar('0'));
    return lines;
}

qint64 expValue(const AppData& d, int level) {
    return d.expTable.at(level).toLongLong();
}

}  // namespace

class LoadersTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { WM_VERIFY_DIALOGS(dialogs); }

    void fileListEntries();
    void fileListElevenAndTwelve();
    void fileListRefusedLines_data();
    void fileListRefusedLines();
    void fileListRecovery();
    void fileListRecoveryFails_data();
    void fileListRecoveryFails();

    void expTableComputed_data();
    void expTableComputed();
    void expTableMissingFile();
    void expTableMixed();
    void expTableFallbacks_data();
    void expTableFallbacks();

    void productSections();
    void productLimits_data();
    void productLimits();
    void productsMissing();

    void jobTable();
    void jobLimits_data();
    void jobLimits();

    void guildRows();
    void guildLimits_data();
    void guildLimits();
    void guildThirtyTwoSections();

    void badFilesNeverCrash();

  private:
    ScriptedDialogs dialogs;
};

void LoadersTest::fileListEntries() {
    TestFolder folder;
    folder.writeLines("txtFile/FileList.txt", {"# data folder", "txtFile\\", "#comment", "Exp.txt",
                                               "", " #not a comment", "Make.txt"});
    AppData d;
    d.programFolder = folder.programFolder();
    QVERIFY(readFileList(d, dialogs));
    QCOMPARE(d.fileList[0], QString("txtFile\\"));
    QCOMPARE(d.fileList[1], QString("Exp.txt"));
    QCOMPARE(d.fileList[2], QString());
    QCOMPARE(d.fileList[3], QString(" #not a comment"));
    QCOMPARE(d.fileList[4], QString("Make.txt"));
    QCOMPARE(d.dataPath(FileListEntry::Reserved), folder.programFolder() + "\\txtFile\\Make.txt");
    QVERIFY(dialogs.shown().isEmpty());
}

void LoadersTest::fileListElevenAndTwelve() {
    TestFolder folder;
    QStringList lines;
    for (int i = 0; i < 11; ++i)
        lines << QString("e%1").arg(i);
    folder.writeLines("txtFile/FileList.txt", lines);
    AppData d;
    d.programFolder = folder.programFolder();
    QVERIFY(readFileList(d, dialogs));
    QCOMPARE(d.fileList[10], QString("e10"));

    // A twelfth entry is reported with its line; the file was found, so nobody is asked
    // where it is, and the program goes on with the eleven entries.
    lines.insert(3, "# a comment line counts for the line number");
    folder.writeLines("txtFile/FileList.txt", lines << "e11");
    dialogs.expectMessage(Dialogs::Answer::Ok);
    QVERIFY(readFileList(d, dialogs));
    QCOMPARE(dialogs.shown().size(), 1);
    const QString text = dialogs.last().text;
    QCOMPARE(text, folder.path() +
                       "/txtFile/FileList.txt\r\n13 行目: 項目は 11 件までです\r\n"
                       "読み込めたところまでのデータで続けます");
    QVERIFY(!dialogs.last().input);
    QCOMPARE(d.fileList[10], QString("e10"));
}

void LoadersTest::fileListRefusedLines_data() {
    QTest::addColumn<int>("entry");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("kept");  // what the entry holds afterwards
    QTest::addColumn<QString>("why");   // "" when the line is taken without a word
    const QString control = "パスに制御文字があります";
    const QString away = "プログラムのフォルダーにもデータフォルダーにもない場所には保存しません";
    QTest::newRow("NUL") << 6 << QString("PC") + QChar(0) + "Data.txt"
                         << "" << control;
    QTest::newRow("tab") << 6 << "PC\tData.txt"
                         << "" << control;
    QTest::newRow("DEL") << 6 << "PC\x7f.txt"
                         << "" << control;
    QTest::newRow("history outside") << 6 << "..\\..\\PCData.txt"
                                     << "..\\..\\PCData.txt" << away;
    QTest::newRow("history in the program folder") << 6 << "..\\PCData.txt"
                                                   << "..\\PCData.txt"
                                                   << "";
    QTest::newRow("options outside") << 8 << "sub\\..\\..\\..\\outside\\file.txt"
                                     << "sub\\..\\..\\..\\outside\\file.txt" << away;
    QTest::newRow("result name outside") << 2 << "../x"
                                         << "../x" << away;
    QTest::newRow("result name below") << 2 << "out/x"
                                       << "out/x"
                                       << "";
    QTest::newRow("production data anywhere") << 3 << "..\\..\\..\\etc\\passwd"
                                              << "..\\..\\..\\etc\\passwd"
                                              << "";
}

// A line that can make no path, or would make the program write elsewhere, is reported with
// its line; the entries after it keep their places.
void LoadersTest::fileListRefusedLines() {
    QFETCH(int, entry);
    QFETCH(QString, value);
    QFETCH(QString, kept);
    QFETCH(QString, why);
    TestFolder folder;
    QStringList lines = wmtest::standardFileList();
    lines[entry] = value;
    lines.insert(1, "# the line numbers count this comment");
    folder.writeLines("txtFile/FileList.txt", lines);
    AppData d;
    d.programFolder = folder.programFolder();
    if (!why.isEmpty())
        dialogs.expectMessage(Dialogs::Answer::Ok);
    QVERIFY(readFileList(d, dialogs));
    QCOMPARE(d.fileList[entry], kept);
    QCOMPARE(d.fileList[entry + 1], wmtest::standardFileList().at(entry + 1));
    if (!why.isEmpty())
        QCOMPARE(dialogs.last().text, folder.path() + "/txtFile/FileList.txt\r\n" +
                                          QString("%1 行目: ").arg(entry + 2) + why +
                                          "\r\n読み込めたところまでのデータで続けます");
}

void LoadersTest::fileListRecovery() {
    TestFolder folder;
    folder.writeLines("elsewhere/list.txt", {"txtFile\\", "other.txt"});
    AppData d;
    d.programFolder = folder.programFolder();
    dialogs.expectInput(folder.filePath("elsewhere/list.txt"));
    QVERIFY(readFileList(d, dialogs));
    const wmtest::ShownBox& prompt = dialogs.shown().at(0);
    QVERIFY(prompt.input);
    QCOMPARE(prompt.title, QString("OpenFileError"));
    QCOMPARE(prompt.text,
             QString("FileList.txtが見つかりません\r\nファイルの格納場所を指定してください"));
    QCOMPARE(prompt.defaultText, folder.path() + "/txtFile/FileList.txt");
    // The data folder stays relative to the program folder.
    QCOMPARE(d.dataPath(FileListEntry::ExpTable), folder.programFolder() + "\\txtFile\\other.txt");
}

void LoadersTest::fileListRecoveryFails_data() {
    QTest::addColumn<QString>("typed");
    QTest::newRow("cancel") << QString();
    QTest::newRow("missing file") << QString("/no/such/FileList.txt");
}

void LoadersTest::fileListRecoveryFails() {
    QFETCH(QString, typed);
    TestFolder folder;
    AppData d;
    d.programFolder = folder.programFolder();
    dialogs.expectInput(typed);
    dialogs.expectMessage(Dialogs::Answer::Ok);
    QVERIFY(!readFileList(d, dialogs));
    const wmtest::ShownBox& message = dialogs.last();
    QVERIFY(!message.input);
    if (!typed.isEmpty()) {
        QVERIFY2(message.text.contains(typed), qPrintable(message.text));
        QVERIFY(message.text.contains("No such file"));
    }
}

void LoadersTest::expTableComputed_data() {
    QTest::addColumn<int>("level");
    QTest::addColumn<qint64>("value");
    QTest::newRow("1") << 1 << qint64(2);
    QTest::newRow("2") << 2 << qint64(8);
    QTest::newRow("3") << 3 << qint64(17);
    QTest::newRow("9") << 9 << qint64(134);
    QTest::newRow("10") << 10 << qint64(194);
    QTest::newRow("11") << 11 << qint64(260);
    QTest::newRow("80") << 80 << qint64(57419);
    QTest::newRow("81") << 81 << qint64(70541);
    QTest::newRow("100") << 100 << qint64(386359);
    QTest::newRow("101") << 101 << qint64(394519);
    QTest::newRow("299") << 299 << qint64(3586279);
    QTest::newRow("300") << 300 << qint64(3610359);
}

void LoadersTest::expTableComputed() {
    QFETCH(int, level);
    QFETCH(qint64, value);
    TestFolder folder;
    // Every line without a value: the whole table comes from the formula.
    folder.writeLines("txtFile/ExpTable.txt", blankExpLines(300));
    AppData d;
    folder.prepare(d);
    loadExpTable(d);
    QCOMPARE(expValue(d, 0), qint64(-1));
    QCOMPARE(expValue(d, level), value);

    // The fallback table agrees for 1..299.
    ExpTable fallback;
    fillExpTableByFormula(fallback);
    if (level < 300)
        QCOMPARE(fallback.at(level).toLongLong(), value);
    else
        QVERIFY(!fallback.at(300).isValid());
}

void LoadersTest::expTableMissingFile() {
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    loadExpTable(d);
    QCOMPARE(expValue(d, 1), qint64(2));
    QCOMPARE(expValue(d, 299), qint64(3586279));
    QVERIFY(!d.expTable.at(300).isValid());
}

void LoadersTest::expTableMixed() {
    TestFolder folder;
    QStringList lines = blankExpLines(20);
    lines[1] = "Lv001 5";          // given
    lines[15] = "Lv015 1000";      // given; 16 is computed from it
    lines.insert(2, "# comment");  // comments do not count as levels
    folder.writeLines("txtFile/ExpTable.txt", lines);
    AppData d;
    folder.prepare(d);
    loadExpTable(d);
    QCOMPARE(d.expTable.at(1).toString(), QString("5"));
    QCOMPARE(expValue(d, 2), qint64(5 + 3 * 2 * 1));
    QCOMPARE(d.expTable.at(15).toString(), QString("1000"));
    // A computed level after given ones uses its own band (16 is in the second ten).
    QCOMPARE(expValue(d, 16), qint64(1000 + 3 * 16 * 2));
    QVERIFY(!d.expTable.at(21).isValid());
}

void LoadersTest::expTableFallbacks_data() {
    QTest::addColumn<QStringList>("lines");
    QStringList tooMany = blankExpLines(301);
    QTest::newRow("301 value lines") << tooMany;
    QStringList notNumber = blankExpLines(5);
    notNumber[2] = "Lv002 abc";
    QTest::newRow("previous not a number") << notNumber;
}

void LoadersTest::expTableFallbacks() {
    QFETCH(QStringList, lines);
    TestFolder folder;
    folder.writeLines("txtFile/ExpTable.txt", lines);
    AppData d;
    folder.prepare(d);
    loadExpTable(d);
    QCOMPARE(expValue(d, 2), qint64(8));
    QCOMPARE(expValue(d, 3), qint64(17));
    QCOMPARE(expValue(d, 299), qint64(3586279));
}

void LoadersTest::productSections() {
    TestFolder folder;
    folder.writeLines(
        "txtFile/MakeData.txt",
        {"# production data", "#--------", "#1 狩猟", "005:ウサギの肉   012:03  4 00 北の森,湖畔",
         "#02   木こり", "001:丸太 010:02 8 00 森", "#32 細工", "010:金具 020:03 2 01鉄鉱石 3201"});
    AppData d;
    folder.prepare(d);
    loadProducts(d, dialogs);
    const ProductTable& m = d.products;
    QCOMPARE(m.sectionName(1), QString("狩猟"));
    QCOMPARE(m.at(1, 1, 1), QString("005:ウサギの肉"));
    QCOMPARE(m.at(1, 2, 1), QString("012:03"));
    QCOMPARE(m.at(1, 3, 1), QString("4"));
    QCOMPARE(m.at(1, 4, 1), QString("00"));
    QCOMPARE(m.at(1, 5, 1), QString("北の森,湖畔"));
    QCOMPARE(m.sectionName(2), QString("木こり"));
    QCOMPARE(m.at(2, 1, 1), QString("001:丸太"));
    QCOMPARE(m.sectionName(32), QString("細工"));
    QCOMPARE(m.at(32, 4, 1), QString("01鉄鉱石"));
    QVERIFY(m.sectionName(0).isEmpty());  // comments are no sections
    QVERIFY(dialogs.shown().isEmpty());
}

void LoadersTest::productLimits_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<int>("lastRowOfOne");
    QTest::addColumn<QString>("why");
    QTest::newRow("six fields") << QStringList{"#01 a", "001:x 1:01 1 00 p",
                                               "001:y 1:01 1 00 p extra", "#02 b",
                                               "001:z 1:01 1 00 p"}
                                << 2 << "3 行目: 項目は 5 つまでです";
    QStringList many{"#01 a"};
    for (int r = 1; r <= 81; ++r)
        many << QString("001:p%1 001:01 1 00 x").arg(r);
    many << "#02 b"
         << "001:z 1:01 1 00 p";
    QTest::newRow("81st product") << many << 80 << "82 行目: 1 つの作業の生産品は 80 件までです";
    QTest::newRow("section 33") << QStringList{"#01 a", "001:x 1:01 1 00 p", "#33 c", "#02 b"} << 1
                                << "3 行目: 作業の番号は 1 から 32 までです";
    // Saved with three digits of weight, heavier equipment would change the history's format.
    QTest::newRow("equipment of weight 1000") << QStringList{"#01 a",
                                                             "001:x 1:01 1000 00 p",
                                                             "#31 c",
                                                             "001:y 1:01 999 00 3101",
                                                             "001:z 1:01 1000 00 3102",
                                                             "#02 b"}
                                              << 1 << "5 行目: 装備品の重量は 999 までです";
    QTest::newRow("section 0") << QStringList{"#01 a", "001:x 1:01 1 00 p", "#00 c", "#02 b"} << 1
                               << "3 行目: 作業の番号は 1 から 32 までです";
    QTest::newRow("product before the first work")
        << QStringList{"# comment", "", "root:x:0:0:root:/root:/bin/bash", "#01 a", "#02 b"} << 0
        << "3 行目: 最初の作業の行（#01 など）より前に生産品の行があります";
}

void LoadersTest::productLimits() {
    QFETCH(QStringList, lines);
    QFETCH(int, lastRowOfOne);
    QFETCH(QString, why);
    TestFolder folder;
    folder.writeLines("txtFile/MakeData.txt", lines);
    AppData d;
    folder.prepare(d);
    dialogs.expectMessage(Dialogs::Answer::Ok);
    loadProducts(d, dialogs);
    // The file opened: the message says where and why it cannot be used.
    QCOMPARE(dialogs.last().text, folder.path() + "/txtFile/MakeData.txt\r\n" + why +
                                      "\r\n読み込めたところまでのデータで続けます");
    QCOMPARE(dialogs.last().title, QString("wmtool"));
    QCOMPARE(!d.products.at(1, 1, lastRowOfOne).isEmpty(), lastRowOfOne > 0);
    // Reading stopped: later sections stay empty.
    QVERIFY(d.products.sectionName(2).isEmpty());
}

void LoadersTest::productsMissing() {
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    dialogs.expectMessage(Dialogs::Answer::Ok);
    loadProducts(d, dialogs);
    QCOMPARE(dialogs.last().text,
             folder.path() + "/txtFile/MakeData.txt が開けません\r\nNo such file or directory");
}

void LoadersTest::jobTable() {
    TestFolder folder;
    folder.writeLines("txtFile/JobData.txt", {"# jobs", "平民 50 01", "戦士  70 02 杖,製本,楽器,"});
    AppData d;
    folder.prepare(d);
    loadJobs(d, dialogs);
    QCOMPARE(d.jobs.at(1, 1), QString("平民"));
    QCOMPARE(d.jobs.at(1, 3), QString("01"));
    QVERIFY(d.jobs.at(1, 4).isEmpty());
    QCOMPARE(d.jobs.at(2, 2), QString("70"));
    QCOMPARE(d.jobs.at(2, 4), QString("杖,製本,楽器,"));
    QVERIFY(d.jobs.at(3, 1).isEmpty());
}

void LoadersTest::jobLimits_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("where");
    QStringList many{"# jobs"};
    for (int i = 1; i <= 25; ++i)
        many << QString("job%1 50 %1").arg(i);
    QTest::newRow("25 jobs") << many << "26 行目";
    QTest::newRow("five fields") << QStringList{"平民 50 01", "戦士 70 02 剣, 余分"} << "2 行目";
    QTest::newRow("missing file") << QStringList{} << "ファイルを開けません";
}

void LoadersTest::jobLimits() {
    QFETCH(QStringList, lines);
    QFETCH(QString, where);
    TestFolder folder;
    if (!lines.isEmpty())
        folder.writeLines("txtFile/JobData.txt", lines);
    AppData d;
    folder.prepare(d);
    dialogs.expectMessage(Dialogs::Answer::Ok);
    loadJobs(d, dialogs);
    const QString text = dialogs.last().text;
    QVERIFY2(text.startsWith(folder.path() + "/txtFile/JobData.txt\r\n"), qPrintable(text));
    QVERIFY2(text.contains(where), qPrintable(text));
    if (!lines.isEmpty())
        QVERIFY(!d.jobs.at(1, 1).isEmpty());  // what came before stays
}

void LoadersTest::guildRows() {
    TestFolder folder;
    folder.writeLines("txtFile/GuildData.txt",
                      {"#01: 狩猟", "x,y,z", "#02: 木こり", "x,y, z", "#03: 釣り",
                       "港.小屋.ロイ,町.店.マリ, 港.ギルド.長,釣り竿,メモ"});
    AppData d;
    folder.prepare(d);
    loadGuilds(d, dialogs);
    const GuildTable& g = d.guilds;
    QCOMPARE(g.at(1, 0, 1), QString("01: 狩猟"));
    QCOMPARE(g.at(1, 1, 3), QString("z"));
    QVERIFY(g.at(1, 2, 1).isEmpty());
    QCOMPARE(g.at(2, 1, 1), QString("x"));
    QCOMPARE(g.at(2, 1, 2), QString("y"));
    QVERIFY(g.at(2, 1, 3).isEmpty());
    QCOMPARE(g.at(2, 2, 1), QString("z"));
    QCOMPARE(g.at(3, 1, 2), QString("町.店.マリ"));
    QCOMPARE(g.at(3, 2, 1), QString("港.ギルド.長"));
    QCOMPARE(g.at(3, 2, 2), QString("釣り竿"));
    QCOMPARE(g.at(3, 2, 3), QString("メモ"));
    // The same cells as the guild panel names them.
    QCOMPARE(g.nameLine(3), QString("03: 釣り"));
    QCOMPARE(g.learningPlace(3, 1), QString("港.小屋.ロイ"));
    QCOMPARE(g.learningPlace(3, 2), QString("町.店.マリ"));
    QCOMPARE(g.guildPlace(3), QString("港.ギルド.長"));
    QCOMPARE(g.learningCondition(3), QString("釣り竿"));
    QCOMPARE(g.guildPlace(2), QString("z"));
}

void LoadersTest::guildLimits_data() {
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("where");
    QTest::newRow("value before first section") << QStringList{"a,b", "#01: x"} << "1 行目";
    QTest::newRow("four values in a row") << QStringList{"#01: x", "a,b,c,d"} << "2 行目";
    QStringList many;
    for (int g = 1; g <= 32; ++g)
        many << QString("#%1: w").arg(g, 2, 10, QChar('0')) << "a.b.c";
    QTest::newRow("32 sections") << many << "63 行目";
    QTest::newRow("missing file") << QStringList{} << "ファイルを開けません";
}

void LoadersTest::guildLimits() {
    QFETCH(QStringList, lines);
    QFETCH(QString, where);
    TestFolder folder;
    if (!lines.isEmpty())
        folder.writeLines("txtFile/GuildData.txt", lines);
    AppData d;
    folder.prepare(d);
    dialogs.expectMessage(Dialogs::Answer::Ok);
    loadGuilds(d, dialogs);
    const QString text = dialogs.last().text;
    QVERIFY2(text.startsWith(folder.path() + "/txtFile/GuildData.txt\r\n"), qPrintable(text));
    QVERIFY2(text.contains(where), qPrintable(text));
}

void LoadersTest::guildThirtyTwoSections() {
    TestFolder folder;
    QStringList lines;
    for (int g = 1; g <= 32; ++g)
        lines << QString("#%1: w%1").arg(g, 2, 10, QChar('0')) << "a.b.c";
    folder.writeLines("txtFile/GuildData.txt", lines);
    AppData d(GuildTable::kViewerSections);
    folder.prepare(d);
    loadGuilds(d, dialogs);
    QCOMPARE(d.guilds.at(32, 0, 1), QString("32: w32"));
    QCOMPARE(d.guilds.at(32, 1, 1), QString("a.b.c"));
}

void LoadersTest::badFilesNeverCrash() {
    TestFolder folder;
    const QByteArray junk("#01 \x83\r\n\x82\0\xff\xfe abc\r#02 x\n\x83", 24);
    for (const char* name : {"ExpTable.txt", "MakeData.txt", "JobData.txt", "GuildData.txt"})
        folder.writeBytes(QString("txtFile/") + name, junk);
    AppData d;
    folder.prepare(d);
    loadExpTable(d);
    loadProducts(d, dialogs);
    loadJobs(d, dialogs);
    // "#01 ..." starts a section and the rest are its value lines, none beyond a row's
    // bounds: the guild file loads without a message (an unexpected box fails in cleanup).
    // Whatever happens, nothing may crash and every table stays inside its bounds.
    loadGuilds(d, dialogs);
    QVERIFY(d.guilds.at(1, 0, 1).startsWith("01 "));
    QCOMPARE(d.products.at(2, 0, 0), QString());
    QVERIFY(d.expTable.at(1).isValid());
}

WM_TEST_MAIN(LoadersTest)
#include "tst_loaders.moc"
