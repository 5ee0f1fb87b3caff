#pragma once

namespace wm {

// Watches the making of the application object. When Qt finds no display to open windows
// on (no DISPLAY or WAYLAND_DISPLAY, or one that names no running server), the program
// prints one line that says so and ends with exit code 1, instead of Qt's abort and its
// advice to reinstall. The messages of a start that works go out as Qt wrote them.
//
//     wm::DisplayGuard guard("wmtool");
//     QApplication app(argc, argv);
//     guard.started();
class DisplayGuard {
  public:
    explicit DisplayGuard(const char* program);
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;

    // The application object is made: Qt's messages from then on go out at once.
    void started();
};

}  // namespace wm
