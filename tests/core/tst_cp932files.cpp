#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include "cp932.h"
#include "testfolder.h"
#include "testmain.h"

using namespace wm;

// A 16 KiB tmpfs for full-disk cases; not every machine lets a test mount one.
class SmallDisk {
  public:
    SmallDisk() {
        if (!dir_.isValid())
            return;
        mounted_ = QProcess::execute("mount",
                                     {"-t", "tmpfs", "-o", "size=16k", "tmpfs", dir_.path()}) == 0;
    }
    ~SmallDisk() {
        if (mounted_)
            QProcess::execute("umount", {dir_.path()});
    }
    bool mounted() const { return mounted_; }
    QString path(const QString& name) const { return dir_.path() + "/" + name; }
    // Fills the disk up so that at most `room` bytes stay free.
    void fill(qint64 room) const {
        QFile filler(path("filler"));
        if (!filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return;
        const QByteArray block(512, 'x');
        while (filler.write(block) == block.size()) {
        }
        filler.resize(filler.size() > room ? filler.size() - room : 0);
    }

  private:
    QTemporaryDir dir_;
    bool mounted_ = false;
};

class Cp932FilesTest : public QObject {
    Q_OBJECT
  private slots:
    void lineEnds_data();
    void lineEnds();
    void badBytesNeverCrash();
    void goodLinesAroundABadByte();
    void hugeLine();
    void missingFile();
    void programTextsRoundTrip_data();
    void programTextsRoundTrip();
    void waveDashBytes();
    void writeReplacesWholeFile();
    void writeRefusesTextOutsideCodePage();
    void writeIntoMissingFolderFails();
    void writeOnFullDiskKeepsOldFile();
    void appendAddsOneLine();
    void appendStartsNewLine_data();
    void appendStartsNewLine();
    void appendOnFullDiskKeepsFile();
};

void Cp932FilesTest::lineEnds_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
    QTest::newRow("no final line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("empty line kept") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("LF only") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("lone CR") << QByteArray("a\rb") << QStringList{"a", "b"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("trail byte is a backslash")
        << QByteArray("\x83\x5c\x95\x5c\r\n") << QStringList{QString::fromUtf8("ソ表")};
    QTest::newRow("CR before CR LF") << QByteArray("a\r\r\nb") << QStringList{"a", "", "b"};
    QTest::newRow("LF before CR") << QByteArray("a\n\rb\n") << QStringList{"a", "", "b"};
    QTest::newRow("mixed ends, double-byte lines")
        << QByteArray("\x82\xa0\n\x82\xa2\r\x82\xa4\r\n")
        << QStringList{QString::fromUtf8("あ"), QString::fromUtf8("い"), QString::fromUtf8("う")};
}

void Cp932FilesTest::lineEnds() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    wmtest::TestFolder folder;
    folder.writeBytes("f.txt", bytes);
    const ReadResult read = readTextLines(folder.filePath("f.txt"));
    QVERIFY(read.ok);
    QCOMPARE(read.lines, lines);
}

void Cp932FilesTest::badBytesNeverCrash() {
    wmtest::TestFolder folder;
    // A lead byte cut off by the line end, a lone lead byte at the end, NUL bytes and bytes
    // that are no character at all.
    folder.writeBytes("bad.txt", QByteArray("ab\x83\r\nc\0d\r\n\xa0\xfd\xfe\xff\r\n\x82", 17));
    const ReadResult read = readTextLines(folder.filePath("bad.txt"));
    QVERIFY(read.ok);
    QCOMPARE(read.lines.size(), 4);
    QVERIFY(read.lines.at(0).startsWith("ab"));
    QCOMPARE(read.lines.at(1), QString::fromUtf8("c\0d", 3));
}

void Cp932FilesTest::goodLinesAroundABadByte() {
    wmtest::TestFolder folder;
    // A lead byte cut off by the line end spoils neither the line before nor the one after.
    folder.writeBytes("bad.txt", QByteArray("\x82\xa0\n\x82\xa2\x83\r\n\x82\xa4"));
    const ReadResult read = readTextLines(folder.filePath("bad.txt"));
    QVERIFY(read.ok);
    QCOMPARE(read.lines.size(), 3);
    QCOMPARE(read.lines.at(0), QString::fromUtf8("あ"));
    QVERIFY(read.lines.at(1).startsWith(QString::fromUtf8("い")));
    QCOMPARE(read.lines.at(2), QString::fromUtf8("う"));
}

void Cp932FilesTest::hugeLine() {
    wmtest::TestFolder folder;
    QByteArray big(1024 * 1024, 'x');
    folder.writeBytes("big.txt", big + "\r\nend\r\n");
    const ReadResult read = readTextLines(folder.filePath("big.txt"));
    QVERIFY(read.ok);
    QCOMPARE(read.lines.size(), 2);
    QCOMPARE(read.lines.at(0).size(), 1024 * 1024);
}

void Cp932FilesTest::missingFile() {
    wmtest::TestFolder folder;
    const ReadResult read = readTextLines(folder.filePath("none.txt"));
    QVERIFY(!read.ok);
    QVERIFY(!read.error.isEmpty());
    QVERIFY(!readTextLines(folder.path()).ok);  // a folder is no file
}

