// The Visual menu's colour schemes in corvane2, and what the other handlers
// leave of them.

#include "apps/corvane2/form1.h"
#include "tests/common/form_state.h"

using corvane2::Form1;
using namespace form_state;

namespace {

// The colours each Visual item paints, by the item's name.
QStringList schemeOf(const QString &item) {
    if (item == "mnuNormal")
        return expectedColours(buttonFace, buttonFace, buttonText);
    if (item == "mnuNeg")
        return expectedColours(buttonText, buttonText, highlightText);
    if (item == "mnuGrey")
        return expectedColours(buttonFace, buttonFace, highlightText);
    return expectedColours(buttonText, buttonText, green);
}

} // namespace

class TestCorvane2Display : public QObject {
    Q_OBJECT
private slots:
    void schemeChangesColoursOnly_data() {
        QTest::addColumn<QStringList>("choices");
        QTest::addRow("fluro_at_start") << QStringList{};
        QTest::addRow("normal") << QStringList{"mnuNormal"};
        QTest::addRow("negative") << QStringList{"mnuNeg"};
        QTest::addRow("grey") << QStringList{"mnuGrey"};
        QTest::addRow("normal_then_fluro") << QStringList{"mnuNormal", "MnuFluro"};
        QTest::addRow("same_item_twice") << QStringList{"mnuNeg", "mnuNeg"};
        QTest::addRow("every_item_twice")
            << QStringList{"mnuNormal", "mnuNeg",   "MnuFluro", "mnuGrey",
                           "mnuGrey",   "MnuFluro", "mnuNeg",   "mnuNormal"};
    }
    void schemeChangesColoursOnly() {
        QFETCH(QStringList, choices);
        Form1 form;
        // Auto-spin and a countdown running, four cells hidden: they take the
        // scheme all the same.
        run(form, "spin auto start tick mnuOne");
        const QString frame1 = colours(form.control("Frame1"));
        const QString notice = colours(form.lblStop);
        const QStringList before = snapshot(form);
        for (const QString &item : choices) {
            run(form, item);
            QCOMPARE(checkedItems(form), QStringList{item});
        }
        const QString last = choices.isEmpty() ? "MnuFluro" : choices.back();
        QCOMPARE(colours(form.control("Frame1")), frame1);
        QCOMPARE(colours(form.lblStop), notice);
        // Digits, visibility, timers, counters: all as they were.
        QCOMPARE(snapshot(form),
                 withLines(before, {"colours " + schemeOf(last).join(' '), "checked " + last}));
    }

    // Every other handler, through a countdown to its completion.
    void otherHandlersKeepTheScheme_data() {
        QTest::addColumn<QString>("scheme");
        for (const char *scheme : {"mnuNormal", "mnuNeg", "MnuFluro", "mnuGrey"})
            QTest::addRow("%s", scheme) << scheme;
    }
    void otherHandlersKeepTheScheme() {
        QFETCH(QString, scheme);
        Form1 form;
        run(form, scheme);
        const QStringList before = snapshot(form);
        run(form, "spin auto autotick zero cells=0,0,1 start tick tick mnuOne mnuTwo mnuThree "
                  "mnuFour mnufive");
        QVERIFY(!form.lblStop->isHidden());
        QCOMPARE(snapshot(form).last(2), before.last(2)); // colours and check marks
    }
};

QTEST_MAIN(TestCorvane2Display)
#include "tst_corvane2_display.moc"
