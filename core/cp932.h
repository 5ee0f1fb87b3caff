#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "filewrite.h"

namespace wm {

struct ReadResult {
    bool ok = false;
    QStringList lines;
    QString error;
};

// Decodes code page 932 bytes; an invalid sequence becomes U+001A and never throws.
QString decodeCp932(const QByteArray& bytes);
// Encodes to code page 932; false when a character has no code in it.
bool encodeCp932(const QString& text, QByteArray* out);
bool canEncodeCp932(const QString& text);

// Far above the largest legal data or history file; a larger one is refused unread.
constexpr qint64 kMaxTextFileBytes = qint64(64) << 20;

// Reads a whole code page 932 text file. Lines end with CR LF; a lone CR or LF also ends a
// line, and a last line without an end is kept. Only a regular file of at most
// kMaxTextFileBytes is read; anything else fails with the reason in error.
ReadResult readTextLines(const QString& nativePath);

// Replaces the file with text (already holding its CR LF line ends) through a temporary
// file, so a failed write leaves the old file as it was.
FileResult writeTextFile(const QString& nativePath, const QString& text);
// Each line followed by CR LF.
FileResult writeLines(const QString& nativePath, const QStringList& lines);
// Appends line and CR LF in one write, preceded by CR LF when the file does not end with one;
// on a short write the file is cut back to its old size.
FileResult appendLine(const QString& nativePath, const QString& line);

}  // namespace wm
