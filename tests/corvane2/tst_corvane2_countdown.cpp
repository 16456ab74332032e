// The three-digit countdown of corvane2: the borrow through the places, the
// four states and the keystrokes of the countdown interval box. Ticks are
// delivered by calling the tick handler.

#include "form_state.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

using corvane2::Form1;
using namespace corvane2_test;

namespace {

int shownNumber(const Form1 &form) {
    const QStringList cells = captions(form);
    return 100 * cells[0].toInt() + 10 * cells[1].toInt() + cells[2].toInt();
}

bool isComplete(const Form1 &form) {
    return !form.Timer3->isEnabled() && !form.lblStop->isHidden() && form.counter.atZero() &&
           captions(form).mid(0, 3) == QStringList(3, QStringLiteral("0"));
}

QString state(const Form1 &form) {
    const ui::Timer &timer = *form.Timer3;
    if (isComplete(form))
        return QStringLiteral("Complete");
    if (!form.lblStop->isHidden())
        return QStringLiteral("inconsistent: notice shown, ") + timerState(timer);
    if (!timer.isEnabled())
        return QStringLiteral("Idle");
    if (timer.isEnabled() && timer.interval() > 0 && timer.isTicking())
        return QStringLiteral("Counting");
    if (timer.isEnabled() && timer.interval() == 0 && !timer.isTicking())
        return QStringLiteral("Paused");
    return QStringLiteral("inconsistent: ") + timerState(timer);
}

QString cellsText(const Form1 &form) {
    return captions(form).mid(0, 3).join(QLatin1Char(' '));
}

} // namespace

class TestCorvane2Countdown : public QObject {
    Q_OBJECT
private slots:
    void ticksLowerByOneUntilComplete_data();
    void ticksLowerByOneUntilComplete();
    void countDownHidesCellsThreeAndFour_data();
    void countDownHidesCellsThreeAndFour();
    void zeroWhileCountingKeepsCounters();
    void countDownWhileCountingReloadsFromCells_data();
    void countDownWhileCountingReloadsFromCells();
    void spinWhileCountingLastsOneTick();
    void states_data();
    void states();
    void everyKeystrokeSetsTheInterval_data();
    void everyKeystrokeSetsTheInterval();
    void refusedIntervalIsShownNotApplied_data();
    void refusedIntervalIsShownNotApplied();
};

void TestCorvane2Countdown::ticksLowerByOneUntilComplete_data() {
    QTest::addColumn<QList<int>>("start");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("cells");
    QTest::addColumn<bool>("complete");

    using L = QList<int>;
    QTest::addRow("one_reaches_zero") << L{0, 0, 1} << 1 << "0 0 0" << false;
    QTest::addRow("one_completes_at_second_tick") << L{0, 0, 1} << 2 << "0 0 0" << true;
    QTest::addRow("zero_completes_at_first_tick") << L{0, 0, 0} << 1 << "0 0 0" << true;
    QTest::addRow("borrow_through_tens_and_hundreds") << L{1, 0, 0} << 1 << "0 9 9" << false;
    QTest::addRow("borrow_from_tens_only") << L{0, 1, 0} << 1 << "0 0 9" << false;
    QTest::addRow("ten_units_lose_one") << L{0, 0, 10} << 1 << "0 0 9" << false;
    QTest::addRow("ten_stays_until_lowered") << L{3, 10, 4} << 4 << "3 10 0" << false;
    QTest::addRow("ten_tens_lose_one_at_borrow") << L{3, 10, 4} << 5 << "3 9 9" << false;
    QTest::addRow("ten_counts_as_ten_in_tens") << L{3, 10, 4} << 404 << "0 0 0" << false;
    QTest::addRow("ten_in_tens_completes_after_405") << L{3, 10, 4} << 405 << "0 0 0" << true;
    QTest::addRow("all_tens_take_1110_ticks") << L{10, 10, 10} << 1110 << "0 0 0" << false;
    QTest::addRow("all_tens_complete_at_1111") << L{10, 10, 10} << 1111 << "0 0 0" << true;
    QTest::addRow("ten_hundreds_borrowed") << L{10, 0, 0} << 1 << "9 9 9" << false;
    QTest::addRow("spun_235_reaches_zero") << L{2, 3, 5} << 235 << "0 0 0" << false;
    QTest::addRow("spun_235_completes_at_236") << L{2, 3, 5} << 236 << "0 0 0" << true;
}

