// The corvane window as it opens, its menus and its keyboard handling.

#include "apps/corvane/form1.h"
#include "tests/common/form_state.h"
#include "ui/fonts.h"

#include <QMenu>

using corvane::Form1;
using namespace form_state;

class TestCorvaneWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void freshWindowIsIdleInNormalColours() {
        Form1 form;
        // No load handler: the default control colours, which are Normal's.
        QCOMPARE(snapshot(form),
                 (QStringList{
                     "captions 0 0 0 0 0", "shown xxxxx", "Timer1 enabled=0 interval=500 ticking=0",
                     "Timer2 enabled=0 interval=1000 ticking=0",
                     "Timer3 enabled=0 interval=500 ticking=0", "counters 0 0 0", "txtloop '1000'",
                     "ended 0",
                     "colours " + expectedColours(buttonFace, buttonFace, buttonText).join(' '),
                     "checked "}));
        QCOMPARE(form.txtloop->maxLength(), 6);
        // No notice, and the empty label shows nothing.
        QVERIFY(!form.findChild<QWidget *>("lblStop"));
        QCOMPARE(form.control<ui::Label>("Label2")->text(), QString());

        QCOMPARE(form.windowTitle(), title);
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!form.windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        // 11355 x 7800 twips at 15 twips a pixel; Frame2 covers all of it.
        QCOMPARE(form.centralWidget()->size(), QSize(757, 520));
        QVERIFY(form.Frame2->geometry().contains(form.centralWidget()->rect()));
    }

    void menusHoldOnlyTheirItems() {
        Form1 form;
        const auto itemsOf = [&form](const char *menu) {
            QStringList items;
            for (const QAction *action : form.findChild<QMenu *>(menu)->actions())
                items << action->objectName() + '=' + action->text();
            return items;
        };
        QCOMPARE(itemsOf("mnuvisual"), QStringList({"mnuNormal=Normal", "mnuNeg=Negative"}));
        QCOMPARE(itemsOf("mnuOut"),
                 QStringList({"mnufive=5 Numbers", "mnuFour=4 Numbers", "mnuThree=3 Numbers",
                              "mnuTwo=2 Numbers", "mnuOne=1 Number"}));
    }

    void tabOrderAndSpaceBar() {
        Form1 form;
        setCells(form, "0 0 2 7 8");
        QCOMPARE(activate(form), form.cmdstart);
        QCOMPARE(tabOrder(6), QStringList({"cmdClear", "cmdAuto", "txtloop", "Command1", "cmdSpin",
                                           "cmdstart"}));
        // Space presses "Count down": no spin, the count starts from the cells.
        QTest::keyClick(form.cmdstart, Qt::Key_Space);
        QCOMPARE(captions(form), QStringLiteral("0 0 2 7 8"));
        QCOMPARE(shownCells(form), QStringLiteral("xxx--"));
        QVERIFY(form.Timer3->isTicking());
        QCOMPARE(form.counter.value(), 2);
    }
};

QTEST_MAIN(TestCorvaneWindow)
#include "tst_corvane_window.moc"
