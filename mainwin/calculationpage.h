#pragma once

#include <QFrame>
#include <QString>
#include <array>

#include "appdata.h"
#include "calculationrules.h"
#include "dialogs.h"
#include "production.h"
#include "windowcode.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace wm {

// Which fields the Tab key visits on the calculation page (経験用 / 個数用).
enum class TabOrderMode { Experience, Count };

// The calculation page (仕事技術計算) of a main window: the experience from level to
// level, a product's runs and totals, the result list and its file.
class CalculationPage : public QFrame {
    Q_OBJECT

  public:
    // The large window (WindowCode) lists more levels and draws longer rules.
    // Built as a child of its window, so that it takes the window's font from the start.
    CalculationPage(int windowCode, AppData& data, Dialogs& dialogs, QWidget* parent);

    // Appends to the result list at the end of its text, never as a new paragraph.
    void appendResult(const QString& text);
    // Empties the result list without asking.
    void clearResults();
    // Writes the result list to a file the user names (Text作成).
    void saveResult();
    // Shows a text in the page's help line.
    void showHelp(const QString& text);

    TabOrderMode tabOrderMode() const { return tabOrderMode_; }

    // The work and product chosen (-1 for none) and the runs typed, for the material tree.
    struct ProductChoice {
        int workPosition = -1;
        int productPosition = -1;
        QString runs;
    };
    ProductChoice productChoice() const;

  signals:
    // A rule of this many dashes goes to the result lists of both main windows.
    void ruleForBothWindows(int length);
    // The mouse is over a control: its help text goes to the help lines.
    void helpRequested(const QString& text);
    // Text作成 was pressed.
    void saveResultRequested();

  private:
    // Each control joins the focus chain when it is made, so the builders run in the order
    // the layout places the controls: the tab order stays that order.
    void buildLevelGroup();
    void buildOptionGroups();
    void buildButtons();
    void buildProductGroup();
    void buildMaterialsGroup();
    void buildResultArea();
    void layOut();
    void connectControls();
    void setupKeys();
    void setupHelp();

    // Level group.
    void showStartLevelExp();
    void remainingExpToggled();
    void remainingExpKey(int& code);
    // Enter in a level box: on to next, or the level selected when out of range.
    void enterOnLevel(LevelBox box, QLineEdit* level, QWidget* next);
    // The remaining-experience box looks inactive while it is not used.
    void shadeRemainingExp(bool used);
    void calculate();
    void listLevels();
    void askToClearResults();

    // Product group.
    void fillWorkList();
    void showWorkProducts();
    void showProduct();
    // Protects the values taken from the data and shows the experience of one run.
    void refreshRunExp();
    void totalRuns();
    void countRunsNeeded();
    void showProductionOutcome(const ProductionOutcome& outcome);
    ProductionInputs productionInputs() const;
    void focusProductionField(ProductionField field, bool selectAll);

    void setTabOrderMode(TabOrderMode mode);
    void setTabStop(QWidget* field, bool stop);

    bool isLarge() const { return windowCode_ == WindowCode::Large; }

    int windowCode_;
    AppData& data_;
    Dialogs& dialogs_;
    TabOrderMode tabOrderMode_ = TabOrderMode::Experience;
    // The set materials of the product chosen on this page; each window computes with its
    // own product.
    std::array<SetMaterial, 3> setMaterials_{};
    // 必要経験値 of the levels this page shows; 0 once they change or a calculation fails.
    qint64 neededExp_ = 0;

    // Level group.
    QGroupBox* levelGroup = nullptr;
    QLabel* startLevelLabel = nullptr;  // 初期ＬＶ
    QLineEdit* startLevelEdit = nullptr;
    QLabel* targetLevelLabel = nullptr;  // 上限ＬＶ
    QLineEdit* targetLevelEdit = nullptr;
    QLabel* startLevelExpLabel = nullptr;  // experience from the start level to the next
    QCheckBox* remainingExpCheck = nullptr;
    QLabel* remainingExpLabel = nullptr;  // EXP
    QLineEdit* remainingExpEdit = nullptr;

    // Product group.
    QGroupBox* productGroup = nullptr;
    QLabel* workLabel = nullptr;  // 作業リスト
    QComboBox* workList = nullptr;
    QLabel* productLabel = nullptr;  // 生産品名
    QComboBox* productList = nullptr;
    QLabel* productLevelLabel = nullptr;  // Lv.
    QLineEdit* productLevelEdit = nullptr;
    QLabel* stepsLabel = nullptr;  // 作業工程
    QLineEdit* stepsEdit = nullptr;
    QLabel* stepExpLabel = nullptr;  // 1回のEXP
    QLineEdit* stepExpEdit = nullptr;
    QLabel* runExpLabel = nullptr;  // 1回分のEXP
    QLineEdit* runExpEdit = nullptr;
    QLabel* runsLabel = nullptr;  // 作成個数
    QLineEdit* runsEdit = nullptr;

    // Set materials.
    QGroupBox* materialsGroup = nullptr;
    QLabel* materialsLabel = nullptr;  // 必要な材料
    QPlainTextEdit* materialsBox = nullptr;

    // Options.
    QGroupBox* displayGroup = nullptr;
    QCheckBox* showWeightCheck = nullptr;  // 重量表示
    QCheckBox* showStepsCheck = nullptr;   // 工程表示
    QGroupBox* tabOrderGroup = nullptr;
    QRadioButton* expTabOrderOption = nullptr;    // 経験用
    QRadioButton* countTabOrderOption = nullptr;  // 個数用

    // Buttons.
    QPushButton* calculateButton = nullptr;   // 計算開始
    QPushButton* expListButton = nullptr;     // リスト表示
    QPushButton* clearButton = nullptr;       // 結果クリア
    QPushButton* saveResultButton = nullptr;  // Text作成
    QPushButton* runsNeededButton = nullptr;  // 生産回数
    QPushButton* runTotalsButton = nullptr;   // 個数計算

    QPlainTextEdit* resultList = nullptr;
    QLabel* helpLine = nullptr;
};

}  // namespace wm