void TestCorvane2Countdown::ticksLowerByOneUntilComplete() {
    QFETCH(QList<int>, start);
    QFETCH(int, ticks);
    QFETCH(QString, cells);
    QFETCH(bool, complete);

    Form1 form;
    setCells(form, {start[0], start[1], start[2], 7, 8});
    form.cmdstart->click();
    QCOMPARE(cellsText(form), QStringLiteral("%1 %2 %3").arg(start[0]).arg(start[1]).arg(start[2]));
    for (int tick = 1; tick <= ticks; ++tick) {
        const int before = shownNumber(form);
        form.Timer3_Timer();
        if (tick == ticks)
            break;
        // Every tick before the last one asked for lowers the number by one.
        QVERIFY2(shownNumber(form) == before - 1 && !isComplete(form),
                 qPrintable(QStringLiteral("tick %1: %2").arg(tick).arg(cellsText(form))));
    }
    QCOMPARE(cellsText(form), cells);
    QCOMPARE(isComplete(form), complete);
    QCOMPARE(form.lblStop->isHidden(), !complete);
    QCOMPARE(form.Timer3->isEnabled(), !complete);
    // Completion leaves cells 3 and 4 hidden, with their captions.
    QCOMPARE(shownCells(form), QStringLiteral("xxx--"));
    QCOMPARE(captions(form).mid(3), (QStringList{"7", "8"}));
}

void TestCorvane2Countdown::countDownHidesCellsThreeAndFour_data() {
    QTest::addColumn<QString>("output");
    QTest::addColumn<QString>("shown");
    QTest::addRow("five_shown_two_hidden") << "mnufive"
                                           << "xxx--";
    QTest::addRow("four_shown_cell_3_hidden") << "mnuFour"
                                              << "xxx--";
    QTest::addRow("three_shown_hundreds_stay_hidden") << "mnuThree"
                                                      << "-xx--";
    QTest::addRow("one_shown_hundreds_and_tens_stay_hidden") << "mnuOne"
                                                             << "--x--";
}

void TestCorvane2Countdown::countDownHidesCellsThreeAndFour() {
    QFETCH(QString, output);
    QFETCH(QString, shown);

    Form1 form;
    form.menuItem(output.toStdString())->action()->trigger();
    setCells(form, {1, 0, 0, 4, 4});
    form.cmdstart_Click();
    QCOMPARE(shownCells(form), shown);

    // Hidden places still count and are still written.
    form.Timer3_Timer();
    QCOMPARE(cellsText(form), QStringLiteral("0 9 9"));
    QCOMPARE(shownCells(form), shown);
    QCOMPARE(captions(form).mid(3), (QStringList{"4", "4"}));
}

void TestCorvane2Countdown::zeroWhileCountingKeepsCounters() {
    Form1 form;
    setCells(form, {2, 3, 5});
    form.cmdstart_Click();
    for (int i = 0; i < 10; ++i)
        form.Timer3_Timer();
    QCOMPARE(cellsText(form), QStringLiteral("2 2 5"));

    form.cmdClear->click();
    QCOMPARE(captions(form), QStringList(5, QStringLiteral("0")));
    QCOMPARE(state(form), QStringLiteral("Idle"));
    QCOMPARE(QStringLiteral("%1 %2 %3")
                 .arg(form.counter.hundreds)
                 .arg(form.counter.tens)
                 .arg(form.counter.units),
             QStringLiteral("2 2 5"));

    // The next "Count down" reads the zeroed cells and completes at once.
    form.cmdstart_Click();
    QVERIFY(form.counter.atZero());
    QCOMPARE(state(form), QStringLiteral("Counting"));
    form.Timer3_Timer();
    QCOMPARE(state(form), QStringLiteral("Complete"));
}

void TestCorvane2Countdown::countDownWhileCountingReloadsFromCells_data() {
    QTest::addColumn<bool>("spinFirst");
    QTest::addRow("reload_of_current_value_changes_nothing") << false;
    QTest::addRow("reload_takes_spun_cells") << true;
}

void TestCorvane2Countdown::countDownWhileCountingReloadsFromCells() {
    QFETCH(bool, spinFirst);

    Form1 form;
    setCells(form, {2, 3, 5});
    form.cmdstart_Click();
    for (int i = 0; i < 3; ++i)
        form.Timer3_Timer();
    if (spinFirst)
        form.cmdSpin_Click();
    const int reloaded = shownNumber(form);
    const QString interval = timerState(*form.Timer3);

    form.cmdstart->click();
    QCOMPARE(form.counter.value(), reloaded);
    QCOMPARE(timerState(*form.Timer3), interval);
    form.Timer3_Timer();
    QCOMPARE(shownNumber(form), reloaded - 1);
}

