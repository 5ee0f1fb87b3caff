#include <sys/stat.h>

#include <QDir>
#include <QElapsedTimer>
#include <QTest>

#include "appdata.h"
#include "characterhistory.h"
#include "cp932.h"
#include "faultshim.h"
#include "options.h"
#include "resultfiles.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;
using wmtest::FaultGuard;
using wmtest::TestFolder;

// Write failures the disk reports late (the new file's sync or close) or half-way (a short
// write on a full disk), made by the fault shim linked into this program.
class WriteFaultsTest : public QObject {
    Q_OBJECT
  private slots:

    void replaceKeepsOldFile_data();
    void replaceKeepsOldFile();
    void savesReportTheFailure_data();
    void savesReportTheFailure();
    void appendKeepsOldFile_data();
    void appendKeepsOldFile();
    void failedAppendLeavesNoNewFile();
    void fragmentIsNoSave();
    void replaceKeepsPermissions();
    void notRegularTargetsRefused_data();
    void notRegularTargetsRefused();

  private:
};

namespace {

const char* const kReason[] = {"Input/output error", "No space left on device"};

// Names in the folder other than the expected ones: left-over temporary files.
QStringList leftOvers(const TestFolder& folder, const QString& sub, const QStringList& expected) {
    QStringList names = QDir(folder.filePath(sub)).entryList(QDir::Files);
    for (const QString& name : expected)
        names.removeAll(name);
    return names;
}

}  // namespace

void WriteFaultsTest::replaceKeepsOldFile_data() {
    QTest::addColumn<QByteArray>("call");
    QTest::addColumn<QByteArray>("error");
    QTest::addColumn<int>("after");
    QTest::newRow("fsync EIO") << QByteArray("fsync") << QByteArray("EIO") << 0;
    QTest::newRow("close EIO") << QByteArray("close") << QByteArray("EIO") << 0;
    QTest::newRow("write ENOSPC") << QByteArray("write") << QByteArray("ENOSPC") << 0;
    QTest::newRow("short write, then ENOSPC") << QByteArray("write") << QByteArray("ENOSPC") << 7;
}

void WriteFaultsTest::replaceKeepsOldFile() {
    QFETCH(QByteArray, call);
    QFETCH(QByteArray, error);
    QFETCH(int, after);
    TestFolder folder;
    folder.writeBytes("result.txt", "old\r\n");
    FileResult written;
    {
        FaultGuard fault(call.constData(), "result.txt", error.constData(), after);
        written = writeTextFile(folder.filePath("result.txt"), "new text, longer\r\n");
    }
    QVERIFY(!written.ok);
    QCOMPARE(written.error, QString(kReason[error == "ENOSPC"]));
    QCOMPARE(folder.readBytes("result.txt"), QByteArray("old\r\n"));
    QCOMPARE(leftOvers(folder, ".", {"result.txt"}), QStringList());
}

void WriteFaultsTest::savesReportTheFailure_data() {
    QTest::addColumn<bool>("options");
    QTest::addColumn<QByteArray>("call");
    QTest::newRow("options, fsync") << true << QByteArray("fsync");
    QTest::newRow("options, close") << true << QByteArray("close");
    QTest::newRow("result, fsync") << false << QByteArray("fsync");
    QTest::newRow("result, close") << false << QByteArray("close");
}

// The options file and a result file: the user is told, and the old file stays.
void WriteFaultsTest::savesReportTheFailure() {
    QFETCH(bool, options);
    QFETCH(QByteArray, call);
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    const QString relative = options ? "txtFile/Option.txt" : "out.txt";
    folder.writeBytes(relative, "2\r\n");
    QString text;
    {
        FaultGuard fault(call.constData(), options ? "Option.txt" : "out.txt", "EIO");
        if (options) {
            const auto problem = saveOptions(d, {WindowSize::Small, StartPage::Character});
            QVERIFY(problem);
            text = problem->text;
        } else {
            const SaveReport report = writeResult(d, "result", "out", NonEmptyFile::Replace);
            QCOMPARE(report.status, SaveReport::Status::Failed);
            text = report.message.text;
        }
    }
    QVERIFY2(text.contains("できませんでした\r\nInput/output error"), qPrintable(text));
    QCOMPARE(folder.readBytes(relative), QByteArray("2\r\n"));
}

void WriteFaultsTest::appendKeepsOldFile_data() {
    QTest::addColumn<QByteArray>("call");
    QTest::addColumn<QByteArray>("error");
    QTest::addColumn<int>("after");
    QTest::newRow("short write") << QByteArray("write") << QByteArray("ENOSPC") << 4;
    QTest::newRow("no room to reserve") << QByteArray("fallocate") << QByteArray("ENOSPC") << 0;
    QTest::newRow("fsync EIO") << QByteArray("fsync") << QByteArray("EIO") << 0;
    // The whole line was written, but the system does not promise it is kept.
    QTest::newRow("close EIO") << QByteArray("close") << QByteArray("EIO") << 0;
}

