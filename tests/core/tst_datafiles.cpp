#include <sys/stat.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

#include "appdata.h"
#include "characterhistory.h"
#include "cp932.h"
#include "gamedata.h"
#include "options.h"
#include "scripteddialogs.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;
using wmtest::ScriptedDialogs;
using wmtest::TestFolder;

// Data files that are no plain text: special files, oversized files and lines long enough
// to show a loader that is slower than linear.
namespace {

enum class Special { Fifo, DeviceLink, OverLimit, AtLimit };

// Makes txtFile/<name> the special file; false when the machine does not allow it.
bool makeSpecial(const TestFolder& folder, const QString& name, Special kind) {
    const QString path = folder.filePath("txtFile/" + name);
    QFile::remove(path);
    switch (kind) {
        case Special::Fifo:
            return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
        case Special::DeviceLink:
            return QFile::link("/dev/zero", path);
        case Special::OverLimit:
        case Special::AtLimit: {
            // Sparse: a size without the disk space.
            QFile file(path);
            const qint64 size = kMaxTextFileBytes + (kind == Special::OverLimit ? 1 : 0);
            return file.open(QIODevice::WriteOnly) && file.resize(size);
        }
    }
    return false;
}

// A line of "a " repeated up to `bytes` bytes.
QByteArray blankSeparatedLine(qsizetype bytes) {
    QByteArray line;
    line.reserve(bytes + 2);
    while (line.size() < bytes)
        line += "a ";
    return line;
}

}  // namespace

class DataFilesTest : public QObject {
    Q_OBJECT
  private slots:
    void cleanup() { WM_VERIFY_DIALOGS(dialogs); }

    void specialFilesAreRefused_data();
    void specialFilesAreRefused();
    void fileAtTheLimitIsRead();
    void specialDataFileIsReported_data();
    void specialDataFileIsReported();
    void specialFilesElsewhere();
    void longLinesLoadInLinearTime_data();
    void longLinesLoadInLinearTime();

  private:
    ScriptedDialogs dialogs;
};

void DataFilesTest::specialFilesAreRefused_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("reason");
    QTest::newRow("fifo") << int(Special::Fifo) << "通常のファイルではありません";
    QTest::newRow("link to /dev/zero")
        << int(Special::DeviceLink) << "通常のファイルではありません";
    QTest::newRow("64 MiB and one byte")
        << int(Special::OverLimit) << "ファイルが大きすぎます（64 MiB まで）";
}

void DataFilesTest::specialFilesAreRefused() {
    QFETCH(int, kind);
    QFETCH(QString, reason);
    TestFolder folder;
    if (!makeSpecial(folder, "data.txt", Special(kind)))
        QSKIP("cannot make that file here");
    QElapsedTimer timer;
    timer.start();
    const ReadResult read = readTextLines(folder.filePath("txtFile/data.txt"));
    QVERIFY(!read.ok);
    QCOMPARE(read.error, reason);
    QVERIFY(read.lines.isEmpty());
    QVERIFY(timer.elapsed() < 5000);
}

void DataFilesTest::fileAtTheLimitIsRead() {
    TestFolder folder;
    if (!makeSpecial(folder, "data.txt", Special::AtLimit))
        QSKIP("cannot make a sparse file here");
    const ReadResult read = readTextLines(folder.filePath("txtFile/data.txt"));
    QVERIFY2(read.ok, qPrintable(read.error));
    QCOMPARE(read.lines.size(), 1);
    QCOMPARE(read.lines.first().size(), kMaxTextFileBytes);  // NUL bytes, one line
}

void DataFilesTest::specialDataFileIsReported_data() {
    QTest::addColumn<int>("kind");
    QTest::newRow("fifo") << int(Special::Fifo);
    QTest::newRow("link to /dev/zero") << int(Special::DeviceLink);
    QTest::newRow("over the limit") << int(Special::OverLimit);
}

