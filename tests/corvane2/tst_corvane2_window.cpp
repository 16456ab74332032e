// The corvane2 window as it opens, its keyboard handling, and "Exit".

#include "form_state.h"

#include "ui/fonts.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

using corvane2::Form1;
using namespace corvane2_test;

class TestCorvane2Window : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutes(); }
    void freshWindowShowsZerosAndNothingMoves();
    void titleAndFrame();
    void tabOrderAndSpaceBar();
    void textBoxesTakeSixCharacters_data();
    void textBoxesTakeSixCharacters();
    void exitEndsEverything_data();
    void exitEndsEverything();
};

void TestCorvane2Window::freshWindowShowsZerosAndNothingMoves() {
    Form1 form;
    QCOMPARE(captions(form), QStringList(5, QStringLiteral("0")));
    QCOMPARE(shownCells(form), QStringLiteral("xxxxx"));
    QVERIFY(form.lblStop->isHidden());
    QCOMPARE(timerState(*form.Timer1), QStringLiteral("enabled=0 interval=500 ticking=0"));
    QCOMPARE(timerState(*form.Timer2), QStringLiteral("enabled=0 interval=1000 ticking=0"));
    QCOMPARE(timerState(*form.Timer3), QStringLiteral("enabled=0 interval=93 ticking=0"));
    QCOMPARE(form.txtInterval->text(), QStringLiteral("93"));
    QCOMPARE(form.txtloop->text(), QStringLiteral("1001"));

    // Start-up applies Fluro: green digits on the button-text colour.
    QCOMPARE(checkedItems(form), QStringList{QStringLiteral("MnuFluro")});
    const QColor buttonText = ui::resolveColour(0x8000'0012);
    QCOMPARE(form.Frame2->palette().color(QPalette::Window), buttonText);
    for (const ui::Label *cell : form.Label1) {
        QCOMPARE(cell->palette().color(QPalette::Window), buttonText);
        QCOMPARE(cell->palette().color(QPalette::WindowText), QColor(0, 255, 0));
    }
    // The notice keeps its own red, whatever the scheme.
    QCOMPARE(form.lblStop->palette().color(QPalette::Window), QColor(255, 0, 0));
    QCOMPARE(form.lblStop->palette().color(QPalette::WindowText), QColor(255, 128, 128));
}

void TestCorvane2Window::titleAndFrame() {
    Form1 form;
    const QString prefix = QStringLiteral("Vantorel:") + QString(8, QLatin1Char(' ')) +
                           QStringLiteral("Drelmoth Software") + QString(64, QLatin1Char(' '));
    const QString title = form.windowTitle();
    QVERIFY2(title.startsWith(prefix), qPrintable(title));
    const QString address = title.mid(prefix.size());
    QVERIFY2(!address.isEmpty() && !address.contains(QLatin1Char(' ')), qPrintable(address));

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

void TestCorvane2Window::tabOrderAndSpaceBar() {
    Form1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.cmdSpin);

    QStringList visited;
    for (int i = 0; i < 8; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    const QStringList expected{"cmdstart", "txtInterval", "txtloop", "cmdClear",
                               "cmdAuto",  "Command1",    "cmdSpin", "cmdstart"};
    QCOMPARE(visited, expected);

    form.cmdSpin->setFocus();
    QCOMPARE(QApplication::focusWidget(), form.cmdSpin);
    QTest::keyClick(form.cmdSpin, Qt::Key_Space);
    QVERIFY2(!captions(form).contains(QStringLiteral("0")), qPrintable(captions(form).join(' ')));
}

void TestCorvane2Window::textBoxesTakeSixCharacters_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");

    for (const char *box : {"txtInterval", "txtloop"}) {
        QTest::addRow("%s_typing_stops_at_six", box) << box << "12345678"
                                                     << ""
                                                     << "123456";
        QTest::addRow("%s_typing_six_fits", box) << box << "654321"
                                                 << ""
                                                 << "654321";
        QTest::addRow("%s_long_paste_is_cut", box) << box << ""
                                                   << "98765432"
                                                   << "987654";
        QTest::addRow("%s_paste_fills_what_is_left", box) << box << "77"
                                                          << "123456"
                                                          << "771234";
        QTest::addRow("%s_full_box_takes_no_paste", box) << box << "999999"
                                                         << "1"
                                                         << "999999";
    }
}

void TestCorvane2Window::textBoxesTakeSixCharacters() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, expected);

    Form1 form;
    auto *textBox = form.control<ui::TextBox>(box.toStdString());
    textBox->clear();
    QTest::keyClicks(textBox, typed);
    if (!pasted.isEmpty()) {
        QApplication::clipboard()->setText(pasted);
        QCOMPARE(QApplication::clipboard()->text(), pasted);
        textBox->paste();
    }
    QCOMPARE(textBox->text(), expected);
}

void TestCorvane2Window::exitEndsEverything_data() {
    QTest::addColumn<bool>("viaButton");
    QTest::addRow("exit_button_clicked") << true;
    QTest::addRow("handler_called") << false;
}

void TestCorvane2Window::exitEndsEverything() {
    QFETCH(bool, viaButton);

    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy ended(&form, &Form1::programEnded);
    QSignalSpy spinTicks(form.Timer1, &ui::Timer::timer);
    QSignalSpy countTicks(form.Timer3, &ui::Timer::timer);

    // Both timers running fast, the countdown long enough to outlast the test.
    setCells(form, {10, 10, 10});
    form.txtInterval->setText(QStringLiteral("5"));
    form.cmdstart_Click();
    form.cmdAuto_Click();
    form.Timer1->setInterval(5);
    QTRY_VERIFY_WITH_TIMEOUT(spinTicks.count() > 0 && countTicks.count() > 0, 10000);

    if (viaButton)
        QTest::mouseClick(form.Command1, Qt::LeftButton);
    else
        form.Command1_Click();
    QCOMPARE(ended.count(), 1);
    QVERIFY(form.hasEnded());
    for (const ui::Timer *timer : {form.Timer1, form.Timer2, form.Timer3}) {
        QVERIFY(!timer->isEnabled());
        QVERIFY(!timer->isTicking());
    }

    // Nothing may tick afterwards; waiting for a tick is the only way to see
    // that none comes, and a slow machine can only make this pass more easily.
    const QStringList after = captions(form);
    spinTicks.clear();
    countTicks.clear();
    QVERIFY(!countTicks.wait(100));
    QCOMPARE(spinTicks.count(), 0);
    QCOMPARE(captions(form), after);

    form.Command1_Click();
    QCOMPARE(ended.count(), 1);
}

QTEST_MAIN(TestCorvane2Window)
#include "tst_corvane2_window.moc"
