// "Spin", "Zero" and auto-spin in corvane2, including the refused auto-spin
// interval that once ended the program.

#include "form_state.h"

#include "core/spin.h"

#include <QMessageBox>
#include <QTest>

using corvane2::Form1;
using namespace corvane2_test;

namespace {

constexpr std::uint64_t frozenClock = 1'234'567;
constexpr std::uint64_t seed = 0xC0FFEE;

core::RandomSource frozenSource() {
    return core::RandomSource([] { return frozenClock; }, seed);
}

// The captions of successive spins from the same source, cell by cell: a
// draw, and a second one when the first is 10.
class ExpectedSpins {
public:
    QStringList next() {
        QStringList cells;
        for (int i = 0; i < 5; ++i) {
            std::int16_t value = core::draw(m_source);
            if (value > 9)
                value = core::draw(m_source);
            cells << QString::number(value);
        }
        return cells;
    }

private:
    core::RandomSource m_source = frozenSource();
};

void showNotice(Form1 &form) {
    form.cmdClear_Click();
    form.cmdstart_Click();
    form.Timer3_Timer(); // 0 0 0: the first tick completes
    QVERIFY(!form.lblStop->isHidden());
}

// Brings the form into the state a row names.
void prepare(Form1 &form, const QString &state) {
    if (state == QLatin1String("counting")) {
        setCells(form, {2, 3, 5});
        form.cmdstart_Click();
        for (int i = 0; i < 7; ++i)
            form.Timer3_Timer();
    } else if (state == QLatin1String("complete")) {
        showNotice(form);
    } else if (state == QLatin1String("auto_spinning")) {
        form.cmdAuto_Click();
        form.Timer1_Timer();
    } else if (state == QLatin1String("one_number")) {
        form.mnuOne_Click();
    } else if (state == QLatin1String("counting_hid_3_4")) {
        form.mnufive_Click();
        form.cmdstart_Click();
    }
}

} // namespace

class TestCorvane2Spin : public QObject {
    Q_OBJECT
private slots:
    void spinWritesEveryCellInOrder_data();
    void spinWritesEveryCellInOrder();
    void spinsNeverShowZero();
    void zeroTwiceEqualsOnce_data();
    void zeroTwiceEqualsOnce();
    void autoSpinnerStartsWithoutSpinning();
    void tickTakesIntervalThenSpins_data();
    void tickTakesIntervalThenSpins();
    void zeroIntervalSilencesAutoSpin_data();
    void zeroIntervalSilencesAutoSpin();
    void refusedIntervalStopsAutoSpinOnly_data();
    void refusedIntervalStopsAutoSpinOnly();
};

void TestCorvane2Spin::spinWritesEveryCellInOrder_data() {
    QTest::addColumn<QString>("state");
    QTest::addRow("all_cells_shown") << "fresh";
    QTest::addRow("hidden_cells_written_too") << "one_number";
    QTest::addRow("cells_hidden_by_count_down_written") << "counting_hid_3_4";
    QTest::addRow("hides_countdown_complete") << "complete";
    QTest::addRow("while_auto_spinning") << "auto_spinning";
}

void TestCorvane2Spin::spinWritesEveryCellInOrder() {
    QFETCH(QString, state);

    Form1 form(frozenSource());
    ExpectedSpins expected;
    prepare(form, state);
    if (state == QLatin1String("auto_spinning"))
        expected.next(); // the tick in prepare() spun once
    QStringList before = snapshot(form);

    // Several spins in a row: a re-seed from a clock that has not moved must
    // not restart the sequence, so each spin follows on from the last.
    for (int spin = 0; spin < 3; ++spin) {
        form.cmdSpin->click();
        QCOMPARE(captions(form), expected.next());
        QCOMPARE(form.cellIndex, std::int16_t(5));
    }

    // Only the captions and the notice change.
    QStringList after = snapshot(form);
    before.replace(0, after.at(0));
    before.replace(2, QStringLiteral("notice hidden"));
    QCOMPARE(after, before);
}

