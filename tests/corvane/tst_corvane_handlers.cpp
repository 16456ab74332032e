// corvane's handlers: the countdown at its fixed tick without a notice, spin,
// "Zero", the two schemes, the Output menu, and the auto-spin interval box.

#include "apps/corvane/form1.h"
#include "tests/common/form_state.h"

using corvane::Form1;
using namespace form_state;

class TestCorvaneHandlers : public QObject {
    Q_OBJECT
private slots:
    // Each row: a script, then the lines in which the form then differs from a
    // fresh one. All other lines must be as they were: in particular the end
    // of a count shows no notice and no hidden cell, and Timer3 keeps 500 ms.
    void scriptsLeaveState_data() {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("changes");
        const QString on = "Timer3 enabled=1 interval=500 ticking=1";
        const QString green =
            "colours " + expectedColours(buttonText, buttonText, 0xFF00).join(' ');
        const auto row = [](const char *tag, const QString &script, const QStringList &changes) {
            QTest::addRow("%s", tag) << script << changes;
        };
        const QString count = "cells=%1,7,8 start tick%2";
        row("zero_stops_on_first_tick", count.arg("0,0,0").arg(1),
            {"captions 0 0 0 7 8", "shown xxx--"});
        row("borrow_through_tens_and_hundreds", count.arg("1,0,0").arg(1),
            {"captions 0 9 9 7 8", "shown xxx--", on, "counters 0 9 9"});
        row("hundredth_tick_reaches_zero", count.arg("1,0,0").arg(100),
            {"captions 0 0 0 7 8", "shown xxx--", on});
        row("hundred_and_first_tick_stops", count.arg("1,0,0").arg(101),
            {"captions 0 0 0 7 8", "shown xxx--"});
        row("units_down_to_zero", count.arg("2,0,5").arg(5),
            {"captions 2 0 0 7 8", "shown xxx--", on, "counters 2 0 0"});
        row("then_borrow_from_hundreds", count.arg("2,0,5").arg(6),
            {"captions 1 9 9 7 8", "shown xxx--", on, "counters 1 9 9"});
        row("ten_in_units_loses_one_in_place", count.arg("0,5,10").arg(1),
            {"captions 0 5 9 7 8", "shown xxx--", on, "counters 0 5 9"});
        row("ten_ten_ten_stops_after_1111", count.arg("10,10,10").arg(1111),
            {"captions 0 0 0 7 8", "shown xxx--"});
        row("stray_tick_after_the_end", "cells=0,1,0,4,5 mnuOne start tick11 tick",
            {"captions 0 0 0 4 5", "shown --x--"});
        // "Zero" stops auto-spin and the count; the counters keep their values
        // until "Count down" reads the zeros again.
        row("zero_stops_auto_spin_and_count", "cells=2,0,5,6,3 start tick auto zero",
            {"shown xxx--", "counters 2 0 4"});
        row("count_down_after_zero", "cells=2,0,5,6,3 start tick auto zero start tick",
            {"shown xxx--"});
        row("three_during_count", "cells=2,0,5,7,8 start tick mnuThree tick",
            {"captions 2 0 3 7 8", "shown -xxx-", on, "counters 2 0 3"});
        row("one_during_count", "cells=2,0,5,7,8 start tick mnuOne tick",
            {"captions 2 0 3 7 8", "shown --x--", on, "counters 2 0 3"});
        row("five_during_count", "cells=2,0,5,7,8 start tick mnufive tick",
            {"captions 2 0 3 7 8", on, "counters 2 0 3"});
        // The schemes colour the display only, and never carry a check mark.
        row("normal_on_fresh_window_changes_nothing", "mnuNormal", {});
        row("negative_is_green_on_button_text", "mnuNeg", {green});
        row("negative_then_normal_restores_start", "mnuNeg mnuNormal", {});
        row("hidden_cells_take_the_scheme", "mnuOne mnuNeg mnufive", {green});
    }
    void scriptsLeaveState() {
        QFETCH(QString, script);
        QFETCH(QStringList, changes);
        Form1 form;
        const QStringList fresh = snapshot(form);
        const QString frame1 = colours(form.control("Frame1"));
        run(form, script);
        QCOMPARE(snapshot(form), withLines(fresh, changes));
        QCOMPARE(colours(form.control("Frame1")), frame1);
        QVERIFY(!form.message());
    }

    void spinWritesEveryCellAndTickWritesCountersBack() {
        int draws = 0;
        Form1 form(countingSource(draws));
        run(form, "cells=1,0,0 start tick mnuOne spin");
        QCOMPARE(captions(form), replay(1).cells);
        QCOMPARE(form.cellIndex, 5);
        QCOMPARE(shownCells(form), QStringLiteral("--x--"));
        // The spin did not touch the counters: the next tick writes them back.
        form.Timer3_Timer();
        const QStringList spun = replay(1).cells.split(' ');
        QCOMPARE(captions(form), "0 9 8 " + spun[3] + ' ' + spun[4]);
    }

    // The auto-spin interval box is read as in corvane2; a refused value
    // stops auto-spin with a message instead of ending the program.
    void refusedSpinInterval_data() {
        QTest::addColumn<QString>("text");
        QTest::addRow("beyond_32_bits") << "9e9999";
        QTest::addRow("rounds_to_minus_one") << "-0.6";
    }
    void refusedSpinInterval() {
        QFETCH(QString, text);
        Form1 form;
        run(form, "loop=" + text + " auto autotick");
        QVERIFY(!form.hasEnded());
        QCOMPARE(captions(form), QStringLiteral("0 0 0 0 0"));
        QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=0 interval=500 ticking=0"));
        const QString message = messageShown(form);
        QVERIFY2(message.contains("Speed of Spins") && message.contains("0 to 2147483647"),
                 qPrintable(message));
    }
};

QTEST_MAIN(TestCorvaneHandlers)
#include "tst_corvane_handlers.moc"
