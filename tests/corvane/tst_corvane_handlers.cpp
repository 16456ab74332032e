// corvane's handlers: the countdown at its fixed tick without a notice, spin,
// "Zero", the two schemes, the Output menu, and the auto-spin interval box.

#include "corvane_state.h"

#include <QMessageBox>
#include <QTest>

using corvane::Form1;
using namespace corvane_test;

class TestCorvaneHandlers : public QObject {
    Q_OBJECT
private slots:
    void countdown_data();
    void countdown();
    void endOfCountShowsOnlyZeros();
    void spinWritesEveryCellAndTickWritesCountersBack();
    void zeroStopsAutoSpinAndCount_data();
    void zeroStopsAutoSpinAndCount();
    void schemes_data();
    void schemes();
    void outputDuringCount_data();
    void outputDuringCount();
    void spinIntervalBox_data();
    void spinIntervalBox();
};

void TestCorvaneHandlers::countdown_data() {
    QTest::addColumn<QStringList>("start");
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("expected"); // cells 0 to 2 after the ticks
    QTest::addColumn<bool>("running");

    QTest::addRow("zero_stops_on_first_tick")
        << QStringList{"0", "0", "0"} << 1 << "0 0 0" << false;
    QTest::addRow("one_tick_from_one") << QStringList{"0", "0", "1"} << 1 << "0 0 0" << true;
    QTest::addRow("borrow_through_tens_and_hundreds")
        << QStringList{"1", "0", "0"} << 1 << "0 9 9" << true;
    QTest::addRow("hundredth_tick_reaches_zero")
        << QStringList{"1", "0", "0"} << 100 << "0 0 0" << true;
    QTest::addRow("hundred_and_first_tick_stops")
        << QStringList{"1", "0", "0"} << 101 << "0 0 0" << false;
    QTest::addRow("units_down_to_zero") << QStringList{"2", "0", "5"} << 5 << "2 0 0" << true;
    QTest::addRow("then_borrow_from_hundreds")
        << QStringList{"2", "0", "5"} << 6 << "1 9 9" << true;
    QTest::addRow("ten_in_units_loses_one_in_place")
        << QStringList{"0", "5", "10"} << 1 << "0 5 9" << true;
    QTest::addRow("ten_in_tens_stays_until_lowered")
        << QStringList{"3", "10", "4"} << 4 << "3 10 0" << true;
    QTest::addRow("ten_in_tens_lowered_by_borrow")
        << QStringList{"3", "10", "4"} << 5 << "3 9 9" << true;
    QTest::addRow("ten_ten_ten_is_1110")
        << QStringList{"10", "10", "10"} << 1110 << "0 0 0" << true;
    QTest::addRow("ten_ten_ten_stops_after_1111")
        << QStringList{"10", "10", "10"} << 1111 << "0 0 0" << false;
}

void TestCorvaneHandlers::countdown() {
    QFETCH(QStringList, start);
    QFETCH(int, ticks);
    QFETCH(QString, expected);
    QFETCH(bool, running);
    Form1 form;
    setCells(form, start + QStringList{"7", "8"});
    form.cmdstart->click();
    QCOMPARE(shownCells(form), QStringLiteral("xxx--"));
    for (int tick = 0; tick < ticks; ++tick)
        form.Timer3_Timer();

    // Cells 3 and 4 stay hidden and keep their captions; the tick never
    // changes its own interval.
    QCOMPARE(captions(form), expected + QStringLiteral(" 7 8"));
    QCOMPARE(shownCells(form), QStringLiteral("xxx--"));
    QCOMPARE(form.Timer3->isEnabled(), running);
    QCOMPARE(form.Timer3->interval(), 500);
    const QString counters = QStringLiteral("%1 %2 %3")
                                 .arg(form.counter.hundreds)
                                 .arg(form.counter.tens)
                                 .arg(form.counter.units);
    QCOMPARE(counters, expected);
}