void TestCorvane2Spin::spinsNeverShowZero() {
    Form1 form(frozenSource());
    QMap<QString, int> seen;
    for (int spin = 0; spin < 400; ++spin) {
        form.cmdSpin_Click();
        for (const QString &caption : captions(form))
            ++seen[caption];
    }
    QStringList values = seen.keys();
    std::ranges::sort(values, {}, [](const QString &text) { return text.toInt(); });
    const QStringList oneToTen{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"};
    QCOMPARE(values, oneToTen);
    // 10 comes only through a second 10: about 1 cell in 100, against 11 in 100
    // for every other value.
    QVERIFY2(seen["10"] * 4 < seen["1"], qPrintable(QString::number(seen["10"])));
}

void TestCorvane2Spin::zeroTwiceEqualsOnce_data() {
    QTest::addColumn<QString>("state");
    QTest::addRow("fresh") << "fresh";
    QTest::addRow("counting_keeps_counters") << "counting";
    QTest::addRow("complete_hides_notice") << "complete";
    QTest::addRow("auto_spinning_stops") << "auto_spinning";
    QTest::addRow("hidden_cells_stay_hidden") << "one_number";
}

void TestCorvane2Spin::zeroTwiceEqualsOnce() {
    QFETCH(QString, state);

    Form1 form(frozenSource());
    prepare(form, state);
    form.cmdSpin_Click();
    form.Timer2->setEnabled(true);
    const core::CounterTriple counters = form.counter;
    const QString shown = shownCells(form);
    const std::int16_t drawn = form.drawnValue;

    form.cmdClear->click();
    const QStringList once = snapshot(form);
    QCOMPARE(captions(form), QStringList(5, QStringLiteral("0")));
    QCOMPARE(form.cellIndex, std::int16_t(5));
    QVERIFY(form.lblStop->isHidden());
    for (const ui::Timer *timer : {form.Timer1, form.Timer2, form.Timer3})
        QVERIFY(!timer->isEnabled() && !timer->isTicking());
    QCOMPARE(form.counter.hundreds, counters.hundreds);
    QCOMPARE(form.counter.tens, counters.tens);
    QCOMPARE(form.counter.units, counters.units);
    QCOMPARE(shownCells(form), shown);
    QCOMPARE(form.drawnValue, drawn);

    form.cmdClear_Click();
    QCOMPARE(snapshot(form), once);
}

void TestCorvane2Spin::autoSpinnerStartsWithoutSpinning() {
    Form1 form(frozenSource());
    showNotice(form);
    form.cmdAuto->click();
    QCOMPARE(captions(form), QStringList(5, QStringLiteral("0")));
    QVERIFY(form.lblStop->isHidden());
    // The first wait is the interval the timer already holds.
    QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=1 interval=500 ticking=1"));

    // A second click neither spins nor switches auto-spin off.
    form.cmdAuto_Click();
    QCOMPARE(captions(form), QStringList(5, QStringLiteral("0")));
    QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=1 interval=500 ticking=1"));
}

void TestCorvane2Spin::tickTakesIntervalThenSpins_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("interval");
    QTest::addRow("letters_after_number_ignored") << "1001abc" << 1001;
    QTest::addRow("fraction_rounds_up") << "2.6" << 3;
    QTest::addRow("tie_rounds_to_even_down") << "2.5" << 2;
    QTest::addRow("tie_rounds_to_even_up") << "3.5" << 4;
    QTest::addRow("leading_blanks_skipped") << "  42" << 42;
    QTest::addRow("exponent") << "2e3" << 2000;
    QTest::addRow("largest_interval") << "2.1e9" << 2100000000;
    QTest::addRow("plus_sign") << "+7" << 7;
}

