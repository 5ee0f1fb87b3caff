#include "aboutwindow.h"

#include <QApplication>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QLocale>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "desktopinput.h"
#include "sysinfo.h"
#include "textrules.h"
#include "version.h"

namespace wm {

namespace {

// The two halves of an etched rule: a shadow line over a light one.
QFrame* makeLine(QPalette::ColorRole role) {
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Plain);
    line->setFixedHeight(1);
    QPalette colours = line->palette();
    colours.setColor(QPalette::WindowText, colours.color(role));
    line->setPalette(colours);
    return line;
}

}  // namespace

QString defaultDateTimeText(const QDateTime& time) {
    return QLocale::system().toString(time, QLocale::ShortFormat);
}

AboutWindow::AboutWindow(AppData& data, Dialogs& dialogs, QWidget* parent)
    : QWidget(parent, Qt::Window), data_(data), dialogs_(dialogs) {
    installDesktopInput();
    setObjectName(QStringLiteral("aboutWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    QFont base = font();
    base.setFamilies({QStringLiteral("Noto Sans CJK JP"), base.family()});
    base.setPointSize(9);
    setFont(base);

    picIcon = new QLabel;
    picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    lblTitle = new QLabel(QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ ﾀｲﾄﾙ"));
    QFont titleFont = base;
    titleFont.setPointSize(12);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = new QLabel(QStringLiteral("ﾊﾞｰｼﾞｮﾝ"));
    lblDescription = new QLabel(QStringLiteral(
        "このツールは、MMORPG（Wendmoor)内にある仕事技術のレベルUPに必要な経験値などを求める計"
        "算機です。"));
    description_ = lblDescription->text();
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    lblDisclaimer = new QLabel(
        QStringLiteral("警告: このツールの計算結果はゲーム内の実際の値と異なる場合があります。"
                       "データファイルの内容を確かめたうえ、ご自身の責任でお使いください。"));
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Line1[0] = makeLine(QPalette::Dark);
    Line1[1] = makeLine(QPalette::Light);
    cmdOK = new QPushButton(QStringLiteral("OK"));
    cmdOK->setDefault(true);
    cmdSysInfo = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
    connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::closeWindow);
    connect(cmdSysInfo, &QPushButton::clicked, this, &AboutWindow::openSystemInfo);

    // Load: the title and version replace the design texts.
    setWindowTitle(data_.appTitle + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    lblVersion->setText(QStringLiteral("Ver. %1. %2. %3")
                            .arg(kVersionMajor)
                            .arg(kVersionMinor)
                            .arg(kVersionRevision));
    lblTitle->setText(data_.appTitle);

    auto* head = new QGridLayout;
    head->setHorizontalSpacing(12);
    head->addWidget(picIcon, 0, 0, 3, 1);
    head->addWidget(lblTitle, 0, 1);
    head->addWidget(lblVersion, 1, 1);
    head->addWidget(lblDescription, 2, 1);
    head->setColumnStretch(1, 1);
    head->setRowStretch(2, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch();
    auto* foot = new QHBoxLayout;
    foot->setSpacing(12);
    foot->addWidget(lblDisclaimer, 1);
    foot->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    layout->addLayout(head, 1);
    auto* rule = new QVBoxLayout;
    rule->setSpacing(0);
    rule->addWidget(Line1[0]);
    rule->addWidget(Line1[1]);
    layout->addLayout(rule);
    layout->addLayout(foot);
    // The description grows by the appended lines; a fixed width keeps it wrapping.
    setMinimumWidth(440);
    resize(440, sizeHint().height());
    fitHeight();
}

void AboutWindow::appendFileTime(const QString& caption, const QString& nativePath) {
    const QFileInfo file(nativePath);
    const QString time = file.exists() && file.isFile() ? defaultDateTimeText(file.lastModified())
                                                        : QStringLiteral("不明");
    lblDescription->setText(lblDescription->text() + QStringLiteral("\n\n") + caption + time);
}

void AboutWindow::appendUpdateTimes() {
    // Each opening shows the times as they are now, once.
    lblDescription->setText(description_);
    appendFileTime(QStringLiteral("生産データ更新日時："),
                   data_.nativeDataPath(FileListEntry::Products));
    appendFileTime(
        QStringLiteral("プログラム更新日時："),
        toNativePath(joinPath(data_.programFolder, data_.fileList[FileListEntry::ProgramFile])));
    fitHeight();
}

void AboutWindow::fitHeight() {
    // The wrapped description needs a height for the window's width, which a top-level
    // window does not ask its layout for by itself.
    layout()->activate();
    const int needed = layout()->totalHeightForWidth(width());
    setMinimumHeight(needed);
    if (height() < needed)
        resize(width(), needed);
}

void AboutWindow::closeWindow() {
    close();
}

void AboutWindow::openSystemInfo() {
    StartSysInfo(dialogs_, data_.appTitle);
}

}  // namespace wm
