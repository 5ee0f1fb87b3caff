#pragma once

#include <QByteArray>
#include <QString>

namespace wm {

// Outcome of a file operation; error holds the reason shown to the user.
struct FileResult {
    bool ok = true;
    QString error;
};

// Replaces the file with bytes through a temporary file beside it: write, sync and close of
// the new file are each checked before it takes the old one's place, so any failure keeps
// the old file and reports the system's reason.
FileResult replaceFile(const QString& nativePath, const QByteArray& bytes);
// Appends bytes to the file (created when missing). A failed write cuts the file back to
// its old size, or removes it when it did not exist, and reports the system's reason.
FileResult appendToFile(const QString& nativePath, const QByteArray& bytes);

}  // namespace wm
