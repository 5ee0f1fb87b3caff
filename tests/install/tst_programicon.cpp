#include <QIcon>
#include <QTest>

#include "programicon.h"
#include "testmain.h"

// The windows show the same picture as the menu entries, at every size the entries ship.
class TestProgramIcon : public QObject {
    Q_OBJECT
  private slots:
    void iconsOfBothPrograms_data() {
        QTest::addColumn<QString>("program");
        QTest::newRow("wmtool") << QStringLiteral("wmtool");
        QTest::newRow("wmview") << QStringLiteral("wmview");
    }
    void iconsOfBothPrograms() {
        QFETCH(QString, program);
        const QIcon icon = wm::programIcon(program);
        QVERIFY(!icon.isNull());
        for (int size : {48, 128, 256}) {
            const QImage image = icon.pixmap(QSize(size, size)).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            // The corner is transparent and the middle is painted: a real picture was read.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
        }
    }
    void theTwoProgramsLookDifferent() {
        QVERIFY(wm::programIcon(QStringLiteral("wmtool")).pixmap(48).toImage() !=
                wm::programIcon(QStringLiteral("wmview")).pixmap(48).toImage());
    }
};

WM_TEST_MAIN(TestProgramIcon)
#include "tst_programicon.moc"
