#include "textrules.h"

#include <QDir>

#include "cp932.h"

namespace wm {

namespace {

const QChar kBlank(QLatin1Char(' '));
const QChar kBackslash(QLatin1Char('\\'));

int charBytes(const QString& ch) {
    if (ch.size() == 1 && ch.at(0).unicode() < 0x80)
        return 1;
    QByteArray bytes;
    if (!encodeCp932(ch, &bytes))
        return 1;  // no code in the code page: it would be written as "?"
    return int(bytes.size());
}

// Walks text one character (code point) at a time.
template <typename F>
void forEachChar(const QString& text, F f) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text.at(i).isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        if (!f(text.mid(i, n), i))
            return;
        i += n;
    }
}

}  // namespace

QString trimLeadingBlanks(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == kBlank)
        ++i;
    return text.mid(i);
}

QString trimTrailingBlanks(const QString& text) {
    qsizetype n = text.size();
    while (n > 0 && text.at(n - 1) == kBlank)
        --n;
    return text.left(n);
}

QStringList splitFields(const QString& line, QChar separator, bool trimTrailing,
                        qsizetype maxFields) {
    // Positions only, no copies of the rest: a line of many fields splits in linear time.
    QStringList fields;
    if (maxFields > 0)
        fields.reserve(maxFields);
    const QStringView text(line);
    auto add = [&](QStringView field) {
        if (trimTrailing) {
            while (!field.isEmpty() && field.back() == kBlank)
                field.chop(1);
        }
        fields << field.toString();
    };
    qsizetype start = 0;
    for (;;) {
        const qsizetype at = text.indexOf(separator, start);
        if (at < 0 || fields.size() + 1 == maxFields) {
            add(text.mid(start));
            return fields;
        }
        add(text.mid(start, at - start));
        start = at + 1;
        while (start < text.size() && text.at(start) == kBlank)
            ++start;
    }
}

QString lastField(const QString& line, QChar separator) {
    return line.mid(line.lastIndexOf(separator) + 1);
}

QString tabLine(const QStringList& cells) {
    return cells.join(QLatin1Char('\t'));
}

QString crlfText(const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

QString textBefore(const QString& text, QChar sep) {
    const qsizetype i = text.indexOf(sep);
    return i < 0 ? text : text.left(i);
}

QString textAfter(const QString& text, QChar sep) {
    const qsizetype i = text.indexOf(sep);
    return i < 0 ? QString() : text.mid(i + 1);
}

QString joinPath(const QString& folder, const QString& name) {
    if (folder.endsWith(kBackslash))
        return folder + name;
    return folder + kBackslash + name;
}

QString toNativePath(const QString& path) {
#ifdef Q_OS_WIN
    return QDir::toNativeSeparators(path);
#else
    QString p = path;
    p.replace(kBackslash, QLatin1Char('/'));
    return p;
#endif
}

QString programFolderFrom(const QString& platformDir) {
    QString folder = QDir::cleanPath(platformDir);
    folder.replace(QLatin1Char('/'), kBackslash);
    if (folder.size() > 1 && folder.endsWith(kBackslash) && !folder.endsWith(QLatin1String(":\\")))
        folder.chop(1);
    return folder;
}

int byteLength(const QString& text) {
    int total = 0;
    forEachChar(text, [&](const QString& ch, qsizetype) {
        total += charBytes(ch);
        return true;
    });
    return total;
}

QString cutToBytes(const QString& text, int maxBytes) {
    int total = 0;
    qsizetype end = 0;
    forEachChar(text, [&](const QString& ch, qsizetype at) {
        const int n = charBytes(ch);
        if (total + n > maxBytes)
            return false;
        total += n;
        end = at + ch.size();
        return true;
    });
    return text.left(end);
}

DigitKey digitKey(int code, qsizetype length, bool replacesSelection, int maxLength) {
    if (!isDigitKey(code))
        return DigitKey::NotDigit;
    if (maxLength > 0 && length >= maxLength && !replacesSelection)
        return DigitKey::Full;
    return DigitKey::Taken;
}

}  // namespace wm
