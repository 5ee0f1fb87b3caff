#pragma once

#include <QMainWindow>
#include <QString>
#include <array>

#include "appdata.h"
#include "characterpage.h"
#include "dialogs.h"

class QAction;
class QCheckBox;
class QComboBox;
class QFrame;
class QGridLayout;
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
class MainWindow : public QMainWindow, private CharacterPageHost {
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
    void optSum_Click(int i);
    void MenuOption_Click();
    // Appends to the result list at the end of its text, never as a new paragraph.
    void appendResult(const QString& text);

    // Window state kept as the texts the controls' tags hold.
    QString titleTag;                          // title base: caption with the version
    QString frmCOptTag = QStringLiteral("1");  // tab-order mode of the calculation page
    std::array<QString, 7> cmdTabTag{};

    // Tab frame and pages.
    QGroupBox* frmTabSet = nullptr;
    std::array<QPushButton*, 7> cmdTab{};  // 1, 2, 4, 6
    std::array<QFrame*, 2> frmSet{};       // 1 calculation page

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
    std::array<QLabel*, 1> lblStats{};  // 0 calculation page

    // The character page (キャラデータ), created the first time it is needed: shown, saved
    // from the menu, or changed by a rule that acts on the window the user sees.
    CharacterPage& characterPage();
    CharacterPage* existingCharacterPage() const { return characterPage_; }

  private:
    MainWindow& visibleMainWindow();
    // What the character page asks of its window.
    Dialogs& dialogs() override;
    QList<CharacterPage*> existingCharacterPages() override;
    CharacterPage& visibleCharacterPage() override;
    CharacterPage* existingVisibleCharacterPage() override;
    void showHelp(const QString& text) override { ShowHelp(text); }
    // A page created after the window was built joins the end of the tab order; it belongs
    // between the calculation page and the tab buttons.
    void placeInTabOrder(CharacterPage* page);

    QGridLayout* pageArea_ = nullptr;  // both pages share one place
    CharacterPage* characterPage_ = nullptr;
    // The help text the character page's help line shows once it is created.
    QString characterHelp_;

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
    void characterDataRequested(int index);  // 0 save (PC保存, PCデータ保存), 1 show (PC表示)

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildMenus();
    QWidget* buildTabFrame();
    QFrame* buildCalculationPage();
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

    int windowCode_;
    AppData& data_;
    MainHost& host_;
    // The set materials of the product chosen in this window; each window computes with
    // its own product.
    std::array<SetMaterial, 3> setMaterials_{};
};

}  // namespace wm
