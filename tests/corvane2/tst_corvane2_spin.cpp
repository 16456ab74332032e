// "Spin", "Zero" and auto-spin in corvane2, including the refused auto-spin
// interval that once ended the program.

#include "apps/corvane2/form1.h"
#include "tests/common/form_state.h"

#include <QMap>

using corvane2::Form1;
using namespace form_state;

namespace {

// Rows naming a state and the script that brings a fresh form into it.
void addStates() {
    QTest::addColumn<QString>("script");
    QTest::addRow("fresh") << "";
    QTest::addRow("counting") << "cells=2,3,5 start tick7";
    QTest::addRow("complete") << "start tick";
    QTest::addRow("auto_spinning") << "auto autotick";
    QTest::addRow("one_number") << "mnuOne";
}

} // namespace

class TestCorvane2Spin : public QObject {
    Q_OBJECT
private slots:
    void spinWritesEveryCell_data() { addStates(); }
    void spinWritesEveryCell() {
        QFETCH(QString, script);
        int draws = 0;
        Form1 form(countingSource(draws));
        run(form, script);
        const int spunBefore = script.contains("autotick") ? 1 : 0;
        const QStringList before = snapshot(form);
        // Several spins in a row: a re-seed from a clock that has not moved must
        // not restart the sequence, so each spin follows on from the last.
        for (int spin = 1; spin <= 3; ++spin) {
            form.cmdSpin->click();
            QCOMPARE(captions(form), replay(spunBefore + spin).cells);
            QCOMPARE(form.cellIndex, 5);
        }
        // Only the captions and the notice change: hidden cells are written too.
        QCOMPARE(snapshot(form),
                 withLines(before, {"captions " + replay(spunBefore + 3).cells, "notice hidden"}));
    }

    void spinsShowOneToTen() {
        int draws = 0;
        Form1 form(countingSource(draws));
        QMap<int, int> seen;
        for (int spin = 0; spin < 400; ++spin) {
            form.cmdSpin_Click();
            for (const QString &caption : captions(form).split(' '))
                ++seen[caption.toInt()];
        }
        QCOMPARE(seen.keys(), QList<int>({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
        // 10 comes only through a second 10: about 1 cell in 100, against 11 in
        // 100 for every other value.
        QVERIFY2(seen[10] * 4 < seen[1], qPrintable(QString::number(seen[10])));
    }

    void zeroTwiceEqualsOnce_data() { addStates(); }
    void zeroTwiceEqualsOnce() {
        QFETCH(QString, script);
        Form1 form;
        run(form, script);
        form.cmdSpin_Click();
        form.Timer2->setEnabled(true);
        const QStringList before = snapshot(form);
        const std::int16_t drawn = form.drawnValue;

        form.cmdClear->click();
        const QStringList once = snapshot(form);
        // Cells zeroed, notice hidden, timers off; counters, pattern and draw kept.
        QStringList expected = withLines(before, {"captions 0 0 0 0 0", "notice hidden"});
        for (QString &line : expected)
            if (line.startsWith("Timer"))
                line.replace("enabled=1", "enabled=0").replace("ticking=1", "ticking=0");
        QCOMPARE(once, expected);
        QCOMPARE(form.cellIndex, 5);
        QCOMPARE(form.drawnValue, drawn);
        form.cmdClear_Click();
        QCOMPARE(snapshot(form), once);
    }

    void autoSpinnerStartsWithoutSpinning() {
        Form1 form;
        run(form, "start tick");
        // The first wait is the interval the timer already holds; a second
        // click neither spins nor switches auto-spin off.
        for (int click = 0; click < 2; ++click) {
            form.cmdAuto->click();
            QCOMPARE(captions(form), QStringLiteral("0 0 0 0 0"));
            QVERIFY(form.lblStop->isHidden());
            QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=1 interval=500 ticking=1"));
        }
    }

    void tickTakesIntervalThenSpins_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("interval");
        QTest::addRow("letters_after_number_ignored") << "1001abc" << 1001;
        QTest::addRow("fraction_rounds_up") << "2.6" << 3;
        QTest::addRow("tie_rounds_to_even_down") << "2.5" << 2;
        QTest::addRow("tie_rounds_to_even_up") << "3.5" << 4;
        QTest::addRow("large_interval") << "2.1e9" << 2100000000;
        QTest::addRow("empty_silences") << "" << 0;
        QTest::addRow("zero_silences") << "0" << 0;
        QTest::addRow("rounds_to_zero_silences") << "0.4" << 0;
        QTest::addRow("sign_alone_silences") << "-" << 0;
    }
    void tickTakesIntervalThenSpins() {
        QFETCH(QString, text);
        QFETCH(int, interval);
        int draws = 0;
        Form1 form(countingSource(draws));
        run(form, "auto loop=" + text);
        QCOMPARE(form.Timer1->interval(), 500); // editing the box changes nothing yet
        form.Timer1_Timer();
        QCOMPARE(
            timerState(*form.Timer1),
            QStringLiteral("enabled=1 interval=%1 ticking=%2").arg(interval).arg(interval > 0));
        QCOMPARE(captions(form), replay(1).cells);
        QVERIFY(!form.txtloop->isRefused() && !form.message());
        // The box is read again at every tick; at 0 none comes any more for the run.
        run(form, "loop=250 auto zero auto");
        if (interval == 0)
            QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=1 interval=0 ticking=0"));
        form.Timer1_Timer();
        QCOMPARE(form.Timer1->interval(), 250);
        QCOMPARE(captions(form), replay(2).cells);
    }

    void refusedIntervalStopsAutoSpinOnly_data() {
        QTest::addColumn<QString>("text");
        QTest::addRow("rounds_to_minus_one") << "-0.6";
        QTest::addRow("beyond_double_range") << "9e9999";
        QTest::addRow("just_beyond_32_bits") << "2.2e9";
    }
    void refusedIntervalStopsAutoSpinOnly() {
        QFETCH(QString, text);
        Form1 form;
        run(form, "auto autotick start interval=40 loop=" + text); // auto-spin and a count
        const QStringList before = snapshot(form);

        form.Timer1_Timer();
        // No spin, no interval change, only Timer1 off.
        QCOMPARE(snapshot(form), withLines(before, {"Timer1 enabled=0 interval=1001 ticking=0"}));
        // One message, which does not block and names the box and the range.
        QCOMPARE(form.findChildren<QMessageBox *>(), QList<QMessageBox *>{form.message()});
        QVERIFY(!form.message()->isModal());
        const QString message = messageShown(form);
        QVERIFY2(message.contains("Speed of Spins") && message.contains("0 to 2147483647"),
                 qPrintable(message));
        // The program goes on: a good value and "Auto- Spinner" bring auto-spin back.
        run(form, "loop=300 auto autotick");
        QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=1 interval=300 ticking=1"));
        QCOMPARE(form.findChildren<QMessageBox *>().size(), 1);
    }
};

QTEST_MAIN(TestCorvane2Spin)
#include "tst_corvane2_spin.moc"
