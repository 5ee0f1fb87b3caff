#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <array>

#include "appdata.h"
#include "dialogs.h"
#include "materialtreewindow.h"
#include "productinfo.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace wm {

// The product display window: browse the products of a work with their materials, carry
// counts, effects and the guild that teaches the work. Both programs show it; the program
// decides what its material tree window may do.
//
// Constructing it loads it (caption, lists, guild data, size, guild mode). It deletes
// itself when closed (Qt::WA_DeleteOnClose), so an opener keeps a QPointer and builds a new
// one on the next opening, which reads the guild data again.
class ProductWindow : public QWidget {
    Q_OBJECT

  public:
    ProductWindow(AppData& data, Dialogs& dialogs,
                  MaterialTreeWindow::Program program = MaterialTreeWindow::Program::Tool,
                  QWidget* parent = nullptr);

  signals:
    // リストに追加 here or in its 材料の内訳: a product for the production list (the
    // calculator only).
    void addToListRequested(int section, int row, qint64 runs);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // One material row: its work (材料), level, material name, 数量 and 重量 per run.
    struct MaterialRow {
        QComboBox* workList = nullptr;
        QLineEdit* levelBox = nullptr;
        QComboBox* nameList = nullptr;
        QLineEdit* countBox = nullptr;
        QLineEdit* weightBox = nullptr;
        // In the order the row shows them.
        std::array<QWidget*, 5> widgets() const;
    };

    // Building (productwindowbuild.cpp): the controls with their tips and names, their
    // layout and the tab order.
    void buildControls();
    void buildLayout();
    void buildTabOrder();
    // Keys (productwindowkeys.cpp): digits only in the number boxes, Enter moves on.
    void installKeyHandlers();

    // Choices (productwindow.cpp).
    void connectHandlers();
    // The work list (作業) and the three material work lists.
    void fillWorkLists();
    void showWorkProducts();
    void showMaterialWorkProducts(const MaterialRow& row);
    void showMaterialLevel(const MaterialRow& row);
    void showProduct();
    void showMaterialRow(const MaterialRow& row, const MaterialRowFill& fill);
    void emptyMaterialRow(const MaterialRow& row);
    ProductFields productFields() const;
    void showProductFields(const ProductFields& fields);
    // 材料の内訳 of the chosen work and product.
    void openMaterialTree();
    void addToList();

    // The information text (productwindowinfo.cpp), in 材料 or 生産品 mode.
    void refreshInfo();
    InfoInputs infoInputs() const;
    // 合計値 again after Enter in a number box.
    void updateTotalExp();
    // After an edit of a number box or a material: 合計値, the row weights, the total weight
    // and the information text follow what the window now shows.
    void followEdits();

    // The guild panel (productwindowguild.cpp): the place list for the chosen work, in ギルド
    // or 習得 mode, and the details of the chosen place.
    void fillGuildPlaces();
    void showGuildPlace();
    void switchGuildMode(bool learning);
    void clearGuildDetails();

    // Position of the chosen entry; -1 when the edit field no longer shows it.
    static int listPos(const QComboBox* list);
    static void clearChoice(QComboBox* list);
    int workPos() const;
    // The number boxes of the product and its materials, and the total weight.
    QList<QLineEdit*> numberBoxes() const;

    // 現在重量, 最大重量 and the total weight of the materials.
    struct WeightBoxes {
        QLineEdit* current = nullptr;
        QLineEdit* maximum = nullptr;
        QLineEdit* total = nullptr;
    };
    // What the information text shows: 材料 (or 採取場所) or 生産品.
    struct InfoModes {
        QRadioButton* materials = nullptr;
        QRadioButton* products = nullptr;
    };
    // Where the work is taught: ギルド or 習得 places, building (建物), person (人物) and
    // condition (条件, 習得 only).
    struct GuildPanel {
        QRadioButton* guildOption = nullptr;
        QRadioButton* learningOption = nullptr;
        QComboBox* placeList = nullptr;
        QLineEdit* building = nullptr;
        QLineEdit* person = nullptr;
        QLabel* conditionCaption = nullptr;
        QLineEdit* condition = nullptr;
    };

    QComboBox* workList_ = nullptr;     // 作業名
    QComboBox* productList_ = nullptr;  // 生産品
    QLineEdit* levelBox_ = nullptr;     // 生産Ｌｖ
    QLineEdit* expBox_ = nullptr;       // 経験値
    QLineEdit* runsBox_ = nullptr;      // 回数
    QLineEdit* totalExpBox_ = nullptr;  // 合計値
    QLineEdit* weightBox_ = nullptr;    // 重量 of one product
    std::array<MaterialRow, 3> materials_{};
    WeightBoxes weights_;
    InfoModes modes_;
    GuildPanel guildPanel_;
    QPlainTextEdit* infoBox_ = nullptr;

    QList<GuildPlace> guildPlaces_;  // in the order of the place list

    QGroupBox* frame_ = nullptr;
    QGroupBox* modeFrame_ = nullptr;
    QGroupBox* guildFrame_ = nullptr;
    // 作業名, 生産品, 生産Ｌｖ, 経験値, 回数, 重量, 材料, 数量, 重量 (per run), 合計値.
    struct Captions {
        QLabel* work = nullptr;
        QLabel* product = nullptr;
        QLabel* level = nullptr;
        QLabel* exp = nullptr;
        QLabel* runs = nullptr;
        QLabel* weight = nullptr;
        QLabel* materials = nullptr;
        QLabel* count = nullptr;
        QLabel* materialWeight = nullptr;
        QLabel* totalExp = nullptr;
        QLabel* currentWeight = nullptr;
        QLabel* maximumWeight = nullptr;
        QLabel* place = nullptr;
        QLabel* building = nullptr;
        QLabel* person = nullptr;
    } captions_;

    AppData& data_;
    Dialogs& dialogs_;
    MaterialTreeWindow::Program program_;
    // A material of the chosen product was found nowhere: its weight is unknown.
    bool unknownMaterial_ = false;
    bool choosingProduct_ = false;  // a product choice fills the rows: no edits to follow
};

}  // namespace wm
