#pragma once

#include <QTest>
#include <array>
#include <memory>

#include "appdata.h"
#include "mainwindow.h"
#include "scripteddialogs.h"

// Creates the main windows the way the program does, answers their boxes from a script
// and records what else they ask of the program.
class FakeHost : public wm::MainHost {
  public:
    wm::MainWindow& mainWindow(int code) override {
        return mainWindow(code, wm::MainWindow::FirstPage::Calculation);
    }
    // The window of a size as the startup creates one that opens on the given page.
    wm::MainWindow& mainWindow(int code, wm::MainWindow::FirstPage firstPage) {
        if (!windows[code])
            windows[code] = std::make_unique<wm::MainWindow>(code, data, *this, firstPage);
        return *windows[code];
    }
    void showSettingsFromMain() override { ++settingsShown; }
    void endProgram() override { ++ended; }
    wm::Dialogs& dialogs() override { return scripted; }
    // The main window of a size, shown and active, so that focus moves can be seen.
    wm::MainWindow& shownWindow(int code) {
        wm::MainWindow& w = mainWindow(code);
        w.show();
        w.activateWindow();
        if (!QTest::qWaitForWindowActive(&w))
            qWarning("window not active");
        return w;
    }
    wm::MainWindow* existingMainWindow(int code) const override { return windows[code].get(); }
    void appendRuleToResults(int length) override {
        for (auto& window : windows) {
            if (window)
                window->appendResult(QString(length, QLatin1Char('-')));
        }
    }

    wm::AppData data;
    wmtest::ScriptedDialogs scripted;
    std::array<std::unique_ptr<wm::MainWindow>, 3> windows;
    int settingsShown = 0;
    int ended = 0;
};
