#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

#include "appdata.h"
#include "dialogs.h"

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

// What a main window needs from the program that owns it. The program creates the windows
// on first use and keeps them; a main window never creates another window itself.
class MainHost {
  public:
    virtual ~MainHost() = default;
    // The main window of a size (1 small, 2 large), created on first use.
    virtual MainWindow& mainWindow(int code) = 0;
    // Shows the settings window in its "ＯＫ / キャンセル / 適用" role; settingsOpener is set.
    virtual void showSettingsFromMain() = 0;
    // Closing a main window or "閉じる": the whole program ends.
    virtual void endProgram() = 0;
    // The program's message boxes and prompts.
    virtual Dialogs& dialogs() = 0;
    // Appends a rule of n dashes to the result lists of both main windows.
    virtual void AddRule(int n) = 0;
    // The main window of a size if it has been created, else null.
    virtual MainWindow* existingMainWindow(int code) = 0;
};

// The calculator's main window. One class for both sizes: window code 1 is frmWM (small),
// 2 is FrmBigWM (large); they carry the same controls under the same names.
class MainWindow : public QMainWindow {
    Q_OBJECT

  public:
    MainWindow(int windowCode, AppData& data, MainHost& host, QWidget* parent = nullptr);
    ~MainWindow() override;

    int windowCode() const { return windowCode_; }
    bool isLarge() const { return windowCode_ == 2; }
    // Whether the calculation page (frmSet(1)) is the page shown, window shown or not.
    bool isCalcPageShown() const;

    // Tab action i (1..6), as the tab buttons and the 表示 menu run it.
    void cmdTab_Click(int i);
    // The character page's sub-page buttons (0 能力, 1 装備, 2 技術).
    void optWorkSet_Click(int i);
    // The program's own choice of a sub-page: checks the button and runs its handler.
    void chooseWorkSet(int i);
    void optSum_Click(int i);
    void MenuOption_Click();
    // Appends to the result list at the end of its text, never as a new paragraph.
    void appendResult(const QString& text);

    // Window state kept as the texts the controls' tags hold.
    QString titleTag;                            // title base: caption with the version
    QString frmTabSetTag = QStringLiteral("0");  // "1" once the character page was shown
    QString frmCOptTag = QStringLiteral("1");    // tab-order mode of the calculation page
    std::array<QString, 7> cmdTabTag{};
    std::array<QString, 32> cmbPCTag{};    // 13..31: equipment code and weight
    std::array<QString, 13> cmbWorkTag{};  // 1..12: job slot codes
    std::array<QString, 13> chkWorkTag{};  // 1..12: large window only, never read

    // Tab frame and pages.
    QGroupBox* frmTabSet = nullptr;
    std::array<QPushButton*, 7> cmdTab{};  // 1, 2, 4, 6
    std::array<QFrame*, 3> frmSet{};       // 1 calculation page, 2 character page

