#pragma once

#include <QWidget>
#include <functional>

#include "appdata.h"
#include "dialogs.h"
#include "productionlist.h"
#include "productionlistfile.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;

namespace wm {

// "生産リスト": several products at once, the pieces already held and the trips to carry
// what is left. A view over productionListTotals; the list on screen is kept in the program
// folder between runs, and named lists can be saved and opened.
class ProductionListWindow : public QWidget {
    Q_OBJECT

  public:
    ProductionListWindow(AppData& data, Dialogs& dialogs, QWidget* parent = nullptr);

    // Adds `runs` runs of the product in row `row` of `section` as a new row.
    void addProduct(int section, int row, qint64 runs);
    // The character page's weights, taken where they hold numbers.
    void offerWeights(const QString& maximum, const QString& current);
    // What コピー puts on the clipboard and Text作成 writes; empty without totals.
    QString resultText() const;

    // Asks for a file to save (save true) or open, starting in folder; "" when cancelled.
    using FileChooser = std::function<QString(bool save, const QString& folder)>;
    // Tests put their own chooser; the program uses the desktop's file dialogs.
    void setFileChooser(FileChooser chooser) { chooseFile_ = std::move(chooser); }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Building (productionlistwindowbuild.cpp).
    void buildControls();
    void buildLayout();
    void connectHandlers();

    void showWorkProducts();
    void addChosenProduct();
    void addRow(const ListRow& row);
    void removeRow();
    void moveRow(int by);
    void takeTypedRuns(int row);
    void setHeld();
    void takeTypedHeldCount(int row);
    // The list on screen, as it is kept and written.
    ProductionList list() const;
    void showList(const ProductionList& list);
    // Totals, trips and the kept file follow every change.
    void recalculate();
    void keepCurrentList();
    void loadCurrentList();
    void openList();
    void saveList();
    void copyText();
    void saveText();
    QString currentListPath() const;
    // Why name cannot stand in the list file; "" when it can.
    QString unusableName(const QString& name) const;

    AppData& data_;
    Dialogs& dialogs_;
    FileChooser chooseFile_;
    std::vector<ListRow> rows_;
    std::vector<HeldPieces> held_;
    ListTotals totals_;
    QString carryLine_;
    bool filling_ = false;     // the tables are being filled by the program
    bool keepFailed_ = false;  // the kept list could not be written: said once
    QString keptText_;         // what the kept file holds

    QComboBox* workList_ = nullptr;     // 作業
    QComboBox* productList_ = nullptr;  // 生産品, with completion over every product
    QLineEdit* runsBox_ = nullptr;      // 生産回数
    QPushButton* addButton_ = nullptr;
    QTableWidget* rowsTable_ = nullptr;
    QPushButton* removeButton_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    QComboBox* heldNameList_ = nullptr;  // 手持ち
    QLineEdit* heldCountBox_ = nullptr;
    QPushButton* heldButton_ = nullptr;
    QTableWidget* heldTable_ = nullptr;
    QLineEdit* maximumWeightBox_ = nullptr;  // 最大重量
    QLineEdit* currentWeightBox_ = nullptr;  // 現在重量
    QLabel* carryLabel_ = nullptr;
    QPlainTextEdit* totalsBox_ = nullptr;
    QPushButton* openListButton_ = nullptr;
    QPushButton* saveListButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;  // Text作成
};

}  // namespace wm