void Cp932FilesTest::programTextsRoundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("options comment") << "#  数字はすべて半角で入力してください";
    QTest::newRow("options size") << "#0 画面ウィンドウサイズ(1=サイズ小 : 2=サイズ大)";
    QTest::newRow("options page") << "#1 起動時の計算機データ(1=仕事技術計算 : 2=キャラデータ)";
    QTest::newRow("level total") << "Lv.005～Lv.008までの必要経験値        194 EXP";
    QTest::newRow("materials") << "  材料 ： 板材 × 20 = 80 ";
    QTest::newRow("run count") << "鉄の剣 を 34 回分";
    QTest::newRow("half-width katakana") << "ｼｽﾃﾑ情報(&S)...";
    QTest::newRow("character line") << "ロイ,01,1,0,0,0,0,0,0,0,0,0.0 2008/03/05 14:07:33.0.01001,";
}

void Cp932FilesTest::programTextsRoundTrip() {
    QFETCH(QString, text);
    wmtest::TestFolder folder;
    const QString path = folder.filePath("round.txt");
    QVERIFY(writeLines(path, {text, text}).ok);
    QCOMPARE(folder.readBytes("round.txt"), wmtest::cp932Lines({text, text}));
    const ReadResult read = readTextLines(path);
    QVERIFY(read.ok);
    QCOMPARE(read.lines, (QStringList{text, text}));
}

void Cp932FilesTest::waveDashBytes() {
    QByteArray bytes;
    QVERIFY(encodeCp932(QString::fromUtf8("～"), &bytes));
    QCOMPARE(bytes, QByteArray("\x81\x60"));
    QCOMPARE(decodeCp932(bytes), QString::fromUtf8("～"));
}

void Cp932FilesTest::writeReplacesWholeFile() {
    wmtest::TestFolder folder;
    const QString path = folder.filePath("out.txt");
    QVERIFY(writeTextFile(path, "long old contents\r\n").ok);
    QVERIFY(writeTextFile(path, "new\r\n").ok);
    QCOMPARE(folder.readBytes("out.txt"), QByteArray("new\r\n"));
}

void Cp932FilesTest::writeRefusesTextOutsideCodePage() {
    wmtest::TestFolder folder;
    folder.writeBytes("out.txt", "old\r\n");
    const FileResult result = writeTextFile(folder.filePath("out.txt"), QString::fromUtf8("😀\r\n"));
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QCOMPARE(folder.readBytes("out.txt"), QByteArray("old\r\n"));
    QVERIFY(!appendLine(folder.filePath("out.txt"), QString::fromUtf8("😀")).ok);
    QCOMPARE(folder.readBytes("out.txt"), QByteArray("old\r\n"));
}

void Cp932FilesTest::writeIntoMissingFolderFails() {
    wmtest::TestFolder folder;
    folder.writeBytes("plain", "x");
    // A path below a plain file can never be created, whoever runs the test.
    const FileResult write = writeTextFile(folder.filePath("plain/out.txt"), "a\r\n");
    QVERIFY(!write.ok);
    QVERIFY(!write.error.isEmpty());
    QVERIFY(!appendLine(folder.filePath("plain/out.txt"), "a").ok);
}

void Cp932FilesTest::writeOnFullDiskKeepsOldFile() {
    SmallDisk disk;
    if (!disk.mounted())
        QSKIP("cannot mount a small tmpfs here");
    const QString path = disk.path("result.txt");
    QVERIFY(writeTextFile(path, "old contents\r\n").ok);
    disk.fill(100);
    const FileResult result = writeTextFile(path, QString(8000, QLatin1Char('y')) + "\r\n");
    QVERIFY(!result.ok);
    QVERIFY(!result.error.isEmpty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old contents\r\n"));
}

void Cp932FilesTest::appendAddsOneLine() {
    wmtest::TestFolder folder;
    const QString path = folder.filePath("hist.txt");
    QVERIFY(appendLine(path, "一行目").ok);
    QVERIFY(appendLine(path, "二行目").ok);
    QCOMPARE(folder.readBytes("hist.txt"), wmtest::cp932Lines({"一行目", "二行目"}));
}

void Cp932FilesTest::appendStartsNewLine_data() {
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("empty file") << QByteArray("") << QByteArray("x\r\n");
    QTest::newRow("ends with CR LF") << QByteArray("a\r\n") << QByteArray("a\r\nx\r\n");
    QTest::newRow("no line end") << QByteArray("a,1 b") << QByteArray("a,1 b\r\nx\r\n");
    QTest::newRow("one byte") << QByteArray("a") << QByteArray("a\r\nx\r\n");
    QTest::newRow("LF only") << QByteArray("a\n") << QByteArray("a\n\r\nx\r\n");
    QTest::newRow("lone CR") << QByteArray("a\r") << QByteArray("a\r\r\nx\r\n");
}

void Cp932FilesTest::appendStartsNewLine() {
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    wmtest::TestFolder folder;
    folder.writeBytes("hist.txt", before);
    QVERIFY(appendLine(folder.filePath("hist.txt"), "x").ok);
    QCOMPARE(folder.readBytes("hist.txt"), after);
}

void Cp932FilesTest::appendOnFullDiskKeepsFile() {
    SmallDisk disk;
    if (!disk.mounted())
        QSKIP("cannot mount a small tmpfs here");
    const QString path = disk.path("hist.txt");
    QVERIFY(appendLine(path, "first").ok);
    disk.fill(10);
    QVERIFY(!appendLine(path, QString(5000, QLatin1Char('z'))).ok);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("first\r\n"));
}

WM_TEST_MAIN(Cp932FilesTest)
#include "tst_cp932files.moc"
