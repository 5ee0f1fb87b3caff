#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

#include "appdata.h"
#include "calculationpage.h"
#include "characterpage.h"
#include "dialogs.h"
#include "windowcode.h"

class QAction;
class QGridLayout;
class QGroupBox;
class QMenu;

namespace wm {

class MainWindow;

// The actions of the tab buttons and the 表示 menu.
enum class TabAction {
    CalculationPage = 1,  // 仕事技術計算
    CharacterPage = 2,    // キャラデータ
    SwitchSize = 3,       // 画面サイズ
    ProductWindow = 4,    // 生産品の追加・修正
    StartupSettings = 5,  // 起動設定
    Reincarnation = 6,    // 転生ステータス表示
};

// What a main window needs from the program that owns it. The program creates the windows
// on first use and keeps them; a main window never creates another window itself.
class MainHost {
  public:
    virtual ~MainHost() = default;
    // The main window of a size (WindowCode), created on first use.
    virtual MainWindow& mainWindow(int code) = 0;
    // Shows the settings window in its "ＯＫ / キャンセル / 適用" role; settingsOpener is set.
    virtual void showSettingsFromMain() = 0;
    // Closing a main window or "閉じる": the whole program ends.
    virtual void endProgram() = 0;
    // The program's message boxes and prompts.
    virtual Dialogs& dialogs() = 0;
    // Appends a rule of n dashes to the result lists of both main windows.
    virtual void appendRuleToResults(int length) = 0;
    // The main window of a size if it has been created, else null.
    virtual MainWindow* existingMainWindow(int code) const = 0;
};

// The calculator's main window: the menus, the tab buttons and the two pages. One class for
// both sizes (WindowCode::Small and WindowCode::Large); they carry the same controls under
// the same names.
class MainWindow : public QMainWindow, private CharacterPageHost {
    Q_OBJECT

  public:
    // The page the window shows first. A window that opens on the character page shows it
    // when the window first appears, and builds its calculation page when first needed.
    enum class FirstPage { Calculation, Character };

    MainWindow(int windowCode, AppData& data, MainHost& host,
               FirstPage firstPage = FirstPage::Calculation, QWidget* parent = nullptr);
    ~MainWindow() override;

    int windowCode() const { return windowCode_; }
    bool isLarge() const { return windowCode_ == WindowCode::Large; }
    // Whether the calculation page is the page shown, window shown or not.
    bool isCalculationPageShown() const;
    // The calculation page (仕事技術計算), built with the window unless the window opens on
    // the character page; then it is built when shown, written to, or read.
    CalculationPage& calculationPage();
    CalculationPage* existingCalculationPage() const { return calculationPage_; }
    // The window title without the page's name.
    const QString& baseTitle() const { return baseTitle_; }
    // The character page (キャラデータ), created the first time it is needed: shown, saved
    // from the menu, or changed by a rule that acts on the window the user sees.
    CharacterPage& characterPage();
    CharacterPage* existingCharacterPage() const { return characterPage_; }

    // A tab button's or 表示 menu entry's action.
    void runTabAction(TabAction action);
    // Appends to the calculation page's result list.
    void appendResult(const QString& text);
    // Shows a help text in the help lines of the visible main window.
    void showHelp(const QString& text) override;

  private:
    MainWindow& visibleMainWindow();
    // What the character page asks of its window.
    Dialogs& dialogs() override;
    QList<CharacterPage*> existingCharacterPages() override;
    CharacterPage& visibleCharacterPage() override;
    CharacterPage* existingVisibleCharacterPage() override;
    // A page built after the window joins the end of the tab order; round the chain the
    // pages belong, the calculation page first, before the tab buttons.
    void orderPagesForTab();

  signals:
    // Actions that open other windows or write files: the program connects them, the window
    // itself only the character save.
    void productWindowRequested();    // TabAction::ProductWindow
    void materialTreeRequested();     // 材料の内訳
    void trainingPlanRequested();     // 育成計画
    void productionListRequested();   // 生産リスト
    void reincarnationRequested();    // TabAction::Reincarnation
    void aboutRequested();            // バージョン情報
    void saveResultRequested();       // Text作成, 作業ファイル作成
    void characterSaveRequested();    // PC保存, PCデータ保存
    void savedCharactersRequested();  // PC表示

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildTabButtons();
    void switchPage(TabAction page);
    void switchSize();
    void openStartupSettings();
    void setupKeysAndHelp();

    int windowCode_;
    AppData& data_;
    MainHost& host_;
    QString baseTitle_;  // caption with the version
    CalculationPage* calculationPage_ = nullptr;
    QGridLayout* pageArea_ = nullptr;  // both pages share one place
    CharacterPage* characterPage_ = nullptr;
    // The help text of both pages' help lines; a page built later starts with it.
    QString helpText_;
    bool built_ = false;  // the constructor has run

    // Menus.
    QMenu* fileMenu_ = nullptr;
    QMenu* characterDataMenu_ = nullptr;
    QAction* saveCharacterDataAction_ = nullptr;  // PCデータ保存
    QAction* showCharacterDataAction_ = nullptr;  // PCデータ表示
    QAction* saveResultAction_ = nullptr;         // 作業ファイル作成
    QAction* fileMenuSeparator_ = nullptr;
    QAction* closeAction_ = nullptr;  // 閉じる
    QMenu* viewMenu_ = nullptr;
    QAction* materialTreeAction_ = nullptr;    // 材料の内訳
    QAction* trainingPlanAction_ = nullptr;    // 育成計画
    QAction* productionListAction_ = nullptr;  // 生産リスト
    QMenu* helpMenu_ = nullptr;
    QAction* aboutAction_ = nullptr;            // バージョン情報
    QAction* startupSettingsAction_ = nullptr;  // 起動設定
    QGroupBox* tabButtonFrame_ = nullptr;
};

}  // namespace wm
