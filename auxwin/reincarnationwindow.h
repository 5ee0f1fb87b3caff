#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "appdata.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace wm {

// The reincarnation window "転生用ステータス表示": the status values after a reincarnation, from
// values typed in or loaded from a saved character.
//
// Constructing it loads it: the character data file is read, the job and name lists are
// filled and the first name is chosen. Showing it again does not reload; it deletes itself
// when the user closes it (Qt::WA_DeleteOnClose), so the next opening reads the file again.
class ReincarnationWindow : public QWidget {
    Q_OBJECT

  public:
    explicit ReincarnationWindow(AppData& data, QWidget* parent = nullptr);

    void load();
    // Choosing a list entry (the user's click or the program's choice).
    void listChosen(int index);
    // "計算": fills the result boxes, or silently empties them.
    void calculate();

    // Controls, indexed as the window numbers them; unused indexes stay null.
    QPushButton* cmdEX = nullptr;
    std::array<QGroupBox*, 2> frmPCS{};  // 0 input, 1 results
    std::array<QComboBox*, 13> cmbPC{};  // 0 name, 1 job, 12 save time
    std::array<QLineEdit*, 22> txtPC{};  // 2 count, 3 level, 4..11 values, 14..21 results
    std::array<QLabel*, 22> lblPC{};     // 0..12, 14..21

    // Tags: the list position chosen last, the text last loaded into a box.
    std::array<QString, 13> cmbPCTag{};
    std::array<QString, 22> txtPCTag{};

  private:
    void buildControls();
    void buildLayout();
    void installKeyHandlers();
    void showSave();
    void emptyResults();

    AppData& data_;
};

}  // namespace wm
