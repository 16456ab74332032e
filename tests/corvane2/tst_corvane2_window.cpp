// The corvane2 window as it opens, its keyboard handling, and "Exit".

#include "apps/corvane2/form1.h"
#include "tests/common/form_state.h"
#include "ui/fonts.h"

#include <QClipboard>
#include <QSignalSpy>

using corvane2::Form1;
using namespace form_state;

class TestCorvane2Window : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void freshWindow() {
        Form1 form;
        QCOMPARE(snapshot(form),
                 (QStringList{"captions 0 0 0 0 0", "shown xxxxx", "notice hidden",
                              "Timer1 enabled=0 interval=500 ticking=0",
                              "Timer2 enabled=0 interval=1000 ticking=0",
                              "Timer3 enabled=0 interval=93 ticking=0", "counters 0 0 0",
                              "txtInterval '93' refused=0", "txtloop '1001'", "ended 0",
                              "colours " + expectedColours(buttonText, buttonText, green).join(' '),
                              "checked MnuFluro"}));
        // The notice keeps its own red, whatever the scheme.
        QCOMPARE(colours(form.lblStop), QStringLiteral("#ff0000/#ff8080"));

        QCOMPARE(form.windowTitle(), title);
        const Qt::WindowFlags flags = form.windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        // 11355 x 8595 twips at 15 twips a pixel.
        QCOMPARE(form.centralWidget()->size(), QSize(757, 573));
    }

    void tabOrderAndSpaceBar() {
        Form1 form;
        QCOMPARE(activate(form), form.cmdSpin);
        QCOMPARE(tabOrder(8), QStringList({"cmdstart", "txtInterval", "txtloop", "cmdClear",
                                           "cmdAuto", "Command1", "cmdSpin", "cmdstart"}));
        form.cmdSpin->setFocus();
        QTest::keyClick(form.cmdSpin, Qt::Key_Space);
        QVERIFY2(!captions(form).split(' ').contains("0"), qPrintable(captions(form)));
    }

    // Rows: what is typed, then what is pasted, then what the box keeps.
    void textBoxesTakeSixCharacters_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("typedPastedKept");
        for (const char *box : {"txtInterval", "txtloop"}) {
            const auto row = [box](const char *tag, const QStringList &texts) {
                QTest::addRow("%s_%s", box, tag) << box << texts;
            };
            row("typing_stops_at_six", {"12345678", "", "123456"});
            row("long_paste_is_cut", {"", "98765432", "987654"});
            row("paste_fills_what_is_left", {"77", "123456", "771234"});
            row("full_box_takes_no_paste", {"999999", "1", "999999"});
        }
    }
    void textBoxesTakeSixCharacters() {
        QFETCH(QString, box);
        QFETCH(QStringList, typedPastedKept);
        Form1 form;
        auto *textBox = form.control<ui::TextBox>(box.toStdString());
        textBox->clear();
        QTest::keyClicks(textBox, typedPastedKept[0]);
        if (!typedPastedKept[1].isEmpty()) {
            QApplication::clipboard()->setText(typedPastedKept[1]);
            QCOMPARE(QApplication::clipboard()->text(), typedPastedKept[1]);
            textBox->paste();
        }
        QCOMPARE(textBox->text(), typedPastedKept[2]);
    }

    void exitEndsEverything() {
        Form1 form;
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QSignalSpy ended(&form, &Form1::programEnded);
        QSignalSpy spinTicks(form.Timer1, &ui::Timer::timer);
        QSignalSpy countTicks(form.Timer3, &ui::Timer::timer);
        // Both timers running fast, the countdown long enough to outlast the test.
        setCells(form, "10 10 10");
        form.txtInterval->setText("5");
        form.cmdstart_Click();
        form.cmdAuto_Click();
        form.Timer1->setInterval(5);
        QTRY_VERIFY_WITH_TIMEOUT(spinTicks.count() > 0 && countTicks.count() > 0, 10000);

        QTest::mouseClick(form.Command1, Qt::LeftButton);
        QCOMPARE(ended.count(), 1);
        QVERIFY(form.hasEnded());
        for (const ui::Timer *timer : {form.Timer1, form.Timer2, form.Timer3})
            QVERIFY(!timer->isEnabled() && !timer->isTicking());
        // Nothing may tick afterwards; waiting for a tick is the only way to see
        // that none comes, and a slow machine can only make this pass more easily.
        const QString after = captions(form);
        spinTicks.clear();
        QVERIFY(!countTicks.wait(100));
        QCOMPARE(spinTicks.count(), 0);
        QCOMPARE(captions(form), after);
        form.Command1_Click();
        QCOMPARE(ended.count(), 1);
    }
};

QTEST_MAIN(TestCorvane2Window)
#include "tst_corvane2_window.moc"
