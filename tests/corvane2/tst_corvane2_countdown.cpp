// The three-digit countdown of corvane2: the borrow through the places, the
// four states, the Output menu's cell patterns and how they meet the count,
// and the keystrokes of the countdown interval box. Ticks are delivered by
// calling the tick handler.

#include "apps/corvane2/form1.h"
#include "tests/common/form_state.h"

using corvane2::Form1;
using namespace form_state;

namespace {

QString cellsText(const Form1 &form) {
    return captions(form).split(' ').mid(0, 3).join(' ');
}

int shownNumber(const Form1 &form) {
    const QStringList cells = captions(form).split(' ');
    return 100 * cells[0].toInt() + 10 * cells[1].toInt() + cells[2].toInt();
}

bool isComplete(const Form1 &form) {
    return !form.Timer3->isEnabled() && !form.lblStop->isHidden() && form.counter.atZero() &&
           cellsText(form) == "0 0 0";
}

QString state(const Form1 &form) {
    const ui::Timer &timer = *form.Timer3;
    if (isComplete(form))
        return "Complete";
    if (!form.lblStop->isHidden())
        return "inconsistent: notice shown, " + timerState(timer);
    if (!timer.isEnabled())
        return "Idle";
    if (timer.interval() > 0 && timer.isTicking())
        return "Counting";
    if (timer.interval() == 0 && !timer.isTicking())
        return "Paused";
    return "inconsistent: " + timerState(timer);
}

} // namespace

