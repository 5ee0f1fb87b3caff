#pragma once

#include <QByteArray>
#include <QString>

namespace wm {

// Outcome of a file operation; error holds the reason shown to the user.
struct FileResult {
    bool ok = true;
    QString error;
};

// The reason given for a path that names something other than a regular file: a folder,
// or a FIFO, a device and the like.
QString notRegularFile(bool folder);

// Replaces the file with bytes through a temporary file beside it: write, sync and close of
// the new file are each checked before it takes the old one's place, so any failure keeps
// the old file and reports the system's reason. A path that names anything but a regular
// file is refused untouched; the new file keeps the permissions of the regular file it
// replaces, or gets those of any new file.
FileResult replaceFile(const QString& nativePath, const QByteArray& bytes);
// Appends bytes to the file (created when missing) and syncs them. A path that names
// anything but a regular file is refused without waiting on it. A failed write, sync or
// close cuts the file back to its old size, or removes it when it did not exist, and
// reports the system's reason.
FileResult appendToFile(const QString& nativePath, const QByteArray& bytes);

}  // namespace wm
