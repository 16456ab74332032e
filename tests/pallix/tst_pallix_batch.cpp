// The batch spin: how the box's text becomes a number of spins, what a batch
// leaves in the cells, the refused counts, "Clear" and "Exit".

#include "batch_state.h"

#include <QSignalSpy>
#include <QTest>

using pallix::Form1;
using namespace pallix_test;

class TestPallixBatch : public QObject {
    Q_OBJECT
private slots:
    void oneSpinIsWhatSpinDoes();
    void batchMakesTheCountedSpins_data();
    void batchMakesTheCountedSpins();
    void batchWithoutSpins_data();
    void batchWithoutSpins();
    void spinsAskedAtTheRangeEdges_data();
    void spinsAskedAtTheRangeEdges();
    void batchesInARowEachMakeTheirCount_data();
    void batchesInARowEachMakeTheirCount();
    void clearTwiceIsClearOnce_data();
    void clearTwiceIsClearOnce();
    void buttonsReachTheirHandlers_data();
    void buttonsReachTheirHandlers();
};

void TestPallixBatch::oneSpinIsWhatSpinDoes() {
    int spinDraws = 0;
    Form1 spun(countingSource(spinDraws));
    spun.cmdstart_Click();

    int batchDraws = 0;
    Form1 batched(countingSource(batchDraws));
    batched.txtloop->setText(QStringLiteral("1"));
    batched.cmdAuto_Click();

    QVERIFY2(spinDraws >= 5 && spinDraws <= 10, qPrintable(QString::number(spinDraws)));
    QCOMPARE(batchDraws, spinDraws);
    QCOMPARE(captions(batched), captions(spun));
    QCOMPARE(captions(spun), replay(1).cells);
    QCOMPARE(batched.cellIndex, spun.cellIndex);
    QCOMPARE(batched.drawnValue, spun.drawnValue);
}

void TestPallixBatch::batchMakesTheCountedSpins_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("spins");
    QTest::addRow("one") << "1" << 1;
    QTest::addRow("2.4_rounds_down") << "2.4" << 2;
    QTest::addRow("2.6_rounds_up") << "2.6" << 3;
    QTest::addRow("2.5_tie_goes_to_even") << "2.5" << 2;
    QTest::addRow("3.5_tie_goes_to_even") << "3.5" << 4;
    QTest::addRow("only_the_leading_number_counts") << "12x" << 12;
    QTest::addRow("leading_blank_skipped") << " 7" << 7;
    QTest::addRow("plus_sign") << "+5" << 5;
    QTest::addRow("initial_text") << "233" << 233;
    QTest::addRow("three_digits_at_most") << "999" << 999;
    QTest::addRow("exponent_thirty_thousand") << "3e4" << 30000;
}

void TestPallixBatch::batchMakesTheCountedSpins() {
    QFETCH(QString, text);
    QFETCH(int, spins);
    int draws = 0;
    Form1 form(countingSource(draws));
    QSignalSpy ended(&form, &ui::Form::programEnded);
    form.txtloop->setText(text);

    form.cmdAuto_Click();

    QCOMPARE(form.spinTotal, spins);
    QCOMPARE(form.spinCount, spins);
    QCOMPARE(form.cellIndex, 5);
    QVERIFY2(draws >= 5 * spins && draws <= 10 * spins, qPrintable(QString::number(draws)));
    // The same draws replayed: the count is exact and the cells hold the last spin.
    const Replay expected = replay(spins);
    QCOMPARE(draws, expected.draws);
    QCOMPARE(captions(form), expected.cells);
    QCOMPARE(form.txtloop->text(), text);
    QVERIFY(!messageShown(form));
    QCOMPARE(ended.count(), 0);
}

void TestPallixBatch::batchWithoutSpins_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("refused");
    QTest::addRow("zero") << "0" << false;
    QTest::addRow("rounds_to_zero") << "0.4" << false;
    QTest::addRow("negative") << "-5" << false;
    QTest::addRow("rounds_to_minus_one") << "-.6" << false;
    QTest::addRow("empty") << "" << false;
    QTest::addRow("letters") << "abc" << false;
    QTest::addRow("lone_minus") << "-" << false;
    QTest::addRow("lone_plus") << "+" << false;
    QTest::addRow("lone_point") << "." << false;
    QTest::addRow("exponent_without_digits") << "e5" << false;
    QTest::addRow("letter_before_digits") << "x12" << false;
    QTest::addRow("forty_thousand_refused") << "4e4" << true;
    QTest::addRow("nine_billion_refused") << "9e9" << true;
    QTest::addRow("hundred_thousand_refused") << "1e5" << true;
}

// No number, zero or less: no spin and nothing to say. Beyond what a batch
// can count: no spin either, and a message, and the program runs on.
void TestPallixBatch::batchWithoutSpins() {
    QFETCH(QString, text);
    QFETCH(bool, refused);
    int draws = 0;
    Form1 form(countingSource(draws));
    QSignalSpy ended(&form, &ui::Form::programEnded);
    form.cmdstart_Click();
    const QStringList before = captions(form);
    const int drawsBefore = draws;
    form.txtloop->setText(text);

    form.cmdAuto_Click();

    QCOMPARE(draws, drawsBefore);
    QCOMPARE(captions(form), before);
    QCOMPARE(form.spinCount, 0);
    QVERIFY(form.spinTotal <= 0);
    QCOMPARE(messageShown(form), refused);
    if (refused) {
        QVERIFY(form.message()->windowModality() == Qt::NonModal);
        const QString message = form.message()->text();
        QVERIFY2(message.contains(QStringLiteral("Number of Spins")), qPrintable(message));
        QVERIFY2(message.contains(QStringLiteral("32767")), qPrintable(message));
        QVERIFY2(message.contains(text), qPrintable(message));
        // Asked again, the same message box says it again.
        form.cmdAuto_Click();
        QCOMPARE(form.findChildren<QMessageBox *>().size(), 1);
    }
    QCOMPARE(ended.count(), 0);
    QVERIFY(!form.hasEnded());

    form.txtloop->setText(QStringLiteral("2"));
    form.cmdAuto_Click();
    QCOMPARE(form.spinCount, 2);
    QCOMPARE(draws, replay(3).draws);
    QCOMPARE(captions(form), replay(3).cells);
}

