#pragma once

#include <QWidget>

#include "appdata.h"
#include "dialogs.h"
#include "levelcalc.h"
#include "trainingplan.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace wm {

// "育成計画": the cheapest runs of a work's products from one level to another, by the
// objective chosen, with what they consume. A view over planTraining, recomputed whenever an
// input changes.
class TrainingPlanWindow : public QWidget {
    Q_OBJECT

  public:
    TrainingPlanWindow(AppData& data, Dialogs& dialogs, QWidget* parent = nullptr);

    // Starts from a calculation page's work (position in the work lists, -1 for none) and
    // level fields, as the user would type them.
    void startFrom(int workPosition, const LevelInputs& levels);

    // What 計画をコピー puts on the clipboard and Text作成 writes; empty without a plan.
    QString planResultText() const;
    // What 生産品をコピー puts on the clipboard.
    QString productsText() const;

  private:
    void buildControls();
    void buildLayout();
    void showWorkProducts();
    void fillProductTable();
    void productChecked(int tableRow);
    void sortProducts(int column);
    void recalculate();
    void showPlan();
    void copyPlan();
    void copyProducts();
    void saveText();
    int chosenSection() const;

    AppData& data_;
    Dialogs& dialogs_;
    std::vector<PlanProduct> products_;  // of the chosen work, in data order
    PlanLevels levels_;
    TrainingPlan plan_;
    PlanMaterials materials_;
    QString problem_;  // why there is no plan; empty with one
    bool filling_ = false;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;

    QComboBox* workList_ = nullptr;
    QLineEdit* startLevelBox_ = nullptr;
    QLineEdit* targetLevelBox_ = nullptr;
    QCheckBox* remainingExpCheck_ = nullptr;
    QLineEdit* remainingExpBox_ = nullptr;
    QComboBox* objectiveList_ = nullptr;
    QComboBox* sortList_ = nullptr;
    QTableWidget* productTable_ = nullptr;
    QLabel* messageLabel_ = nullptr;
    QTableWidget* stageTable_ = nullptr;
    QPlainTextEdit* totalsBox_ = nullptr;
    QPushButton* copyProductsButton_ = nullptr;
    QPushButton* copyPlanButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

}  // namespace wm
