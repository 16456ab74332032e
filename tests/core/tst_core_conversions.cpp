// The conversions between typed text, numbers, captions and the 16- and
// 32-bit integers the forms keep. Every out-of-range result must come back as
// an empty optional, never as a wrapped or undefined value.

#include "core/conversions.h"

#include <QTest>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

// Every expected result, integer or not, is exact as a double.
using Maybe = std::optional<double>;
Q_DECLARE_METATYPE(Maybe)
Q_DECLARE_METATYPE(std::string)

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

QByteArray describe(const Maybe &value) {
    return value ? QByteArray::number(*value, 'g', 17) : QByteArrayLiteral("out of range");
}

// Exact comparison: the fuzzy QCOMPARE of doubles would let 1e-13 pass for 0.
#define COMPARE_RESULT(actual, expected)                                                           \
    do {                                                                                           \
        const Maybe got(actual);                                                                   \
        QVERIFY2(got == (expected), "got " + describe(got) + ", expected " + describe(expected));  \
    } while (false)

} // namespace

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void textToNumber_data();
    void textToNumber();
    void numberToText_data();
    void numberToText();
    void textToInt16_data();
    void textToInt16();
    void everyInt16CaptionReadsBack();
    void roundToInt_data();
    void roundToInt();
    void floorAgreesWithStdFloorAroundEveryInteger();
    void incrementDoesNotWrap();
};

void TestConversions::textToNumber_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<Maybe>("expected");

    QTest::addRow("empty_is_zero") << std::string() << Maybe(0.0);
    QTest::addRow("letters_only_are_zero") << std::string("abc") << Maybe(0.0);
    QTest::addRow("lone_sign_is_zero") << std::string("-") << Maybe(0.0);
    QTest::addRow("lone_point_is_zero") << std::string(".") << Maybe(0.0);
    QTest::addRow("exponent_without_mantissa_is_zero") << std::string("e5") << Maybe(0.0);
    QTest::addRow("double_sign_is_zero") << std::string("--3") << Maybe(0.0);
    QTest::addRow("hex_prefix_stops_at_x") << std::string("0x10") << Maybe(0.0);
    QTest::addRow("inf_is_no_number") << std::string("inf") << Maybe(0.0);

    QTest::addRow("blanks_tab_then_sign") << std::string(" \t-12") << Maybe(-12.0);
    QTest::addRow("plus_sign_and_leading_zeros") << std::string("+007") << Maybe(7.0);
    QTest::addRow("letters_after_number") << std::string("1001abc") << Maybe(1001.0);
    QTest::addRow("second_point_ends_number") << std::string("1.2.3") << Maybe(1.2);
    QTest::addRow("fraction_without_integer_part") << std::string(".5") << Maybe(0.5);

    QTest::addRow("capital_exponent_with_plus") << std::string("1E+3") << Maybe(1000.0);
    QTest::addRow("point_then_exponent") << std::string("1.e2") << Maybe(100.0);
    QTest::addRow("bare_e_stops_before_it") << std::string("1e") << Maybe(1.0);
    QTest::addRow("e_and_sign_stop_before_e") << std::string("1e+") << Maybe(1.0);
    QTest::addRow("fractional_exponent_stops_at_point") << std::string("1e5.5") << Maybe(1e5);

    QTest::addRow("largest_double_range") << std::string("1.7e308") << Maybe(1.7e308);
    QTest::addRow("beyond_double_range") << std::string("1.8e308") << Maybe();
    QTest::addRow("negative_beyond_double_range") << std::string("-9e9999") << Maybe();
    QTest::addRow("zero_with_huge_exponent") << std::string("0e99999999999") << Maybe(0.0);

    const std::string nines(5000, '9');
    const std::string zeros(5000, '0');
    QTest::addRow("5000_nines_out_of_range") << nines << Maybe();
    QTest::addRow("5000_leading_zeros") << zeros + "1" << Maybe(1.0);
    QTest::addRow("5000_zeros_after_point_underflow") << "0." + zeros + "1" << Maybe(0.0);
    QTest::addRow("5000_nines_scaled_back_into_range") << nines + "e-4990" << Maybe(1e10);
    QTest::addRow("5000_zeros_after_point_scaled_back") << "0." + zeros + "25e5001" << Maybe(2.5);
    QTest::addRow("exponent_of_5000_digits") << "1e" + nines << Maybe();
    QTest::addRow("negative_exponent_of_5000_digits") << "1e-" + nines << Maybe(0.0);
}

void TestConversions::textToNumber() {
    QFETCH(std::string, text);
    QFETCH(Maybe, expected);
    COMPARE_RESULT(core::textToNumber(text), expected);
}

void TestConversions::numberToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::addRow("negative_zero_has_no_sign") << -0.0 << "0";
    QTest::addRow("whole_has_no_point") << 1001.0 << "1001";
    QTest::addRow("fifteen_digit_whole") << 123456789012345.0 << "123456789012345";
    QTest::addRow("negative_fraction_keeps_zero") << -0.25 << "-0.25";
    QTest::addRow("binary_noise_hidden_at_15_digits") << 0.1 + 0.2 << "0.3";
}

