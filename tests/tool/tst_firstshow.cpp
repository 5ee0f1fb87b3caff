// The benchmark hook: with WM_BENCH_EXIT_ON_SHOW=1 wmtool reports its first painted window
// and ends on its own; the first line carries the clock and the peak memory, the others
// describe the window for the benchmark's floor window.

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
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QString>("hiddenText");
    QTest::addColumn<bool>("monospaced");
    // Small window directly (on its calculation page, with the monospaced result boxes),
    // and no options file: the settings window comes first. Mnemonics are shown without
    // their ampersand, and a page not shown gives no texts.
    QTest::newRow("main window") << wmtest::cp932Lines({QStringLiteral("1"), QStringLiteral("1")})
                                 << QStringLiteral("計算開始(R)") << QStringLiteral("能力") << true;
    QTest::newRow("settings window")
        << QByteArray() << QStringLiteral("初期画面") << QStringLiteral("計算開始") << false;
}

void TestFirstShow::reportsFirstWindowAndEnds() {
    QFETCH(QByteArray, options);
    QFETCH(QString, shownText);
    QFETCH(QString, hiddenText);
    QFETCH(bool, monospaced);
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
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    const auto line = [&out](const QString& pattern) {
        return QRegularExpression(pattern, QRegularExpression::MultilineOption).match(out);
    };
    const auto shown = line(QStringLiteral("^WM_BENCH_FIRST_SHOW (\\d+) (\\d+)$"));
    QVERIFY2(shown.hasMatch(), qPrintable(out));
    QVERIFY(shown.captured(2).toLongLong() > 0);

    const auto size = line(QStringLiteral("^WM_BENCH_WINDOW (\\d+) (\\d+)$"));
    QVERIFY2(size.hasMatch(), qPrintable(out));
    QVERIFY(size.captured(1).toInt() > 100 && size.captured(2).toInt() > 100);
    const auto font = line(QStringLiteral("^WM_BENCH_FONT (\\d+) (.+)$"));
    QVERIFY2(font.hasMatch(), qPrintable(out));
    QVERIFY(font.captured(1).toInt() > 0);
    QVERIFY(font.captured(2).startsWith(QStringLiteral("Noto Sans CJK JP,")));
    const auto mono = line(QStringLiteral("^WM_BENCH_MONO (\\d+) (.+)$"));
    QCOMPARE(mono.hasMatch(), monospaced);
    if (monospaced)
        QVERIFY(mono.captured(2).startsWith(QStringLiteral("Noto Sans Mono CJK JP,")));
    const auto texts = line(QStringLiteral("^WM_BENCH_TEXT (.*)$"));
    QVERIFY2(texts.hasMatch(), qPrintable(out));
    QVERIFY2(texts.captured(1).contains(shownText), qPrintable(texts.captured(1)));
    QVERIFY(!texts.captured(1).contains(hiddenText));
    QVERIFY(!texts.captured(1).contains(QLatin1Char('&')));
}

WM_TEST_MAIN(TestFirstShow)
#include "tst_firstshow.moc"
