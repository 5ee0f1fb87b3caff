#pragma once

#include <QWidget>
#include <array>

#include "appdata.h"
#include "dialogs.h"
#include "startup.h"

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace wm {

// The program side of the settings window: the window operations of the option routines,
// plus what the window reads from the main windows and how the program ends.
class SettingsHost : public WindowOps {
  public:
    // Whether the main window of a size shows its calculation page.
    virtual bool isCalcPageShown(int code) = 0;
    virtual void endProgram() = 0;
};

// The startup settings window "起動設定": the start page and window size, applied at once and
// saved. At startup (no usable options file) it offers 起動 / 終了; opened from a main window it
// offers ＯＫ / キャンセル / 適用.
class StartupSettingsWindow : public QWidget {
    Q_OBJECT

  public:
    StartupSettingsWindow(AppData& data, Dialogs& dialogs, SettingsHost& host,
                          QWidget* parent = nullptr);

    // A main window opens the window: the buttons take their ＯＫ / キャンセル / 適用
    // captions, the choices follow the visible main window. settingsOpener is already set.
    void openFromMain();
    // Presets the choices from the visible main window, unless opened at startup.
    void presetFromMain();

    void applyChoices();
    void confirm();
    void cancel();

    QPushButton* cmdSet = nullptr;
    QPushButton* cmdEnd = nullptr;
    QPushButton* cmdSetup = nullptr;
    std::array<QGroupBox*, 2> frmOpt{};  // 0 window size, 1 start page
    std::array<QLabel*, 2> lblOpt{};
    std::array<QRadioButton*, 3> optWin{};     // 1 計算機, 2 キャラデータ
    std::array<QRadioButton*, 3> optWinSiz{};  // 1 小画面, 2 大画面

  private:
    void apply(bool start);
    void restoreOpenedState();
    void showInFront();

    AppData& data_;
    Dialogs& dialogs_;
    SettingsHost& host_;
};

}  // namespace wm
