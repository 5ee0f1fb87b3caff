#pragma once

// The controls of a main window as the tests reach them: by their objectNames.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "childwidget.h"
#include "mainwindow.h"

namespace wmtest {

// The calculation page's controls.
struct CalcControls {
    explicit CalcControls(QWidget& w)
        : startLevelBox(child<QLineEdit>(&w, "startLevelBox")),
          targetLevelBox(child<QLineEdit>(&w, "targetLevelBox")),
          startLevelExpLabel(child<QLabel>(&w, "startLevelExpLabel")),
          remainingExpCheck(child<QCheckBox>(&w, "remainingExpCheck")),
          remainingExpBox(child<QLineEdit>(&w, "remainingExpBox")),
          workList(child<QComboBox>(&w, "workList")),
          productCaption(child<QLabel>(&w, "productCaption")),
          productList(child<QComboBox>(&w, "productList")),
          productLevelBox(child<QLineEdit>(&w, "productLevelBox")),
          stepsBox(child<QLineEdit>(&w, "stepsBox")),
          stepExpBox(child<QLineEdit>(&w, "stepExpBox")),
          runExpBox(child<QLineEdit>(&w, "runExpBox")),
          runsBox(child<QLineEdit>(&w, "runsBox")),
          materialsBox(child<QPlainTextEdit>(&w, "materialsBox")),
          showWeightCheck(child<QCheckBox>(&w, "showWeightCheck")),
          showStepsCheck(child<QCheckBox>(&w, "showStepsCheck")),
          tabOrderFrame(child<QGroupBox>(&w, "tabOrderFrame")),
          expTabOrderOption(child<QRadioButton>(&w, "expTabOrderOption")),
          countTabOrderOption(child<QRadioButton>(&w, "countTabOrderOption")),
          calculateButton(child<QPushButton>(&w, "calculateButton")),
          expListButton(child<QPushButton>(&w, "expListButton")),
          clearButton(child<QPushButton>(&w, "clearButton")),
          saveResultButton(child<QPushButton>(&w, "saveResultButton")),
          runsNeededButton(child<QPushButton>(&w, "runsNeededButton")),
          runTotalsButton(child<QPushButton>(&w, "runTotalsButton")),
          resultBox(child<QPlainTextEdit>(&w, "resultBox")),
          helpLabel(child<QLabel>(&w, "calculationHelpLabel")) {}

    QLineEdit* startLevelBox;
    QLineEdit* targetLevelBox;
    QLabel* startLevelExpLabel;
    QCheckBox* remainingExpCheck;
    QLineEdit* remainingExpBox;
    QComboBox* workList;
    QLabel* productCaption;
    QComboBox* productList;
    QLineEdit* productLevelBox;
    QLineEdit* stepsBox;
    QLineEdit* stepExpBox;
    QLineEdit* runExpBox;
    QLineEdit* runsBox;
    QPlainTextEdit* materialsBox;
    QCheckBox* showWeightCheck;
    QCheckBox* showStepsCheck;
    QGroupBox* tabOrderFrame;
    QRadioButton* expTabOrderOption;
    QRadioButton* countTabOrderOption;
    QPushButton* calculateButton;
    QPushButton* expListButton;
    QPushButton* clearButton;
    QPushButton* saveResultButton;
    QPushButton* runsNeededButton;
    QPushButton* runTotalsButton;
    QPlainTextEdit* resultBox;
    QLabel* helpLabel;
};

inline CalcControls calc(QWidget& w) {
    return CalcControls(w);
}

// The window's own controls: menus, tab buttons and the calculation page. The character
// page is created on first use: tests reach it through MainWindow::characterPage(). So is
// the calculation page of a window that opened on the character page: null here until then.
struct ShellControls {
    explicit ShellControls(QWidget& w)
        : fileMenu(child<QMenu>(&w, "fileMenu")),
          saveCharacterDataAction(child<QAction>(&w, "saveCharacterDataAction")),
          showCharacterDataAction(child<QAction>(&w, "showCharacterDataAction")),
          saveResultAction(child<QAction>(&w, "saveResultAction")),
          closeAction(child<QAction>(&w, "closeAction")),
          aboutAction(child<QAction>(&w, "aboutAction")),
          startupSettingsAction(child<QAction>(&w, "startupSettingsAction")),
          calculationPage(w.findChild<QFrame*>(QStringLiteral("calculationPage"))),
          window_(w) {}

    // The 表示 menu entry of a tab action.
    QAction* tabAction(wm::TabAction action) const {
        return child<QAction>(&window_, actionName(action));
    }
    // The tab button of an action; null for the size switch, which has none.
    QPushButton* tabButton(wm::TabAction action) const {
        const char* name = buttonName(action);
        return name ? child<QPushButton>(&window_, name) : nullptr;
    }

    QMenu* fileMenu;
    QAction* saveCharacterDataAction;
    QAction* showCharacterDataAction;
    QAction* saveResultAction;
    QAction* closeAction;
    QAction* aboutAction;
    QAction* startupSettingsAction;
    QFrame* calculationPage;

  private:
    static const char* actionName(wm::TabAction action) {
        switch (action) {
            case wm::TabAction::CalculationPage:
                return "calculationPageAction";
            case wm::TabAction::CharacterPage:
                return "characterPageAction";
            case wm::TabAction::SwitchSize:
                return "windowSizeAction";
            case wm::TabAction::ProductWindow:
                return "productWindowAction";
            case wm::TabAction::Reincarnation:
                return "reincarnationAction";
            default:
                return "noSuchAction";
        }
    }
    static const char* buttonName(wm::TabAction action) {
        switch (action) {
            case wm::TabAction::CalculationPage:
                return "calculationPageButton";
            case wm::TabAction::CharacterPage:
                return "characterPageButton";
            case wm::TabAction::ProductWindow:
                return "productWindowButton";
            case wm::TabAction::Reincarnation:
                return "reincarnationButton";
            default:
                return nullptr;
        }
    }

    QWidget& window_;
};

inline ShellControls shell(QWidget& w) {
    return ShellControls(w);
}

}  // namespace wmtest
