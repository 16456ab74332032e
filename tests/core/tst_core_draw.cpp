// The draw, the random source behind it, the five-cell spin and the
// countdown's places. The statistical checks run from fixed seeds, so they
// give the same verdict on every run; their thresholds sit at p = 1e-6 all
// the same, so that a change of seed or generator cannot make them flake.

#include "core/countdown.h"
#include "core/random_source.h"
#include "core/spin.h"

#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

constexpr std::uint64_t fixedSeed = 0x0123'4567'89AB'CDEFULL;
constexpr std::uint64_t frozenTime = 1'700'000'000'000'000'000ULL;

core::RandomSource frozenSource(std::uint64_t seed = fixedSeed, std::uint64_t time = frozenTime) {
    return core::RandomSource([time] { return time; }, seed);
}

// Upper tail of the chi-square distribution for an odd number of degrees of
// freedom, in closed form:
//   Q(x; k) = erfc(sqrt(x/2)) + sqrt(2x/pi) e^(-x/2) sum_{j=1}^{(k-1)/2} x^(j-1) /
//   (1*3*...*(2j-1)).
// For k = 9, Q(44.81) = 1e-6: a fair draw exceeds 44.81 once in a million runs.
double chiSquareTail(double x, int oddDegrees) {
    double sum = 0;
    double term = 1;
    for (int j = 1; j <= (oddDegrees - 1) / 2; ++j) {
        sum += term;
        term *= x / (2 * j + 1);
    }
    return std::erfc(std::sqrt(x / 2)) +
           std::sqrt(2 * x / std::numbers::pi) * std::exp(-x / 2) * sum;
}

// The p-value of a chi-square test of the observed counts against the expected.
double pValue(const std::vector<long> &observed, const std::vector<double> &expected) {
    double statistic = 0;
    for (std::size_t i = 0; i < observed.size(); ++i)
        statistic += std::pow(observed[i] - expected[i], 2) / expected[i];
    return chiSquareTail(statistic, int(observed.size()) - 1);
}

#define VERIFY_FITS(observed, expected)                                                            \
    do {                                                                                           \
        const double p = pValue(observed, expected);                                               \
        QVERIFY2(p > 1e-6, qPrintable(QStringLiteral("chi-square p = %1").arg(p)));                \
    } while (false)

// The largest float lying below the real number tenths / 10.
float floatJustBelowTenths(int tenths) {
    float f = static_cast<float>(tenths / 10.0);
    // No float equals a multiple of 0.1 except 0 and 1, so comparing with the
    // nearest double tells which side of the real value f lies on.
    if (static_cast<double>(f) >= tenths / 10.0)
        f = std::nextafter(f, 0.0f);
    return f;
}

std::vector<float> reseedAndTake(core::RandomSource &source, int count) {
    source.reseed();
    std::vector<float> values;
    for (int i = 0; i < count; ++i)
        values.push_back(source.next());
    return values;
}

// One countdown tick as the forms run it: units, borrowing into tens and from
// there into hundreds.
void lowerOnce(core::CounterTriple &t) {
    if (core::lowerPlace(t.units) == core::Borrow::Yes &&
        core::lowerPlace(t.tens) == core::Borrow::Yes)
        core::lowerHundreds(t.hundreds);
}

} // namespace

class TestDraw : public QObject {
    Q_OBJECT
private slots:
    void tailMatchesKnownCriticalValue();
    void drawFromEveryGeneratorValueAndEveryTenth();
    void drawIsDrawFromOfTheNextValue();
    void nextIsUniform_data();
    void nextIsUniform();
    void spunCellsFollowTheDrawDistribution_data();
    void spunCellsFollowTheDrawDistribution();
    void systemClockDrawsEveryValue();
    void reseedMixesClockIntoState();
    void spinOrderAndRedraw_data();
    void spinOrderAndRedraw();
    void spinCaptionsAndClear();
    void countdown_data();
    void countdown();
};

