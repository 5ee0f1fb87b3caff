// The benchmark hook: with WM_BENCH_EXIT_ON_SHOW=1 wmtool reports its first painted window
// and ends on its own; the line carries the clock and the peak memory.

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

#include "testfolder.h"
#include "testmain.h"

class TestFirstShow : public QObject {
    Q_OBJECT

  private slots:
    void reportsFirstWindowAndEnds_data();
    void reportsFirstWindowAndEnds();
};

void TestFirstShow::reportsFirstWindowAndEnds_data() {
    QTest::addColumn<QByteArray>("options");
    // Small window directly, and no options file: the settings window comes first.
    QTest::newRow("main window") << wmtest::cp932Lines({QStringLiteral("1"), QStringLiteral("1")});
    QTest::newRow("settings window") << QByteArray();
}

void TestFirstShow::reportsFirstWindowAndEnds() {
    QFETCH(QByteArray, options);
    wmtest::TestFolder folder;
    folder.writeStandardFileList();
    folder.copySampleData();
    if (!options.isEmpty())
        folder.writeBytes(QStringLiteral("txtFile/Option.txt"), options);
    const QString program = folder.filePath(QStringLiteral("wmtool"));
    QVERIFY(QFile::copy(QStringLiteral(WM_TOOL_PROGRAM), program));

    QProcess process;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WM_BENCH_EXIT_ON_SHOW"), QStringLiteral("1"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(env);
    process.start(program, {});
    QVERIFY(process.waitForFinished(60000));
    QCOMPARE(process.exitStatus(), QProcess::NormalExit);
    QCOMPARE(process.exitCode(), 0);
    const QString out = QString::fromLatin1(process.readAllStandardOutput());
    const auto match = QRegularExpression(QStringLiteral("^WM_BENCH_FIRST_SHOW (\\d+) (\\d+)$"),
                                          QRegularExpression::MultilineOption)
                           .match(out);
    QVERIFY2(match.hasMatch(), qPrintable(out));
    QVERIFY(match.captured(2).toLongLong() > 0);
}

WM_TEST_MAIN(TestFirstShow)
#include "tst_firstshow.moc"