void TestConversions::numberToText() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(core::numberToText(value)), expected);
}

void TestConversions::textToInt16_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<Maybe>("expected");

    QTest::addRow("surrounding_blanks_and_tabs") << std::string(" \t7\t ") << Maybe(7);
    QTest::addRow("just_above_int16") << std::string("32768") << Maybe();
    QTest::addRow("just_below_int16") << std::string("-32769") << Maybe();
    QTest::addRow("huge_exponent") << std::string("9e9999") << Maybe();
    QTest::addRow("empty") << std::string() << Maybe();
    QTest::addRow("lone_sign") << std::string("-") << Maybe();
    QTest::addRow("letter_after_digit") << std::string("3x") << Maybe();
    QTest::addRow("blank_inside") << std::string("1 0") << Maybe();
}

void TestConversions::textToInt16() {
    QFETCH(std::string, text);
    QFETCH(Maybe, expected);
    COMPARE_RESULT(core::textToInt16(text), expected);
}

void TestConversions::everyInt16CaptionReadsBack() {
    // Captions are written with numberToText and read back with textToInt16:
    // every 16-bit value must survive the round trip, both ends included.
    for (int value = std::numeric_limits<std::int16_t>::min();
         value <= std::numeric_limits<std::int16_t>::max(); ++value) {
        const auto back = core::textToInt16(core::numberToText(value));
        if (!back || *back != value)
            QFAIL(qPrintable(QStringLiteral("%1 did not read back").arg(value)));
    }
}

void TestConversions::roundToInt_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<double>("value");
    QTest::addColumn<Maybe>("expected");

    QTest::addRow("16_above_half_rounds_up") << 16 << 2.6 << Maybe(3);
    QTest::addRow("16_tie_to_even_down") << 16 << 2.5 << Maybe(2);
    QTest::addRow("16_tie_to_even_up") << 16 << 3.5 << Maybe(4);
    QTest::addRow("16_negative_tie_to_even") << 16 << -2.5 << Maybe(-2);
    QTest::addRow("16_maximum_from_below") << 16 << 32767.4 << Maybe(32767);
    QTest::addRow("16_maximum_tie_rounds_out") << 16 << 32767.5 << Maybe();
    QTest::addRow("16_minimum_tie_rounds_to_even_inside") << 16 << -32768.5 << Maybe(-32768);
    QTest::addRow("16_below_minimum") << 16 << -32768.6 << Maybe();
    QTest::addRow("16_nan") << 16 << notANumber << Maybe();
    QTest::addRow("32_tie_to_even") << 32 << 2.5 << Maybe(2);
    QTest::addRow("32_beyond_int16_is_fine") << 32 << 40000.0 << Maybe(40000);
    QTest::addRow("32_maximum_from_below") << 32 << 2147483647.4 << Maybe(2147483647);
    QTest::addRow("32_maximum_tie_rounds_out") << 32 << 2147483647.5 << Maybe();
    QTest::addRow("32_minimum_tie_rounds_to_even_inside")
        << 32 << -2147483648.5 << Maybe(-2147483648.0);
    QTest::addRow("32_below_minimum") << 32 << -2147483648.6 << Maybe();
    QTest::addRow("32_nan") << 32 << notANumber << Maybe();
}

void TestConversions::roundToInt() {
    QFETCH(int, bits);
    QFETCH(double, value);
    QFETCH(Maybe, expected);
    if (bits == 16)
        COMPARE_RESULT(core::roundToInt16(value), expected);
    else
        COMPARE_RESULT(core::roundToInt32(value), expected);
}

void TestConversions::floorAgreesWithStdFloorAroundEveryInteger() {
    for (double value : {notANumber, inf, -inf})
        QVERIFY(!core::floorToInt16(value));
    for (int k = -32770; k <= 32769; ++k) {
        const double whole = k;
        for (double value : {whole, std::nextafter(whole, -inf), std::nextafter(whole, inf),
                             whole + 0.5, whole - 0.25}) {
            const double floored = std::floor(value);
            const bool inRange = floored >= -32768 && floored <= 32767;
            const Maybe actual(core::floorToInt16(value));
            if (actual.has_value() != inRange || (actual && *actual != floored))
                QFAIL(qPrintable(QStringLiteral("floor of %1: got %2, expected %3")
                                     .arg(value, 0, 'g', 17)
                                     .arg(describe(actual))
                                     .arg(floored)));
        }
    }
}

void TestConversions::incrementDoesNotWrap() {
    COMPARE_RESULT(core::increment(-1), Maybe(0));
    COMPARE_RESULT(core::increment(32766), Maybe(32767));
    COMPARE_RESULT(core::increment(32767), Maybe());
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_core_conversions.moc"
