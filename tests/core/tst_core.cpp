// The rules without a window: what a box keeps of typed text, that text as
// a number, an interval and a count, rounding, the draw and its statistics, the countdown's tick,
// and readable scheme colours.

#include "core/box_text.h"
#include "core/conversions.h"
#include "core/countdown.h"
#include "core/draw.h"
#include "core/schemes.h"

#include <QTest>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

class TestCore : public QObject {
    Q_OBJECT
private slots:
    void leadingNumber_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("expected"); // NaN: beyond the range of a double
        const double beyond = std::numeric_limits<double>::quiet_NaN();
        QTest::addRow("empty") << "" << 0.0;
        QTest::addRow("blanks_and_tab_skipped") << " \t 42" << 42.0;
        QTest::addRow("lone_sign") << "-" << 0.0;
        QTest::addRow("lone_point") << "." << 0.0;
        QTest::addRow("two_signs") << "+-5" << 0.0;
        QTest::addRow("plus_sign") << "+8" << 8.0;
        QTest::addRow("digits_then_letter") << "12x" << 12.0;
        QTest::addRow("fraction") << "-2.625" << -2.625;
        QTest::addRow("leading_point") << ".6" << 0.6;
        QTest::addRow("trailing_point") << "7." << 7.0;
        QTest::addRow("exponent") << "2E2" << 200.0;
        QTest::addRow("exponent_signs") << "1e+3e-3" << 1000.0;
        QTest::addRow("exponent_without_digits") << "5e+" << 5.0;
        QTest::addRow("no_infinity_words") << "inf" << 0.0;
        QTest::addRow("no_hexadecimal") << "0x1A" << 0.0;
        QTest::addRow("beyond_double") << "9e9999" << beyond;
        QTest::addRow("exponent_at_64_bit_top") << "1e9223372036854775807" << beyond;
        QTest::addRow("large_fraction_beyond_double") << "0.01e312" << beyond;
        QTest::addRow("too_small_is_zero") << "-1e-9999" << 0.0;
        QTest::addRow("long_fraction_small") << "0." + QString(400, '0') + "1e50" << 0.0;
        QTest::addRow("huge_exponent_small") << "1e-99999999999999999999" << 0.0;
        // Read as a box shows it.
        QTest::addRow("devanagari_fraction_exponent") << "-१.५e२" << -150.0;
        QTest::addRow("variation_selector_inside") << "1\uFE0F00" << 100.0;
        QTest::addRow("blank_inside_ends") << "1\u00A0000" << 1.0;
        QTest::addRow("letter_of_another_script_ends") << "1\u09052" << 1.0;
    }
    void leadingNumber() {
        QFETCH(QString, text);
        QFETCH(double, expected);
        const std::optional<double> number = core::leadingNumber(text.toStdU16String());
        QCOMPARE(number.has_value(), !std::isnan(expected));
        if (number)
            QCOMPARE(*number, expected);
    }

    // What a box keeps of what is typed or pasted into it.
    void boxText_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        // clang-format off
        QTest::addRow("digits_of_every_script") << "\u0663\u0969\u0E53\u17E3\U0001D7D3" << "33335";
        QTest::addRow("full_width_forms") << "\uFF11\uFF45\uFF0D\uFF13\uFF0E\uFF15" << "1e-3.5";
        QTest::addRow("small_and_half_width_forms") << "\uFE63\uFE52\uFF76\uFF9E" << "-.\u30AB";
        QTest::addRow("minus_sign") << "\u22125" << "-5";
        QTest::addRow("other_compatibility_forms_kept") << "\u207B10\u00B2\u00BD\u2460\uFB01" << "\u207B10\u00B2\u00BD\u2460\uFB01";
        QTest::addRow("marks_and_selectors_out") << "1\u0301\u034F\u17B4\uFE0F\u0903\u20DD\U000E01000" << "10";
        QTest::addRow("hangul_fillers_out") << "\u3164\u115F\u1160\uFFA01" << "1";
        QTest::addRow("jamo_out_syllables_kept") << "\u1100\u1161\u11A8\uAC01\u3131" << "\uAC01\u3131";
        QTest::addRow("controls_and_format_out") << "\u202E3\u200B2\u00AD\u0001\t\u00851" << "321";
        QTest::addRow("unpaired_surrogates_out") << QStringView(u"\xD800" u"1\xDC00" u"2\xD800").toString() << "12";
        QTest::addRow("pair_kept") << "\U0001F469\u200D\U0001F467" << "\U0001F469\U0001F467";
        QTest::addRow("blanks_are_spaces") << "\u00A0\u3000\u2028\u2800\uFFFC1" << "     1";
        // clang-format on
    }
    void boxText() {
        QFETCH(QString, typed);
        QTEST(QString::fromStdU16String(core::cleanBoxText(typed.toStdU16String())), "kept");
    }

    // What a box's text means as a batch's spins and as a timer's wait:
    // rounded to the nearest whole number, ties to even, within 16 bits for
    // spins and from 0 within 32 bits for a wait.
    void boxReadings_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("spins");          // 99999: refused
        QTest::addColumn<qlonglong>("interval"); // -1: refused
        // clang-format off
        QTest::addRow("tie_to_even_down") << "2.5" << 2 << 2LL;
        QTest::addRow("tie_to_even_up") << "3.5" << 4 << 4LL;
        QTest::addRow("negative_tie") << "-0.5" << 0 << 0LL;
        QTest::addRow("negative") << "-5" << -5 << -1LL;
        QTest::addRow("int16_top") << "32767.49" << 32767 << 32767LL;
        QTest::addRow("int16_over") << "32767.5" << 99999 << 32768LL;
        QTest::addRow("int16_bottom_tie") << "-32768.5" << -32768 << -1LL;
        QTest::addRow("int32_top") << "2147483647.4" << 99999 << 2147483647LL;
        QTest::addRow("int32_over") << "2147483647.5" << 99999 << -1LL;
        QTest::addRow("beyond_double") << "9e999" << 99999 << -1LL;
        // clang-format on
    }
    void boxReadings() {
        QFETCH(QString, text);
        const std::optional<std::int16_t> spins = core::spinCountFromText(text.toStdU16String());
        QTEST(spins ? int(*spins) : 99999, "spins");
        QTEST(qlonglong(core::intervalFromText(text.toStdU16String()).value_or(-1)), "interval");
    }

    // Every value the source can give draws 1 + floor(10 r), r as a float
    // and the product in double precision.
    void drawForEveryValue() {
        for (std::uint32_t k = 0; k < (1u << 24); ++k) {
            const double r = static_cast<float>(k) / static_cast<float>(1u << 24);
            const std::int16_t drawn = core::drawFromBits(k);
            if (drawn != 1 + std::floor(r * 10.0))
                QFAIL(qPrintable(QStringLiteral("r = %1 / 2^24 drew %2").arg(k).arg(drawn)));
        }
    }

    // A frozen clock must not restart the sequence: the draws stay uniform,
    // also from a clock stuck at 0 and a state of 0. Chi-square against the
    // expected counts, 9 degrees of freedom, at a level of 0.001 (27.88); the
    // source is fixed, so the test is repeatable.
    void drawIsUniform_data() {
        QTest::addColumn<quint64>("clock");
        QTest::addColumn<quint64>("state");
        QTest::addRow("frozen_clock") << quint64{1'700'000'000'000'000'000} << quint64{1};
        QTest::addRow("zero_clock_zero_state") << quint64{0} << quint64{0};
    }
    void drawIsUniform() {
        QFETCH(quint64, clock);
        QFETCH(quint64, state);
        core::RandomSource source([clock] { return std::uint64_t{clock}; }, state);
        std::array<int, 11> counts{};
        const int draws = 100'000;
        for (int i = 0; i < draws; ++i)
            ++counts.at(std::size_t(core::drawOnce(source)));
        std::array<double, 10> expected;
        expected.fill(0.1);
        QCOMPARE(counts[0], 0);
        QVERIFY(chiSquare(counts, expected, draws) < 27.88);
    }

    // Every draw re-seeds from the clock: another clock, other draws.
    void drawFollowsTheClock() {
        core::RandomSource one([] { return std::uint64_t{1}; });
        core::RandomSource two([] { return std::uint64_t{2}; });
        std::vector<std::int16_t> first, second;
        for (int i = 0; i < 20; ++i) {
            first.push_back(core::drawOnce(one));
            second.push_back(core::drawOnce(two));
        }
        QVERIFY(first != second);
    }

    // Each tick that does not finish lowers 100 h + 10 t + u by exactly one,
    // a place at 10 included, until 0 0 0; the tick after that finishes and
    // leaves 0 0 0.
    void countdownLowersByOne() {
        for (std::int16_t h = 0; h <= 10; ++h) {
            for (std::int16_t t = 0; t <= 10; ++t) {
                for (std::int16_t u = 0; u <= 10; ++u) {
                    core::Countdown count{h, t, u};
                    for (int expected = 100 * h + 10 * t + u - 1; expected >= 0; --expected) {
                        if (count.tick() != core::Countdown::Tick::Lowered ||
                            100 * count.hundreds + 10 * count.tens + count.units != expected ||
                            count.hundreds < 0 || count.tens < 0 || count.units < 0)
                            QFAIL(qPrintable(QStringLiteral("%1 %2 %3").arg(h).arg(t).arg(u)));
                    }
                    QCOMPARE(count.tick(), core::Countdown::Tick::Finished);
                    QVERIFY(count.hundreds == 0 && count.tens == 0 && count.units == 0);
                }
            }
        }
    }

    // A scheme keeps the desktop's colours while its digits stand out from
    // their background by 3:1 or more; below that all of it takes the usual
    // colours (Fluro: green on black).
    void readableColours_data() {
        QTest::addColumn<uint>("fore");
        QTest::addColumn<uint>("back");
        QTest::addColumn<bool>("kept");
        QTest::addRow("green_on_white") << 0x00FF00u << 0xFFFFFFu << false;
        QTest::addRow("just_below_three") << 0x595959u << 0u << false;
        QTest::addRow("just_above_three") << 0x5A5A5Au << 0u << true;
        QTest::addRow("dark_on_light_kept") << 0u << 0x5A5A5Au << true;
    }
    void readableColours() {
        QFETCH(uint, fore);
        QFETCH(uint, back);
        QFETCH(bool, kept);
        const core::SchemeColours desktop{core::rgb(back), core::rgb(back), core::rgb(fore)};
        const core::SchemeColours usual{{0, 0, 0}, {0, 0, 0}, {0, 0xFF, 0}};
        QVERIFY(core::readableColours(core::schemes::fluro, desktop) == (kept ? desktop : usual));
    }

private:
    static double chiSquare(const std::array<int, 11> &counts,
                            const std::array<double, 10> &expected, int total) {
        double sum = 0;
        for (std::size_t value = 1; value <= 10; ++value) {
            const double wanted = expected[value - 1] * total;
            sum += (counts[value] - wanted) * (counts[value] - wanted) / wanted;
        }
        return sum;
    }
};

QTEST_APPLESS_MAIN(TestCore)
#include "tst_core.moc"
