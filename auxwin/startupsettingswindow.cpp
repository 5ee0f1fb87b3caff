#include "startupsettingswindow.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "desktopinput.h"
#include "keyfilter.h"
#include "options.h"

namespace wm {

namespace {

const QString kCancel = QStringLiteral("キャンセル");

QRadioButton* makeOption(const QString& caption, const QString& tip) {
    auto* option = new QRadioButton(caption);
    option->setToolTip(tip);
    return option;
}

QGroupBox* makeChoice(const QString& tip, QLabel* label, QRadioButton* first,
                      QRadioButton* second) {
    auto* frame = new QGroupBox;
    frame->setToolTip(tip);
    auto* row = new QHBoxLayout(frame);
    row->setContentsMargins(10, 6, 10, 6);
    row->addWidget(label);
    row->addSpacing(12);
    row->addWidget(first);
    row->addWidget(second);
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
    QFont base = font();
    base.setFamilies({QStringLiteral("Noto Sans CJK JP"), base.family()});
    base.setPointSize(9);
    setFont(base);

    const QString frameTip = QStringLiteral("起動時の画面サイズを設定します");
    const QString largerTip = QStringLiteral("起動時の計算機の画面サイズを大きい方に設定します");
    const QString smallerTip = QStringLiteral("起動時の計算機の画面サイズを小さい方に設定します");
    lblOpt[1] = new QLabel(QStringLiteral("初期画面"));
    optWin[1] = makeOption(QStringLiteral("計算機"), largerTip);
    optWin[2] = makeOption(QStringLiteral("キャラデータ"), smallerTip);
    frmOpt[1] = makeChoice(frameTip, lblOpt[1], optWin[1], optWin[2]);
    lblOpt[0] = new QLabel(QStringLiteral("画面サイズ"));
    optWinSiz[1] = makeOption(QStringLiteral("小画面"), smallerTip);
    optWinSiz[2] = makeOption(QStringLiteral("大画面"), largerTip);
    frmOpt[0] = makeChoice(frameTip, lblOpt[0], optWinSiz[1], optWinSiz[2]);
    // Both labels take the same width so the options line up.
    const int labelWidth = qMax(lblOpt[0]->sizeHint().width(), lblOpt[1]->sizeHint().width());
    lblOpt[0]->setFixedWidth(labelWidth);
    lblOpt[1]->setFixedWidth(labelWidth);
    optWin[1]->setChecked(true);
    optWinSiz[1]->setChecked(true);

    cmdSet = new QPushButton(QStringLiteral("適用"));
    cmdSetup = new QPushButton(QStringLiteral("起動"));
    cmdEnd = new QPushButton(QStringLiteral("終了"));
    cmdSet->hide();
    connect(cmdSet, &QPushButton::clicked, this, &StartupSettingsWindow::applyChoices);
    connect(cmdSetup, &QPushButton::clicked, this, &StartupSettingsWindow::confirm);
    connect(cmdEnd, &QPushButton::clicked, this, &StartupSettingsWindow::cancel);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addWidget(frmOpt[1]);
    layout->addWidget(frmOpt[0]);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSet);
    buttons->addWidget(cmdSetup);
    buttons->addWidget(cmdEnd);
    layout->addLayout(buttons);
    setMinimumWidth(320);

    // Enter on a choice confirms it, as the first button of a settings box would.
    for (QRadioButton* option : {optWin[1], optWin[2], optWinSiz[1], optWinSiz[2]}) {
        KeyFilter::install(option, [this](int& code) {
            if (code == kKeyEnter) {
                code = 0;
                cmdSetup->click();
            }
        });
    }

    presetFromMain();
}

void StartupSettingsWindow::presetFromMain() {
    if (data_.optionsMissing == 1)
        return;
    const int size = host_.isMainVisible(1) ? 1 : 2;
    optWinSiz[size]->setChecked(true);
    optWin[host_.isCalcPageShown(size) ? 1 : 2]->setChecked(true);
}

void StartupSettingsWindow::openFromMain() {
    cmdSetup->setText(QStringLiteral("ＯＫ"));
    cmdEnd->setText(kCancel);
    cmdSet->show();
    presetFromMain();
    showInFront();
}

void StartupSettingsWindow::applyChoices() {
    apply(false);
}

void StartupSettingsWindow::confirm() {
    apply(true);
}

void StartupSettingsWindow::apply(bool start) {
    // A non-zero code makes the size switch hide this window.
    data_.settingsOpener = start ? 1 : 0;
    const int size = optWinSiz[1]->isChecked() ? 1 : 2;
    applyOption(data_, host_, QString::number(size), OptionLine::WindowSize);
    const int page = optWin[1]->isChecked() ? 1 : 2;
    applyOption(data_, host_, QString::number(page), OptionLine::Page);
    saveOptions(data_, dialogs_, page * 10 + size);
    if (!start)
        showInFront();  // stays in front of the main window just shown
}

void StartupSettingsWindow::cancel() {
    if (data_.settingsOpener < 2) {
        if (cmdEnd->text() == kCancel)
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
    const int size = data_.settingsOpener / 10;
    const int page = data_.settingsOpener % 10;
    if ((size != 1 && size != 2) || (page != 1 && page != 2))
        return;
    optWinSiz[size]->setChecked(true);
    optWin[page]->setChecked(true);
    if (!host_.isMainVisible(size)) {
        if (host_.isMainVisible(3 - size))
            host_.hideMain(3 - size);
        host_.showMain(size);
    }
    host_.switchPage(size, page);
    showInFront();
}

void StartupSettingsWindow::showInFront() {
    show();
    raise();
    activateWindow();
}

}  // namespace wm
