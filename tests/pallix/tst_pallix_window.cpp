// The pallix window as it opens, its keyboard handling, and the two programs
// that show it.

#include "apps/pallix/form1.h"
#include "tests/common/form_state.h"
#include "ui/fonts.h"

#include <QClipboard>
#include <QFileInfo>

using pallix::Form1;
using namespace form_state;

class TestPallixWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    void freshWindowTabOrderAndSpace() {
        int draws = 0;
        Form1 form(countingSource(draws));
        QCOMPARE(activate(form), form.cmdstart);

        QCOMPARE(captions(form), QStringLiteral("0 0 0 0 0"));
        QCOMPARE(form.txtloop->text(), QStringLiteral("233"));
        QCOMPARE(form.windowTitle(), title);
        QVERIFY2(!form.menuWidget(), "the window has no menu bar");
        QVERIFY(form.findChildren<ui::Timer *>().isEmpty());
        // 11175 x 7800 twips at 15 twips a pixel, with Frame2 inset by 120.
        QCOMPARE(form.centralWidget()->size(), QSize(745, 520));
        QCOMPARE(form.control("Frame2")->geometry(), QRect(8, 8, 729, 505));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QCOMPARE(draws, 0);

        QCOMPARE(tabOrder(5),
                 QStringList({"cmdClear", "cmdAuto", "txtloop", "Command1", "cmdstart"}));
        // Space on "Spin": one spin, not a batch.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(draws, replay(1).draws);
        QCOMPARE(captions(form), replay(1).cells);
        QCOMPARE(form.spinCount, 0);
    }

    void numberBoxTakesThreeCharacters_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("kept");
        QTest::addRow("typing_stops_at_three") << "12345" << false << "123";
        QTest::addRow("exponent_form_fits") << "4e4" << false << "4e4";
        QTest::addRow("long_paste_cut_to_fit") << "98765" << true << "987";
    }

    void numberBoxTakesThreeCharacters() {
        QFETCH(QString, input);
        QFETCH(bool, paste);
        QFETCH(QString, kept);
        Form1 form;
        QVERIFY(activate(form));
        form.txtloop->setFocus();
        form.txtloop->selectAll();
        QTest::keyClick(form.txtloop, Qt::Key_Delete);
        QCOMPARE(form.txtloop->text(), QString());
        if (paste) {
            QGuiApplication::clipboard()->setText(input);
            form.txtloop->paste();
        } else {
            QTest::keyClicks(form.txtloop, input);
        }
        QCOMPARE(form.txtloop->text(), kept);
    }

    void bothProgramsShowThisWindow() {
        // Both programs are built from one main and one form library, so both
        // open pallix::window(); here the two built files must exist.
        for (const auto &[path, name] :
             {std::pair{PALLIX_PROGRAM, "pallix"}, {PALLIXB_PROGRAM, "pallixb"}}) {
            const QFileInfo program(QString::fromUtf8(path));
            QVERIFY2(program.isFile() && program.isExecutable(), path);
            QCOMPARE(program.fileName(), QString::fromLatin1(name));
        }
        // Two forms from the one description draw the same pixels.
        Form1 first;
        Form1 second;
        first.show();
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&first));
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(first.grab().toImage(), second.grab().toImage());
    }
};

QTEST_MAIN(TestPallixWindow)
#include "tst_pallix_window.moc"
