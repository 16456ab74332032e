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

using Maybe16 = std::optional<std::int16_t>;
using Maybe32 = std::optional<std::int32_t>;
using MaybeDouble = std::optional<double>;

Q_DECLARE_METATYPE(Maybe16)
Q_DECLARE_METATYPE(Maybe32)
Q_DECLARE_METATYPE(MaybeDouble)
Q_DECLARE_METATYPE(std::string)

namespace {

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

template<typename T> QByteArray describe(const std::optional<T> &value) {
    return value ? QByteArray::number(*value, 'g', 17) : QByteArrayLiteral("out of range");
}

// Exact comparison: the fuzzy QCOMPARE of doubles would let 1e-13 pass for 0.
template<typename T>
bool sameResult(const std::optional<T> &actual, const std::optional<T> &expected) {
    return actual == expected;
}

#define COMPARE_RESULT(actual, expected)                                                           \
    QVERIFY2(sameResult(actual, expected),                                                         \
             "got " + describe(actual) + ", expected " + describe(expected))

} // namespace

class TestConversions : public QObject {
    Q_OBJECT
private slots:
    void textToNumber_data();
    void textToNumber();
    void longRunsDoNotOverflow_data();
    void longRunsDoNotOverflow();
    void numberToText_data();
    void numberToText();
    void textToInt16_data();
    void textToInt16();
    void everyInt16CaptionReadsBack();
    void roundToInt16_data();
    void roundToInt16();
    void roundToInt32_data();
    void roundToInt32();
    void floorToInt16_data();
    void floorToInt16();
    void floorAgreesWithStdFloorAroundEveryInteger();
    void increment_data();
    void increment();
};

void TestConversions::textToNumber_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<MaybeDouble>("expected");

    QTest::addRow("empty_is_zero") << "" << MaybeDouble(0.0);
    QTest::addRow("blanks_only_are_zero") << "   " << MaybeDouble(0.0);
    QTest::addRow("letters_only_are_zero") << "abc" << MaybeDouble(0.0);
    QTest::addRow("lone_minus_is_zero") << "-" << MaybeDouble(0.0);
    QTest::addRow("lone_plus_is_zero") << "+" << MaybeDouble(0.0);
    QTest::addRow("lone_point_is_zero") << "." << MaybeDouble(0.0);
    QTest::addRow("exponent_without_mantissa_is_zero") << "e5" << MaybeDouble(0.0);
    QTest::addRow("double_sign_is_zero") << "--3" << MaybeDouble(0.0);
    QTest::addRow("hex_prefix_stops_at_x") << "0x10" << MaybeDouble(0.0);
    QTest::addRow("inf_is_no_number") << "inf" << MaybeDouble(0.0);
    QTest::addRow("nan_is_no_number") << "nan" << MaybeDouble(0.0);

    QTest::addRow("plain_digits") << "1001" << MaybeDouble(1001.0);
    QTest::addRow("leading_blanks_skipped") << "   42" << MaybeDouble(42.0);
    QTest::addRow("leading_tab_skipped") << "\t42" << MaybeDouble(42.0);
    QTest::addRow("trailing_blanks_ignored") << "42   " << MaybeDouble(42.0);
    QTest::addRow("leading_zeros") << "007" << MaybeDouble(7.0);
    QTest::addRow("plus_sign") << "+3" << MaybeDouble(3.0);
    QTest::addRow("minus_sign") << "-3" << MaybeDouble(-3.0);
    QTest::addRow("blanks_then_sign") << "  -12" << MaybeDouble(-12.0);
    QTest::addRow("letters_after_number") << "1001abc" << MaybeDouble(1001.0);
    QTest::addRow("letter_after_two_digits") << "12x" << MaybeDouble(12.0);
    QTest::addRow("comma_ends_number") << "1,000" << MaybeDouble(1.0);
    QTest::addRow("second_point_ends_number") << "1.2.3" << MaybeDouble(1.2);

    QTest::addRow("fraction") << "2.6" << MaybeDouble(2.6);
    QTest::addRow("negative_fraction") << "-0.5" << MaybeDouble(-0.5);
    QTest::addRow("fraction_without_integer_part") << ".5" << MaybeDouble(0.5);
    QTest::addRow("point_without_fraction") << "5." << MaybeDouble(5.0);

    QTest::addRow("exponent") << "1e3" << MaybeDouble(1000.0);
    QTest::addRow("capital_exponent") << "1E3" << MaybeDouble(1000.0);
    QTest::addRow("exponent_with_plus") << "1e+3" << MaybeDouble(1000.0);
    QTest::addRow("exponent_with_minus") << "1e-3" << MaybeDouble(0.001);
    QTest::addRow("exponent_beyond_int16") << "4e4" << MaybeDouble(40000.0);
    QTest::addRow("exponent_beyond_int32") << "9e9" << MaybeDouble(9e9);
    QTest::addRow("fraction_and_exponent") << "1.5e3" << MaybeDouble(1500.0);
    QTest::addRow("point_then_exponent") << "1.e2" << MaybeDouble(100.0);
    QTest::addRow("bare_e_stops_before_it") << "1e" << MaybeDouble(1.0);
    QTest::addRow("e_and_sign_stop_before_e") << "1e+" << MaybeDouble(1.0);
    QTest::addRow("e_then_letters_stop_before_e") << "7ex" << MaybeDouble(7.0);
    QTest::addRow("fractional_exponent_stops_at_point") << "1e5.5" << MaybeDouble(1e5);

    QTest::addRow("largest_double_range") << "1.7e308" << MaybeDouble(1.7e308);
    QTest::addRow("beyond_double_range") << "1.8e308" << MaybeDouble();
    QTest::addRow("negative_beyond_double_range") << "-1.8e308" << MaybeDouble();
    QTest::addRow("huge_exponent_out_of_range") << "9e9999" << MaybeDouble();
    QTest::addRow("negative_huge_exponent_out_of_range") << "-9e9999" << MaybeDouble();
    QTest::addRow("tiny_exponent_is_zero") << "1e-9999" << MaybeDouble(0.0);
    QTest::addRow("exponent_beyond_int64") << "1e99999999999999999999999" << MaybeDouble();
    QTest::addRow("negative_exponent_beyond_int64")
        << "1e-99999999999999999999999" << MaybeDouble(0.0);
    QTest::addRow("zero_with_huge_exponent") << "0e99999999999" << MaybeDouble(0.0);
    QTest::addRow("zero_fraction_with_huge_exponent") << "0.000e999999" << MaybeDouble(0.0);
}

