#include <QTest>
#include <cmath>
#include <limits>

#include "numbers.h"
#include "testmain.h"
#include "textrules.h"

Q_DECLARE_METATYPE(wm::DigitKey)

using namespace wm;

class TextRulesTest : public QObject {
    Q_OBJECT
  private slots:
    void numberTexts_data();
    void numberTexts();
    void rounding();
    void exactIntegers_data();
    void exactIntegers();
    void checkedArithmetic();
    void digitFormats_data();
    void digitFormats();
    void shortestText_data();
    void shortestText();
    void splitting_data();
    void splitting();
    void paths_data();
    void paths();
    void byteLengths_data();
    void byteLengths();
    void byteCut_data();
    void byteCut();
    void digitKeys_data();
    void digitKeys();
};

void TextRulesTest::numberTexts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("number");
    QTest::addColumn<qint64>("floor");
    QTest::newRow("digits") << "123" << true << qint64(123);
    QTest::newRow("leading zeros") << "007" << true << qint64(7);
    QTest::newRow("fifteen digits") << "999999999999999" << true << qint64(999999999999999);
    // The integer part is read exactly, past the 15 digits a double holds.
    QTest::newRow("sixteen digits") << "9999999999999999" << true << qint64(9999999999999999);
    QTest::newRow("blanks around") << "  42 " << true << qint64(42);
    QTest::newRow("plus sign") << "+5" << true << qint64(5);
    QTest::newRow("minus fraction rounds down") << "-2.5" << true << qint64(-3);
    QTest::newRow("fraction") << "1.9" << true << qint64(1);
    QTest::newRow("trailing point") << "3." << true << qint64(3);
    QTest::newRow("leading point") << ".5" << true << qint64(0);
    QTest::newRow("empty") << "" << false << qint64(0);
    QTest::newRow("blank") << "   " << false << qint64(0);
    QTest::newRow("letters") << "12a" << false << qint64(0);
    QTest::newRow("two points") << "1.2.3" << false << qint64(0);
    QTest::newRow("inner blank") << "1 2" << false << qint64(0);
    QTest::newRow("sign alone") << "-" << false << qint64(0);
    QTest::newRow("full-width digits") << "１２" << false << qint64(0);
    QTest::newRow("exponent") << "1e5" << false << qint64(0);
    QTest::newRow("tabs around") << "\t-7\t" << true << qint64(-7);
    QTest::newRow("plus leading point") << "+.5" << true << qint64(0);
    QTest::newRow("point alone") << "." << false << qint64(0);
    QTest::newRow("sign then point alone") << "-." << false << qint64(0);
    QTest::newRow("two signs") << "+-1" << false << qint64(0);
    QTest::newRow("blank after sign") << "- 1" << false << qint64(0);
    QTest::newRow("blank after point") << ". 5" << false << qint64(0);
    // One line end after the number still counts as its end; anything more does not.
    QTest::newRow("final line end") << "12\n" << true << qint64(12);
    QTest::newRow("blank then line end") << "3.5 \n" << true << qint64(3);
    QTest::newRow("two line ends") << "12\n\n" << false << qint64(0);
    QTest::newRow("line end first") << "\n12" << false << qint64(0);
    QTest::newRow("carriage return") << "12\r" << false << qint64(0);
    QTest::newRow("blank after line end") << "12\n " << false << qint64(0);
    QTest::newRow("other digits") << QString::fromUtf16(u"\u0663") << false << qint64(0);
    QTest::newRow("no-break space") << QString::fromUtf16(u"\u00a012") << false << qint64(0);
}

void TextRulesTest::numberTexts() {
    QFETCH(QString, text);
    QFETCH(bool, number);
    QFETCH(qint64, floor);
    QCOMPARE(isNumber(text), number);
    const auto part = intPart(text);
    QCOMPARE(part.has_value(), number);
    if (number)
        QCOMPARE(*part, floor);
}

