#include <QFile>
#include <QIcon>
#include <QImageReader>
#include <QTest>

#include "programicon.h"
#include "testmain.h"

namespace {

// The image plugins this process has loaded so far (Linux; empty elsewhere).
QStringList loadedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        return {};
    QStringList plugins;
    for (const QByteArray& line : maps.readAll().split('\n')) {
        if (line.contains("/imageformats/"))
            plugins << QString::fromLocal8Bit(line.mid(line.indexOf('/')));
    }
    plugins.removeDuplicates();
    return plugins;
}

// A PNG file read without trying the image plugins (which would load them here).
QImage readPng(const QString& path) {
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

}  // namespace

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
        QCOMPARE(icon.availableSizes(), (QList<QSize>{{48, 48}, {128, 128}, {256, 256}}));
        for (int size : {48, 128, 256}) {
            const QImage image = icon.pixmap(QSize(size, size)).toImage();
            QCOMPARE(image.size(), QSize(size, size));
            QCOMPARE(icon.actualSize(QSize(size, size)), QSize(size, size));
            // The corner is transparent and the middle is painted: a real picture was read.
            QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
            QCOMPARE(qAlpha(image.pixel(size / 2, size / 2)), 255);
            // Pixel for pixel the picture the menu entry ships.
            const QImage shipped =
                readPng(QStringLiteral(":/icons/%1-%2.png").arg(program).arg(size));
            QVERIFY(!shipped.isNull());
            QCOMPARE(image, shipped.convertToFormat(image.format()));
        }
        // Sizes between the shipped ones come from the next larger picture, scaled down.
        QCOMPARE(icon.actualSize(QSize(100, 100)), QSize(100, 100));
        QCOMPARE(icon.pixmap(QSize(100, 100)).size(), QSize(100, 100));
        QCOMPARE(icon.actualSize(QSize(512, 512)), QSize(256, 256));
    }
    void theTwoProgramsLookDifferent() {
        QVERIFY(wm::programIcon(QStringLiteral("wmtool")).pixmap(48).toImage() !=
                wm::programIcon(QStringLiteral("wmview")).pixmap(48).toImage());
    }
    // The pictures are PNG files: reading them must not load and try every image plugin
    // Qt has on each of them.
    void readingTheIconLoadsNoImagePlugin() {
        if (!QFile::exists(QStringLiteral("/proc/self/maps")))
            QSKIP("needs /proc/self/maps");
        const QIcon icon = wm::programIcon(QStringLiteral("wmtool"));
        QVERIFY(!icon.pixmap(QSize(256, 256)).isNull());
        QCOMPARE(loadedImagePlugins(), QStringList());
    }
};

WM_TEST_MAIN(TestProgramIcon)
#include "tst_programicon.moc"
