#include "startupsettingswindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "controls.h"
#include "desktopinput.h"
#include "keyfilter.h"
#include "messages.h"
#include "options.h"
#include "widgets.h"

namespace wm {

namespace {

template <class Line>
QGroupBox* makeChoice(const QString& tip, const Line& line) {
    QGroupBox* frame = makeFrame(nullptr, tip);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(10, 6, 10, 6);
    row->addWidget(line.caption);
    row->addSpacing(12);
    row->addWidget(line.options[0]);
    row->addWidget(line.options[1]);
    row->addStretch();
    return frame;
}

}  // namespace

StartupSettingsWindow::StartupSettingsWindow(AppData& data, Dialogs& dialogs, SettingsHost& host,
                                             QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), dialogs_(dialogs), host_(host) {
    installDesktopInput();
    setObjectName(QStringLiteral("startupSettingsWindow"));
    setWindowTitle(QStringLiteral("起動設定"));
    setFont(windowFont(font(), 9));

    const QString frameTip = QStringLiteral("起動時の画面サイズを設定します");
    const QString largerTip = QStringLiteral("起動時の計算機の画面サイズを大きい方に設定します");
    const QString smallerTip = QStringLiteral("起動時の計算機の画面サイズを小さい方に設定します");
    startPage_.caption = new QLabel(QStringLiteral("初期画面"));
    startPage_.options = {makeOption(nullptr, QStringLiteral("計算機(&C)"), largerTip),
                          makeOption(nullptr, QStringLiteral("キャラデータ(&D)"), smallerTip)};
    startPage_.frame = makeChoice(frameTip, startPage_);
    startPage_.frame->setObjectName(QStringLiteral("startPageFrame"));
    startPage_.caption->setObjectName(QStringLiteral("startPageCaption"));
    startPage_.options[0]->setObjectName(QStringLiteral("startPageCalculatorOption"));
    startPage_.options[1]->setObjectName(QStringLiteral("startPageCharacterDataOption"));
    windowSize_.caption = new QLabel(QStringLiteral("画面サイズ"));
    windowSize_.options = {makeOption(nullptr, QStringLiteral("小画面(&S)"), smallerTip),
                           makeOption(nullptr, QStringLiteral("大画面(&L)"), largerTip)};
    windowSize_.frame = makeChoice(frameTip, windowSize_);
    windowSize_.frame->setObjectName(QStringLiteral("windowSizeFrame"));
    windowSize_.caption->setObjectName(QStringLiteral("windowSizeCaption"));
    windowSize_.options[0]->setObjectName(QStringLiteral("windowSizeSmallOption"));
    windowSize_.options[1]->setObjectName(QStringLiteral("windowSizeLargeOption"));
    // Both captions take the same width so the options line up.
    const int labelWidth =
        qMax(windowSize_.caption->sizeHint().width(), startPage_.caption->sizeHint().width());
    windowSize_.caption->setFixedWidth(labelWidth);
    startPage_.caption->setFixedWidth(labelWidth);
    showChoice(WindowChoice{});

    applyButton_ = new QPushButton(QStringLiteral("適用(&A)"));
    applyButton_->setObjectName(QStringLiteral("applyButton"));
    confirmButton_ = new QPushButton(QStringLiteral("起動(&R)"));
    confirmButton_->setObjectName(QStringLiteral("confirmButton"));
    closeButton_ = new QPushButton(QStringLiteral("終了(&X)"));
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    applyButton_->hide();
    connect(applyButton_, &QPushButton::clicked, this, &StartupSettingsWindow::applyChoices);
    connect(confirmButton_, &QPushButton::clicked, this, &StartupSettingsWindow::confirm);
    connect(closeButton_, &QPushButton::clicked, this, &StartupSettingsWindow::cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(startPage_.frame);
    layout->addWidget(windowSize_.frame);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(applyButton_);
    buttons->addWidget(confirmButton_);
    buttons->addWidget(closeButton_);
    layout->addLayout(buttons);
    // 320 pixels wide at least; nothing here gains from more room, so the size is fixed.
    layout->addStrut(320 - 2 * 10);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // Each line is one stop of Tab, on its chosen option; the arrow keys choose within it.
    for (const ChoiceLine* line : {&startPage_, &windowSize_})
        tabToCheckedOption({line->options[0], line->options[1]});

    // Enter on a choice confirms it, as the first button of a settings box would.
    for (const ChoiceLine* line : {&startPage_, &windowSize_}) {
        for (QRadioButton* option : line->options) {
            KeyFilter::install(option, [this](int& code) {
                if (code == kKeyEnter) {
                    code = 0;
                    confirmButton_->click();
                }
            });
        }
    }

    // Escape is キャンセル and closes; at the first start there is nothing to cancel.
    closeOnEscape(this, [this] {
        if (!openedFromMain_)
            return;
        cancel();
        hide();
    });

    presetFromMain();
}

WindowChoice StartupSettingsWindow::chosen() const {
    return {windowSize_.options[0]->isChecked() ? WindowSize::Small : WindowSize::Large,
            startPage_.options[0]->isChecked() ? StartPage::Calculation : StartPage::Character};
}

void StartupSettingsWindow::showChoice(const WindowChoice& choice) {
    windowSize_.options[choice.size == WindowSize::Small ? 0 : 1]->setChecked(true);
    startPage_.options[choice.page == StartPage::Calculation ? 0 : 1]->setChecked(true);
}

void StartupSettingsWindow::presetFromMain() {
    if (data_.optionsMissing)
        return;
    const int code = host_.isMainVisible(WindowCode::Small) ? WindowCode::Small : WindowCode::Large;
    showChoice({windowSizeOf(code), host_.isCalculationPageShown(code) ? StartPage::Calculation
                                                                       : StartPage::Character});
}

void StartupSettingsWindow::openFromMain() {
    confirmButton_->setText(QStringLiteral("ＯＫ"));
    closeButton_->setText(QStringLiteral("キャンセル"));
    applyButton_->show();
    openedFromMain_ = true;
    presetFromMain();
    showInFront();
}

void StartupSettingsWindow::applyChoices() {
    data_.settingsOpener = {};
    applyChosen();
    showInFront();  // stays in front of the main window just shown
}

void StartupSettingsWindow::confirm() {
    // The size switch then hides this window.
    data_.settingsOpener = {AppData::SettingsOpener::Kind::Confirm, {}};
    applyChosen();
}

void StartupSettingsWindow::applyChosen() {
    const WindowChoice choice = chosen();
    host_.openOnPage(windowCodeOf(choice.size), choice.page);
    applyWindowSize(data_, host_, choice.size);
    applyStartPage(host_, choice.page);
    if (const auto problem = saveOptions(data_, choice))
        showMessage(dialogs_, *problem);
}

void StartupSettingsWindow::cancel() {
    if (data_.settingsOpener.kind != AppData::SettingsOpener::Kind::MainWindow) {
        if (openedFromMain_)
            return;
        const auto answer = dialogs_.messageBox(QStringLiteral("終了しますか？"),
                                                QStringLiteral("プログラムの終了"),
                                                Dialogs::Buttons::OkCancel, Dialogs::Icon::None);
        if (answer == Dialogs::Answer::Ok)
            host_.endProgram();
        return;
    }
    restoreOpenedState();
}

// Cancel before anything was applied: back to the size and page that were showing when a
// main window opened this window, as settingsOpener recorded them.
void StartupSettingsWindow::restoreOpenedState() {
    const WindowChoice shown = data_.settingsOpener.shown;
    showChoice(shown);
    const int code = windowCodeOf(shown.size);
    if (!host_.isMainVisible(code)) {
        if (host_.isMainVisible(WindowCode::other(code)))
            host_.hideMain(WindowCode::other(code));
        host_.showMain(code);
    }
    host_.switchPage(code, shown.page);
    showInFront();
}

void StartupSettingsWindow::showInFront() {
    show();
    raise();
    activateWindow();
}

}  // namespace wm