    // Calculation page.
    QGroupBox* frmExp = nullptr;
    QLabel* lblLvMin = nullptr;
    QLineEdit* txtLvMin = nullptr;
    QLabel* lblLvMax = nullptr;
    QLineEdit* txtLvMax = nullptr;
    QLabel* lblMinExp = nullptr;
    QCheckBox* chkExp = nullptr;
    QLabel* lblExp = nullptr;
    QLineEdit* txtExp = nullptr;
    QGroupBox* frmPML = nullptr;
    QLabel* lblSWork = nullptr;
    QComboBox* cmbSWork = nullptr;
    QLabel* lblSName = nullptr;
    QComboBox* cmbSName = nullptr;
    QLabel* lblSWorkLv = nullptr;
    QLineEdit* txtSWorkLv = nullptr;
    QLabel* lblSExpk = nullptr;
    QLineEdit* txtSExpk = nullptr;
    QLabel* lblSExp1 = nullptr;
    QLineEdit* txtSExp1 = nullptr;
    QLabel* lblSExpg = nullptr;
    QLineEdit* txtSExpg = nullptr;
    QLabel* lblSLot = nullptr;
    QLineEdit* txtSLot = nullptr;
    QGroupBox* frmPMset = nullptr;
    QLabel* lblSset = nullptr;
    QPlainTextEdit* txtSset = nullptr;
    QGroupBox* frmSSet = nullptr;
    QCheckBox* chkW = nullptr;
    QCheckBox* chkK = nullptr;
    QGroupBox* frmCOpt = nullptr;
    std::array<QRadioButton*, 3> optSum{};  // 1, 2
    QPushButton* cmd_k = nullptr;
    QPushButton* cmdList = nullptr;
    QPushButton* cmdClea = nullptr;
    QPushButton* cmdWrite = nullptr;
    QPushButton* cmdSExp = nullptr;
    QPushButton* cmdExpLot = nullptr;
    QPlainTextEdit* txtWorkList = nullptr;
    std::array<QLabel*, 2> lblStats{};  // 0 calculation page, 1 character page

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
    // Menus.
    QMenu* MenuFile = nullptr;
    QMenu* MenuCha = nullptr;
    QAction* MenuChaSave = nullptr;
    QAction* MenuChaLoad = nullptr;
    QAction* MenuWork = nullptr;
    QAction* stretor1 = nullptr;
    QAction* MenuEnd = nullptr;
    QMenu* MenuShow = nullptr;
    std::array<QAction*, 7> MenuShowData{};  // 1, 2, 3, 4, 6
    QAction* materialTreeAction = nullptr;   // 材料の内訳
    QMenu* MenuSystem = nullptr;
    QAction* MenuAbout = nullptr;
    QAction* MenuOption = nullptr;

    // Calculation page handlers.
    void WorkListSet();
    void cmbSWork_Click();
    void cmbSName_Click();
    void txtSExpg_Click();
    void txtSExp1_Click();
    void txtLvMin_LostFocus();
    void chkExp_Click();
    void cmd_k_Click();
    void cmdList_Click();
    void cmdClea_Click();
    void cmdWrite_Click();
    void cmdExpLot_Click();
    void cmdSExp_Click();
    // Keyboard and field help.
    // Shows a help text in the help lines of the visible main window.
    void ShowHelp(const QString& text);
    void txtExp_KeyPress(int& code);
    // The production section a work list position stands for (section 29 is no work).
    static int workSection(int position) {
        return position + 1 <= 28 ? position + 1 : position + 2;
    }

  signals:
    // Actions whose windows or routines the program adds later; nothing happens until a
    // handler is connected.
    void productWindowRequested();           // tab action 4
    void materialTreeRequested();            // materialTreeAction
    void reincarnationRequested();           // tab action 6
    void aboutRequested();                   // MenuAbout
    void saveResultRequested();              // cmdWrite, MenuWork
    void characterDataRequested(int index);  // cmdPCData(0) save, (1) show; MenuChaSave = 0

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildTabFrame();
    QFrame* buildCalculationPage();
    QFrame* buildCharacterPage();
    QGroupBox* buildStatusFrame();
    QGroupBox* buildWeaponFrame();
    QGroupBox* buildEquipmentFrame();
    QGroupBox* buildWeightFrame();
    QGroupBox* buildWorkFrame();
    void switchPage(int i);
    void switchSize();
    // Calculation page.
    void setupCalculationPage();
    void setTabStop(QWidget* field, bool stop);
    void focusProductionField(int field, bool selectAll);
    // The experience of one run from the step experience and the step count.
    void showRunExp();
    // The remaining-experience box looks inactive while it is not used.
    void shadeExpBox(bool used);
    void setupKeysAndHelp();
    // Keys of the name, class and equipment lists.
    void cmbPC_Keys(int i, int& code);

    int windowCode_;
    AppData& data_;
    MainHost& host_;
    // The set materials of the product chosen in this window; each window computes with
    // its own product.
    std::array<SetMaterial, 3> setMaterials_{};
};

}  // namespace wm