void TestDraw::tailMatchesKnownCriticalValue() {
    // Published values: 9 degrees at p = 0.05 is 16.919, 1 degree at 0.05 is 3.841.
    QVERIFY(std::abs(chiSquareTail(16.919, 9) - 0.05) < 1e-4);
    QVERIFY(std::abs(chiSquareTail(3.841, 1) - 0.05) < 1e-4);
    QVERIFY(std::abs(chiSquareTail(44.81, 9) - 1e-6) < 1e-8);
}

void TestDraw::drawFromEveryGeneratorValueAndEveryTenth() {
    // The generator yields n / 2^24; the exact draw is 1 + floor(10 n / 2^24),
    // computed here in integers.
    constexpr std::uint32_t values = 1u << 24;
    for (std::uint32_t n = 0; n < values; ++n) {
        const float r = static_cast<float>(n) / static_cast<float>(values);
        const int exact = 1 + static_cast<int>((std::uint64_t(n) * 10) >> 24);
        if (core::drawFrom(r) != exact)
            QFAIL(qPrintable(QStringLiteral("n = %1 draws %2, expected %3")
                                 .arg(n)
                                 .arg(core::drawFrom(r))
                                 .arg(exact)));
    }
    // Floats finer than those steps, on both sides of every tenth.
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(core::drawFrom(floatJustBelowTenths(k)), k);
        if (k < 10)
            QCOMPARE(core::drawFrom(std::nextafter(floatJustBelowTenths(k), 1.0f)), k + 1);
    }
}

void TestDraw::drawIsDrawFromOfTheNextValue() {
    // draw() works in whole numbers; it must give what drawFrom() gives for
    // the value the same source would have yielded, clock moving or not.
    const auto ticking = [t = frozenTime]() mutable { return t += 7919; };
    core::RandomSource drawing(ticking, fixedSeed);
    core::RandomSource stepping(ticking, fixedSeed);
    for (int i = 0; i < 1'000'000; ++i) {
        stepping.reseed();
        const float r = stepping.next();
        const std::int16_t drawn = core::draw(drawing);
        if (drawn != core::drawFrom(r))
            QFAIL(qPrintable(QStringLiteral("value %1: r = %2 draws %3, draw() gave %4")
                                 .arg(i)
                                 .arg(r, 0, 'g', 9)
                                 .arg(core::drawFrom(r))
                                 .arg(drawn)));
    }
}

void TestDraw::nextIsUniform_data() {
    QTest::addColumn<bool>("reseedEachValue");
    QTest::addRow("without_reseed") << false;
    QTest::addRow("reseed_before_each_value_frozen_clock") << true;
}

void TestDraw::nextIsUniform() {
    QFETCH(bool, reseedEachValue);
    core::RandomSource source = frozenSource();
    constexpr int bins = 100;
    constexpr int samples = 1'000'000;
    std::vector<long> single(bins);
    // Consecutive values on a 10 x 10 grid: a re-seed that left the next value
    // tied to the previous one shows up here.
    std::vector<long> pairs(bins);
    int previousTenth = 0;
    int odd = 0;
    for (int i = 0; i < samples; ++i) {
        if (reseedEachValue)
            source.reseed();
        const float r = source.next();
        // 24 random bits: a whole number of 2^-24 steps in [0, 1).
        const double scaled = static_cast<double>(r) * (1 << 24);
        if (!(r >= 0.0f && r < 1.0f) || scaled != std::floor(scaled))
            QFAIL(qPrintable(QString::number(r, 'g', 9)));
        odd += static_cast<std::uint32_t>(scaled) & 1u;
        ++single[static_cast<int>(r * bins)];
        const int tenth = static_cast<int>(r * 10);
        if (i % 2 == 1)
            ++pairs[previousTenth * 10 + tenth];
        previousTenth = tenth;
    }
    // The lowest of the 24 bits is random too: even and odd as two bins.
    VERIFY_FITS((std::vector<long>{odd, samples - odd}), (std::vector<double>(2, samples / 2.0)));
    VERIFY_FITS(single, std::vector<double>(bins, double(samples) / bins));
    VERIFY_FITS(pairs, std::vector<double>(bins, double(samples / 2) / bins));
}

