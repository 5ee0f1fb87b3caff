#pragma once

#include <QString>
#include <QtGlobal>
#include <optional>

namespace wm {

// Is text a decimal number: optional sign, digits with an optional fraction, blanks around.
bool isNumber(const QString& text);
// Is every character of text a half-width digit; true for an empty text.
bool isAllDigits(const QString& text);
// The value of a number text; nothing when text is not a number or too large for a double.
std::optional<double> toNumber(const QString& text);
// The integer part, rounded down (towards minus infinity), clamped to 64 bits.
qint64 floorInt(double value);
// The integer part of a number text, rounded down, read exactly from the digits; nothing when
// text is not a number or the result leaves the 64-bit range.
std::optional<qint64> intPart(const QString& text);
// A number text rounded to the nearest integer, halves to the even neighbour, read exactly;
// nothing when text is not a number or the result leaves the 64-bit range.
std::optional<qint64> roundInt64(const QString& text);
// The value of a whole number text (a fraction of zeros allowed); nothing for any other
// text and for a whole number beyond 64 bits.
std::optional<qint64> wholeNumber(const QString& text);
// The same for a double; nothing when it is not finite or leaves the 64-bit range.
std::optional<qint64> roundInt64(double value);
std::optional<qint64> floorInt64(double value);
// 64-bit arithmetic that refuses instead of wrapping: nothing when the result would overflow.
std::optional<qint64> checkedAdd(qint64 a, qint64 b);
std::optional<qint64> checkedSub(qint64 a, qint64 b);
std::optional<qint64> checkedMul(qint64 a, qint64 b);
// The smallest integer not below a / b; nothing for b = 0 or a quotient beyond 64 bits.
std::optional<qint64> ceilDiv(qint64 a, qint64 b);
// The message for a number, product or sum beyond what the calculation can hold.
QString tooLargeText();
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