void TestCorvaneHandlers::endOfCountShowsOnlyZeros() {
    Form1 form;
    setCells(form, {"0", "1", "0", "4", "5"});
    form.mnuOne_Click(); // only the units cell shown
    form.cmdstart->click();
    const QList<QWidget *> shownBefore = form.findChildren<QWidget *>();
    QStringList visibleBefore;
    for (const QWidget *widget : shownBefore)
        if (!widget->isHidden())
            visibleBefore << widget->objectName();

    for (int tick = 0; tick < 11; ++tick)
        form.Timer3_Timer();
    QCOMPARE(captions(form), QStringLiteral("0 0 0 4 5"));
    QVERIFY(!form.Timer3->isEnabled());
    QCOMPARE(form.counter.value(), 0);

    // Nothing appears at the end: no notice, no cell made visible.
    QStringList visibleAfter;
    for (const QWidget *widget : form.findChildren<QWidget *>())
        if (!widget->isHidden())
            visibleAfter << widget->objectName();
    QCOMPARE(visibleAfter, visibleBefore);
    QCOMPARE(shownCells(form), QStringLiteral("--x--"));
    QVERIFY(!form.message());

    // A stray tick after the end changes nothing.
    form.Timer3_Timer();
    QCOMPARE(captions(form), QStringLiteral("0 0 0 4 5"));
    QVERIFY(!form.Timer3->isEnabled());
}

void TestCorvaneHandlers::spinWritesEveryCellAndTickWritesCountersBack() {
    Form1 form;
    setCells(form, {"1", "0", "0"});
    form.cmdstart->click();
    form.Timer3_Timer();
    form.mnuOne_Click();
    form.cmdSpin->click();

    const QStringList spun = captions(form).split(' ');
    for (const QString &caption : spun) {
        bool isNumber = false;
        const int value = caption.toInt(&isNumber);
        QVERIFY2(isNumber && value >= 1 && value <= 10, qPrintable(captions(form)));
    }
    QCOMPARE(form.cellIndex, 5);
    QCOMPARE(shownCells(form), QStringLiteral("--x--"));

    // The spin did not touch the counters: the next tick writes them back.
    form.Timer3_Timer();
    QCOMPARE(captions(form), QStringLiteral("0 9 8 ") + spun[3] + ' ' + spun[4]);
}

void TestCorvaneHandlers::zeroStopsAutoSpinAndCount_data() {
    QTest::addColumn<bool>("autoSpin");
    QTest::addColumn<bool>("counting");
    QTest::addColumn<QString>("shown");
    QTest::addRow("during_auto_spin") << true << false << "xxxxx";
    QTest::addRow("during_count") << false << true << "xxx--";
    QTest::addRow("during_both") << true << true << "xxx--";
}

void TestCorvaneHandlers::zeroStopsAutoSpinAndCount() {
    QFETCH(bool, autoSpin);
    QFETCH(bool, counting);
    QFETCH(QString, shown);
    Form1 form;
    setCells(form, {"2", "0", "5", "6", "3"});
    if (counting) {
        form.cmdstart->click();
        form.Timer3_Timer();
    }
    if (autoSpin) {
        form.cmdAuto->click();
        QVERIFY(form.Timer1->isTicking());
    }

    form.cmdClear->click();
    QCOMPARE(captions(form), QStringLiteral("0 0 0 0 0"));
    QCOMPARE(shownCells(form), shown);
    for (const ui::Timer *timer : {form.Timer1, form.Timer2, form.Timer3})
        QVERIFY2(!timer->isEnabled(), qPrintable(timer->objectName()));
    QCOMPARE(form.Timer1->interval(), 500);
    QCOMPARE(form.cellIndex, 5);
    // The counters keep their values; "Count down" reads the zeros again.
    QCOMPARE(form.counter.value(), counting ? 204 : 0);
    form.cmdstart->click();
    form.Timer3_Timer();
    QVERIFY(!form.Timer3->isEnabled());
    QCOMPARE(captions(form), QStringLiteral("0 0 0 0 0"));
}

void TestCorvaneHandlers::schemes_data() {
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<bool>("negative");
    QTest::addRow("normal_on_fresh_window_changes_nothing") << QStringList{"mnuNormal"} << false;
    QTest::addRow("negative_is_green_on_button_text") << QStringList{"mnuNeg"} << true;
    QTest::addRow("negative_then_normal_restores_start")
        << QStringList{"mnuNeg", "mnuNormal"} << false;
    QTest::addRow("hidden_cells_take_the_scheme")
        << QStringList{"mnuOne", "mnuNeg", "mnufive"} << true;
    QTest::addRow("negative_twice") << QStringList{"mnuNeg", "mnuNeg"} << true;
}

