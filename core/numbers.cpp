#include "numbers.h"

#include <QRegularExpression>
#include <algorithm>
#include <cmath>
#include <limits>

namespace wm {

namespace {

const QRegularExpression& numberPattern() {
    static const QRegularExpression re(
        QStringLiteral("^[ \\t]*[+-]?(\\d+\\.?\\d*|\\.\\d+)[ \\t]*$"));
    return re;
}

bool isPlainDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.cbegin(), text.cend(), [](QChar ch) {
        return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
    });
}

template <typename T>
std::optional<T> roundInto(double value) {
    if (!std::isfinite(value))
        return std::nullopt;
    const double r = std::nearbyint(value);  // default rounding mode: halves to even
    if (r < double(std::numeric_limits<T>::min()) || r > double(std::numeric_limits<T>::max()))
        return std::nullopt;
    return T(r);
}

}  // namespace

bool isNumber(const QString& text) {
    // Plain digits, the usual case in the data files, need no pattern match.
    if (isPlainDigits(text))
        return true;
    return numberPattern().match(text).hasMatch();
}

std::optional<double> toNumber(const QString& text) {
    // Up to 15 digits a double holds the value exactly, so no conversion routine is needed.
    if (text.size() <= 15 && isPlainDigits(text)) {
        double value = 0;
        for (const QChar ch : text)
            value = value * 10 + (ch.unicode() - '0');
        return value;
    }
    if (!isNumber(text))
        return std::nullopt;
    QString t = text.trimmed();
    if (t.startsWith(QLatin1Char('+')))
        t.remove(0, 1);
    if (t.endsWith(QLatin1Char('.')))
        t.chop(1);
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok)
        return std::nullopt;
    return v;
}

qint64 floorInt(double value) {
    const double f = std::floor(value);
    if (!std::isfinite(f))
        return 0;
    if (f >= 9.2e18)
        return std::numeric_limits<qint64>::max();
    if (f <= -9.2e18)
        return std::numeric_limits<qint64>::min();
    return qint64(f);
}

std::optional<qint64> intPart(const QString& text) {
    const auto v = toNumber(text);
    if (!v)
        return std::nullopt;
    return floorInt(*v);
}

std::optional<qint16> roundInt16(double value) {
    return roundInto<qint16>(value);
}
std::optional<qint32> roundInt32(double value) {
    return roundInto<qint32>(value);
}

QString formatDigits(double value, int width) {
    const double r = std::round(std::fabs(value));  // halves away from zero, as a format does
    QString digits = QString::number(r, 'f', 0).rightJustified(width, QLatin1Char('0'));
    if (value < 0 && r != 0)
        digits.prepend(QLatin1Char('-'));
    return digits;
}

QString numText(qint64 value) {
    return QString::number(value);
}

QString numText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 9.0e18)
        return QString::number(qint64(value));
    QString t = QString::number(value, 'g', 15);
    t.replace(QLatin1String("e+"), QLatin1String("E+"))
        .replace(QLatin1String("e-"), QLatin1String("E-"));
    return t;
}

}  // namespace wm
