#pragma once

#include <QFrame>
#include <QString>
#include <array>

#include "appdata.h"
#include "calculationrules.h"
#include "dialogs.h"
#include "levelcalc.h"
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
    // The level fields as they stand, for the training plan.
    LevelInputs levelInputs() const;

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
    void switchRemainingExp();
    void filterRemainingExpKey(int& code);
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
    QGroupBox* levelFrame_ = nullptr;
    QLabel* startLevelCaption_ = nullptr;  // 初期ＬＶ
    QLineEdit* startLevelBox_ = nullptr;
    QLabel* targetLevelCaption_ = nullptr;  // 上限ＬＶ
    QLineEdit* targetLevelBox_ = nullptr;
    QLabel* startLevelExpLabel_ = nullptr;  // experience from the start level to the next
    QCheckBox* remainingExpCheck_ = nullptr;
    QLabel* remainingExpCaption_ = nullptr;  // EXP
    QLineEdit* remainingExpBox_ = nullptr;

    // Product group.
    QGroupBox* productFrame_ = nullptr;
    QLabel* workCaption_ = nullptr;  // 作業リスト
    QComboBox* workList_ = nullptr;
    QLabel* productCaption_ = nullptr;  // 生産品名
    QComboBox* productList_ = nullptr;
    QLabel* productLevelCaption_ = nullptr;  // Lv.
    QLineEdit* productLevelBox_ = nullptr;
    QLabel* stepsCaption_ = nullptr;  // 作業工程
    QLineEdit* stepsBox_ = nullptr;
    QLabel* stepExpCaption_ = nullptr;  // 1回のEXP
    QLineEdit* stepExpBox_ = nullptr;
    QLabel* runExpCaption_ = nullptr;  // 1回分のEXP
    QLineEdit* runExpBox_ = nullptr;
    QLabel* runsCaption_ = nullptr;  // 作成個数
    QLineEdit* runsBox_ = nullptr;

    // Set materials.
    QGroupBox* materialsFrame_ = nullptr;
    QLabel* materialsCaption_ = nullptr;  // 必要な材料
    QPlainTextEdit* materialsBox_ = nullptr;

    // Options.
    QGroupBox* displayFrame_ = nullptr;
    QCheckBox* showWeightCheck_ = nullptr;  // 重量表示
    QCheckBox* showStepsCheck_ = nullptr;   // 工程表示
    QGroupBox* tabOrderFrame_ = nullptr;
    QRadioButton* expTabOrderOption_ = nullptr;    // 経験用
    QRadioButton* countTabOrderOption_ = nullptr;  // 個数用

    // Buttons.
    QPushButton* calculateButton_ = nullptr;   // 計算開始
    QPushButton* expListButton_ = nullptr;     // リスト表示
    QPushButton* clearButton_ = nullptr;       // 結果クリア
    QPushButton* saveResultButton_ = nullptr;  // Text作成
    QPushButton* runsNeededButton_ = nullptr;  // 生産回数
    QPushButton* runTotalsButton_ = nullptr;   // 個数計算

    QPlainTextEdit* resultBox_ = nullptr;
    QLabel* helpLabel_ = nullptr;
};

}  // namespace wm
