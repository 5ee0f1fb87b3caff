#pragma once

#include <QObject>
#include <QPointer>
#include <array>
#include <memory>

#include "aboutwindow.h"
#include "appdata.h"
#include "characterhistorywindow.h"
#include "dialogs.h"
#include "mainwindow.h"
#include "materialtreewindow.h"
#include "productionlistwindow.h"
#include "productwindow.h"
#include "reincarnationwindow.h"
#include "startupsettingswindow.h"
#include "trainingplanwindow.h"

namespace wm {

// The calculator program: owns the shared data, the dialogs and every window, creates each
// window on first use and keeps it until the program ends.
class WmTool : public QObject, public MainHost, public SettingsHost {
    Q_OBJECT

  public:
    // Real message boxes.
    WmTool();
    // Boxes from elsewhere (tests); they must outlive the program object.
    explicit WmTool(Dialogs& dialogs);
    ~WmTool() override;

    AppData& data() { return data_; }
    Dialogs& dialogs() override { return *dialogs_; }
    void appendRuleToResults(int length) override;

    // The startup: data files, then the options file shows a window. False when the
    // program has to end.
    bool start();

    // The main window of a size, created on first use.
    MainWindow& mainWindow(int code) override;
    // The same, for a window that shows the given page first when it is created now.
    MainWindow& mainWindow(int code, MainWindow::FirstPage firstPage);
    MainWindow* existingMainWindow(int code) const override;
    StartupSettingsWindow& settingsWindow();
    StartupSettingsWindow* existingSettingsWindow() const { return settingsWindow_.get(); }

    // Main window side.
    void showSettingsFromMain() override;
    // Ends the event loop; overridable so a test can watch it.
    void endProgram() override;

    // Window operations of the startup and option routines.
    bool isMainVisible(int code) override;
    void showMain(int code) override;
    void hideMain(int code) override;
    void switchPage(int code, StartPage page) override;
    void openOnPage(int code, StartPage page) override;
    void showSettings() override;
    void hideSettings() override;
    bool isCalculationPageShown(int code) override;

    // The other windows, each created when it is opened and gone once the user closes it.
    void openProductWindow();
    void openReincarnation();
    void openAbout();
    // 材料の内訳, with the plan the main window shows where one is chosen.
    void openMaterialTree(MainWindow& from);
    MaterialTreeWindow* existingMaterialTree() const { return materialTree_.get(); }
    // 育成計画, starting from the main window's work and levels.
    void openTrainingPlan(MainWindow& from);
    TrainingPlanWindow* existingTrainingPlan() const { return trainingPlan_.get(); }
    // 生産リスト, with the weights of the character page where the user entered them.
    void openProductionList(MainWindow* from);
    // リストに追加: the list shows the product as its new row.
    void addToProductionList(int section, int row, qint64 runs);
    ProductionListWindow* existingProductionList() const { return productionList_.get(); }
    // "PC表示": reads the character data and shows it, or says that there is none.
    void showCharacterData();
    ProductWindow* existingProductWindow() const { return productWindow_; }
    CharacterHistoryWindow* existingCharacterHistoryWindow() const { return characterHistory_; }
    ReincarnationWindow* existingReincarnationWindow() const { return reincarnation_; }
    AboutWindow* existingAboutWindow() const { return about_; }

  signals:
    // A main window was created; later windows and routines hook into its signals here.
    void mainWindowCreated(wm::MainWindow* window);

  private:
    AppData data_;
    std::unique_ptr<Dialogs> ownDialogs_;
    Dialogs* dialogs_;
    std::array<std::unique_ptr<MainWindow>, 3> mains_;  // by WindowCode; 0 unused
    std::unique_ptr<StartupSettingsWindow> settingsWindow_;
    QPointer<ProductWindow> productWindow_;
    QPointer<CharacterHistoryWindow> characterHistory_;
    QPointer<ReincarnationWindow> reincarnation_;
    QPointer<AboutWindow> about_;
    std::unique_ptr<MaterialTreeWindow> materialTree_;
    std::unique_ptr<TrainingPlanWindow> trainingPlan_;
    std::unique_ptr<ProductionListWindow> productionList_;
};

}  // namespace wm
