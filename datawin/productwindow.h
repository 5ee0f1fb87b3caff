#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <array>
#include <optional>
#include <utility>

#include "appdata.h"
#include "dialogs.h"
#include "production.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

namespace wm {

// The product display window: browse the products of a work with their materials, carry
// counts, effects and the guild that teaches the work. Both programs show it; the viewer
// also finds materials listed in section 29.
//
// Constructing it loads it (caption, lists, guild data, size, guild mode). It deletes
// itself when closed (Qt::WA_DeleteOnClose), so an opener keeps a QPointer and builds a new
// one on the next opening, which reads the guild data again.
class ProductWindow : public QWidget {
    Q_OBJECT

  public:
    ProductWindow(AppData& data, Dialogs& dialogs,
                  NecklaceSection necklaceSection = NecklaceSection::Skip,
                  QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Length in code page 932 bytes (double-byte characters count 2).
    qint16 textBytes(const QString& text) const;

    // The work list (作業) and the three material work lists.
    void fillWorkLists();
    // The place list of the guild panel for the chosen work, in ギルド or 習得 mode.
    void fillGuildPlaces();
    // 採取場所: the places where the chosen gathering product is found.
    void showGatheringPlaces();
    // The information text in 材料 mode: runs the free weight carries.
    void showMaterialInfo();
    // The information text in 生産品 mode: products the free weight carries.
    void showProductInfo();
    // "ss,rr" of the first material row named name (sections 1..6, 9..12, 32), "" if none.
    QString materialProductPosition(const QString& name) const;

    void buildControls();
    void buildLayout();
    void buildTabOrder();
    void installKeyHandlers();
    void connectHandlers();

    void onWorkChosen();
    void onMaterialWorkChosen(int k);
    void onMaterialChosen(int k);
    void onProductChosen();
    void onGuildPlaceChosen();
    void onGuildModeClicked(bool learning);
    void refreshInfo();
    void updateTotalExp();
    bool fillMaterialRow(int k, QString& list, bool& done);
    void emptyMaterialRow(int k);
    std::optional<std::pair<int, int>> findMaterial(const QString& name) const;
    // 材料の内訳 of the chosen work and product.
    void openMaterialTree();

    // Position of the chosen entry; -1 when the edit field no longer shows it.
    static int listPos(const QComboBox* list);
    static void emptyEdit(QComboBox* list);
    int workPos() const;
    // The number boxes of the product and its materials, and the total weight.
    std::array<QLineEdit*, 15> numberBoxes() const;
    void clearGuildDetails();
    int workSection() const;

    // One material row: its work (材料), level, material name, 数量 and 重量 per run.
    struct MaterialRow {
        QComboBox* workList = nullptr;
        QLineEdit* level = nullptr;
        QComboBox* nameList = nullptr;
        QLineEdit* count = nullptr;
        QLineEdit* weight = nullptr;
    };
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
        QLabel* conditionLabel = nullptr;
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
    QPlainTextEdit* infoText_ = nullptr;

    // What a place of the guild panel shows beside its name: 建物, 人物 and, for 習得, 条件.
    // Each keeps those of the section it was read from, whichever section listed it.
    struct GuildPlace {
        QString building;
        QString person;
        QString condition;
    };
    static GuildPlace guildPlace(const QString& detail, const QString& condition);
    QList<GuildPlace> guildPlaces_;  // in the order of the place list
    QGroupBox* frame_ = nullptr;
    QGroupBox* modeFrame_ = nullptr;
    QGroupBox* guildFrame_ = nullptr;
    // 作業名, 生産品, 生産Ｌｖ, 経験値, 回数, 重量, 材料, 数量, 重量 (per run), 合計値.
    struct Labels {
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
    } labels_;

    AppData& data_;
    Dialogs& dialogs_;
    NecklaceSection necklaceSection_;
    // A material of the chosen product was found nowhere: its weight is unknown.
    bool unknownMaterial_ = false;
};

}  // namespace wm