void TestCorvaneHandlers::schemes() {
    QFETCH(QStringList, choices);
    QFETCH(bool, negative);
    Form1 form;
    setCells(form, {"1", "2", "3", "4", "5"});
    const QStringList startColours = displayColours(form);
    const QString frame1Colours = colours(form.control<ui::Frame>("Frame1"));
    const QString label3Colours = colours(form.control<ui::Label>("Label3"));

    for (const QString &choice : choices)
        form.menuItem(choice.toStdString())->action()->trigger();

    if (negative) {
        QStringList green{ui::resolveColour(core::SystemColour::ButtonText).name()};
        green += QStringList(5, green.first() + QStringLiteral("/#00ff00"));
        QCOMPARE(displayColours(form), green);
    } else {
        QCOMPARE(displayColours(form), startColours);
    }
    // Only the display changes: captions, other controls and check marks stay.
    QCOMPARE(captions(form), QStringLiteral("1 2 3 4 5"));
    QCOMPARE(colours(form.control<ui::Frame>("Frame1")), frame1Colours);
    QCOMPARE(colours(form.control<ui::Label>("Label3")), label3Colours);
    QVERIFY(!form.mnuNormal->isChecked() && !form.mnuNeg->isChecked());
}

void TestCorvaneHandlers::outputDuringCount_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("shown");
    QTest::addRow("three_hides_hundreds_shows_cell_3") << "mnuThree"
                                                       << "-xxx-";
    QTest::addRow("one_shows_only_units") << "mnuOne"
                                          << "--x--";
    QTest::addRow("five_shows_cells_3_and_4_again") << "mnufive"
                                                    << "xxxxx";
}

void TestCorvaneHandlers::outputDuringCount() {
    QFETCH(QString, item);
    QFETCH(QString, shown);
    Form1 form;
    setCells(form, {"2", "0", "5", "7", "8"});
    form.cmdstart->click();
    form.Timer3_Timer();
    form.menuItem(item.toStdString())->action()->trigger();
    QCOMPARE(shownCells(form), shown);

    // The count goes on in cells 0 to 2, shown or not, and leaves 3 and 4 be.
    form.Timer3_Timer();
    QCOMPARE(captions(form), QStringLiteral("2 0 3 7 8"));
    QCOMPARE(shownCells(form), shown);
    QVERIFY(form.Timer3->isEnabled());
}

void TestCorvaneHandlers::spinIntervalBox_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("interval"); // -1: refused
    QTest::addRow("negative_refused") << "-5" << -1;
    QTest::addRow("beyond_32_bits_refused") << "9e9999" << -1;
    QTest::addRow("rounds_to_minus_one_refused") << "-0.6" << -1;
    QTest::addRow("rounds_to_zero_taken") << "-0.4" << 0;
    QTest::addRow("fraction_rounds") << "2.6" << 3;
    QTest::addRow("not_a_number_is_zero") << "abc" << 0;
    QTest::addRow("largest_six_characters") << "999999" << 999999;
}

void TestCorvaneHandlers::spinIntervalBox() {
    QFETCH(QString, text);
    QFETCH(int, interval);
    Form1 form;
    form.txtloop->setText(text);
    form.cmdAuto->click();
    form.Timer1_Timer();

    QVERIFY(!form.hasEnded());
    if (interval < 0) {
        // No spin, no new interval, auto-spin off, one message naming the box.
        QCOMPARE(captions(form), QStringLiteral("0 0 0 0 0"));
        QCOMPARE(form.Timer1->interval(), 500);
        QVERIFY(!form.Timer1->isEnabled());
        QVERIFY(form.message() && form.message()->isVisible());
        const QString message = form.message()->text();
        QVERIFY2(message.contains(QStringLiteral("Speed of Spins")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("0 to 2147483647")), qPrintable(message));
        QCOMPARE(form.findChildren<QMessageBox *>().size(), 1);
    } else {
        QVERIFY(!captions(form).split(' ').contains(QStringLiteral("0")));
        QCOMPARE(form.Timer1->interval(), interval);
        QVERIFY(form.Timer1->isEnabled());
        QCOMPARE(form.Timer1->isTicking(), interval > 0);
        QVERIFY(!form.message());
    }
}

QTEST_MAIN(TestCorvaneHandlers)
#include "tst_corvane_handlers.moc"
