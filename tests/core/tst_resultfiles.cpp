#include <QDir>
#include <QTest>

#include "characterhistory.h"
#include "options.h"
#include "resultfiles.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;
using wmtest::ScriptedDialogs;
using wmtest::TestFolder;
using Answer = Dialogs::Answer;

class ResultFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        folder = std::make_unique<TestFolder>();
        d = AppData();
        folder->prepare(d);
    }
    void cleanup() { WM_VERIFY_DIALOGS(dialogs); }

    void pathRule_data();
    void pathRule();
    void defaultName();
    void typedName();
    void cancelledPrompt();
    void declinedQuestions();
    void overwrite();
    void emptyResultWritesNothing();
    void invalidNames_data();
    void invalidNames();
    void failedWriteKeepsOldFile();
    void appendAndConfirm();
    void failedAppendIsReported();
    void historySavePath_data();
    void historySavePath();
    void writesStayHome_data();
    void writesStayHome();

  private:
    std::unique_ptr<TestFolder> folder;
    AppData d;
    ScriptedDialogs dialogs;
};

void ResultFilesTest::pathRule_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("path");
    QTest::newRow("no extension") << "result"
                                  << "D:\\tool\\result.txt";
    QTest::newRow("txt kept") << "memo.txt"
                              << "D:\\tool\\memo.txt";
    QTest::newRow("upper case") << "a.TXT"
                                << "D:\\tool\\a.TXT.txt";
    QTest::newRow("other extension") << "data.old"
                                     << "D:\\tool\\data.old.txt";
    QTest::newRow("data folder") << "txtFile\\PCData.txt"
                                 << "D:\\tool\\txtFile\\PCData.txt";
}

void ResultFilesTest::pathRule() {
    QFETCH(QString, name);
    QFETCH(QString, path);
    AppData windows;
    windows.programFolder = "D:\\tool";
    QCOMPARE(resultFilePath(windows, name), path);
}

void ResultFilesTest::defaultName() {
    dialogs.expectMessage(Answer::Yes);  // write?
    dialogs.expectMessage(Answer::No);   // type a name? no: the default
    dialogs.expectMessage(Answer::Ok);
    saveResult(d, dialogs, "Lv.005  1\nLv.006  2");
    QCOMPARE(folder->readBytes("result.txt"), QByteArray("Lv.005  1\r\nLv.006  2\r\n"));
    QCOMPARE(dialogs.shown().at(0).text, QString("結果をテキストファイルに書き出しますか？"));
    QCOMPARE(dialogs.shown().at(0).buttons, Dialogs::Buttons::YesNo);
    QCOMPARE(dialogs.shown().at(1).text, QString("ファイル名を入力しますか？"));
    QCOMPARE(dialogs.last().text, folder->path() + "/result.txt に保存されました");
    QCOMPARE(dialogs.last().title, QString("テキストファイル作成"));
}

void ResultFilesTest::typedName() {
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectInput("memo.txt");
    dialogs.expectMessage(Answer::Ok);
    saveResult(d, dialogs, "経験値～\n");
    const wmtest::ShownBox& prompt = dialogs.shown().at(2);
    QCOMPARE(prompt.text, QString("テキストファイル名を入力してください"));
    QCOMPARE(prompt.title, QString("ファイル名の入力"));
    QCOMPARE(prompt.defaultText, QString("result"));
    QCOMPARE(folder->readBytes("memo.txt"), wmtest::cp932Lines({"経験値～", ""}));
    QVERIFY(!folder->exists("memo.txt.txt"));
}

void ResultFilesTest::cancelledPrompt() {
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectMessage(Answer::Yes);
    dialogs.expectInput(QString());
    saveResult(d, dialogs, "x");
    QCOMPARE(dialogs.shown().size(), 3);
    QVERIFY(!folder->exists("result.txt"));
}

void ResultFilesTest::declinedQuestions() {
    dialogs.expectMessage(Answer::No);
    saveResult(d, dialogs, "x");
    QCOMPARE(dialogs.shown().size(), 1);
    QVERIFY(!folder->exists("result.txt"));
}

void ResultFilesTest::overwrite() {
    QVERIFY(!writeResult(d, dialogs, "", "result"));  // nothing to write: no file, no box
    folder->writeBytes("result.txt", "first\r\n");
    dialogs.expectMessage(Answer::No);
    dialogs.expectMessage(Answer::Ok);
    QVERIFY(!writeResult(d, dialogs, "second", "result"));
    QCOMPARE(dialogs.shown().at(0).text,
             QString("result は空ではありません\r\n上書きしてもよろしいですか？"));
    QCOMPARE(dialogs.shown().at(0).title, QString("上書きの確認"));
    QCOMPARE(dialogs.last().text, QString("result の書き込みをキャンセルをしました"));
    QCOMPARE(folder->readBytes("result.txt"), QByteArray("first\r\n"));

    dialogs.expectMessage(Answer::Yes);
    dialogs.expectMessage(Answer::Ok);
    QVERIFY(writeResult(d, dialogs, "second", "result"));
    QCOMPARE(folder->readBytes("result.txt"), QByteArray("second\r\n"));

    // An empty file is replaced without asking.
    folder->writeBytes("empty.txt", "");
    dialogs.expectMessage(Answer::Ok);
    QVERIFY(writeResult(d, dialogs, "third", "empty"));
}

void ResultFilesTest::emptyResultWritesNothing() {
    dialogs.expectMessage(Answer::Ok);
    saveResult(d, dialogs, "");
    QCOMPARE(dialogs.last().text, QString("結果がないので、ファイル作成は出来ません"));
    QVERIFY(!folder->exists("result.txt"));
}