void TestCorvane2Spin::tickTakesIntervalThenSpins() {
    QFETCH(QString, text);
    QFETCH(int, interval);

    Form1 form(frozenSource());
    ExpectedSpins expected;
    form.cmdAuto_Click();
    form.txtloop->setText(text);
    QCOMPARE(form.Timer1->interval(), 500); // editing the box changes nothing yet
    form.Timer1_Timer();
    QCOMPARE(timerState(*form.Timer1),
             QStringLiteral("enabled=1 interval=%1 ticking=1").arg(interval));
    QCOMPARE(captions(form), expected.next());

    // The box is read again at every tick.
    form.txtloop->setText(QStringLiteral("250"));
    form.Timer1_Timer();
    QCOMPARE(form.Timer1->interval(), 250);
    QCOMPARE(captions(form), expected.next());
}

void TestCorvane2Spin::zeroIntervalSilencesAutoSpin_data() {
    QTest::addColumn<QString>("text");
    QTest::addRow("empty") << "";
    QTest::addRow("zero") << "0";
    QTest::addRow("not_a_number") << "abc";
    QTest::addRow("rounds_to_zero") << "0.4";
    QTest::addRow("sign_alone") << "-";
}

void TestCorvane2Spin::zeroIntervalSilencesAutoSpin() {
    QFETCH(QString, text);

    Form1 form(frozenSource());
    ExpectedSpins expected;
    form.cmdAuto_Click();
    form.txtloop->setText(text);
    form.Timer1_Timer();
    QCOMPARE(captions(form), expected.next()); // that tick still spins
    QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=1 interval=0 ticking=0"));
    QVERIFY(!form.txtloop->isRefused());
    QVERIFY(!form.message());

    // Only a tick writes the interval, and none comes any more.
    form.txtloop->setText(QStringLiteral("1001"));
    form.cmdAuto_Click();
    QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=1 interval=0 ticking=0"));
    form.cmdClear_Click();
    form.cmdAuto_Click();
    QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=1 interval=0 ticking=0"));
    QVERIFY(!form.hasEnded());
}

void TestCorvane2Spin::refusedIntervalStopsAutoSpinOnly_data() {
    QTest::addColumn<QString>("text");
    QTest::addRow("negative") << "-5";
    QTest::addRow("rounds_to_minus_one") << "-0.6";
    QTest::addRow("beyond_double_range") << "9e9999";
    QTest::addRow("beyond_32_bits") << "3e9";
    QTest::addRow("just_beyond_32_bits") << "2.2e9";
}

void TestCorvane2Spin::refusedIntervalStopsAutoSpinOnly() {
    QFETCH(QString, text);

    Form1 form(frozenSource());
    // Auto-spin and a countdown both running, with the notice of an earlier
    // countdown already gone.
    form.cmdAuto_Click();
    form.Timer1_Timer();
    QCOMPARE(form.Timer1->interval(), 1001);
    form.cmdstart_Click();
    form.txtInterval->setText(QStringLiteral("40"));
    form.txtloop->setText(text);
    QStringList before = snapshot(form);

    form.Timer1_Timer();
    QVERIFY(!form.hasEnded());
    QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=0 interval=1001 ticking=0"));
    QStringList after = snapshot(form);
    before.replace(3, after.at(3)); // Timer1's line
    QCOMPARE(after, before);

    // One message, which does not block and names the box and the range.
    const QList<QMessageBox *> boxes = form.findChildren<QMessageBox *>();
    QCOMPARE(boxes.size(), 1);
    QCOMPARE(boxes.front(), form.message());
    QVERIFY(form.message()->isVisible());
    QVERIFY(!form.message()->isModal());
    const QString message = form.message()->text();
    QVERIFY2(message.contains(QStringLiteral("Speed of Spins")), qPrintable(message));
    QVERIFY2(message.contains(QStringLiteral("0 to 2147483647")), qPrintable(message));

    // The program goes on: a good value and "Auto- Spinner" bring auto-spin back.
    form.txtloop->setText(QStringLiteral("300"));
    form.cmdAuto_Click();
    form.Timer1_Timer();
    QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=1 interval=300 ticking=1"));
    QVERIFY(captions(form) != QStringList(5, QStringLiteral("0")));
    QCOMPARE(form.findChildren<QMessageBox *>().size(), 1);
}

QTEST_MAIN(TestCorvane2Spin)
#include "tst_corvane2_spin.moc"
