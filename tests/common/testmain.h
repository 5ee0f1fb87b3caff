#pragma once

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

// Test main with a watchdog: a test that blocks (for example on a modal dialog that was
// never meant to open) fails the run instead of hanging it.
#define WM_TEST_MAIN(TestClass)                                                 \
    int main(int argc, char** argv) {                                           \
        qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty()         \
                                       ? QByteArray("offscreen")                \
                                       : qgetenv("QT_QPA_PLATFORM"));           \
        QApplication app(argc, argv);                                           \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                \
        QTimer watchdog;                                                        \
        watchdog.setSingleShot(true);                                           \
        QObject::connect(&watchdog, &QTimer::timeout, [] {                      \
            std::fprintf(stderr, "watchdog: a test blocked (modal dialog?)\n"); \
            std::_Exit(3);                                                      \
        });                                                                     \
        watchdog.start(120000);                                                 \
        TestClass tc;                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                              \
        return QTest::qExec(&tc, argc, argv);                                   \
    }

namespace wmtest {

// The rows of a test run once on each main window: the column holds its code, 1 for the
// small window and 2 for the large one.
inline void bothWindowSizes(const char* column = "code") {
    QTest::addColumn<int>(column);
    QTest::newRow("small") << 1;
    QTest::newRow("large") << 2;
}

}  // namespace wmtest
