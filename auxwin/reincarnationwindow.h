#pragma once

#include <QList>
#include <QString>
#include <QWidget>
#include <array>

#include "appdata.h"
#include "controls.h"

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

    enum class List { Name, Job, SaveTime };
    // The position a list had when an entry was chosen last; 0 with nothing chosen.
    int chosenPosition(List list) const { return chosenPositions_[size_t(list)]; }
    // What the save shown last put into the level box and the eight value boxes.
    struct LoadedStatus {
        QString level;
        std::array<QString, 8> values;  // HP, 体力, 知力, 幸運, MP, 敏捷, 筋力, 魅力
    };
    const LoadedStatus& loadedStatus() const { return loaded_; }
    // Why the character data file could not be read when the window loaded ("" when it was
    // read or is missing); the program tells the user.
    const QString& historyProblem() const { return historyProblem_; }

  private:
    // Reads the character data file, fills the job and name lists, chooses the first name.
    void load();
    // "計算": fills the result boxes, or silently empties them.
    void calculate();

    // The eight values with their captions, as input or as result, in the order HP, 体力,
    // 知力, 幸運, MP, 敏捷, 筋力, 魅力.
    using ValueBoxes = std::array<CaptionedBox, 8>;

    void buildControls();
    void buildLayout();
    void installKeyHandlers();
    void showListChoice(List list);
    void showSave();
    void emptyResults();
    // Every box that takes digits only, in tab order.
    QList<QLineEdit*> numberBoxes() const;

    AppData& data_;

    QGroupBox* inputFrame_ = nullptr;
    QGroupBox* resultFrame_ = nullptr;
    QComboBox* nameList_ = nullptr;      // "名前"
    QComboBox* jobList_ = nullptr;       // "職業"
    QComboBox* saveTimeList_ = nullptr;  // "日付"
    QLabel* nameCaption_ = nullptr;
    QLabel* jobCaption_ = nullptr;
    QLabel* saveTimeCaption_ = nullptr;
    QLineEdit* countBox_ = nullptr;  // "転生回数"
    QLabel* countCaption_ = nullptr;
    QLineEdit* levelBox_ = nullptr;  // "Lv．"
    QLabel* levelCaption_ = nullptr;
    ValueBoxes inputs_;
    ValueBoxes results_;
    QPushButton* calculateButton_ = nullptr;  // "計算"

    std::array<int, 3> chosenPositions_{};
    LoadedStatus loaded_;
    QString historyProblem_;
};

}  // namespace wm
