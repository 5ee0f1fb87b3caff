#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

namespace wm {

QString trimLeadingBlanks(const QString& text);
QString trimTrailingBlanks(const QString& text);

// Splits a data line: the field is the text before the first separator (trailing blanks
// removed when asked), the rest is the text after it with leading blanks removed, so runs
// of blanks count as one separator; whatever is left at the end is the last field, which
// makes a line ending in a blank end with an empty field. With maxFields > 0 at most that
// many fields are made, the last holding the rest of the line.
QStringList splitFields(const QString& line, QChar separator, bool trimTrailing,
                        qsizetype maxFields = -1);
// The last field splitFields would give: the text after the last separator.
QString lastField(const QString& line, QChar separator);

// Cells joined by tabs: one line of the tab-separated texts.
QString tabLine(const QStringList& cells);

// Lines each ended by CR LF, as the data files hold them.
QString crlfText(const QStringList& lines);

// The text before the first sep (all of it when there is none), and the text after it
// (nothing when there is none, so a short line leaves the later fields empty).
QString textBefore(const QString& text, QChar sep);
QString textAfter(const QString& text, QChar sep);

// Folder and name joined with exactly one backslash.
QString joinPath(const QString& folder, const QString& name);
// Paths are kept with backslashes inside the program; this is the form a file is opened
// with and a message shows.
QString toNativePath(const QString& path);
// The program's own form of a folder the platform reports (no trailing separator except
// at the root).
QString programFolderFrom(const QString& platformDir);

// Length of text in code page 932 bytes: double-byte characters count 2, everything else
// (ASCII, half-width katakana) 1.
int byteLength(const QString& text);
// The longest start of text that is at most maxBytes long.
QString cutToBytes(const QString& text, int maxBytes);

// A control character (below a blank, or DEL): nothing a field or a path holds.
inline bool isControlCharacter(QChar ch) {
    return ch.unicode() < 0x20 || ch.unicode() == 0x7f;
}

// A key filter's character code for a half-width digit.
constexpr bool isDigitKey(int code) {
    return code >= '0' && code <= '9';
}
// What a number field does with a typed character: a digit is taken while the field holds
// fewer than maxLength (0: no limit), or when it replaces a selection. length is the
// field's length as that field counts it (characters or bytes).
enum class DigitKey { Taken, Full, NotDigit };
DigitKey digitKey(int code, qsizetype length, bool replacesSelection, int maxLength);

}  // namespace wm
