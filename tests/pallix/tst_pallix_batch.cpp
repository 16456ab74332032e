// The batch spin: how the box's text becomes a number of spins, what a batch
// leaves in the cells, the refused counts, "Clear" and "Exit". A frozen clock
// counts the draws, and a replay of the same draws says what the cells show.

#include "apps/pallix/form1.h"
#include "tests/common/form_state.h"

#include <QSignalSpy>

using pallix::Form1;
using namespace form_state;

class TestPallixBatch : public QObject {
    Q_OBJECT
private slots:
    // Each row: the box's texts for batches in a row, split at '|', and the
    // spins each makes, "refused" for more than a batch can make. One spin
    // comes first, which a batch without spins leaves in the cells.
    void batches_data() {
        QTest::addColumn<QString>("texts");
        QTest::addColumn<QString>("spins");
        const auto row = [](const char *tag, const char *texts, const char *spins) {
            QTest::addRow("%s", tag) << texts << spins;
        };
        row("one_is_a_spin", "1", "1");
        row("2.4_rounds_down", "2.4", "2");
        row("2.6_rounds_up", "2.6", "3");
        row("2.5_tie_goes_to_even", "2.5", "2");
        row("only_the_leading_number_counts", "12x", "12");
        row("three_digits_at_most", "999", "999");
        row("exponent_thirty_thousand", "3e4", "30000");
        row("zero", "0", "0");
        row("rounds_to_zero", "0.4", "0");
        row("negative", "-5", "0");
        row("empty", "", "0");
        row("letters", "abc", "0");
        row("lone_minus", "-", "0");
        row("forty_thousand_refused_twice_one_box", "4e4|4e4", "refused refused");
        row("nine_billion_refused_then_two", "9e9|2", "refused 2");
        row("smaller_after_larger", "9|3", "9 3");
        row("none_after_some", "4|0", "4 0");
    }
    void batches() {
        QFETCH(QString, texts);
        QFETCH(QString, spins);
        int draws = 0;
        Form1 form(countingSource(draws));
        form.cmdstart_Click();
        int made = 1;
        const QStringList boxTexts = texts.split('|');
        for (qsizetype i = 0; i < boxTexts.size(); ++i) {
            const QString expected = spins.section(' ', i, i);
            form.txtloop->setText(boxTexts[i]);
            form.cmdAuto_Click();
            made += expected.toInt();
            QCOMPARE(form.spinCount, expected.toInt());
            // The same draws replayed: the count is exact and the cells hold the last spin.
            QCOMPARE(draws, replay(made).draws);
            QCOMPARE(captions(form), replay(made).cells);
            QCOMPARE(form.txtloop->text(), boxTexts[i]);
            const QString message = messageShown(form);
            if (expected == "refused") {
                QCOMPARE(form.message()->windowModality(), Qt::NonModal);
                QVERIFY2(message.contains("Number of Spins") && message.contains("32767") &&
                             message.contains(boxTexts[i]),
                         qPrintable(message));
            } else if (!spins.contains("refused")) {
                QCOMPARE(message, QString());
            }
        }
        QCOMPARE(form.findChildren<QMessageBox *>().size(), qsizetype(spins.contains("refused")));
        QVERIFY(!form.hasEnded());
    }

    void spinsAskedAtTheRangeEdges_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("spins"); // -99999: refused
        QTest::addRow("largest_count") << "32767" << 32767;
        QTest::addRow("tie_rounds_up_past_largest") << "32767.5" << -99999;
        QTest::addRow("tie_rounds_down_to_even") << "32766.5" << 32766;
        QTest::addRow("one_past_largest") << "32768" << -99999;
        QTest::addRow("most_negative") << "-32768" << -32768;
        QTest::addRow("below_most_negative") << "-32769" << -99999;
        QTest::addRow("beyond_a_double") << "1e999" << -99999;
    }
    void spinsAskedAtTheRangeEdges() {
        QFETCH(QString, text);
        QFETCH(int, spins);
        const std::optional<std::int16_t> asked = pallix::spinsAsked(text);
        QCOMPARE(asked ? int(*asked) : -99999, spins);
    }

    void clearTwiceIsClearOnce() {
        int draws = 0;
        Form1 form(countingSource(draws));
        form.cmdClear_Click(); // the loop leaves its index past the last cell
        QCOMPARE(form.cellIndex, 5);
        form.txtloop->setText("5");
        form.cmdAuto_Click();
        const int drawsBefore = draws;
        const std::int16_t drawn = form.drawnValue;
        for (int click = 0; click < 2; ++click) {
            form.cmdClear_Click();
            QCOMPARE(captions(form), QStringLiteral("0 0 0 0 0"));
            QCOMPARE(form.cellIndex, 5);
            QCOMPARE(form.spinCount, 5);
            QCOMPARE(form.drawnValue, drawn);
            QCOMPARE(draws, drawsBefore);
        }
    }

    void buttonsReachTheirHandlers_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("spins");
        QTest::addColumn<bool>("ends");
        QTest::addRow("Spin_spins_once") << "cmdstart" << 1 << false;
        QTest::addRow("Auto_Spinner_runs_the_batch") << "cmdAuto" << 4 << false;
        QTest::addRow("Clear_draws_nothing") << "cmdClear" << 0 << false;
        QTest::addRow("Exit_ends_the_program") << "Command1" << 0 << true;
    }
    void buttonsReachTheirHandlers() {
        QFETCH(QString, button);
        QFETCH(int, spins);
        QFETCH(bool, ends);
        int draws = 0;
        Form1 form(countingSource(draws));
        QSignalSpy ended(&form, &ui::Form::programEnded);
        form.txtloop->setText("4");
        form.show();

        form.control<ui::Button>(button.toStdString())->click();
        QCOMPARE(draws, replay(spins).draws);
        QCOMPARE(ended.count(), ends ? 1 : 0);
        QCOMPARE(form.hasEnded(), ends);
        QCOMPARE(form.isVisible(), !ends);
    }
};

QTEST_MAIN(TestPallixBatch)
#include "tst_pallix_batch.moc"
