// The font database built on a second thread at start: the fonts a program then resolves,
// their metrics and the pixels painted with them are the same as without it, and the
// start neither blocks nor crashes however the two threads meet.

#include <QProcess>
#include <QtTest>

#include "testmain.h"

class TestFontWarmUp : public QObject {
    Q_OBJECT

  private slots:
    void sameFontsAndPixels();
};

namespace {

// fontfacts' lines, or an empty string when it failed.
QString fontFacts(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(WM_FONT_FACTS_PROGRAM), arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

void TestFontWarmUp::sameFontsAndPixels() {
    const QString cold = fontFacts({});
    const QStringList lines = cold.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].startsWith(QStringLiteral("Noto Sans CJK JP ")), qPrintable(cold));
    QVERIFY2(lines[1].startsWith(QStringLiteral("Noto Sans Mono CJK JP ")), qPrintable(cold));
    // The two threads meet at a different point in each start: several starts.
    for (int start = 0; start < 8; ++start)
        QCOMPARE(fontFacts({QStringLiteral("--warm-up")}), cold);
}

WM_TEST_MAIN(TestFontWarmUp)
#include "tst_fontwarmup.moc"
