#pragma once

#include <QWidget>

#include "appdata.h"
#include "dialogs.h"
#include "materialtree.h"

class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;

namespace wm {

// "材料の内訳": the material tree of a plan (work, product, runs) through every stage, with
// its totals, to copy or save. A view over buildMaterialTree; the calculator and the viewer
// both show it, the viewer writing no files.
class MaterialTreeWindow : public QWidget {
    Q_OBJECT

  public:
    enum class Program { Tool, Viewer };

    MaterialTreeWindow(AppData& data, Dialogs& dialogs, Program program, QWidget* parent = nullptr);

    // Chooses a plan as the user would: the work of `section` (none for a section the work
    // list lacks), the product in `row` (none for a row the list lacks) and, when not
    // empty, the runs; the tree follows when a product is chosen.
    void choosePlan(int section, int row, const QString& runs);

    // What コピー puts on the clipboard and Text作成 writes; empty without a tree.
    QString resultText() const;

  signals:
    // リストに追加: the plan shown, for the production list (the calculator only).
    void addToListRequested(int section, int row, qint64 runs);

  private:
    void buildControls();
    void buildLayout();
    void showWorkProducts();
    // The tree of the plan the lists and the runs show, when there is one; why there is
    // none when a product is chosen, else "".
    QString buildTree();
    void recalculate();
    // The runs typed: the tree follows at once, or goes while the count cannot be used.
    void followRuns();
    void showTree();
    void copyText();
    void saveText();
    int chosenSection() const;

    AppData& data_;
    Dialogs& dialogs_;
    Program program_;
    MaterialTree tree_;
    bool shown_ = false;  // tree_ belongs to the plan the lists show

    QComboBox* workList_ = nullptr;
    QComboBox* productList_ = nullptr;
    QLineEdit* runsBox_ = nullptr;
    QTreeWidget* materialTree_ = nullptr;
    QPlainTextEdit* totalsBox_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* addToListButton_ = nullptr;
    void addToList();
};

}  // namespace wm
