#pragma once

#include <QDateTime>
#include <QString>
#include <QWidget>
#include <array>

#include "appdata.h"
#include "dialogs.h"

class QFrame;
class QLabel;
class QPushButton;

namespace wm {

// The version window: title, version and description of the program, and a way to the system
// information tool. The opener appends the update times (appendUpdateTimes) and shows it.
// It deletes itself when closed (Qt::WA_DeleteOnClose), so an opener keeps a QPointer;
// appending again to a window still open replaces the lines.
class AboutWindow : public QWidget {
    Q_OBJECT

  public:
    AboutWindow(AppData& data, Dialogs& dialogs, QWidget* parent = nullptr);

    // Shows the modification times of the production data file and of the program file
    // (file list entry 7, taken from the program folder) after the description, in place
    // of the lines an earlier call added.
    void appendUpdateTimes();

  private:
    // Appends two line breaks, caption and the modification time of a file, or "不明" when
    // the file does not exist.
    void appendFileTime(const QString& caption, const QString& nativePath);

    // "OK".
    void closeWindow();
    // "ｼｽﾃﾑ情報(&S)...".
    void openSystemInfo();

    void fitHeight();

    QLabel* iconLabel_ = nullptr;
    QLabel* titleLabel_ = nullptr;
    QLabel* versionLabel_ = nullptr;
    QLabel* descriptionLabel_ = nullptr;
    QLabel* disclaimerLabel_ = nullptr;
    std::array<QFrame*, 2> rule_{};  // an etched line: shadow, then light
    QPushButton* okButton_ = nullptr;
    QPushButton* systemInfoButton_ = nullptr;

    QString description_;  // the description without the update lines

    AppData& data_;
    Dialogs& dialogs_;
};

// A time as the platform shows dates and times by default.
QString defaultDateTimeText(const QDateTime& time);

}  // namespace wm