void WriteFaultsTest::appendKeepsOldFile() {
    QFETCH(QByteArray, call);
    QFETCH(QByteArray, error);
    QFETCH(int, after);
    TestFolder folder;
    folder.writeBytes("hist.txt", "first\r\n");
    FileResult appended;
    {
        FaultGuard fault(call.constData(), "hist.txt", error.constData(), after);
        appended = appendLine(folder.filePath("hist.txt"), "second line");
    }
    QVERIFY(!appended.ok);
    QCOMPARE(appended.error, QString(kReason[error == "ENOSPC"]));
    QCOMPARE(folder.readBytes("hist.txt"), QByteArray("first\r\n"));
}

void WriteFaultsTest::failedAppendLeavesNoNewFile() {
    TestFolder folder;
    FileResult appended;
    {
        FaultGuard fault("write", "hist.txt", "ENOSPC");
        appended = appendLine(folder.filePath("hist.txt"), "line");
    }
    QVERIFY(!appended.ok);
    QVERIFY(!folder.exists("hist.txt"));
}

// A short write whose end cannot be cut back leaves part of a save behind: the reader skips
// it, and the next save starts a line of its own.
void WriteFaultsTest::fragmentIsNoSave() {
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    const QString save =
        "ロイ,01,1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0.0 "
        "2008/03/05 14:07:33.0.01000,02000,03000,04000,05000,06000,,,,,,,";
    folder.writeLines("txtFile/PCData.txt", {save});
    const QByteArray before = folder.readBytes("txtFile/PCData.txt");
    FileResult appended;
    {
        FaultGuard fault("write,ftruncate", "PCData.txt", "ENOSPC", 66);
        appended = appendLine(d.nativeDataPath(FileListEntry::History), save);
    }
    QVERIFY(!appended.ok);
    QCOMPARE(folder.readBytes("txtFile/PCData.txt").size(), before.size() + 66);
    loadHistory(d);
    QCOMPARE(d.history.recordCount(1), 1);
    QVERIFY(appendLine(d.nativeDataPath(FileListEntry::History), save).ok);
    loadHistory(d);
    QCOMPARE(d.history.names(), QStringList{"ロイ"});
    QCOMPARE(d.history.recordCount(1), 2);
}

void WriteFaultsTest::replaceKeepsPermissions() {
    TestFolder folder;
    const QString path = folder.filePath("result.txt");
    folder.writeBytes("result.txt", "old\r\n");
    const auto mode = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
    QVERIFY(QFile::setPermissions(path, mode));
    QVERIFY(writeTextFile(path, "new\r\n").ok);
    QCOMPARE(folder.readBytes("result.txt"), QByteArray("new\r\n"));
    QCOMPARE(int(QFile::permissions(path) & 0x7077), int(mode & 0x7077));  // not the user bits
}

void WriteFaultsTest::notRegularTargetsRefused_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("fifo") << "fifo"
                          << "通常のファイルではありません";
    QTest::newRow("link to /dev/zero") << "device"
                                       << "通常のファイルではありません";
    QTest::newRow("folder") << "folder"
                            << "フォルダーです";
}

// Nothing waits on a FIFO or writes to a device; a link to one stays as it was, and no new
// file with the device's wide-open permissions appears.
void WriteFaultsTest::notRegularTargetsRefused() {
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    TestFolder folder;
    const QString path = folder.filePath("target.txt");
    const QByteArray native = QFile::encodeName(path);
    if (kind == "fifo")
        QVERIFY(::mkfifo(native.constData(), 0600) == 0);
    else if (kind == "device")
        QVERIFY(QFile::link("/dev/zero", path));
    else
        QVERIFY(QDir(folder.path()).mkdir("target.txt"));
    QElapsedTimer timer;
    timer.start();
    const FileResult appended = appendLine(path, "line");
    const FileResult replaced = writeTextFile(path, "text\r\n");
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(appended.error, reason);
    QCOMPARE(replaced.error, reason);
    QVERIFY(!appended.ok && !replaced.ok);
    const QFileInfo info(path);
    QCOMPARE(info.isSymLink(), kind == "device");
    QVERIFY(!info.isFile() || info.isSymLink());
    const auto everything = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    QCOMPARE(QDir(folder.path()).entryList(everything), QStringList({"target.txt", "txtFile"}));
}

WM_TEST_MAIN(WriteFaultsTest)
#include "tst_writefaults.moc"