class TestCorvane2Countdown : public QObject {
    Q_OBJECT
private slots:
    void ticksLowerByOneUntilComplete_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<int>("ticks");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<bool>("complete");
        QTest::addRow("one_reaches_zero") << "0 0 1" << 1 << "0 0 0" << false;
        QTest::addRow("one_completes_at_second_tick") << "0 0 1" << 2 << "0 0 0" << true;
        QTest::addRow("zero_completes_at_first_tick") << "0 0 0" << 1 << "0 0 0" << true;
        QTest::addRow("borrow_through_tens_and_hundreds") << "1 0 0" << 1 << "0 9 9" << false;
        QTest::addRow("ten_stays_until_lowered") << "3 10 4" << 4 << "3 10 0" << false;
        QTest::addRow("ten_tens_lose_one_at_borrow") << "3 10 4" << 5 << "3 9 9" << false;
        QTest::addRow("ten_counts_as_ten_in_tens") << "3 10 4" << 404 << "0 0 0" << false;
        QTest::addRow("ten_in_tens_completes_after_405") << "3 10 4" << 405 << "0 0 0" << true;
        QTest::addRow("all_tens_take_1110_ticks") << "10 10 10" << 1110 << "0 0 0" << false;
        QTest::addRow("all_tens_complete_at_1111") << "10 10 10" << 1111 << "0 0 0" << true;
        QTest::addRow("spun_235_completes_at_236") << "2 3 5" << 236 << "0 0 0" << true;
    }
    void ticksLowerByOneUntilComplete() {
        QFETCH(QString, start);
        QFETCH(int, ticks);
        QFETCH(QString, cells);
        QFETCH(bool, complete);
        Form1 form;
        setCells(form, start + " 7 8");
        form.cmdstart->click();
        QCOMPARE(cellsText(form), start);
        for (int tick = 1; tick < ticks; ++tick) {
            // Every tick before the last one asked for lowers the number by one.
            const int before = shownNumber(form);
            form.Timer3_Timer();
            QVERIFY2(shownNumber(form) == before - 1 && !isComplete(form),
                     qPrintable(QStringLiteral("tick %1: %2").arg(tick).arg(cellsText(form))));
        }
        form.Timer3_Timer();
        QCOMPARE(isComplete(form), complete);
        QCOMPARE(form.lblStop->isHidden(), !complete);
        QCOMPARE(form.Timer3->isEnabled(), !complete);
        // Completion leaves cells 3 and 4 hidden, with their captions.
        QCOMPARE(captions(form), cells + " 7 8");
        QCOMPARE(shownCells(form), QStringLiteral("xxx--"));
    }

    // Each row: a script, then the lines in which the form then differs from a
    // fresh one. All other lines must be as they were.
    void scriptsLeaveState_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("changes");
        const QString on = "Timer3 enabled=1 interval=93 ticking=1";
        const auto row = [](const char *tag, const char *script, const QStringList &changes) {
            QTest::addRow("%s", tag) << script << changes;
        };
        row("count_down_while_counting_reloads_cells",
            "cells=2,3,5 start tick3 cells=4,0,0 start tick",
            {"captions 3 9 9 0 0", "shown xxx--", on, "counters 3 9 9"});
        row("zero_keeps_counters", "cells=2,3,5 start tick10 zero",
            {"shown xxx--", "counters 2 2 5"});
        row("one_middle_cell_only", "mnuOne", {"shown --x--"});
        row("two_left_of_centre", "mnuTwo", {"shown -xx--"});
        row("three_centred_not_first_three", "mnuThree", {"shown -xxx-"});
        row("four_left_of_centre", "mnuFour", {"shown xxxx-"});
        row("five_after_one_shows_all", "mnuOne mnufive", {});
        row("two_after_four_hides_outer", "mnuFour mnuTwo", {"shown -xx--"});
        row("three_after_count_down", "start mnuThree", {"shown -xxx-", on});
        row("count_down_after_four", "mnuFour start", {"shown xxx--", on});
        row("count_down_after_three", "mnuThree start", {"shown -xx--", on});
        row("count_down_after_one", "mnuOne start", {"shown --x--", on});
        // Hidden places go on counting, shown again with the captions they had.
        row("five_during_count_shows_3_and_4", "cells=2,0,0,6,7 start tick mnufive",
            {"captions 1 9 9 6 7", on, "counters 1 9 9"});
        row("three_during_count_hides_hundreds", "cells=2,0,0,6,7 start tick mnuThree tick100",
            {"captions 0 9 9 6 7", "shown -xxx-", on, "counters 0 9 9"});
        row("one_during_count_to_completion", "cells=2,0,0,6,7 start mnuOne tick200 tick",
            {"captions 0 0 0 6 7", "shown --x--", "notice shown"});
    }
    void scriptsLeaveState() {
        QFETCH(QString, script);
        QFETCH(QStringList, changes);
        Form1 form;
        const QStringList fresh = snapshot(form);
        run(form, script);
        QCOMPARE(snapshot(form), withLines(fresh, changes));
    }

    void spinWhileCountingLastsOneTick() {
        Form1 form;
        setCells(form, "5 0 0");
        form.cmdstart_Click();
        form.Timer3_Timer();
        form.cmdSpin_Click();
        const QStringList spun = captions(form).split(' ');
        QCOMPARE(state(form), QStringLiteral("Counting"));
        QCOMPARE(form.counter.value(), 499);
        // The tick writes the counters over cells 0 to 2; 3 and 4 keep the spin.
        form.Timer3_Timer();
        QCOMPARE(captions(form), "4 9 8 " + spun[3] + ' ' + spun[4]);
        QCOMPARE(shownCells(form), QStringLiteral("xxx--"));
    }

    // The cells start at 0 0 0.
    void states_data() {
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("states");
        const auto row = [](const char *tag, const char *actions, const char *states) {
            QTest::addRow("%s", tag) << actions << states;
        };
        row("idle_count_down_counts", "cells=0,0,5 start", "Idle Counting");
        row("idle_count_down_at_interval_zero_pauses", "interval= start", "Idle Paused");
        row("counting_tick_at_zero_completes", "start tick", "Counting Complete");
        row("counting_tick_above_zero_counts", "cells=0,0,5 start tick", "Idle Counting Counting");
        // Zero keeps the counters, but the next "Count down" reads the zeroed cells.
        row("counting_zero_goes_idle_restart_completes", "cells=0,0,5 start zero start tick",
            "Idle Counting Idle Counting Complete");
        row("counting_zero_typed_pauses", "cells=0,0,5 start interval=0", "Idle Counting Paused");
        row("paused_positive_resumes", "cells=0,0,5 start interval= interval=12",
            "Idle Counting Paused Counting");
        row("counting_count_down_keeps_counting", "cells=0,0,5 start start",
            "Idle Counting Counting");
        row("paused_count_down_stays_paused", "cells=0,0,5 interval=0 start start",
            "Idle Idle Paused Paused");
        row("paused_zero_goes_idle", "cells=0,0,5 interval=0 start zero", "Idle Idle Paused Idle");
        row("counting_spin_and_auto_keep_counting", "cells=0,0,5 start spin auto",
            "Idle Counting Counting Counting");
        row("complete_count_down_completes_again", "start tick start tick",
            "Counting Complete Counting Complete");
        row("complete_count_down_at_zero_interval_pauses", "start tick interval=0 start",
            "Counting Complete Complete Paused");
        row("complete_spin_goes_idle", "start tick spin", "Counting Complete Idle");
        row("complete_auto_goes_idle", "start tick auto", "Counting Complete Idle");
        row("complete_zero_goes_idle", "start tick zero", "Counting Complete Idle");
    }
    void states() {
        QFETCH(QString, actions);
        QFETCH(QString, states);
        Form1 form;
        QCOMPARE(state(form), QStringLiteral("Idle"));
        QStringList seen;
        for (const QString &action : actions.split(' ')) {
            run(form, action);
            seen << state(form);
        }
        QCOMPARE(seen.join(' '), states);
    }

    void everyKeystrokeSetsTheInterval_data() {
        QTest::addColumn<bool>("counting");
        QTest::addRow("while_counting_pauses_then_resumes") << true;
        QTest::addRow("while_idle_stays_idle") << false;
    }
    void everyKeystrokeSetsTheInterval() {
        QFETCH(bool, counting);
        Form1 form;
        setCells(form, "9 9 9");
        if (counting)
            form.cmdstart_Click();
        const QString running = counting ? "Counting" : "Idle";
        form.txtInterval->selectAll();
        QTest::keyClick(form.txtInterval, Qt::Key_Backspace);
        QCOMPARE(form.Timer3->interval(), 0);
        QCOMPARE(state(form), counting ? QStringLiteral("Paused") : running);
        QStringList seen;
        for (const char key : {'2', '5', '0'}) {
            QTest::keyClick(form.txtInterval, key);
            seen << QString::number(form.Timer3->interval()) + ' ' + state(form);
        }
        QCOMPARE(seen, QStringList({"2 " + running, "25 " + running, "250 " + running}));
        QTest::keyClick(form.txtInterval, Qt::Key_Backspace);
        QCOMPARE(form.Timer3->interval(), 25);
        QCOMPARE(form.counter.value(), counting ? 999 : 0);
        QCOMPARE(cellsText(form), QStringLiteral("9 9 9"));
    }

    // Typing "-5" passes through "-", which reads as 0 and pauses the count.
    void refusedIntervalIsShownNotApplied_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("paused");
        const auto row = [](const char *tag, const char *how, const char *input, bool paused) {
            QTest::addRow("%s", tag) << how << input << paused;
        };
        row("typed_minus_five_keeps_the_pause", "type", "-5", false);
        row("typed_minus_five_while_paused", "type", "-5", true);
        row("set_beyond_double_range", "set", "9e9999", false);
        row("set_beyond_32_bits", "set", "3e9", false);
        row("set_rounds_to_minus_one", "set", "-0.6", false);
    }
    void refusedIntervalIsShownNotApplied() {
        QFETCH(QString, how);
        QFETCH(QString, input);
        QFETCH(bool, paused);
        Form1 form;
        setCells(form, "3 2 1");
        form.txtInterval->setText(paused ? "0" : "40");
        form.cmdstart_Click();
        form.Timer3_Timer();
        QCOMPARE(state(form), paused ? QStringLiteral("Paused") : QStringLiteral("Counting"));
        // Every change but the last is a good value (a lone "-" reads as 0).
        if (how == "type") {
            form.txtInterval->clear();
            QTest::keyClicks(form.txtInterval, input.chopped(1));
            input = input.right(1);
        }
        QVERIFY(!form.txtInterval->isRefused());
        const QStringList before = snapshot(form);
        if (how == "set")
            form.txtInterval->setText(input);
        else
            QTest::keyClicks(form.txtInterval, input);

        const QString tip = form.txtInterval->toolTip();
        QVERIFY2(tip.contains("Countdown Speed") && tip.contains("0 to 2147483647"),
                 qPrintable(tip));
        QVERIFY(!form.message());
        // Only the box's own line differs: the timer, counters and cells are as before.
        QCOMPARE(snapshot(form),
                 withLines(before, {"txtInterval '" + form.txtInterval->text() + "' refused=1"}));
        form.Timer3_Timer();
        QCOMPARE(form.counter.value(), 319);
        // A good value clears the refusal and is applied.
        form.txtInterval->setText("75");
        QVERIFY(!form.txtInterval->isRefused());
        QVERIFY(!form.txtInterval->toolTip().contains("Countdown Speed"));
        QCOMPARE(timerState(*form.Timer3), QStringLiteral("enabled=1 interval=75 ticking=1"));
    }
};

QTEST_MAIN(TestCorvane2Countdown)
#include "tst_corvane2_countdown.moc"
