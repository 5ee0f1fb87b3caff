#include <QDir>
#include <QTest>

#include "appdata.h"
#include "cp932.h"
#include "faultshim.h"
#include "options.h"
#include "resultfiles.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;
using wmtest::FaultGuard;
using wmtest::ScriptedDialogs;
using wmtest::TestFolder;

// Write failures the disk reports late (the new file's sync or close) or half-way (a short
// write on a full disk), made by the fault shim linked into this program.
class WriteFaultsTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { WM_VERIFY_DIALOGS(dialogs); }

    void replaceKeepsOldFile_data();
    void replaceKeepsOldFile();
    void savesReportTheFailure_data();
    void savesReportTheFailure();
    void appendShortWriteNamesReason();
    void failedAppendLeavesNoNewFile();
    void appendCloseErrorAfterWholeLine();
    void replaceKeepsPermissions();

  private:
    ScriptedDialogs dialogs;
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
    {
        FaultGuard fault(call.constData(), options ? "Option.txt" : "out.txt", "EIO");
        if (options) {
            dialogs.expectMessage(Dialogs::Answer::Ok);
            QVERIFY(!saveOptions(d, dialogs, {WindowSize::Small, StartPage::Character}));
        } else {
            dialogs.expectMessage(Dialogs::Answer::Yes);  // overwrite
            dialogs.expectMessage(Dialogs::Answer::Ok);
            QVERIFY(!writeResult(d, dialogs, "result", "out"));
        }
    }
    const QString text = dialogs.last().text;
    QVERIFY2(text.contains("できませんでした\r\nInput/output error"), qPrintable(text));
    QCOMPARE(folder.readBytes(relative), QByteArray("2\r\n"));
}

void WriteFaultsTest::appendShortWriteNamesReason() {
    TestFolder folder;
    folder.writeBytes("hist.txt", "first\r\n");
    FileResult appended;
    {
        FaultGuard fault("write", "hist.txt", "ENOSPC", 4);
        appended = appendLine(folder.filePath("hist.txt"), "second line");
    }
    QVERIFY(!appended.ok);
    QCOMPARE(appended.error, QString("No space left on device"));
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

// The whole line is in the file: a late close error must not invite saving it again.
void WriteFaultsTest::appendCloseErrorAfterWholeLine() {
    TestFolder folder;
    folder.writeBytes("hist.txt", "first\r\n");
    FileResult appended;
    {
        FaultGuard fault("close", "hist.txt", "EIO");
        appended = appendLine(folder.filePath("hist.txt"), "second");
    }
    QVERIFY2(appended.ok, qPrintable(appended.error));
    QCOMPARE(folder.readBytes("hist.txt"), QByteArray("first\r\nsecond\r\n"));
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

WM_TEST_MAIN(WriteFaultsTest)
#include "tst_writefaults.moc"