void TextRulesTest::rounding() {
    // Halves go to the even neighbour.
    QCOMPARE(*roundInt16(2.5), qint16(2));
    QCOMPARE(*roundInt16(3.5), qint16(4));
    QCOMPARE(*roundInt16(-2.5), qint16(-2));
    QCOMPARE(*roundInt16(2.51), qint16(3));
    QCOMPARE(*roundInt16(32767.4), qint16(32767));
    QVERIFY(!roundInt16(32767.5));
    QVERIFY(!roundInt16(-32769));
    QCOMPARE(*roundInt32(-32769), qint32(-32769));
    QCOMPARE(*roundInt32(2147483647.0), qint32(2147483647));
    QVERIFY(!roundInt32(2147483648.0));
    QCOMPARE(floorInt(-0.5), qint64(-1));
}

void TextRulesTest::exactIntegers_data() {
    // "-" in floor or round: the result leaves 64 bits and is refused.
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("floor");
    QTest::addColumn<QString>("round");
    QTest::newRow("largest") << "9223372036854775807"
                             << "9223372036854775807"
                             << "9223372036854775807";
    QTest::newRow("smallest") << "-9223372036854775808"
                              << "-9223372036854775808"
                              << "-9223372036854775808";
    QTest::newRow("one past largest") << "9223372036854775808"
                                      << "-"
                                      << "-";
    QTest::newRow("floor below smallest") << "-9223372036854775808.5"
                                          << "-"
                                          << "-9223372036854775808";
    QTest::newRow("round above largest") << "9223372036854775807.5"
                                         << "9223372036854775807"
                                         << "-";
    QTest::newRow("310 digits") << QString(310, QLatin1Char('1')) << "-"
                                << "-";
    QTest::newRow("minus 310 digits") << "-" + QString(310, QLatin1Char('1')) << "-"
                                      << "-";
    QTest::newRow("half to even down") << "2.5"
                                       << "2"
                                       << "2";
    QTest::newRow("half to even up") << "3.50"
                                     << "3"
                                     << "4";
    QTest::newRow("just above half") << "2.5000001"
                                     << "2"
                                     << "3";
    QTest::newRow("minus half") << "-0.5"
                                << "-1"
                                << "0";
    QTest::newRow("minus one and a half") << "-1.5"
                                          << "-2"
                                          << "-2";
    QTest::newRow("minus below half") << "-7.2"
                                      << "-8"
                                      << "-7";
    QTest::newRow("leading zeros and blanks") << " +0012. "
                                              << "12"
                                              << "12";
    QTest::newRow("tiny fraction") << "0." + QString(400, QLatin1Char('0')) + "1"
                                   << "0"
                                   << "0";
    QTest::newRow("not a number") << "12a"
                                  << "-"
                                  << "-";
}

void TextRulesTest::exactIntegers() {
    QFETCH(QString, text);
    QFETCH(QString, floor);
    QFETCH(QString, round);
    const auto asText = [](const std::optional<qint64>& v) {
        return v ? QString::number(*v) : QStringLiteral("-");
    };
    QCOMPARE(asText(intPart(text)), floor);
    QCOMPARE(asText(roundInt64(text)), round);
}

