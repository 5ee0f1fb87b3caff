#pragma once

#include <QObject>
#include <QPointer>
#include <memory>

#include "appdata.h"
#include "gamedata.h"
#include "productcontrols.h"
#include "productfixture.h"
#include "productwindow.h"
#include "scripteddialogs.h"
#include "testfolder.h"

namespace wmtest {

// What every product window test starts from: the fixture data in a program folder of its
// own, loaded, and a product window on it; closing checks that every scripted box was used.
class ProductWindowTest : public QObject {
  protected:
    void openWindow() {
        folder_ = std::make_unique<TestFolder>();
        writeProductFixture(*folder_);
        data_ = std::make_unique<wm::AppData>();
        folder_->prepare(*data_);
        wm::loadProducts(*data_, dialogs_);
        win_ = new wm::ProductWindow(*data_, dialogs_);
    }
    void closeWindow() {
        delete win_.data();
        WM_VERIFY_DIALOGS(dialogs_);
    }

    wm::ProductWindow& w() { return *win_; }
    ProductControls ui() { return ProductControls(&w()); }

    std::unique_ptr<TestFolder> folder_;
    std::unique_ptr<wm::AppData> data_;
    ScriptedDialogs dialogs_;
    QPointer<wm::ProductWindow> win_;
};

}  // namespace wmtest
