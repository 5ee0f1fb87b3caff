#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "appdata.h"
#include "dialogs.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;

namespace wm {

// The character data window "PCデータ表示": browse the saved characters, one save at a time. It
// only displays; nothing typed here goes anywhere.
//
// The opener runs loadHistory, then showSavedCharacters, then showWorkRowsForFame. The window
// deletes itself when the user closes it (Qt::WA_DeleteOnClose), so an opener keeps a QPointer.
class CharacterHistoryWindow : public QWidget {
    Q_OBJECT

  public:
    // Builds the window at its load size and fills the work lists of slots 7..12.
    CharacterHistoryWindow(AppData& data, Dialogs& dialogs, QWidget* parent = nullptr);

    // Fills the name list from history, chooses the first name and shows the window;
    // without any saved character it says so and stays closed. True when shown.
    bool showSavedCharacters();
    // Rows 10..12 of the work slots by the fame in txtPC(2).
    void showWorkRowsForFame();
    // The lists of slots 7..12: an empty entry, sections 7..28, then 30 and 31.
    void fillWorkLists();
    // Choosing a list entry (the user's click or the program's choice).
    void listChosen(int index);

    // Work codes 7..28 sit at position code - 6; codes 29 and 30 (sections 30 and 31)
    // follow at 23 and 24. -1 for a code these lists do not hold.
    static int workListPos(double code);

    // Controls, indexed as the window numbers them; unused indexes stay null.
    QGroupBox* frmPCS = nullptr;
    QGroupBox* frmWork = nullptr;
    std::array<QComboBox*, 3> cmbPC{};     // 1 name, 2 save time
    std::array<QLabel*, 13> lblPC{};       // 0..12
    std::array<QLineEdit*, 13> txtPC{};    // 2 fame, 3 job, 4 level, 5..12 status
    std::array<QCheckBox*, 13> chkWork{};  // 1..12
    std::array<QComboBox*, 13> cmbWork{};  // 1..12
    std::array<QLineEdit*, 13> txtWork{};  // 1..12

    // Tags: the list position chosen last, the work code and level text of each slot, the
    // text last put into a status box.
    std::array<QString, 3> cmbPCTag{};
    std::array<QString, 13> cmbWorkTag{};
    std::array<QString, 13> txtWorkTag{};
    std::array<QString, 13> txtPCTag{};

  private:
    void buildControls();
    void buildLayout();
    void installKeyHandlers();
    void showSave();
    void showWorks(QString w);
    void setStatus(int j, const QString& text);
    void restoreSavedWork(int k);

    AppData& data_;
    Dialogs& dialogs_;
};

}  // namespace wm