void TestPallixBatch::spinsAskedAtTheRangeEdges_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<int>("spins");
    QTest::addRow("largest_count") << "32767" << true << 32767;
    QTest::addRow("rounds_down_to_largest") << "32767.4" << true << 32767;
    QTest::addRow("tie_rounds_up_past_largest") << "32767.5" << false << 0;
    QTest::addRow("tie_rounds_down_to_even") << "32766.5" << true << 32766;
    QTest::addRow("one_past_largest") << "32768" << false << 0;
    QTest::addRow("most_negative") << "-32768" << true << -32768;
    QTest::addRow("below_most_negative") << "-32769" << false << 0;
    QTest::addRow("beyond_a_double") << "1e999" << false << 0;
    QTest::addRow("tiny_is_zero") << "1e-999" << true << 0;
}

void TestPallixBatch::spinsAskedAtTheRangeEdges() {
    QFETCH(QString, text);
    QFETCH(bool, accepted);
    QFETCH(int, spins);
    const std::optional<std::int16_t> asked = pallix::spinsAsked(text);
    QCOMPARE(asked.has_value(), accepted);
    if (accepted)
        QCOMPARE(*asked, spins);
}

void TestPallixBatch::batchesInARowEachMakeTheirCount_data() {
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::addColumn<int>("firstSpins");
    QTest::addColumn<int>("secondSpins");
    QTest::addRow("same_count_twice") << "7"
                                      << "7" << 7 << 7;
    QTest::addRow("smaller_after_larger") << "9"
                                          << "3" << 9 << 3;
    QTest::addRow("none_after_some") << "4"
                                     << "0" << 4 << 0;
}

void TestPallixBatch::batchesInARowEachMakeTheirCount() {
    QFETCH(QString, first);
    QFETCH(QString, second);
    QFETCH(int, firstSpins);
    QFETCH(int, secondSpins);
    int draws = 0;
    Form1 form(countingSource(draws));

    form.txtloop->setText(first);
    form.cmdAuto_Click();
    QCOMPARE(form.spinCount, firstSpins);
    QCOMPARE(draws, replay(firstSpins).draws);

    form.txtloop->setText(second);
    form.cmdAuto_Click();
    QCOMPARE(form.spinCount, secondSpins);
    const Replay both = replay(firstSpins + secondSpins);
    QCOMPARE(draws, both.draws);
    QCOMPARE(captions(form), both.cells);
}

void TestPallixBatch::clearTwiceIsClearOnce_data() {
    QTest::addColumn<int>("spinsBefore");
    QTest::addColumn<bool>("batch");
    QTest::addRow("fresh_window") << 0 << false;
    QTest::addRow("after_spin") << 1 << false;
    QTest::addRow("after_batch") << 5 << true;
}

void TestPallixBatch::clearTwiceIsClearOnce() {
    QFETCH(int, spinsBefore);
    QFETCH(bool, batch);
    int draws = 0;
    Form1 form(countingSource(draws));
    if (batch) {
        form.txtloop->setText(QString::number(spinsBefore));
        form.cmdAuto_Click();
    } else if (spinsBefore > 0) {
        form.cmdstart_Click();
    }
    const std::int16_t drawn = form.drawnValue;
    const std::int16_t count = form.spinCount;
    const std::int16_t total = form.spinTotal;
    const QString text = form.txtloop->text();
    const int drawsBefore = draws;

    form.cmdClear_Click();
    const QStringList once = captions(form);
    form.cmdClear_Click();

    QCOMPARE(once, QStringList(5, QStringLiteral("0")));
    QCOMPARE(captions(form), once);
    QCOMPARE(form.cellIndex, 5);
    QCOMPARE(form.drawnValue, drawn);
    QCOMPARE(form.spinCount, count);
    QCOMPARE(form.spinTotal, total);
    QCOMPARE(form.txtloop->text(), text);
    QCOMPARE(draws, drawsBefore);
}

void TestPallixBatch::buttonsReachTheirHandlers_data() {
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("spins");
    QTest::addColumn<bool>("ends");
    QTest::addRow("Spin_spins_once") << "cmdstart" << 1 << false;
    QTest::addRow("Auto_Spinner_runs_the_batch") << "cmdAuto" << 4 << false;
    QTest::addRow("Clear_draws_nothing") << "cmdClear" << 0 << false;
    QTest::addRow("Exit_ends_the_program") << "Command1" << 0 << true;
}

void TestPallixBatch::buttonsReachTheirHandlers() {
    QFETCH(QString, button);
    QFETCH(int, spins);
    QFETCH(bool, ends);
    int draws = 0;
    Form1 form(countingSource(draws));
    QSignalSpy ended(&form, &ui::Form::programEnded);
    form.txtloop->setText(QStringLiteral("4"));
    form.show();

    form.control<ui::Button>(button.toStdString())->click();

    QCOMPARE(draws, replay(spins).draws);
    QCOMPARE(ended.count(), ends ? 1 : 0);
    QCOMPARE(form.hasEnded(), ends);
    QCOMPARE(form.isVisible(), !ends);
}

QTEST_MAIN(TestPallixBatch)
#include "tst_pallix_batch.moc"
