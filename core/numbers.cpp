#include "numbers.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace wm {

namespace {

bool isAsciiDigit(QChar ch) {
    return ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
}

// Blanks, an optional sign, digits with at most one point among or before them (at least
// one digit), blanks, and at most one line end as the very last character. Checked by hand:
// a pattern match would compile and load the regular expression engine at the start.
bool isDecimalText(QStringView text) {
    qsizetype end = text.size();
    if (end > 0 && text[end - 1] == QLatin1Char('\n'))
        --end;
    auto isBlank = [](QChar ch) { return ch == QLatin1Char(' ') || ch == QLatin1Char('\t'); };
    qsizetype i = 0;
    while (i < end && isBlank(text[i]))
        ++i;
    if (i < end && (text[i] == QLatin1Char('+') || text[i] == QLatin1Char('-')))
        ++i;
    qsizetype digits = 0;
    bool point = false;
    for (; i < end; ++i) {
        if (isAsciiDigit(text[i]))
            ++digits;
        else if (text[i] == QLatin1Char('.') && !point)
            point = true;
        else
            break;
    }
    if (digits == 0)
        return false;
    while (i < end && isBlank(text[i]))
        ++i;
    return i == end;
}

bool isPlainDigits(const QString& text) {
    return !text.isEmpty() &&
           std::all_of(text.cbegin(), text.cend(), [](QChar ch) { return isAsciiDigit(ch); });
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

bool isAllDigits(const QString& text) {
    return std::all_of(text.begin(), text.end(), isAsciiDigit);
}

bool isNumber(const QString& text) {
    // Plain digits, the usual case in the data files, need no closer look.
    if (isPlainDigits(text))
        return true;
    return isDecimalText(text);
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
    // A conversion fails on overflow (infinity) and on underflow (a value that is 0 anyway).
    if (!ok && !std::isfinite(v))
        return std::nullopt;
    return ok ? v : 0.0;
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

namespace {

// How the fraction of a number text compares with one half.
enum class Fraction { None, BelowHalf, Half, AboveHalf };

struct SplitNumber {
    qint64 truncated = 0;  // the integer digits with their sign
    bool negative = false;
    Fraction fraction = Fraction::None;
};

// The digits of a number text read exactly; nothing when the integer digits leave 64 bits.
std::optional<SplitNumber> splitNumber(const QString& text) {
    if (!isNumber(text))
        return std::nullopt;
    QString t = text.trimmed();
    SplitNumber n;
    n.negative = t.startsWith(QLatin1Char('-'));
    if (n.negative || t.startsWith(QLatin1Char('+')))
        t.remove(0, 1);
    const qsizetype point = t.indexOf(QLatin1Char('.'));
    QString digits = point < 0 ? t : t.left(point);
    QString fraction = point < 0 ? QString() : t.mid(point + 1);
    while (fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    if (digits.isEmpty())
        digits = QStringLiteral("0");
    bool ok = false;
    n.truncated = (n.negative ? QLatin1Char('-') + digits : digits).toLongLong(&ok, 10);
    if (!ok)
        return std::nullopt;
    if (fraction.isEmpty())
        n.fraction = Fraction::None;
    else if (fraction.at(0) < QLatin1Char('5'))
        n.fraction = Fraction::BelowHalf;
    else if (fraction == QLatin1String("5"))
        n.fraction = Fraction::Half;
    else
        n.fraction = Fraction::AboveHalf;
    return n;
}

// 2^63: every double below it in magnitude converts to qint64 without overflow.
constexpr double kTwoTo63 = 9223372036854775808.0;

std::optional<qint64> wholeDouble(double whole) {
    if (!std::isfinite(whole) || whole >= kTwoTo63 || whole < -kTwoTo63)
        return std::nullopt;
    return qint64(whole);
}

}  // namespace

std::optional<qint64> intPart(const QString& text) {
    const auto n = splitNumber(text);
    if (!n)
        return std::nullopt;
    if (n->negative && n->fraction != Fraction::None)
        return checkedSub(n->truncated, 1);
    return n->truncated;
}

std::optional<qint64> roundInt64(const QString& text) {
    const auto n = splitNumber(text);
    if (!n)
        return std::nullopt;
    const qint64 t = n->truncated;
    const bool away =
        n->fraction == Fraction::AboveHalf || (n->fraction == Fraction::Half && t % 2 != 0);
    if (!away)
        return t;
    return n->negative ? checkedSub(t, 1) : checkedAdd(t, 1);
}

std::optional<qint64> wholeNumber(const QString& text) {
    const auto n = splitNumber(text);
    if (!n || n->fraction != Fraction::None)
        return std::nullopt;
    return n->truncated;
}

std::optional<qint64> roundInt64(double value) {
    return wholeDouble(std::nearbyint(value));  // default rounding mode: halves to even
}

std::optional<qint64> floorInt64(double value) {
    return wholeDouble(std::floor(value));
}

#if defined(__GNUC__) || defined(__clang__)
std::optional<qint64> checkedAdd(qint64 a, qint64 b) {
    qint64 r = 0;
    if (__builtin_add_overflow(a, b, &r))
        return std::nullopt;
    return r;
}

std::optional<qint64> checkedSub(qint64 a, qint64 b) {
    qint64 r = 0;
    if (__builtin_sub_overflow(a, b, &r))
        return std::nullopt;
    return r;
}

std::optional<qint64> checkedMul(qint64 a, qint64 b) {
    qint64 r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        return std::nullopt;
    return r;
}
#else
// Compilers without the overflow built-ins: test against the limits before computing.
std::optional<qint64> checkedAdd(qint64 a, qint64 b) {
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    if ((b > 0 && a > max - b) || (b < 0 && a < min - b))
        return std::nullopt;
    return a + b;
}

std::optional<qint64> checkedSub(qint64 a, qint64 b) {
    constexpr qint64 max = std::numeric_limits<qint64>::max();
    constexpr qint64 min = std::numeric_limits<qint64>::min();
    if ((b < 0 && a > max + b) || (b > 0 && a < min + b))
        return std::nullopt;
    return a - b;
}

std::optional<qint64> checkedMul(qint64 a, qint64 b) {
    if (a == 0 || b == 0)
        return qint64(0);
    const qint64 r = qint64(quint64(a) * quint64(b));
    if ((a == -1 && b == std::numeric_limits<qint64>::min()) ||
        (b == -1 && a == std::numeric_limits<qint64>::min()) || r / b != a)
        return std::nullopt;
    return r;
}
#endif

std::optional<qint64> ceilDiv(qint64 a, qint64 b) {
    if (b == 0 || (b == -1 && a == std::numeric_limits<qint64>::min()))
        return std::nullopt;
    qint64 q = a / b;  // truncated towards zero
    if (a % b != 0 && ((a < 0) == (b < 0)))
        ++q;
    return q;
}

QString tooLargeText() {
    return QStringLiteral("数が大きすぎて計算できません");
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
