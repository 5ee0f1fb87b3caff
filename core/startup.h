#pragma once

#include "appdata.h"
#include "dialogs.h"

namespace wm {

// The few things the startup and the option routines do to windows; the program implements
// them. Window codes: 1 = small main window, 2 = large main window.
class WindowOps {
  public:
    virtual ~WindowOps() = default;
    virtual bool isMainVisible(int code) = 0;
    virtual void showMain(int code) = 0;
    virtual void hideMain(int code) = 0;
    // The page buttons' action on a main window.
    virtual void switchPage(int code, StartPage page) = 0;
    // Said before main window `code` is first shown, when it is known which page it will
    // show then: a window not created yet may build only that.
    virtual void openOnPage(int /*code*/, StartPage /*page*/) {}
    virtual void showSettings() = 0;
    virtual void hideSettings() = 0;
};

// The calculator's start: file list, experience table, production data, job list, then the
// startup options decide which window is shown. False when the program has to end (the
// file list could not be read; the user has been told).
bool runStartup(AppData& d, Dialogs& dialogs, WindowOps& windows);

}  // namespace wm