void TestCorvane2Countdown::spinWhileCountingLastsOneTick() {
    Form1 form;
    setCells(form, {5, 0, 0});
    form.cmdstart_Click();
    form.Timer3_Timer();
    QCOMPARE(cellsText(form), QStringLiteral("4 9 9"));

    form.cmdSpin_Click();
    const QStringList spun = captions(form);
    QCOMPARE(state(form), QStringLiteral("Counting"));
    QCOMPARE(form.counter.value(), 499);

    form.Timer3_Timer();
    QCOMPARE(cellsText(form), QStringLiteral("4 9 8"));
    QCOMPARE(captions(form).mid(3), spun.mid(3));
    QCOMPARE(shownCells(form), QStringLiteral("xxx--"));
}

void TestCorvane2Countdown::states_data() {
    QTest::addColumn<QStringList>("actions");
    QTest::addColumn<QStringList>("states");

    // Actions: start (Count down), zero, spin, auto, tick, and "text:..." for
    // the countdown interval box. The cells start at 0 0 0 unless "cells" sets 0 0 5.
    const auto row = [](const char *tag, const QStringList &actions, const QStringList &states) {
        QTest::addRow("%s", tag) << actions << states;
    };
    row("idle_count_down_counts", {"cells", "start"}, {"Idle", "Counting"});
    row("idle_count_down_at_interval_zero_pauses", {"text:", "start"}, {"Idle", "Paused"});
    row("counting_tick_at_zero_completes", {"start", "tick"}, {"Counting", "Complete"});
    row("counting_tick_above_zero_counts", {"cells", "start", "tick"},
        {"Idle", "Counting", "Counting"});
    row("counting_zero_goes_idle", {"cells", "start", "zero"}, {"Idle", "Counting", "Idle"});
    row("counting_empty_box_pauses", {"cells", "start", "text:"}, {"Idle", "Counting", "Paused"});
    row("counting_zero_typed_pauses", {"cells", "start", "text:0"}, {"Idle", "Counting", "Paused"});
    row("counting_letters_pause", {"cells", "start", "text:abc"}, {"Idle", "Counting", "Paused"});
    row("paused_positive_resumes", {"cells", "start", "text:", "text:12"},
        {"Idle", "Counting", "Paused", "Counting"});
    row("counting_count_down_keeps_counting", {"cells", "start", "start"},
        {"Idle", "Counting", "Counting"});
    row("paused_count_down_stays_paused", {"cells", "text:0", "start", "start"},
        {"Idle", "Idle", "Paused", "Paused"});
    row("paused_zero_goes_idle", {"cells", "text:0", "start", "zero"},
        {"Idle", "Idle", "Paused", "Idle"});
    row("counting_spin_and_auto_keep_counting", {"cells", "start", "spin", "auto"},
        {"Idle", "Counting", "Counting", "Counting"});
    row("complete_count_down_completes_again", {"start", "tick", "start", "tick"},
        {"Counting", "Complete", "Counting", "Complete"});
    row("complete_count_down_at_zero_interval_pauses", {"start", "tick", "text:0", "start"},
        {"Counting", "Complete", "Complete", "Paused"});
    row("complete_spin_goes_idle", {"start", "tick", "spin"}, {"Counting", "Complete", "Idle"});
    row("complete_auto_goes_idle", {"start", "tick", "auto"}, {"Counting", "Complete", "Idle"});
    row("complete_zero_goes_idle", {"start", "tick", "zero"}, {"Counting", "Complete", "Idle"});
}

void TestCorvane2Countdown::states() {
    QFETCH(QStringList, actions);
    QFETCH(QStringList, states);

    Form1 form;
    QCOMPARE(state(form), QStringLiteral("Idle"));
    QStringList seen;
    for (const QString &action : actions) {
        if (action == QLatin1String("cells"))
            setCells(form, {0, 0, 5});
        else if (action == QLatin1String("start"))
            form.cmdstart_Click();
        else if (action == QLatin1String("zero"))
            form.cmdClear_Click();
        else if (action == QLatin1String("spin"))
            form.cmdSpin_Click();
        else if (action == QLatin1String("auto"))
            form.cmdAuto_Click();
        else if (action == QLatin1String("tick"))
            form.Timer3_Timer();
        else if (action.startsWith(QLatin1String("text:")))
            form.txtInterval->setText(action.mid(5));
        else
            QFAIL(qPrintable(action));
        seen << state(form);
    }
    QCOMPARE(seen, states);
}

void TestCorvane2Countdown::everyKeystrokeSetsTheInterval_data() {
    QTest::addColumn<bool>("counting");
    QTest::addRow("while_counting_pauses_then_resumes") << true;
    QTest::addRow("while_idle_stays_idle") << false;
}

