#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "appdata.h"
#include "auxfixture.h"
#include "gamedata.h"
#include "scripteddialogs.h"
#include "testfolder.h"

namespace wmtest {

// What the tests of a window on the character history start from: a program folder of its
// own with the game data written and the job list loaded. The test creates the window; the
// end of a test deletes it and checks that every scripted box was used.
template <class Window>
class CharacterWindowTest : public QObject {
  protected:
    void prepareData() {
        folder_ = std::make_unique<TestFolder>();
        writeGameData(*folder_);
        data_ = std::make_unique<wm::AppData>();
        folder_->prepare(*data_);
        wm::loadJobs(*data_, dialogs_);
    }
    void closeWindow() {
        delete win_.data();
        WM_VERIFY_DIALOGS(dialogs_);
    }

    Window& w() { return *win_; }

    std::unique_ptr<TestFolder> folder_;
    std::unique_ptr<wm::AppData> data_;
    ScriptedDialogs dialogs_;
    QPointer<Window> win_;
};

}  // namespace wmtest