void ResultFilesTest::invalidNames_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("drive letter") << "C:\\memo";
    QTest::newRow("absolute") << "/tmp/memo";
    QTest::newRow("refused character") << "a?b";
    QTest::newRow("parent folder") << "..\\memo";
    QTest::newRow("outside code page") << QString::fromUtf8("😀");
}

void ResultFilesTest::invalidNames() {
    QFETCH(QString, name);
    dialogs.expectMessage(Answer::Ok);
    QVERIFY(!writeResult(d, dialogs, "x", name));
    QVERIFY(dialogs.last().text.contains("ファイル名に使えません"));
    dialogs.expectMessage(Answer::Ok);
    QVERIFY(!appendText(d, dialogs, name, "x"));
    QCOMPARE(dialogs.shown().size(), 2);
}

void ResultFilesTest::failedWriteKeepsOldFile() {
    folder->writeBytes("sub", "a plain file where a folder is needed");
    dialogs.expectMessage(Answer::Ok);
    QVERIFY(!writeResult(d, dialogs, "x", "sub\\memo"));
    QVERIFY(dialogs.last().text.startsWith(folder->path() +
                                           "/sub/memo.txt に保存できませんでした\r\n"));
    QCOMPARE(dialogs.last().icon, Dialogs::Icon::Exclamation);
}

void ResultFilesTest::appendAndConfirm() {
    dialogs.expectMessage(Answer::Ok);
    dialogs.expectMessage(Answer::Ok);
    QVERIFY(appendText(d, dialogs, "txtFile\\PCData.txt", "ロイ,01"));
    QVERIFY(appendText(d, dialogs, "txtFile\\PCData.txt", "ロイ,02"));
    QCOMPARE(folder->readBytes("txtFile/PCData.txt"), wmtest::cp932Lines({"ロイ,01", "ロイ,02"}));
    QCOMPARE(dialogs.last().text, folder->path() + "/txtFile/PCData.txtに保存しました");
    QCOMPARE(dialogs.last().title, QString("ファイル作成"));
}

void ResultFilesTest::failedAppendIsReported() {
    folder->writeBytes("txtFile/PCData.txt/keep", "x");  // a folder where the file should be
    dialogs.expectMessage(Answer::Ok);
    QVERIFY(!appendText(d, dialogs, "txtFile\\PCData.txt", "ロイ,01"));
    QVERIFY(dialogs.last().text.contains("保存できませんでした"));
    QVERIFY(!dialogs.last().text.contains("に保存しました"));
}

void ResultFilesTest::historySavePath_data() {
    QTest::addColumn<QString>("folderEntry");
    QTest::addColumn<QString>("fileEntry");
    QTest::addColumn<QString>("written");  // below the temporary folder; the program is in prog
    QTest::newRow("usual") << "txtFile\\"
                           << "PCData.txt"
                           << "prog/txtFile/PCData.txt";
    QTest::newRow("no trailing backslash") << "txtFile"
                                           << "PCData.txt"
                                           << "prog/txtFile/PCData.txt";
    QTest::newRow("other extension") << "txtFile\\"
                                     << "PCData.dat"
                                     << "prog/txtFile/PCData.dat";
    QTest::newRow("dot folder") << ".\\txtFile\\"
                                << "PCData.txt"
                                << "prog/txtFile/PCData.txt";
    QTest::newRow("shared folder") << "..\\shared\\txtFile\\"
                                   << "PCData.txt"
                                   << "shared/txtFile/PCData.txt";
}

void ResultFilesTest::historySavePath() {
    QFETCH(QString, folderEntry);
    QFETCH(QString, fileEntry);
    QFETCH(QString, written);
    QVERIFY(QDir(folder->path()).mkpath("prog/txtFile"));
    QVERIFY(QDir(folder->path()).mkpath("shared/txtFile"));
    d.programFolder = folder->programFolder() + "\\prog";
    d.fileList.set(0, folderEntry);
    d.fileList.set(6, fileEntry);
    dialogs.expectMessage(Answer::Ok);
    const QString save = "ロイ,01" + QString(",0").repeated(28) + ".0 2008/03/05 14:07:33.0.,,,,,,";
    QVERIFY(appendToDataFile(d, dialogs, FileListEntry::History, save));
    QCOMPARE(dialogs.last().text, d.nativeDataPath(FileListEntry::History) + "に保存しました");
    QCOMPARE(folder->readBytes(written), wmtest::cp932Lines({save}));
    loadHistory(d);  // the readers find the save
    QCOMPARE(d.history.names(), QStringList{"ロイ"});
}

void ResultFilesTest::writesStayHome_data() {
    QTest::addColumn<bool>("options");
    QTest::newRow("history") << false;
    QTest::newRow("options") << true;
}

// An entry that leads out of the program and data folders gets nothing written there.
void ResultFilesTest::writesStayHome() {
    QFETCH(bool, options);
    QVERIFY(QDir(folder->path()).mkpath("prog/txtFile"));
    d.programFolder = folder->programFolder() + "\\prog";
    d.fileList.set(options ? 8 : 6, "..\\..\\outside.txt");
    dialogs.expectMessage(Answer::Ok);
    QVERIFY(options ? !saveOptions(d, dialogs, WindowChoice{})
                    : !appendToDataFile(d, dialogs, FileListEntry::History, "x"));
    const QString text = dialogs.last().text;
    QVERIFY2(
        text.endsWith("できませんでした\r\n"
                      "プログラムのフォルダーにもデータフォルダーにもない場所には保存しません"),
        qPrintable(text));
    QVERIFY(!folder->exists("outside.txt"));
}

WM_TEST_MAIN(ResultFilesTest)
#include "tst_resultfiles.moc"
