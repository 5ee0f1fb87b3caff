#pragma once

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

    // Controls, indexed as the window numbers them; unused indexes stay null.
    QGroupBox* fraData = nullptr;
    std::array<QLabel*, 11> lblData{};      // 1..10
    std::array<QComboBox*, 20> cmbData{};   // 6..9, 16..19
    std::array<QLineEdit*, 20> txtData{};   // 0, 2..12, 17..19
    std::array<QLabel*, 3> lblWeight{};     // 1..2
    std::array<QLineEdit*, 3> txtWeight{};  // 1..2
    QGroupBox* fraWet = nullptr;
    std::array<QRadioButton*, 2> optWet{};  // 0..1
    QGroupBox* frmGuild = nullptr;
    std::array<QRadioButton*, 3> optGP{};  // 1..2
    std::array<QLabel*, 5> lblGuild{};     // 1..4
    QComboBox* cmbGuild = nullptr;
    std::array<QLineEdit*, 5> txtGuild{};  // 2..4
    QPlainTextEdit* txtST = nullptr;

    // "building.person" of the guild place last chosen.
    QString guildPlaceDetail;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
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
    void onGuildModeClicked(int index);
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
    int workSection() const;

    AppData& data_;
    Dialogs& dialogs_;
    NecklaceSection necklaceSection_;
    // A material of the chosen product was found nowhere: its weight is unknown.
    bool unknownMaterial_ = false;
};

}  // namespace wm
