// The corvane window as it opens, its keyboard handling, and "Exit".

#include "corvane_state.h"

#include "ui/fonts.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>

using corvane::Form1;
using namespace corvane_test;

class TestCorvaneWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutes(); }
    void freshWindowIsIdleInNormalColours();
    void menusHoldOnlyTheirItemsUnchecked();
    void titleAndFixedSize();
    void tabOrderAndSpaceBar();
    void exitEndsEverything_data();
    void exitEndsEverything();
};

void TestCorvaneWindow::freshWindowIsIdleInNormalColours() {
    Form1 form;
    QCOMPARE(captions(form), QStringLiteral("0 0 0 0 0"));
    QCOMPARE(shownCells(form), QStringLiteral("xxxxx"));
    QCOMPARE(form.counter.value(), 0);
    for (const ui::Timer *timer : {form.Timer1, form.Timer2, form.Timer3})
        QVERIFY2(!timer->isEnabled() && !timer->isTicking(), qPrintable(timer->objectName()));
    QCOMPARE(form.Timer1->interval(), 500);
    QCOMPARE(form.Timer2->interval(), 1000);
    QCOMPARE(form.Timer3->interval(), 500);
    QCOMPARE(form.txtloop->text(), QStringLiteral("1000"));
    QCOMPARE(form.txtloop->maxLength(), 6);

    // No load handler: the default control colours, which are Normal's.
    QCOMPARE(displayColours(form), schemeColours(core::schemes::normal));

    // No notice, and the empty label shows nothing.
    QVERIFY(!form.findChild<QWidget *>(QStringLiteral("lblStop")));
    QCOMPARE(form.control<ui::Label>("Label2")->text(), QString());
    QCOMPARE(form.control<ui::Label>("Label3")->text(), QStringLiteral("Speed of Spins"));
}

void TestCorvaneWindow::menusHoldOnlyTheirItemsUnchecked() {
    Form1 form;
    auto itemsOf = [&form](const char *menu) {
        QStringList items;
        for (const QAction *action : form.findChild<QMenu *>(menu)->actions()) {
            items << action->objectName() + '=' + action->text();
            const ui::MenuItem *item = form.menuItem(action->objectName().toStdString());
            if (item->isChecked() || action->isChecked())
                items.last() += QStringLiteral(" checked");
        }
        return items;
    };
    QCOMPARE(itemsOf("mnuvisual"), QStringList({"mnuNormal=Normal", "mnuNeg=Negative"}));
    QCOMPARE(itemsOf("mnuOut"),
             QStringList({"mnufive=5 Numbers", "mnuFour=4 Numbers", "mnuThree=3 Numbers",
                          "mnuTwo=2 Numbers", "mnuOne=1 Number"}));

    // Choosing a scheme colours the display but never sets a check mark.
    form.mnuNeg->action()->trigger();
    form.mnuNormal->action()->trigger();
    form.mnuNormal->action()->trigger();
    form.menuItem("mnuThree")->action()->trigger();
    QCOMPARE(itemsOf("mnuvisual"), QStringList({"mnuNormal=Normal", "mnuNeg=Negative"}));
    QVERIFY(!itemsOf("mnuOut").join(' ').contains(QStringLiteral("checked")));
}

void TestCorvaneWindow::titleAndFixedSize() {
    Form1 form;
    const QString prefix = QStringLiteral("Vantorel:") + QString(8, QLatin1Char(' ')) +
                           QStringLiteral("Drelmoth Software") + QString(64, QLatin1Char(' '));
    QVERIFY2(form.windowTitle().startsWith(prefix), qPrintable(form.windowTitle()));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    // 11355 x 7800 twips at 15 twips a pixel; Frame2 covers all of it.
    QCOMPARE(form.centralWidget()->size(), QSize(757, 520));
    QVERIFY(form.Frame2->geometry().contains(form.centralWidget()->rect()));
}

void TestCorvaneWindow::tabOrderAndSpaceBar() {
    Form1 form;
    setCells(form, {"0", "0", "2", "7", "8"});
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.cmdstart);

    QStringList visited;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited,
             QStringList({"cmdClear", "cmdAuto", "txtloop", "Command1", "cmdSpin", "cmdstart"}));

    // Space presses "Count down": no spin, the count starts from the cells.
    QTest::keyClick(form.cmdstart, Qt::Key_Space);
    QCOMPARE(captions(form), QStringLiteral("0 0 2 7 8"));
    QCOMPARE(shownCells(form), QStringLiteral("xxx--"));
    QVERIFY(form.Timer3->isTicking());
    QCOMPARE(form.counter.value(), 2);
}

void TestCorvaneWindow::exitEndsEverything_data() {
    QTest::addColumn<bool>("autoSpin");
    QTest::addColumn<bool>("counting");
    QTest::addRow("idle") << false << false;
    QTest::addRow("during_auto_spin") << true << false;
    QTest::addRow("during_auto_spin_and_count") << true << true;
}

void TestCorvaneWindow::exitEndsEverything() {
    QFETCH(bool, autoSpin);
    QFETCH(bool, counting);
    Form1 form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QSignalSpy ended(&form, &Form1::programEnded);
    if (autoSpin)
        form.cmdAuto->click();
    if (counting)
        form.cmdstart->click();

    form.Command1->click();
    QCOMPARE(ended.count(), 1);
    QVERIFY(form.hasEnded());
    QVERIFY(!form.isVisible());
    for (const ui::Timer *timer : {form.Timer1, form.Timer2, form.Timer3})
        QVERIFY2(!timer->isTicking(), qPrintable(timer->objectName()));
}

QTEST_MAIN(TestCorvaneWindow)
#include "tst_corvane_window.moc"