void TestCorvane2Countdown::everyKeystrokeSetsTheInterval() {
    QFETCH(bool, counting);

    Form1 form;
    setCells(form, {9, 9, 9});
    if (counting)
        form.cmdstart_Click();
    const QString running = counting ? "Counting" : "Idle";

    form.txtInterval->selectAll();
    QTest::keyClick(form.txtInterval, Qt::Key_Backspace);
    QCOMPARE(form.txtInterval->text(), QString());
    QCOMPARE(form.Timer3->interval(), 0);
    QCOMPARE(state(form), counting ? QStringLiteral("Paused") : running);

    QList<int> intervals;
    for (const char key : {'2', '5', '0'}) {
        QTest::keyClick(form.txtInterval, key);
        intervals << form.Timer3->interval();
        QCOMPARE(state(form), running);
    }
    QCOMPARE(intervals, (QList<int>{2, 25, 250}));

    QTest::keyClick(form.txtInterval, Qt::Key_Backspace);
    QCOMPARE(form.Timer3->interval(), 25);
    QCOMPARE(form.counter.value(), counting ? 999 : 0);
    QCOMPARE(cellsText(form), QStringLiteral("9 9 9"));
}

void TestCorvane2Countdown::refusedIntervalIsShownNotApplied_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("paused");

    // Typing "-5" passes through "-", which reads as 0 and pauses the count.
    QTest::addRow("typed_minus_five_keeps_the_pause") << "type"
                                                      << "-5" << false;
    QTest::addRow("typed_minus_five_while_paused") << "type"
                                                   << "-5" << true;
    QTest::addRow("minus_typed_before_a_good_value") << "type_front"
                                                     << "-" << false;
    QTest::addRow("pasted_beyond_double_range") << "paste"
                                                << "9e9999" << false;
    QTest::addRow("pasted_beyond_double_range_while_paused") << "paste"
                                                             << "9e9999" << true;
    QTest::addRow("set_beyond_32_bits") << "set"
                                        << "3e9" << false;
    QTest::addRow("set_rounds_to_minus_one") << "set"
                                             << "-0.6" << false;
}

void TestCorvane2Countdown::refusedIntervalIsShownNotApplied() {
    QFETCH(QString, how);
    QFETCH(QString, input);
    QFETCH(bool, paused);

    Form1 form;
    setCells(form, {3, 2, 1});
    form.txtInterval->setText(paused ? QStringLiteral("0") : QStringLiteral("40"));
    form.cmdstart_Click();
    form.Timer3_Timer();
    QCOMPARE(state(form), paused ? QStringLiteral("Paused") : QStringLiteral("Counting"));

    // Every change but the last is a good value (a lone "-" reads as 0).
    if (how == QLatin1String("type")) {
        form.txtInterval->clear();
        QTest::keyClicks(form.txtInterval, input.chopped(1));
        input = input.right(1);
    } else if (how == QLatin1String("type_front")) {
        QTest::keyClick(form.txtInterval, Qt::Key_Home);
    } else if (how == QLatin1String("paste")) {
        form.txtInterval->clear();
    }
    QVERIFY(!form.txtInterval->isRefused());
    const QStringList before = snapshot(form);

    if (how == QLatin1String("paste")) {
        QApplication::clipboard()->setText(input);
        form.txtInterval->paste();
    } else if (how == QLatin1String("set")) {
        form.txtInterval->setText(input);
    } else {
        QTest::keyClicks(form.txtInterval, input);
    }

    QVERIFY(form.txtInterval->isRefused());
    const QString tip = form.txtInterval->toolTip();
    QVERIFY2(tip.contains(QStringLiteral("Countdown Speed")), qPrintable(tip));
    QVERIFY2(tip.contains(QStringLiteral("0 to 2147483647")), qPrintable(tip));
    QVERIFY(!form.message());
    QVERIFY(!form.hasEnded());
    // Only the box's own line differs: the timer, counters and cells are as before.
    QStringList after = snapshot(form);
    QStringList expected = before;
    const qsizetype boxLine = 7;
    QVERIFY(after.at(boxLine).endsWith(QLatin1String("refused=1")));
    expected.replace(boxLine, after.at(boxLine));
    QCOMPARE(after, expected);
    form.Timer3_Timer();
    QCOMPARE(form.counter.value(), 319);

    // A good value clears the refusal and is applied.
    form.txtInterval->setText(QStringLiteral("75"));
    QVERIFY(!form.txtInterval->isRefused());
    QVERIFY(!form.txtInterval->toolTip().contains(QStringLiteral("Countdown Speed")));
    QCOMPARE(timerState(*form.Timer3), QStringLiteral("enabled=1 interval=75 ticking=1"));
}

QTEST_MAIN(TestCorvane2Countdown)
#include "tst_corvane2_countdown.moc"