void TextRulesTest::checkedArithmetic() {
    const qint64 max = std::numeric_limits<qint64>::max();
    const qint64 min = std::numeric_limits<qint64>::min();
    QCOMPARE(*checkedAdd(max - 1, 1), max);
    QVERIFY(!checkedAdd(max, 1));
    QVERIFY(!checkedAdd(min, -1));
    QCOMPARE(*checkedSub(min + 1, 1), min);
    QVERIFY(!checkedSub(0, min));
    QCOMPARE(*checkedMul(3037000499LL, 3037000499LL), 9223372030926249001LL);
    QVERIFY(!checkedMul(3037000500LL, 3037000500LL));
    QVERIFY(!checkedMul(min, -1));
    QCOMPARE(*ceilDiv(31, 15), qint64(3));
    QCOMPARE(*ceilDiv(30, 15), qint64(2));
    QCOMPARE(*ceilDiv(-31, 15), qint64(-2));
    QCOMPARE(*ceilDiv(31, -15), qint64(-2));
    QCOMPARE(*ceilDiv(max, 1), max);
    QVERIFY(!ceilDiv(min, -1));
    QVERIFY(!ceilDiv(1, 0));
    // Doubles: 2^63 itself is out of range, the largest double below it is in.
    QVERIFY(!roundInt64(9223372036854775808.0));
    QCOMPARE(*floorInt64(9223372036854774784.0), qint64(9223372036854774784LL));
    QCOMPARE(*floorInt64(-9223372036854775808.0), min);
    QVERIFY(!floorInt64(std::numeric_limits<double>::infinity()));
    QVERIFY(!roundInt64(std::nan("")));
    QCOMPARE(*roundInt64(-2.5), qint64(-2));
}

void TextRulesTest::digitFormats_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("width");
    QTest::addColumn<QString>("text");
    QTest::newRow("level 5") << 5.0 << 3 << "005";
    QTest::newRow("level 300") << 300.0 << 3 << "300";
    QTest::newRow("longer than width") << 1234.0 << 3 << "1234";
    QTest::newRow("zero") << 0.0 << 3 << "000";
    QTest::newRow("negative") << -5.0 << 3 << "-005";
    QTest::newRow("rounded") << 5.6 << 3 << "006";
    QTest::newRow("code 6") << 6.0 << 2 << "06";
    QTest::newRow("code 30") << 30.0 << 2 << "30";
}

void TextRulesTest::digitFormats() {
    QFETCH(double, value);
    QFETCH(int, width);
    QFETCH(QString, text);
    QCOMPARE(formatDigits(value, width), text);
}

void TextRulesTest::shortestText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");
    QTest::newRow("whole") << 150.0 << "150";
    QTest::newRow("negative") << -40.0 << "-40";
    QTest::newRow("half") << 2.5 << "2.5";
    QTest::newRow("tenth sum") << (0.1 + 0.2) << "0.3";
    QTest::newRow("beyond 32 bits") << 5000000000.0 << "5000000000";
}

void TextRulesTest::shortestText() {
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numText(value), text);
}

void TextRulesTest::splitting_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<bool>("trim");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("maxFields");
    QTest::newRow("single blanks") << "a b c" << true << QStringList{"a", "b", "c"} << -1;
    QTest::newRow("runs of blanks are one")
        << "a    b  c" << true << QStringList{"a", "b", "c"} << -1;
    QTest::newRow("ending blank gives empty field")
        << "Lv001 " << false << QStringList{"Lv001", ""} << -1;
    QTest::newRow("no blank") << "abc" << false << QStringList{"abc"} << -1;
    QTest::newRow("empty line") << "" << false << QStringList{""} << -1;
    QTest::newRow("leading blank gives empty first") << " a" << false << QStringList{"", "a"} << -1;
    QTest::newRow("double-byte with backslash byte")
        << "ソ表 能" << true << QStringList{"ソ表", "能"} << -1;
    // A limited split: the last field holds the rest, trailing blanks trimmed when asked.
    QTest::newRow("limit, rest in last")
        << "a  b c  d " << true << QStringList{"a", "b", "c  d"} << 3;
    QTest::newRow("limit, rest untrimmed") << "a b c " << false << QStringList{"a", "b c "} << 2;
    QTest::newRow("limit above the fields") << "a b" << true << QStringList{"a", "b"} << 5;
}

void TextRulesTest::splitting() {
    QFETCH(QString, line);
    QFETCH(bool, trim);
    QFETCH(QStringList, fields);
    QFETCH(int, maxFields);
    QCOMPARE(splitFields(line, QLatin1Char(' '), trim, maxFields), fields);
    if (maxFields < 0)
        QCOMPARE(lastField(line, QLatin1Char(' ')), fields.last());
}

