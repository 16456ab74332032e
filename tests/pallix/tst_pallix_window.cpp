// The pallix window as it opens, its keyboard handling, and the two programs
// that show it.

#include "batch_state.h"

#include "apps/common/family.h"
#include "apps/pallix/window.h"
#include "ui/fonts.h"
#include "ui/timer.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QTest>

using pallix::Form1;
using namespace pallix_test;

class TestPallixWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutes(); }
    void freshWindow();
    void tabOrderFromTheStart();
    void spaceAtStartPressesSpin();
    void numberBoxTakesThreeCharacters_data();
    void numberBoxTakesThreeCharacters();
    void bothProgramsShowThisWindow();
};

void TestPallixWindow::freshWindow() {
    int draws = 0;
    Form1 form(countingSource(draws));
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));

    QCOMPARE(captions(form), QStringList(5, QStringLiteral("0")));
    QCOMPARE(form.txtloop->text(), QStringLiteral("233"));
    QCOMPARE(form.windowTitle(), QString::fromUtf8(family::title.data(), family::title.size()));
    QVERIFY2(!form.menuWidget(), "the window has no menu bar");
    QVERIFY(form.findChildren<ui::Timer *>().isEmpty());
    // 11175 x 7800 twips at 15 twips a pixel, with Frame2 inset by 120.
    QCOMPARE(form.centralWidget()->size(), QSize(745, 520));
    QCOMPARE(form.control("Frame2")->geometry(), QRect(8, 8, 729, 505));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(draws, 0);
    QCOMPARE(form.drawnValue, 0);
    QCOMPARE(form.cellIndex, 0);
    QCOMPARE(form.spinCount, 0);
    QCOMPARE(form.spinTotal, 0);
}

void TestPallixWindow::tabOrderFromTheStart() {
    Form1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QCOMPARE(QApplication::focusWidget(), form.cmdstart);

    const QWidgetList expected = {form.cmdClear, form.cmdAuto, form.txtloop, form.Command1,
                                  form.cmdstart};
    QWidgetList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget();
    }
    QCOMPARE(visited, expected);
}

void TestPallixWindow::spaceAtStartPressesSpin() {
    int draws = 0;
    Form1 form(countingSource(draws));
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);

    QCOMPARE(draws, replay(1).draws);
    QCOMPARE(captions(form), replay(1).cells);
    QCOMPARE(form.spinCount, 0); // one spin, not a batch
}

void TestPallixWindow::numberBoxTakesThreeCharacters_data() {
    QTest::addColumn<QString>("input");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("kept");
    QTest::addRow("typing_stops_at_three") << "12345" << false << "123";
    QTest::addRow("exponent_form_fits") << "4e4" << false << "4e4";
    QTest::addRow("long_paste_cut_to_fit") << "98765" << true << "987";
    QTest::addRow("short_paste_whole") << "12" << true << "12";
}

void TestPallixWindow::numberBoxTakesThreeCharacters() {
    QFETCH(QString, input);
    QFETCH(bool, paste);
    QFETCH(QString, kept);
    Form1 form;
    form.show();
    QApplication::setActiveWindow(&form);
    QVERIFY(QTest::qWaitForWindowActive(&form));
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

void TestPallixWindow::bothProgramsShowThisWindow() {
    // Both programs are built from one main and one form library, so both
    // open pallix::window(); here the two built files must exist.
    for (const char *path : {PALLIX_PROGRAM, PALLIXB_PROGRAM}) {
        const QFileInfo program(QString::fromUtf8(path));
        QVERIFY2(program.isFile() && program.isExecutable(), path);
    }
    QVERIFY(QFileInfo(QString::fromUtf8(PALLIX_PROGRAM)).fileName() == QStringLiteral("pallix"));
    QVERIFY(QFileInfo(QString::fromUtf8(PALLIXB_PROGRAM)).fileName() == QStringLiteral("pallixb"));

    // Two forms from the one description draw the same pixels.
    Form1 first;
    Form1 second;
    first.show();
    second.show();
    QVERIFY(QTest::qWaitForWindowExposed(&first));
    QVERIFY(QTest::qWaitForWindowExposed(&second));
    QCOMPARE(first.grab().toImage(), second.grab().toImage());
}

QTEST_MAIN(TestPallixWindow)
#include "tst_pallix_window.moc"
