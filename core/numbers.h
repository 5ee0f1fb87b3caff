#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace wm {

// Is text a decimal number: optional sign, digits with an optional fraction, blanks around.
bool isNumber(const QString& text);
// The value of a number text; nothing when text is not a number.
std::optional<double> toNumber(const QString& text);
// The integer part, rounded down (towards minus infinity).
qint64 floorInt(double value);
std::optional<qint64> intPart(const QString& text);
// Rounding to the nearest integer, halves to the even neighbour; nothing when the result
// leaves the 16- or 32-bit range.
std::optional<qint16> roundInt16(double value);
std::optional<qint32> roundInt32(double value);
// "000" and "00" formats: the rounded value with leading zeros to the given width.
QString formatDigits(double value, int width);
inline QString format000(double value) {
    return formatDigits(value, 3);
}
inline QString format00(double value) {
    return formatDigits(value, 2);
}
// Shortest decimal text: no thousands separators, a fraction only where the value has one.
QString numText(double value);
QString numText(qint64 value);
inline QString numText(int value) {
    return numText(qint64(value));
}

}  // namespace wm