void TestDraw::spunCellsFollowTheDrawDistribution_data() {
    // A spin re-seeds before each of its draws, usually within one tick of
    // the clock; the draws must hold whatever the clock reads.
    QTest::addColumn<quint64>("time");
    QTest::addColumn<int>("clockStep");
    QTest::addColumn<int>("readsPerStep");
    QTest::addRow("frozen_clock") << quint64(frozenTime) << 0 << 1;
    QTest::addRow("frozen_at_zero") << quint64(0) << 0 << 1;
    QTest::addRow("frozen_at_all_ones") << ~quint64(0) << 0 << 1;
    QTest::addRow("clock_moves_one_ns_per_read") << quint64(frozenTime) << 1 << 1;
    QTest::addRow("coarse_clock_moves_every_64_reads") << quint64(frozenTime) << 15'625'000 << 64;
}

void TestDraw::spunCellsFollowTheDrawDistribution() {
    QFETCH(quint64, time);
    QFETCH(int, clockStep);
    QFETCH(int, readsPerStep);
    std::uint64_t reads = 0;
    core::RandomSource source(
        [&] { return time + (reads++ / readsPerStep) * std::uint64_t(clockStep); }, fixedSeed);

    constexpr int spins = 200'000;
    std::vector<long> counts(10);
    std::int16_t drawnValue = 0;
    std::int16_t cellIndex = 0;
    bool inRange = true;
    for (int spin = 0; spin < spins && inRange; ++spin) {
        core::spinCells(
            cellIndex, drawnValue, [&] { drawnValue = core::draw(source); },
            [&](std::int16_t) {
                inRange = inRange && drawnValue >= 1 && drawnValue <= 10;
                if (inRange)
                    ++counts[drawnValue - 1];
            });
    }
    QVERIFY2(inRange, qPrintable(QString::number(drawnValue)));
    // Per cell: 1 to 9 each 1/10 + 1/10 * 1/10 = 11/100, and 10 only when
    // both the draw and its re-draw give 10: 1/100.
    constexpr double cells = spins * core::cellCount;
    std::vector<double> expected(9, cells * 0.11);
    expected.push_back(cells * 0.01);
    VERIFY_FITS(counts, expected);
}

void TestDraw::systemClockDrawsEveryValue() {
    core::RandomSource source;
    std::array<int, 10> seen{};
    for (int i = 0; i < 1000; ++i) {
        const std::int16_t value = core::draw(source);
        QVERIFY(value >= 1 && value <= 10);
        ++seen[value - 1];
    }
    QVERIFY(std::find(seen.begin(), seen.end(), 0) == seen.end());
}

void TestDraw::reseedMixesClockIntoState() {
    core::RandomSource source = frozenSource();
    const std::vector<float> first = reseedAndTake(source, 8);
    // An unchanged clock does not restart the sequence.
    const std::vector<float> second = reseedAndTake(source, 8);
    const std::vector<float> third = reseedAndTake(source, 8);
    QVERIFY(first != second && second != third && first != third);
    // The running state is kept, not replaced by the clock alone ...
    core::RandomSource otherState = frozenSource(fixedSeed + 1);
    QVERIFY(reseedAndTake(otherState, 8) != first);
    // ... and the clock is taken in.
    core::RandomSource otherTime = frozenSource(fixedSeed, frozenTime + 1);
    QVERIFY(reseedAndTake(otherTime, 8) != first);
    // A fixed seed and a frozen clock reproduce the draws.
    core::RandomSource one = frozenSource();
    core::RandomSource other = frozenSource();
    for (int i = 0; i < 1000; ++i)
        QCOMPARE(core::draw(one), core::draw(other));
}

void TestDraw::spinOrderAndRedraw_data() {
    // The values the draws return in turn, and the log of the spin: dN is a
    // draw while cellIndex is N, wN=V the writing of V into cell N.
    QTest::addColumn<QList<int>>("script");
    QTest::addColumn<QString>("log");

    QTest::addRow("no_ten_nine_not_redrawn")
        << QList<int>{9, 1, 4, 1, 9} << "d0 w0=9 d1 w1=1 d2 w2=4 d3 w3=1 d4 w4=9";
    QTest::addRow("ten_redrawn_once")
        << QList<int>{10, 4, 2, 2, 2, 2} << "d0 d0 w0=4 d1 w1=2 d2 w2=2 d3 w3=2 d4 w4=2";
    QTest::addRow("second_ten_stays_then_last_cell_redrawn")
        << QList<int>{10, 10, 7, 7, 7, 10, 6} << "d0 d0 w0=10 d1 w1=7 d2 w2=7 d3 w3=7 d4 d4 w4=6";
}