void TestConversions::textToNumber() {
    QFETCH(QString, text);
    QFETCH(MaybeDouble, expected);
    COMPARE_RESULT(core::textToNumber(text.toStdString()), expected);
}

void TestConversions::longRunsDoNotOverflow_data() {
    QTest::addColumn<std::string>("text");
    QTest::addColumn<MaybeDouble>("expected");

    const std::string nines(5000, '9');
    const std::string zeros(5000, '0');
    QTest::addRow("5000_nines_out_of_range") << nines << MaybeDouble();
    QTest::addRow("5000_nines_then_letters_out_of_range") << nines + "abc" << MaybeDouble();
    QTest::addRow("5000_leading_zeros") << zeros + "1" << MaybeDouble(1.0);
    QTest::addRow("5000_zeros_after_point_underflow") << "0." + zeros + "1" << MaybeDouble(0.0);
    QTest::addRow("5000_nines_scaled_back_into_range") << nines + "e-4990" << MaybeDouble(1e10);
    QTest::addRow("5000_zeros_after_point_scaled_back")
        << "0." + zeros + "25e5001" << MaybeDouble(2.5);
    QTest::addRow("exponent_of_5000_digits") << "1e" + nines << MaybeDouble();
    QTest::addRow("negative_exponent_of_5000_digits") << "1e-" + nines << MaybeDouble(0.0);
}

void TestConversions::longRunsDoNotOverflow() {
    QFETCH(std::string, text);
    QFETCH(MaybeDouble, expected);
    COMPARE_RESULT(core::textToNumber(text), expected);
}

