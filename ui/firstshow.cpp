#include "firstshow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWindow>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace wm {

namespace {

// Linux only; 0 elsewhere.
long long peakResidentKb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// The steady clock is the system's monotonic clock, so the benchmark compares it across
// processes.
long long monotonicNs() {
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

class FirstShowFilter : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWindow*>(watched);
        if (event->type() != QEvent::Expose || !window || !window->isExposed())
            return false;
        // Let the window paint first: the user sees the window only then.
        watched->event(event);
        std::printf("WM_BENCH_FIRST_SHOW %lld %lld\n", monotonicNs(), peakResidentKb());
        std::fflush(stdout);
        std::_Exit(0);
    }
};

}  // namespace

void installFirstShowHook() {
    if (qEnvironmentVariable("WM_BENCH_EXIT_ON_SHOW") != QLatin1String("1"))
        return;
    auto* app = QCoreApplication::instance();
    app->installEventFilter(new FirstShowFilter(app));
}

}  // namespace wm
