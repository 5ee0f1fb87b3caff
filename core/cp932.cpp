#include "cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QStringEncoder>
#include <optional>

#include "textrules.h"

namespace wm {

namespace {

constexpr const char* kCodec = "windows-31j";

QString notEncodable() {
    return QStringLiteral("Shift_JIS で表せない文字が含まれています");
}

// A decoded line is never shorter than half its bytes (no character takes more than two, and
// only a lead byte cut off at the end can vanish); a shorter result means the decoder gave up.
// One decoder serves a whole file: making one per line costs more than decoding the line.
std::optional<QString> decodeLine(QStringDecoder& decoder, const QByteArray& bytes) {
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    decoder.resetState();
    QString text = decoder.decode(bytes);
    if (decoder.hasError() && text.size() < (bytes.size() - 1) / 2)
        return std::nullopt;
    return text;
}

// Lines ended by CR LF, a lone CR or a lone LF; the last line needs no end.
QStringList splitLines(const QString& text) {
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\r') && c != QLatin1Char('\n'))
            continue;
        lines << text.mid(start, i - start);
        if (c == QLatin1Char('\r') && i + 1 < size && text.at(i + 1) == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines << text.mid(start);
    return lines;
}

}  // namespace

QString decodeCp932(const QByteArray& bytes) {
    QStringDecoder decoder(kCodec, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

bool encodeCp932(const QString& text, QByteArray* out) {
    QStringEncoder encoder(kCodec, QStringConverter::Flag::Stateless);
    if (!encoder.isValid())
        return false;
    QByteArray bytes = encoder.encode(text);
    if (encoder.hasError())
        return false;
    if (out)
        *out = bytes;
    return true;
}

bool canEncodeCp932(const QString& text) {
    return encodeCp932(text, nullptr);
}

ReadResult readTextLines(const QString& nativePath) {
    ReadResult result;
    QFile file(nativePath);
    const QFileInfo info(nativePath);
    if (info.isDir()) {
        result.error = notRegularFile(true);
        return result;
    }
    // A FIFO would block the program before any window and a device never ends: only
    // regular files are opened.
    if (info.exists() && !info.isFile()) {
        result.error = notRegularFile(false);
        return result;
    }
    const QString tooLarge =
        QStringLiteral("ファイルが大きすぎます（%1 MiB まで）").arg(kMaxTextFileBytes >> 20);
    if (info.size() > kMaxTextFileBytes) {
        result.error = tooLarge;
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    // In pieces, stopping past the limit in case the file grew after the check (one read
    // of the whole limit would reserve that much memory for every file).
    QByteArray bytes;
    qint64 pieceSize = info.size() + 1;  // all of it at once, unless it grew
    for (;;) {
        const QByteArray piece = file.read(pieceSize);
        pieceSize = qint64(1) << 16;
        if (file.error() != QFileDevice::NoError) {
            result.error = file.errorString();
            return result;
        }
        if (piece.isEmpty())
            break;
        bytes += piece;
        if (bytes.size() > kMaxTextFileBytes) {
            result.error = tooLarge;
            return result;
        }
    }
    // CR and LF never occur as the second byte of a double-byte character, so the bytes
    // can be cut into lines before decoding.
    QStringDecoder decoder(kCodec, QStringConverter::Flag::Stateless);
    // A file without a bad byte is decoded in one go and gives the same lines; only a file
    // with one is decoded line by line, to know the line and how much of it can be read.
    if (decoder.isValid()) {
        const QString text = decoder.decode(bytes);
        if (!decoder.hasError()) {
            result.lines = splitLines(text);
            result.ok = true;
            return result;
        }
    }
    auto addLine = [&](const QByteArray& lineBytes) {
        const auto line = decodeLine(decoder, lineBytes);
        if (!line) {
            result.error =
                QStringLiteral("%1 行目を Shift_JIS として読めません").arg(result.lines.size() + 1);
            result.lines.clear();
            return false;
        }
        result.lines << *line;
        return true;
    };
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        if (!addLine(bytes.mid(start, i - start)))
            return result;
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size && !addLine(bytes.mid(start)))
        return result;
    result.ok = true;
    return result;
}

FileResult writeTextFile(const QString& nativePath, const QString& text) {
    QByteArray bytes;
    if (!encodeCp932(text, &bytes))
        return {false, notEncodable()};
    return replaceFile(nativePath, bytes);
}

FileResult writeLines(const QString& nativePath, const QStringList& lines) {
    return writeTextFile(nativePath, crlfText(lines));
}

namespace {

// A file edited by hand may lack the line end of its last line; a new line must not join it.
bool endsWithoutLineEnd(const QString& nativePath) {
    QFile file(nativePath);
    const qint64 size = file.size();
    if (size <= 0 || !file.open(QIODevice::ReadOnly) || !file.seek(size < 2 ? 0 : size - 2))
        return false;
    return !file.read(2).endsWith("\r\n");
}

}  // namespace

FileResult appendLine(const QString& nativePath, const QString& line) {
    QByteArray bytes;
    if (!encodeCp932(line + QStringLiteral("\r\n"), &bytes))
        return {false, notEncodable()};
    if (endsWithoutLineEnd(nativePath))
        bytes.prepend("\r\n");
    return appendToFile(nativePath, bytes);
}

}  // namespace wm
