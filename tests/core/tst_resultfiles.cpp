#include <QDir>
#include <QTest>

#include "characterhistory.h"
#include "options.h"
#include "resultfiles.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;
using wmtest::TestFolder;
using Status = SaveReport::Status;

class ResultFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void init() {
        folder = std::make_unique<TestFolder>();
        d = AppData();
        folder->prepare(d);
    }

    void pathRule_data();
    void pathRule();
    void overwrite();
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

void ResultFilesTest::overwrite() {
    QCOMPARE(writeResult(d, "", "result", NonEmptyFile::Replace).status, Status::NoText);
    QVERIFY(!folder->exists("result.txt"));
    folder->writeBytes("result.txt", "first\r\n");
    const SaveReport kept = writeResult(d, "second", "result", NonEmptyFile::Keep);
    QCOMPARE(kept.status, Status::NotEmpty);
    QCOMPARE(folder->readBytes("result.txt"), QByteArray("first\r\n"));

    const SaveReport replaced = writeResult(d, "second\nthird", "result", NonEmptyFile::Replace);
    QVERIFY(replaced.saved());
    QCOMPARE(folder->readBytes("result.txt"), QByteArray("second\r\nthird\r\n"));
    QCOMPARE(replaced.message.text, folder->path() + "/result.txt に保存されました");
    QCOMPARE(replaced.message.title, QString("テキストファイル作成"));
    QCOMPARE(replaced.message.icon, Dialogs::Icon::None);

    // An empty file is replaced without asking.
    folder->writeBytes("empty.txt", "");
    QVERIFY(writeResult(d, "third", "empty", NonEmptyFile::Keep).saved());
    QCOMPARE(folder->readBytes("empty.txt"), QByteArray("third\r\n"));
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
    const SaveReport written = writeResult(d, "x", name, NonEmptyFile::Replace);
    QCOMPARE(written.status, Status::BadName);
    QVERIFY(written.message.text.startsWith("「" + name + "」はファイル名に使えません\r\n"));
    QCOMPARE(written.message.title, QString("テキストファイル作成"));
    QCOMPARE(written.message.icon, Dialogs::Icon::Exclamation);
    const SaveReport appended = appendText(d, name, "x");
    QCOMPARE(appended.status, Status::BadName);
    QCOMPARE(appended.message.title, QString("ファイル作成"));
    QCOMPARE(QDir(folder->path()).entryList(QDir::Files), QStringList());
}

void ResultFilesTest::failedWriteKeepsOldFile() {
    folder->writeBytes("sub", "a plain file where a folder is needed");
    const SaveReport report = writeResult(d, "x", "sub\\memo", NonEmptyFile::Replace);
    QCOMPARE(report.status, Status::Failed);
    QVERIFY(report.message.text.startsWith(folder->path() +
                                           "/sub/memo.txt に保存できませんでした\r\n"));
    QCOMPARE(report.message.title, QString("テキストファイル作成"));
    QCOMPARE(report.message.icon, Dialogs::Icon::Exclamation);
}

void ResultFilesTest::appendAndConfirm() {
    QVERIFY(appendText(d, "txtFile\\PCData.txt", "ロイ,01").saved());
    const SaveReport report = appendText(d, "txtFile\\PCData.txt", "ロイ,02");
    QVERIFY(report.saved());
    QCOMPARE(folder->readBytes("txtFile/PCData.txt"), wmtest::cp932Lines({"ロイ,01", "ロイ,02"}));
    QCOMPARE(report.message.text, folder->path() + "/txtFile/PCData.txtに保存しました");
    QCOMPARE(report.message.title, QString("ファイル作成"));
    QCOMPARE(report.message.icon, Dialogs::Icon::None);
}

void ResultFilesTest::failedAppendIsReported() {
    folder->writeBytes("txtFile/PCData.txt/keep", "x");  // a folder where the file should be
    const SaveReport report = appendText(d, "txtFile\\PCData.txt", "ロイ,01");
    QCOMPARE(report.status, Status::Failed);
    QVERIFY(report.message.text.startsWith(folder->path() +
                                           "/txtFile/PCData.txt に保存できませんでした\r\n"));
    QCOMPARE(report.message.title, QString("ファイル作成"));
    QCOMPARE(report.message.icon, Dialogs::Icon::Exclamation);
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
    const QString save = "ロイ,01" + QString(",0").repeated(28) + ".0 2008/03/05 14:07:33.0.,,,,,,";
    const SaveReport report = appendToDataFile(d, FileListEntry::History, save);
    QVERIFY(report.saved());
    QCOMPARE(report.message.text, d.nativeDataPath(FileListEntry::History) + "に保存しました");
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
    QString text;
    if (options) {
        const auto problem = saveOptions(d, WindowChoice{});
        QVERIFY(problem);
        text = problem->text;
    } else {
        const SaveReport report = appendToDataFile(d, FileListEntry::History, "x");
        QCOMPARE(report.status, Status::Failed);
        text = report.message.text;
    }
    QVERIFY2(
        text.endsWith("できませんでした\r\n"
                      "プログラムのフォルダーにもデータフォルダーにもない場所には保存しません"),
        qPrintable(text));
    QVERIFY(!folder->exists("outside.txt"));
}

WM_TEST_MAIN(ResultFilesTest)
#include "tst_resultfiles.moc"
