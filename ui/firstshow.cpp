#include "firstshow.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QWidget>
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

// The texts a widget shows itself, as drawn: a mnemonic's ampersand is not drawn.
QString shownText(const QWidget* widget) {
    QString text;
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        text = label->text();
    else if (const auto* button = qobject_cast<const QAbstractButton*>(widget))
        text = button->text();
    else if (const auto* edit = qobject_cast<const QLineEdit*>(widget))
        text = edit->displayText();
    else if (const auto* combo = qobject_cast<const QComboBox*>(widget))
        text = combo->currentText();
    else if (const auto* box = qobject_cast<const QGroupBox*>(widget))
        text = box->title();
    else if (const auto* plain = qobject_cast<const QPlainTextEdit*>(widget))
        text = plain->toPlainText();
    else if (const auto* menuBar = qobject_cast<const QMenuBar*>(widget)) {
        for (const QAction* action : menuBar->actions())
            text += action->text();
    } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget);
               view && view->model() && !qobject_cast<const QComboBox*>(widget->parent())) {
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            text += view->model()->index(row, 0, view->rootIndex()).data().toString();
    }
    return text.remove(QLatin1Char('&'));
}

QString fontLine(const QFont& font) {
    return QString::number(font.pointSize()) + QLatin1Char(' ') +
           font.families().join(QLatin1Char(','));
}

// What the painted window shows, for the start benchmark's floor window: its size, its
// font, the monospaced font when a shown control has one, and all the texts shown.
void describeWindow(const QWindow* window) {
    const QWidget* top = nullptr;
    for (const QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->windowHandle() == window)
            top = widget;
    }
    if (!top)
        return;
    std::printf("WM_BENCH_WINDOW %d %d\n", top->width(), top->height());
    std::printf("WM_BENCH_FONT %s\n", fontLine(top->font()).toUtf8().constData());
    QString texts;
    bool monospaced = false;
    for (const QWidget* widget : top->findChildren<QWidget*>()) {
        if (!widget->isVisible())
            continue;
        texts += shownText(widget);
        if (!monospaced && widget->font().styleHint() == QFont::Monospace) {
            monospaced = true;
            std::printf("WM_BENCH_MONO %s\n", fontLine(widget->font()).toUtf8().constData());
        }
    }
    // One line: line breaks inside a text become blanks.
    texts.replace(QLatin1Char('\n'), QLatin1Char(' '));
    std::printf("WM_BENCH_TEXT %s\n", texts.toUtf8().constData());
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
        describeWindow(window);
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
