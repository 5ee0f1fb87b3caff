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
    virtual bool isCalculationPageShown(int code) = 0;
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

  private:
    // Presets the choices from the visible main window, unless opened at startup.
    void presetFromMain();

    // "適用": applies the choices and stays open.
    void applyChoices();
    // "起動" / "ＯＫ": applies the choices and closes.
    void confirm();
    // "終了" / "キャンセル".
    void cancel();

    // One line of two choices: the small window or the calculation page first.
    struct ChoiceLine {
        QGroupBox* frame = nullptr;
        QLabel* caption = nullptr;
        std::array<QRadioButton*, 2> options{};
    };
    WindowChoice chosen() const;
    void showChoice(const WindowChoice& choice);

    // Shows the chosen size and page and saves them.
    void applyChosen();
    void restoreOpenedState();
    void showInFront();

    AppData& data_;
    Dialogs& dialogs_;
    SettingsHost& host_;

    ChoiceLine startPage_;                  // "初期画面": 計算機, キャラデータ
    ChoiceLine windowSize_;                 // "画面サイズ": 小画面, 大画面
    QPushButton* applyButton_ = nullptr;    // "適用"
    QPushButton* confirmButton_ = nullptr;  // "起動" / "ＯＫ"
    QPushButton* closeButton_ = nullptr;    // "終了" / "キャンセル"
    bool openedFromMain_ = false;           // the buttons show ＯＫ / キャンセル / 適用
};

}  // namespace wm
