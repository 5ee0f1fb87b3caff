// Helper of tst_fontwarmup: a fresh process that, with or without the font database
// warm-up, resolves the program's two fonts and paints Japanese text in them, and prints
// what it got: the faces, their metrics and a checksum of the painted pixels.
// Usage: fontfacts [--warm-up]

#include <QApplication>
#include <QCryptographicHash>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <cstdio>
#include <optional>

#include "fontwarmup.h"
#include "widgets.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::optional<wm::FontDatabaseWarmUp> warmUp;
    if (app.arguments().contains(QStringLiteral("--warm-up")))
        warmUp.emplace();

    const QString text = QStringLiteral("仕事技術計算 ひらがな カタカナ ＡＢＣ abc 123");
    QLabel label(text);
    label.setFont(wm::windowFont(label.font(), 9));
    QLabel result(text);
    result.setFont(wm::resultFont(label.font()));
    for (QLabel* shown : {&label, &result}) {
        const QFontInfo info(shown->font());
        const QFontMetrics metrics(shown->font());
        QImage image(shown->sizeHint(), QImage::Format_ARGB32);
        image.fill(Qt::white);
        shown->resize(image.size());
        shown->render(&image);
        const QByteArray pixels(reinterpret_cast<const char*>(image.constBits()),
                                image.sizeInBytes());
        std::printf("%s %d %d %d %d %s\n", info.family().toUtf8().constData(), info.pointSize(),
                    metrics.height(), metrics.horizontalAdvance(text), image.width(),
                    QCryptographicHash::hash(pixels, QCryptographicHash::Sha1).toHex().constData());
    }
    return 0;
}
