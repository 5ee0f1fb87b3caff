#pragma once

#include <QObject>
#include <QTest>
#include <memory>

#include "scripteddialogs.h"
#include "testfolder.h"
#include "wmtool.h"

namespace wmtest {

// The program with "end the program" recorded instead of ending the test.
class QuietTool : public wm::WmTool {
  public:
    using WmTool::WmTool;
    void endProgram() override {}
};

inline constexpr int kSwordSmithing = 12;  // work list position of 剣鍛冶

// What the tests of a window that wmtool opens share: a program folder with the sample data,
// the scripted boxes, and wmtool started on the main window of a size. A test class derives
// from it and calls makeFolder() in init() and dropTool() in cleanup().
class ToolWindowTest : public QObject {
  protected:
    ScriptedDialogs dialogs_;
    std::unique_ptr<TestFolder> folder_;
    std::unique_ptr<QuietTool> tool_;

    void makeFolder() {
        folder_ = std::make_unique<TestFolder>();
        folder_->writeStandardFileList();
        folder_->copySampleData();
    }
    void dropTool() {
        tool_.reset();
        folder_.reset();
    }
    // wmtool on the sample data, started on the main window of a size.
    wm::MainWindow& startTool(int size) {
        folder_->writeLines("txtFile/Option.txt", {"# x", QString::number(size), "# y", "1"});
        tool_ = std::make_unique<QuietTool>(dialogs_);
        tool_->data().programFolder = folder_->programFolder();
        [&] { QVERIFY(tool_->start()); }();
        return tool_->mainWindow(size);
    }
};

}  // namespace wmtest
