#include "cp932.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace wm {

namespace {

constexpr const char* kCodec = "windows-31j";

QString notEncodable() {
    return QStringLiteral("Shift_JIS で表せない文字が含まれています");
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
    if (QFileInfo(nativePath).isDir()) {
        result.error = QStringLiteral("フォルダーです");
        return result;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        result.error = file.errorString();
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.error = file.errorString();
        return result;
    }
    // CR and LF never occur as the second byte of a double-byte character, so the bytes
    // can be cut into lines before decoding.
    // One decoder for the whole file: opening one costs more than decoding a line. It is
    // stateless, so each line decodes as it would alone.
    QStringDecoder decoder(kCodec, QStringConverter::Flag::Stateless);
    auto decodeLine = [&decoder](const QByteArray& line) {
        return decoder.isValid() ? QString(decoder.decode(line)) : QString::fromLatin1(line);
    };
    qsizetype start = 0;
    const qsizetype size = bytes.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char c = bytes.at(i);
        if (c != '\r' && c != '\n')
            continue;
        result.lines << decodeLine(bytes.mid(start, i - start));
        if (c == '\r' && i + 1 < size && bytes.at(i + 1) == '\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        result.lines << decodeLine(bytes.mid(start));
    result.ok = true;
    return result;
}

FileResult writeTextFile(const QString& nativePath, const QString& text) {
    QByteArray bytes;
    if (!encodeCp932(text, &bytes))
        return {false, notEncodable()};
    QSaveFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        file.commit();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

FileResult writeLines(const QString& nativePath, const QStringList& lines) {
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return writeTextFile(nativePath, text);
}

FileResult appendLine(const QString& nativePath, const QString& line) {
    QByteArray bytes;
    if (!encodeCp932(line + QStringLiteral("\r\n"), &bytes))
        return {false, notEncodable()};
    QFile file(nativePath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
        return {false, file.errorString()};
    const qint64 oldSize = file.size();
    const qint64 written = file.write(bytes);
    if (written != bytes.size()) {
        const QString reason = file.errorString();
        file.resize(oldSize);
        return {false, reason.isEmpty() ? QStringLiteral("書き込みが途中で失敗しました") : reason};
    }
    file.close();
    if (file.error() != QFileDevice::NoError)
        return {false, file.errorString()};
    return {};
}

}  // namespace wm
