#pragma once

#include <QStringList>

#include "startup.h"

// Window operations that only keep track of what would be visible and log each call.
class RecordingWindows : public wm::WindowOps {
  public:
    bool visible[3] = {false, false, false};
    bool settingsVisible = false;
    int page[3] = {0, 0, 0};
    QStringList log;

    bool isMainVisible(int code) override { return code == 1 || code == 2 ? visible[code] : false; }
    void showMain(int code) override {
        visible[code] = true;
        log << QString("show %1").arg(code);
    }
    void hideMain(int code) override {
        visible[code] = false;
        log << QString("hide %1").arg(code);
    }
    // Pages are logged as the options file numbers them.
    static int number(wm::StartPage p) { return p == wm::StartPage::Calculation ? 1 : 2; }
    void switchPage(int code, wm::StartPage p) override {
        page[code] = number(p);
        log << QString("page %1 %2").arg(code).arg(number(p));
    }
    void openOnPage(int code, wm::StartPage p) override {
        log << QString("open %1 on %2").arg(code).arg(number(p));
    }
    void showSettings() override {
        settingsVisible = true;
        log << "settings";
    }
    void hideSettings() override {
        settingsVisible = false;
        log << "hide settings";
    }
};