void TestDraw::spinOrderAndRedraw() {
    QFETCH(QList<int>, script);
    QFETCH(QString, log);

    std::int16_t cellIndex = 3; // left over from elsewhere: the spin starts at 0 regardless
    std::int16_t drawnValue = 0;
    qsizetype next = 0;
    QStringList events;
    core::spinCells(
        cellIndex, drawnValue,
        [&] {
            events << QStringLiteral("d%1").arg(cellIndex);
            drawnValue = static_cast<std::int16_t>(script.value(next++));
        },
        [&](std::int16_t index) { events << QStringLiteral("w%1=%2").arg(index).arg(drawnValue); });
    QCOMPARE(events.join(u' '), log);
    QCOMPARE(cellIndex, core::cellCount);
}

void TestDraw::spinCaptionsAndClear() {
    for (std::int16_t value = 1; value <= 10; ++value)
        QCOMPARE(QString::fromStdString(core::spinCaption(value)), QString::number(value));
    std::int16_t cellIndex = 2;
    QList<int> cleared;
    core::clearCells(cellIndex, [&](std::int16_t index) { cleared.append(index); });
    QCOMPARE(cleared, (QList<int>{0, 1, 2, 3, 4}));
    QCOMPARE(cellIndex, core::cellCount);
}

void TestDraw::countdown_data() {
    // Places as hundreds, tens, units; a 10 counts as ten and loses one like
    // any other value, only a 0 borrows.
    QTest::addColumn<QList<int>>("start");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QList<int>>("expected");

    QTest::addRow("one_to_zero_without_borrow") << QList<int>{0, 0, 1} << 1 << QList<int>{0, 0, 0};
    QTest::addRow("zero_borrows_through_both_places")
        << QList<int>{1, 0, 0} << 1 << QList<int>{0, 9, 9};
    QTest::addRow("units_of_ten_lose_one") << QList<int>{0, 0, 10} << 1 << QList<int>{0, 0, 9};
    QTest::addRow("tens_of_ten_stay_until_borrowed")
        << QList<int>{3, 10, 4} << 4 << QList<int>{3, 10, 0};
    QTest::addRow("tens_of_ten_lowered_by_borrow")
        << QList<int>{3, 10, 4} << 5 << QList<int>{3, 9, 9};
    QTest::addRow("hundreds_of_ten_lowered_by_borrow")
        << QList<int>{10, 0, 0} << 1 << QList<int>{9, 9, 9};
    QTest::addRow("from_10_10_10_in_1110_ticks")
        << QList<int>{10, 10, 10} << 1110 << QList<int>{0, 0, 0};
}

void TestDraw::countdown() {
    QFETCH(QList<int>, start);
    QFETCH(int, ticks);
    QFETCH(QList<int>, expected);
    std::int16_t hundreds = 0;
    core::lowerHundreds(hundreds);
    QCOMPARE(hundreds, 0); // the hundreds place never goes below 0

    core::CounterTriple t{std::int16_t(start[0]), std::int16_t(start[1]), std::int16_t(start[2])};
    for (int i = 0; i < ticks; ++i) {
        QVERIFY(!t.atZero());
        const int before = t.value();
        lowerOnce(t);
        // Each tick lowers 100 h + 10 t + u by exactly one, places within 0 to 10.
        QCOMPARE(t.value(), before - 1);
        for (std::int16_t place : {t.hundreds, t.tens, t.units})
            QVERIFY(place >= 0 && place <= 10);
    }
    QCOMPARE((QList<int>{t.hundreds, t.tens, t.units}), expected);
    QCOMPARE(t.atZero(), expected == (QList<int>{0, 0, 0}));
}

QTEST_APPLESS_MAIN(TestDraw)
#include "tst_core_draw.moc"