void TestConversions::numberToText_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");

    QTest::addRow("zero") << 0.0 << "0";
    QTest::addRow("negative_zero_has_no_sign") << -0.0 << "0";
    QTest::addRow("one_digit") << 7.0 << "7";
    QTest::addRow("ten") << 10.0 << "10";
    QTest::addRow("whole_has_no_point") << 1001.0 << "1001";
    QTest::addRow("negative_whole") << -3.0 << "-3";
    QTest::addRow("int16_minimum") << -32768.0 << "-32768";
    QTest::addRow("fifteen_digit_whole") << 123456789012345.0 << "123456789012345";
    QTest::addRow("fraction") << 2.6 << "2.6";
    QTest::addRow("negative_fraction") << -0.25 << "-0.25";
    QTest::addRow("fraction_below_one_keeps_zero") << 0.5 << "0.5";
    QTest::addRow("binary_noise_hidden_at_15_digits") << 0.1 + 0.2 << "0.3";
}

void TestConversions::numberToText() {
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(QString::fromStdString(core::numberToText(value)), expected);
}

void TestConversions::textToInt16_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<Maybe16>("expected");

    for (int value = 0; value <= 10; ++value)
        QTest::addRow("caption_%d", value) << QString::number(value) << Maybe16(value);
    QTest::addRow("surrounding_blanks") << " 7 " << Maybe16(7);
    QTest::addRow("surrounding_tabs") << "\t7\t" << Maybe16(7);
    QTest::addRow("negative") << "-1" << Maybe16(-1);
    QTest::addRow("int16_maximum") << "32767" << Maybe16(32767);
    QTest::addRow("int16_minimum") << "-32768" << Maybe16(-32768);
    QTest::addRow("just_above_int16") << "32768" << Maybe16();
    QTest::addRow("just_below_int16") << "-32769" << Maybe16();
    QTest::addRow("far_above_int16") << "40000" << Maybe16();
    QTest::addRow("huge_exponent") << "9e9999" << Maybe16();
    QTest::addRow("letters") << "abc" << Maybe16();
    QTest::addRow("empty") << "" << Maybe16();
    QTest::addRow("blanks_only") << "   " << Maybe16();
    QTest::addRow("lone_sign") << "-" << Maybe16();
    QTest::addRow("letter_after_digit") << "3x" << Maybe16();
    QTest::addRow("blank_inside") << "1 0" << Maybe16();
}

void TestConversions::textToInt16() {
    QFETCH(QString, text);
    QFETCH(Maybe16, expected);
    COMPARE_RESULT(core::textToInt16(text.toStdString()), expected);
}

void TestConversions::everyInt16CaptionReadsBack() {
    // Captions are written with numberToText and read back with textToInt16:
    // every 16-bit value must survive the round trip, both ends included.
    for (int value = std::numeric_limits<std::int16_t>::min();
         value <= std::numeric_limits<std::int16_t>::max(); ++value) {
        const Maybe16 back = core::textToInt16(core::numberToText(value));
        if (!back || *back != value)
            QFAIL(qPrintable(QStringLiteral("%1 did not read back").arg(value)));
    }
}

void TestConversions::roundToInt16_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<Maybe16>("expected");

    QTest::addRow("below_half_rounds_down") << 2.4 << Maybe16(2);
    QTest::addRow("above_half_rounds_up") << 2.6 << Maybe16(3);
    QTest::addRow("tie_to_even_down") << 2.5 << Maybe16(2);
    QTest::addRow("tie_to_even_up") << 3.5 << Maybe16(4);
    QTest::addRow("half_to_zero") << 0.5 << Maybe16(0);
    QTest::addRow("negative_tie_to_even") << -2.5 << Maybe16(-2);
    QTest::addRow("negative_above_half") << -2.6 << Maybe16(-3);
    QTest::addRow("maximum_from_below") << 32767.4 << Maybe16(32767);
    QTest::addRow("maximum_tie_rounds_out") << 32767.5 << Maybe16();
    QTest::addRow("minimum_tie_rounds_to_even_inside") << -32768.5 << Maybe16(-32768);
    QTest::addRow("below_minimum") << -32768.6 << Maybe16();
    QTest::addRow("far_above") << 40000.0 << Maybe16();
    QTest::addRow("nan") << notANumber << Maybe16();
    QTest::addRow("infinity") << inf << Maybe16();
    QTest::addRow("negative_infinity") << -inf << Maybe16();
}

void TestConversions::roundToInt16() {
    QFETCH(double, value);
    QFETCH(Maybe16, expected);
    COMPARE_RESULT(core::roundToInt16(value), expected);
}

