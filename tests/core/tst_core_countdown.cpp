// The counter triple run backwards: one place at a time, a 0 borrowing from
// the next place, a 10 counting as ten in its place.

#include "core/countdown.h"

#include <QTest>

#include <cstdint>

namespace {

struct Triple {
    int hundreds;
    int tens;
    int units;
};

core::CounterTriple counters(Triple t) {
    return {static_cast<std::int16_t>(t.hundreds), static_cast<std::int16_t>(t.tens),
            static_cast<std::int16_t>(t.units)};
}

QByteArray shown(const core::CounterTriple &t) {
    return QByteArray::number(t.hundreds) + ' ' + QByteArray::number(t.tens) + ' ' +
           QByteArray::number(t.units);
}

// One countdown tick as the forms run it: units, borrowing into tens and from
// there into hundreds. False when the triple was already at zero.
bool lowerOnce(core::CounterTriple &t) {
    if (t.atZero())
        return false;
    if (core::lowerPlace(t.units) == core::Borrow::Yes &&
        core::lowerPlace(t.tens) == core::Borrow::Yes)
        core::lowerHundreds(t.hundreds);
    return true;
}

} // namespace

Q_DECLARE_METATYPE(Triple)

class TestCountdown : public QObject {
    Q_OBJECT
private slots:
    void lowerPlace_data();
    void lowerPlace();
    void lowerHundreds_data();
    void lowerHundreds();
    void stepsFromStart_data();
    void stepsFromStart();
    void countsDownToZero_data();
    void countsDownToZero();
};

void TestCountdown::lowerPlace_data() {
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("after");
    QTest::addColumn<bool>("borrows");

    QTest::addRow("five_to_four") << 5 << 4 << false;
    QTest::addRow("one_to_zero_without_borrow") << 1 << 0 << false;
    QTest::addRow("zero_to_nine_with_borrow") << 0 << 9 << true;
    QTest::addRow("ten_loses_one_like_any_value") << 10 << 9 << false;
}

void TestCountdown::lowerPlace() {
    QFETCH(int, place);
    QFETCH(int, after);
    QFETCH(bool, borrows);
    auto value = static_cast<std::int16_t>(place);
    QCOMPARE(core::lowerPlace(value) == core::Borrow::Yes, borrows);
    QCOMPARE(value, after);
}

void TestCountdown::lowerHundreds_data() {
    QTest::addColumn<int>("hundreds");
    QTest::addColumn<int>("after");

    QTest::addRow("one_to_zero") << 1 << 0;
    QTest::addRow("ten_to_nine") << 10 << 9;
    QTest::addRow("zero_never_goes_below") << 0 << 0;
}

void TestCountdown::lowerHundreds() {
    QFETCH(int, hundreds);
    QFETCH(int, after);
    auto value = static_cast<std::int16_t>(hundreds);
    core::lowerHundreds(value);
    QCOMPARE(value, after);
}

void TestCountdown::stepsFromStart_data() {
    QTest::addColumn<Triple>("start");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<Triple>("expected");

    QTest::addRow("borrow_through_both_places") << Triple{1, 0, 0} << 1 << Triple{0, 9, 9};
    QTest::addRow("one_to_zero") << Triple{0, 0, 1} << 1 << Triple{0, 0, 0};
    QTest::addRow("tens_of_ten_stays_until_first_lowered")
        << Triple{3, 10, 4} << 4 << Triple{3, 10, 0};
    QTest::addRow("tens_of_ten_lowered_by_borrow") << Triple{3, 10, 4} << 5 << Triple{3, 9, 9};
    QTest::addRow("units_of_ten_count_as_ten") << Triple{0, 0, 10} << 1 << Triple{0, 0, 9};
    QTest::addRow("hundreds_of_ten_lowered_by_borrow") << Triple{10, 0, 0} << 1 << Triple{9, 9, 9};
}

void TestCountdown::stepsFromStart() {
    QFETCH(Triple, start);
    QFETCH(int, ticks);
    QFETCH(Triple, expected);
    core::CounterTriple t = counters(start);
    for (int i = 0; i < ticks; ++i)
        QVERIFY(lowerOnce(t));
    QCOMPARE(shown(t), shown(counters(expected)));
}

void TestCountdown::countsDownToZero_data() {
    QTest::addColumn<Triple>("start");
    QTest::addColumn<int>("ticks");

    QTest::addRow("already_zero") << Triple{0, 0, 0} << 0;
    QTest::addRow("from_one") << Triple{0, 0, 1} << 1;
    QTest::addRow("from_a_hundred") << Triple{1, 0, 0} << 100;
    QTest::addRow("from_235") << Triple{2, 3, 5} << 235;
    QTest::addRow("from_3_10_4") << Triple{3, 10, 4} << 404;
    QTest::addRow("from_9_9_9") << Triple{9, 9, 9} << 999;
    QTest::addRow("from_10_10_10") << Triple{10, 10, 10} << 1110;
}

void TestCountdown::countsDownToZero() {
    // Every tick lowers 100 h + 10 t + u by exactly one and keeps each place
    // within 0 to 10, until the tick that finds zero lowers nothing.
    QFETCH(Triple, start);
    QFETCH(int, ticks);
    core::CounterTriple t = counters(start);
    int lowered = 0;
    while (lowered <= ticks) {
        const int before = t.value();
        if (!lowerOnce(t))
            break;
        ++lowered;
        QCOMPARE(t.value(), before - 1);
        for (std::int16_t place : {t.hundreds, t.tens, t.units})
            QVERIFY2(place >= 0 && place <= 10, shown(t));
    }
    QCOMPARE(lowered, ticks);
    QCOMPARE(shown(t), QByteArray("0 0 0"));
    QVERIFY(!lowerOnce(t));
    QCOMPARE(shown(t), QByteArray("0 0 0"));
}

QTEST_APPLESS_MAIN(TestCountdown)
#include "tst_core_countdown.moc"
