#include <QPlainTextEdit>
#include <QTest>
#include <memory>

#include "characterpage.h"
#include "fakehost.h"
#include "layoutcheck.h"
#include "mainwincontrols.h"
#include "mainwindow.h"
#include "testmain.h"

using wm::MainWindow;
using wmtest::calc;
using wmtest::shell;

namespace {

QSize designedSize(int code) {
    return code == 2 ? QSize(642, 532) : QSize(518, 448);
}

void showPage(MainWindow& w, int page) {
    shell(w).tabAction(wm::TabAction(page))->trigger();
    QCoreApplication::processEvents();
}

}  // namespace

// Both window sizes start at their designed size, may be made larger, never smaller, and
// lay out cleanly at any size from the designed one up.
class TestWindowSize : public QObject {
    Q_OBJECT

  private slots:
    void init() { host = std::make_unique<FakeHost>(); }
    void cleanup() { host.reset(); }

    void grows_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("page");
        QTest::newRow("small, calculation") << 1 << 1;
        QTest::newRow("small, character") << 1 << 2;
        QTest::newRow("large, calculation") << 2 << 1;
        QTest::newRow("large, character") << 2 << 2;
        QTest::newRow("small, equipment") << 1 << 3;
        QTest::newRow("small, works") << 1 << 4;
    }
    void grows() {
        QFETCH(int, code);
        QFETCH(int, page);
        MainWindow& w = host->shownWindow(code);
        showPage(w, qMin(page, 2));
        if (page > 2) {  // the small window's other sub-pages of the character page
            w.characterPage().chooseSubPage(page == 3 ? wm::CharacterSubPage::Equipment
                                                      : wm::CharacterSubPage::Works);
            QCoreApplication::processEvents();
        }
        QCOMPARE(w.size(), designedSize(code));
        QCOMPARE(w.minimumSize(), designedSize(code));
        {
            const QStringList faults = wmtest::layoutFaults(&w);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        }
        QWidget* pageFrame =
            page == 1 ? static_cast<QWidget*>(shell(w).calculationPage) : w.existingCharacterPage();
        const QSize pageBefore = pageFrame->size();
        const int listBefore = calc(w).resultBox->height();
        const QStringList designedGaps = wmtest::labelGaps(&w);
        QVERIFY(designedGaps.size() >= 7);

        w.resize(designedSize(code) + QSize(300, 240));
        QTRY_COMPARE(w.size(), designedSize(code) + QSize(300, 240));
        {
            const QStringList faults = wmtest::layoutFaults(&w);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        }
        // The labels stay beside their boxes.
        QCOMPARE(wmtest::labelGaps(&w), designedGaps);
        // The page takes the room; on the calculation page the result list takes the height.
        QCOMPARE(pageFrame->width(), pageBefore.width() + 300);
        QCOMPARE(pageFrame->height(), pageBefore.height() + 240);
        if (page == 1)
            QVERIFY(calc(w).resultBox->height() >= listBefore + 230);

        // Never smaller than designed.
        w.resize(200, 150);
        QTRY_COMPARE(w.size(), designedSize(code));
        {
            const QStringList faults = wmtest::layoutFaults(&w);
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        }
    }

  private:
    std::unique_ptr<FakeHost> host;
};

WM_TEST_MAIN(TestWindowSize)
#include "tst_windowsize.moc"
