#include "displayguard.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace wm {

namespace {

// A message held back while the application object is made; the context's texts are
// Qt's static strings.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

const char* guardedProgram = nullptr;
QtMessageHandler previousHandler = nullptr;
std::vector<HeldMessage>& heldMessages() {
    static std::vector<HeldMessage> held;
    return held;
}

const char* environment(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The line printed when there is no display, from the environment Qt read.
const char* noDisplayLine(const char* program, const char* platform, const char* display,
                          const char* waylandDisplay) {
    static QByteArray line;
    const QByteArray name(program);
    QByteArray reason;
    if (*platform)
        reason = QByteArray("the Qt platform \"") + platform +
                 "\" (QT_QPA_PLATFORM) cannot open a window here";
    else if (!*display && !*waylandDisplay)
        reason = "no display (DISPLAY and WAYLAND_DISPLAY are not set)";
    else
        reason = "no display server answers at " +
                 (*display ? "DISPLAY=" + QByteArray(display)
                           : "WAYLAND_DISPLAY=" + QByteArray(waylandDisplay));
    line = name + ": " + reason + "; start " + name + " from a desktop session.";
    return line.constData();
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    // Qt ends a start without a platform with a fatal message: say what that means instead.
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(noDisplayLine(guardedProgram, environment("QT_QPA_PLATFORM"),
                                 environment("DISPLAY"), environment("WAYLAND_DISPLAY")),
                   stderr);
        std::fputc('\n', stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    if (type == QtFatalMsg) {
        qInstallMessageHandler(previousHandler);
        qt_message_output(type, context, text);
        return;
    }
    heldMessages().push_back(
        {type, context.file, context.line, context.function, context.category, text});
}

}  // namespace

DisplayGuard::DisplayGuard(const char* program) {
    guardedProgram = program;
    heldMessages().clear();
    previousHandler = qInstallMessageHandler(holdMessage);
}

DisplayGuard::~DisplayGuard() {
    started();
}

void DisplayGuard::started() {
    if (!guardedProgram)
        return;
    guardedProgram = nullptr;
    qInstallMessageHandler(previousHandler);
    for (const HeldMessage& m : heldMessages()) {
        const QMessageLogContext context(m.file, m.line, m.function, m.category);
        qt_message_output(m.type, context, m.text);
    }
    heldMessages().clear();
}

}  // namespace wm
