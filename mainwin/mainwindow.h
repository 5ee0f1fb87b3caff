#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

#include "appdata.h"
#include "calculationpage.h"
#include "dialogs.h"
#include "windowcode.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace wm {

class MainWindow;

// The actions of the tab buttons and the 表示 menu, numbered as the settings and the
// startup name them (page 1 and 2).
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
    virtual MainWindow* existingMainWindow(int code) = 0;
};

// The calculator's main window: the menus, the tab buttons and the two pages. One class for
// both sizes: WindowCode::Small is frmWM, WindowCode::Large is FrmBigWM; they carry the
// same controls under the same names.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(int windowCode, AppData& data, MainHost& host, QWidget* parent = nullptr);
    ~MainWindow() override;

    int windowCode() const { return windowCode_; }
    bool isLarge() const { return windowCode_ == WindowCode::Large; }
    // Whether the calculation page is the page shown, window shown or not.
    bool isCalculationPageShown() const;
    CalculationPage& calculationPage() { return *calculationPage_; }
    const CalculationPage& calculationPage() const { return *calculationPage_; }
    // The window title without the page's name.
    const QString& baseTitle() const { return baseTitle_; }
    // Whether the character page has been shown (and so filled) once.
    bool characterPageFilled() const { return characterPageFilled_; }

    // A tab button's or 表示 menu entry's action.
    void runTabAction(TabAction action);
    // The character page's sub-page buttons (0 能力, 1 装備, 2 技術).
    void optWorkSet_Click(int i);
    // The program's own choice of a sub-page: checks the button and runs its handler.
    void chooseWorkSet(int i);
    // Appends to the calculation page's result list.
    void appendResult(const QString& text);

    // Window state kept as the texts the controls' tags hold.
    std::array<QString, 32> cmbPCTag{};    // 13..31: equipment code and weight
    std::array<QString, 13> cmbWorkTag{};  // 1..12: job slot codes
    std::array<QString, 13> chkWorkTag{};  // 1..12: large window only, never read

    // Character page.
    QGroupBox* fraWorkSet = nullptr;
    std::array<QRadioButton*, 3> optWorkSet{};
    QGroupBox* frmPCS = nullptr;
    QGroupBox* frmPCA = nullptr;
    QGroupBox* frmPCD2 = nullptr;
    QGroupBox* frmWeight = nullptr;
    QGroupBox* frmWork = nullptr;
    std::array<QLabel*, 32> lblPC{};     // 0, 2..31
    std::array<QComboBox*, 32> cmbPC{};  // 2, 3, 13..31
    std::array<QLineEdit*, 13> txtPC{};  // 3..12
    QLabel* lblWeight = nullptr;
    QLabel* lblNowWeight = nullptr;
    QLabel* lblMaxWeight = nullptr;
    std::array<QLineEdit*, 3> txtWeight{};    // 0 equipment, 1 current, 2 maximum
    std::array<QCheckBox*, 13> chkWork{};     // 1..12
    std::array<QComboBox*, 13> cmbWork{};     // 1..12
    std::array<QLineEdit*, 13> txtWork{};     // 1..12
    std::array<QPushButton*, 2> cmdPCData{};  // 0 save, 1 show
    QPushButton* cmdLUp = nullptr;
    QLabel* characterHelpLine = nullptr;

    // Character page handlers.
    void setupCharacterPage();
    void PCListSet();
    void FameFSet();
    // Class (3) and equipment (13..31) lists; 2 is the name list.
    void cmbPC_Click(int n);
    void cmbPC_Change(int n);
    void cmbPC_LostFocus(int n);
    // Typed characters of the name list; set code to 0 to drop the key.
    void cmbPC_KeyPress(int i, int& code);
    void txtPC_Change(int i);
    void cmbWork_Click(int k);
    void cmbWork_Change(int k);
    // The 技術 sub-page refills the lists of job slots 7..12.
    void refillWorkSlots();
    // 0 saves the character; showing it is the program's part.
    void cmdPCData_Click(int i);
    // These act on the visible main window, whichever window calls them.
    void SetJobLimit(int jobIndex);
    void CalcMaxWeight(int index);
    // When valid, saves are stamped with this instead of the clock.
    QDateTime pcSaveTime;

  private:
    MainWindow& visibleMainWindow();
    bool pcGroupResetting_ = false;  // a group reset must not reset the list that caused it
    bool workSlotsRefilling_ = false;

  public:
    // Shows a help text in the help lines of the visible main window.
    void showHelp(const QString& text);

  signals:
    // Actions whose windows or routines the program adds later; nothing happens until a
    // handler is connected.
    void productWindowRequested();           // TabAction::ProductWindow
    void materialTreeRequested();            // 材料の内訳
    void reincarnationRequested();           // TabAction::Reincarnation
    void aboutRequested();                   // バージョン情報
    void saveResultRequested();              // Text作成, 作業ファイル作成
    void characterDataRequested(int index);  // cmdPCData(0) save, (1) show; PCデータ保存 = 0

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildTabButtons();
    QFrame* buildCharacterPage();
    QGroupBox* buildStatusFrame();
    QGroupBox* buildWeaponFrame();
    QGroupBox* buildEquipmentFrame();
    QGroupBox* buildWeightFrame();
    QGroupBox* buildWorkFrame();
    void switchPage(TabAction page);
    void switchSize();
    void openStartupSettings();
    void setupKeysAndHelp();
    // Keys of the name, class and equipment lists.
    void cmbPC_Keys(int i, int& code);

    int windowCode_;
    AppData& data_;
    MainHost& host_;
    QString baseTitle_;  // caption with the version
    bool characterPageFilled_ = false;
    CalculationPage* calculationPage_ = nullptr;
    QFrame* characterPage_ = nullptr;

    // Menus.
    QMenu* fileMenu = nullptr;
    QMenu* characterDataMenu = nullptr;
    QAction* saveCharacterDataAction = nullptr;  // PCデータ保存
    QAction* showCharacterDataAction = nullptr;  // PCデータ表示
    QAction* saveResultAction = nullptr;         // 作業ファイル作成
    QAction* fileMenuSeparator = nullptr;
    QAction* closeAction = nullptr;  // 閉じる
    QMenu* viewMenu = nullptr;
    QAction* materialTreeAction = nullptr;  // 材料の内訳
    QMenu* helpMenu = nullptr;
    QAction* aboutAction = nullptr;            // バージョン情報
    QAction* startupSettingsAction = nullptr;  // 起動設定
    QGroupBox* tabButtons = nullptr;
};

}  // namespace wm