void TextRulesTest::paths_data() {
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("joined");
    QTest::newRow("plain") << "D:\\tool"
                           << "result.txt"
                           << "D:\\tool\\result.txt";
    QTest::newRow("drive root") << "C:\\"
                                << "txtFile\\FileList.txt"
                                << "C:\\txtFile\\FileList.txt";
    QTest::newRow("data folder entry") << "D:\\tool\\txtFile\\"
                                       << "MakeData.txt"
                                       << "D:\\tool\\txtFile\\MakeData.txt";
    QTest::newRow("unix root") << programFolderFrom("/") << "txtFile\\FileList.txt"
                               << "\\txtFile\\FileList.txt";
    QTest::newRow("unix folder") << programFolderFrom("/opt/wm/") << "a.txt"
                                 << "\\opt\\wm\\a.txt";
}

void TextRulesTest::paths() {
    QFETCH(QString, folder);
    QFETCH(QString, name);
    QFETCH(QString, joined);
    QCOMPARE(joinPath(folder, name), joined);
#ifndef Q_OS_WIN
    QCOMPARE(toNativePath(joinPath(programFolderFrom("/"), "txtFile\\FileList.txt")),
             QString("/txtFile/FileList.txt"));
#endif
}

void TextRulesTest::byteLengths_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("bytes");
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("three full-width and two ASCII") << "仕事技ab" << 8;
    QTest::newRow("half-width katakana") << "ｼｽﾃﾑ" << 4;
    QTest::newRow("wave dash") << "～" << 2;
    QTest::newRow("ideographic space") << "　" << 2;
    QTest::newRow("not in the code page") << "😀" << 1;
}

void TextRulesTest::byteLengths() {
    QFETCH(QString, text);
    QFETCH(int, bytes);
    QCOMPARE(byteLength(text), bytes);
}

void TextRulesTest::byteCut_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("cut");
    QTest::newRow("fits") << "abc" << 14 << "abc";
    QTest::newRow("ASCII") << "abcdefghijklmnop" << 14 << "abcdefghijklmn";
    QTest::newRow("double-byte would cross") << "abcdeあいうえお" << 14 << "abcdeあいうえ";
    QTest::newRow("exact") << "あいうえおかきa" << 15 << "あいうえおかきa";
}

void TextRulesTest::byteCut() {
    QFETCH(QString, text);
    QFETCH(int, max);
    QFETCH(QString, cut);
    QCOMPARE(cutToBytes(text, max), cut);
}

void TextRulesTest::digitKeys_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("selection");
    QTest::addColumn<int>("max");
    QTest::addColumn<DigitKey>("result");
    QTest::newRow("0 below the limit") << int('0') << 2 << false << 3 << DigitKey::Taken;
    QTest::newRow("9 at the limit") << int('9') << 3 << false << 3 << DigitKey::Full;
    QTest::newRow("over a selection") << int('9') << 3 << true << 3 << DigitKey::Taken;
    QTest::newRow("no limit") << int('5') << 40 << false << 0 << DigitKey::Taken;
    QTest::newRow("slash before 0") << int('/') << 0 << false << 3 << DigitKey::NotDigit;
    QTest::newRow("colon after 9") << int(':') << 0 << false << 3 << DigitKey::NotDigit;
    QTest::newRow("full-width digit") << 0xFF11 << 0 << false << 3 << DigitKey::NotDigit;
    QTest::newRow("backspace") << 8 << 0 << false << 3 << DigitKey::NotDigit;
}

void TextRulesTest::digitKeys() {
    QFETCH(int, code);
    QFETCH(int, length);
    QFETCH(bool, selection);
    QFETCH(int, max);
    QFETCH(DigitKey, result);
    QCOMPARE(digitKey(code, length, selection, max), result);
}

WM_TEST_MAIN(TextRulesTest)
#include "tst_textrules.moc"