// The loaders that report a file they cannot open name the file and the reason.
void DataFilesTest::specialDataFileIsReported() {
    QFETCH(int, kind);
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    for (const QString name : {"JobData.txt", "GuildData.txt", "MakeData.txt", "PCData.txt"}) {
        if (!makeSpecial(folder, name, Special(kind)))
            QSKIP("cannot make that file here");
    }
    for (int i = 0; i < 3; ++i)
        dialogs.expectMessage(Dialogs::Answer::Ok);
    loadJobs(d, dialogs);
    loadGuilds(d, dialogs);
    loadProducts(d, dialogs);
    const auto history = historyProblemMessage(d, loadHistory(d));
    const QString reason = Special(kind) == Special::OverLimit ? "ファイルが大きすぎます"
                                                               : "通常のファイルではありません";
    QCOMPARE(dialogs.shown().size(), 3);
    for (const auto& box : dialogs.shown())
        QVERIFY2(box.text.contains(reason), qPrintable(box.text));
    QVERIFY(dialogs.shown().at(0).text.startsWith(d.nativeDataPath(FileListEntry::Jobs)));
    QVERIFY(dialogs.shown().at(1).text.startsWith(d.nativeDataPath(FileListEntry::Guilds)));
    QVERIFY(dialogs.shown().at(2).text.startsWith(d.nativeDataPath(FileListEntry::Products)));
    QVERIFY(history);
    QCOMPARE(history->text, d.nativeDataPath(FileListEntry::History) +
                                "\r\nファイルを開けません: " + reason +
                                (Special(kind) == Special::OverLimit ? "（64 MiB まで）" : ""));
    QCOMPARE(history->icon, Dialogs::Icon::Exclamation);
    QVERIFY(!historyProblemMessage(d, QString()));
}

// The other readers of outside data neither hang nor read a FIFO or a device.
void DataFilesTest::specialFilesElsewhere() {
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    for (const QString name : {"ExpTable.txt", "Option.txt", "PCData.txt"}) {
        if (!makeSpecial(folder, name, Special::Fifo))
            QSKIP("cannot make a FIFO here");
    }
    if (!makeSpecial(folder, "MakeData.txt", Special::DeviceLink))
        QSKIP("cannot link to /dev/zero here");
    loadExpTable(d);
    QCOMPARE(d.expTable.at(1).toInt(), 2);  // the computed table
    QVERIFY(!readOptionValues(d));
    QCOMPARE(loadHistory(d), QString("通常のファイルではありません"));
    QVERIFY(d.history.name(1).isEmpty());
    dialogs.expectMessage(Dialogs::Answer::Ok);
    loadProducts(d, dialogs);
    QVERIFY(dialogs.last().text.startsWith(d.nativeDataPath(FileListEntry::Products)));
}

void DataFilesTest::longLinesLoadInLinearTime_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<bool>("reported");
    QTest::newRow("file list") << "FileList.txt" << QByteArray("txtFile\\\r\n") << false;
    QTest::newRow("experience table") << "ExpTable.txt" << QByteArray() << false;
    QTest::newRow("production data") << "MakeData.txt" << QByteArray("#01 s\r\n") << true;
    QTest::newRow("job list") << "JobData.txt" << QByteArray() << true;
    QTest::newRow("guild data") << "GuildData.txt" << QByteArray("#g\r\n") << false;
    QTest::newRow("guild data, commas") << "GuildData.txt" << QByteArray("#g\r\n,") << true;
}

// A damaged line of 10 MB is loaded or reported in well under a second on an ordinary
// machine; the bound leaves room for a loaded machine and the sanitizers, while a loader
// that copies the rest of the line per field takes minutes.
void DataFilesTest::longLinesLoadInLinearTime() {
    QFETCH(QString, name);
    QFETCH(QByteArray, before);
    QFETCH(bool, reported);
    TestFolder folder;
    AppData d;
    folder.prepare(d);
    QByteArray line = blankSeparatedLine(10 * 1000 * 1000);
    if (before.endsWith(','))
        line.replace(' ', ',');
    folder.writeBytes("txtFile/" + name, before + line + "\r\n");
    if (reported)
        dialogs.expectMessage(Dialogs::Answer::Ok);
    QElapsedTimer timer;
    timer.start();
    if (name == "FileList.txt") {
        QVERIFY(readFileList(d, dialogs));
        QCOMPARE(d.fileList[FileListEntry::ExpTable].size(), line.size());
    } else if (name == "ExpTable.txt") {
        loadExpTable(d);
        QCOMPARE(d.expTable.at(1).toInt(), 2);  // the line's last field is empty
    } else if (name == "MakeData.txt") {
        loadProducts(d, dialogs);
    } else if (name == "JobData.txt") {
        loadJobs(d, dialogs);
        QCOMPARE(d.jobs.at(1, 4), QString("a"));  // the fields before the fifth stay
    } else {
        loadGuilds(d, dialogs);
        if (!reported)
            QCOMPARE(d.guilds.at(1, 1, 1).size(), line.size());
    }
    const qint64 elapsed = timer.elapsed();
    qInfo("%s: %lld ms", qPrintable(name), elapsed);
    QVERIFY2(elapsed < 5000, qPrintable(QString("%1 ms").arg(elapsed)));
}

WM_TEST_MAIN(DataFilesTest)
#include "tst_datafiles.moc"