void TestConversions::roundToInt32_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<Maybe32>("expected");

    QTest::addRow("interval_above_half") << 2.6 << Maybe32(3);
    QTest::addRow("interval_below_half") << 2.4 << Maybe32(2);
    QTest::addRow("tie_to_even_down") << 2.5 << Maybe32(2);
    QTest::addRow("tie_to_even_up") << 3.5 << Maybe32(4);
    QTest::addRow("negative_tie_to_even") << -2.5 << Maybe32(-2);
    QTest::addRow("whole_interval") << 1001.0 << Maybe32(1001);
    QTest::addRow("beyond_int16_is_fine") << 40000.0 << Maybe32(40000);
    QTest::addRow("maximum_from_below") << 2147483647.4 << Maybe32(2147483647);
    QTest::addRow("maximum_tie_rounds_out") << 2147483647.5 << Maybe32();
    QTest::addRow("minimum_tie_rounds_to_even_inside")
        << -2147483648.5 << Maybe32(std::numeric_limits<std::int32_t>::min());
    QTest::addRow("below_minimum") << -2147483648.6 << Maybe32();
    QTest::addRow("nine_e_nine") << 9e9 << Maybe32();
    QTest::addRow("nan") << notANumber << Maybe32();
    QTest::addRow("infinity") << inf << Maybe32();
}

void TestConversions::roundToInt32() {
    QFETCH(double, value);
    QFETCH(Maybe32, expected);
    COMPARE_RESULT(core::roundToInt32(value), expected);
}

void TestConversions::floorToInt16_data() {
    QTest::addColumn<double>("value");
    QTest::addColumn<Maybe16>("expected");

    QTest::addRow("whole_stays") << 1.0 << Maybe16(1);
    QTest::addRow("just_below_eleven") << std::nextafter(11.0, 0.0) << Maybe16(10);
    QTest::addRow("negative_fraction_goes_down") << -0.5 << Maybe16(-1);
    QTest::addRow("maximum_with_fraction") << 32767.9 << Maybe16(32767);
    QTest::addRow("above_maximum") << 32768.0 << Maybe16();
    QTest::addRow("minimum") << -32768.0 << Maybe16(-32768);
    QTest::addRow("just_below_minimum") << -32768.1 << Maybe16();
    QTest::addRow("nan") << notANumber << Maybe16();
    QTest::addRow("infinity") << inf << Maybe16();
    QTest::addRow("negative_whole_stays") << -1.0 << Maybe16(-1);
    QTest::addRow("negative_zero") << -0.0 << Maybe16(0);
    QTest::addRow("minimum_from_a_fraction_above") << -32767.5 << Maybe16(-32768);
}

void TestConversions::floorToInt16() {
    QFETCH(double, value);
    QFETCH(Maybe16, expected);
    COMPARE_RESULT(core::floorToInt16(value), expected);
}

void TestConversions::floorAgreesWithStdFloorAroundEveryInteger() {
    for (int k = -32770; k <= 32769; ++k) {
        const double whole = k;
        for (double value : {whole, std::nextafter(whole, -inf), std::nextafter(whole, inf),
                             whole + 0.5, whole - 0.25}) {
            const double floored = std::floor(value);
            const bool inRange = floored >= -32768 && floored <= 32767;
            const Maybe16 actual = core::floorToInt16(value);
            if (actual.has_value() != inRange || (actual && *actual != floored))
                QFAIL(qPrintable(QStringLiteral("floor of %1: got %2, expected %3")
                                     .arg(value, 0, 'g', 17)
                                     .arg(describe(actual))
                                     .arg(floored)));
        }
    }
}

void TestConversions::increment_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<Maybe16>("expected");

    QTest::addRow("zero") << 0 << Maybe16(1);
    QTest::addRow("four_to_five") << 4 << Maybe16(5);
    QTest::addRow("minus_one_to_zero") << -1 << Maybe16(0);
    QTest::addRow("from_minimum") << -32768 << Maybe16(-32767);
    QTest::addRow("up_to_maximum") << 32766 << Maybe16(32767);
    QTest::addRow("maximum_does_not_wrap") << 32767 << Maybe16();
}

void TestConversions::increment() {
    QFETCH(int, value);
    QFETCH(Maybe16, expected);
    COMPARE_RESULT(core::increment(static_cast<std::int16_t>(value)), expected);
}

QTEST_APPLESS_MAIN(TestConversions)
#include "tst_core_conversions.moc"
