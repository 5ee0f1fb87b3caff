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
#include "widgets.h"

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
    closeOnEscape(this);
    setFont(windowFont(font(), 9));

    iconLabel_ = new QLabel;
    iconLabel_->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
    iconLabel_->setAlignment(Qt::AlignTop | Qt::AlignHCenter);
    titleLabel_ = new QLabel(QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ ﾀｲﾄﾙ"));
    QFont titleFont = windowFont(font(), 12);
    titleFont.setBold(true);
    titleLabel_->setFont(titleFont);
    versionLabel_ = new QLabel(QStringLiteral("ﾊﾞｰｼﾞｮﾝ"));
    descriptionLabel_ = new QLabel(QStringLiteral(
        "このツールは、MMORPG（Wendmoor)内にある仕事技術のレベルUPに必要な経験値などを求める計"
        "算機です。"));
    description_ = descriptionLabel_->text();
    descriptionLabel_->setWordWrap(true);
    descriptionLabel_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    disclaimerLabel_ = new QLabel(
        QStringLiteral("警告: このツールの計算結果はゲーム内の実際の値と異なる場合があります。"
                       "データファイルの内容を確かめたうえ、ご自身の責任でお使いください。"));
    disclaimerLabel_->setWordWrap(true);
    disclaimerLabel_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    rule_[0] = makeLine(QPalette::Dark);
    rule_[1] = makeLine(QPalette::Light);
    okButton_ = new QPushButton(QStringLiteral("OK"));
    okButton_->setDefault(true);
    systemInfoButton_ = new QPushButton(QStringLiteral("ｼｽﾃﾑ情報(&S)..."));
    connect(okButton_, &QPushButton::clicked, this, &AboutWindow::closeWindow);
    connect(systemInfoButton_, &QPushButton::clicked, this, &AboutWindow::openSystemInfo);

    iconLabel_->setObjectName(QStringLiteral("iconLabel"));
    titleLabel_->setObjectName(QStringLiteral("titleLabel"));
    versionLabel_->setObjectName(QStringLiteral("versionLabel"));
    descriptionLabel_->setObjectName(QStringLiteral("descriptionLabel"));
    disclaimerLabel_->setObjectName(QStringLiteral("disclaimerLabel"));
    rule_[0]->setObjectName(QStringLiteral("ruleShadow"));
    rule_[1]->setObjectName(QStringLiteral("ruleLight"));
    okButton_->setObjectName(QStringLiteral("okButton"));
    systemInfoButton_->setObjectName(QStringLiteral("systemInfoButton"));

    // Load: the title and version replace the design texts.
    setWindowTitle(data_.appTitle + QStringLiteral("のﾊﾞｰｼﾞｮﾝ情報"));
    versionLabel_->setText(QStringLiteral("Ver. %1. %2. %3")
                               .arg(kVersionMajor)
                               .arg(kVersionMinor)
                               .arg(kVersionRevision));
    titleLabel_->setText(data_.appTitle);

    auto* head = new QGridLayout;
    head->setHorizontalSpacing(12);
    head->addWidget(iconLabel_, 0, 0, 3, 1);
    head->addWidget(titleLabel_, 0, 1);
    head->addWidget(versionLabel_, 1, 1);
    head->addWidget(descriptionLabel_, 2, 1);
    head->setColumnStretch(1, 1);
    head->setRowStretch(2, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(okButton_);
    buttons->addWidget(systemInfoButton_);
    buttons->addStretch();
    auto* foot = new QHBoxLayout;
    foot->setSpacing(12);
    foot->addWidget(disclaimerLabel_, 1);
    foot->addLayout(buttons);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);
    layout->addLayout(head, 1);
    auto* rule = new QVBoxLayout;
    rule->setSpacing(0);
    rule->addWidget(rule_[0]);
    rule->addWidget(rule_[1]);
    layout->addLayout(rule);
    layout->addLayout(foot);
    // The description grows by the appended lines; a fixed width keeps it wrapping.
    setFixedWidth(440);
    resize(440, sizeHint().height());
    fitHeight();
}

void AboutWindow::appendFileTime(const QString& caption, const QString& nativePath) {
    const QFileInfo file(nativePath);
    const QString time = file.exists() && file.isFile() ? defaultDateTimeText(file.lastModified())
                                                        : QStringLiteral("不明");
    descriptionLabel_->setText(descriptionLabel_->text() + QStringLiteral("\n\n") + caption + time);
}

void AboutWindow::appendUpdateTimes() {
    // Each opening shows the times as they are now, once.
    descriptionLabel_->setText(description_);
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
    // Nothing here gains from more room: the window is as high as its text needs.
    setFixedHeight(layout()->totalHeightForWidth(width()));
}

void AboutWindow::closeWindow() {
    close();
}

void AboutWindow::openSystemInfo() {
    startSystemInfo(dialogs_, data_.appTitle);
}

}  // namespace wm
