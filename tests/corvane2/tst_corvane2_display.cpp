// The Visual menu's colour schemes and the Output menu's cell patterns in
// corvane2, and what the other handlers leave of them.

#include "form_state.h"

#include <QTest>

using corvane2::Form1;
using namespace corvane2_test;

namespace {

constexpr core::Colour highlightText = 0x8000'000E;
constexpr core::Colour buttonFace = 0x8000'000F;
constexpr core::Colour buttonText = 0x8000'0012;
constexpr core::Colour green = 0x0000'FF00;

struct Colours {
    core::Colour frameBack, cellBack, cellFore;
};

// The colours each Visual item paints, by the item's name.
Colours schemeOf(const QString &item) {
    if (item == QLatin1String("mnuNormal"))
        return {buttonFace, buttonFace, buttonText};
    if (item == QLatin1String("mnuNeg"))
        return {buttonText, buttonText, highlightText};
    if (item == QLatin1String("mnuGrey"))
        return {buttonFace, buttonFace, highlightText};
    return {buttonText, buttonText, green};
}

void choose(Form1 &form, const QString &item) {
    form.menuItem(item.toStdString())->action()->trigger();
}

// Starts auto-spin and a countdown from spun cells, one tick in.
void startBothTimers(Form1 &form) {
    form.cmdSpin_Click();
    form.cmdAuto_Click();
    form.cmdstart_Click();
    form.Timer3_Timer();
}

} // namespace

class TestCorvane2Display : public QObject {
    Q_OBJECT
private slots:
    void schemeChangesColoursOnly_data();
    void schemeChangesColoursOnly();
    void otherHandlersKeepTheScheme_data();
    void otherHandlersKeepTheScheme();
    void outputPatterns_data();
    void outputPatterns();
    void outputDuringCountdown();
};

void TestCorvane2Display::schemeChangesColoursOnly_data() {
    QTest::addColumn<QStringList>("choices");

    QTest::addRow("normal") << QStringList{"mnuNormal"};
    QTest::addRow("negative") << QStringList{"mnuNeg"};
    QTest::addRow("grey") << QStringList{"mnuGrey"};
    QTest::addRow("fluro_again_at_start") << QStringList{"MnuFluro"};
    QTest::addRow("negative_then_grey") << QStringList{"mnuNeg", "mnuGrey"};
    QTest::addRow("grey_then_normal") << QStringList{"mnuGrey", "mnuNormal"};
    QTest::addRow("normal_then_fluro") << QStringList{"mnuNormal", "MnuFluro"};
    QTest::addRow("same_item_twice") << QStringList{"mnuNeg", "mnuNeg"};
    QTest::addRow("every_item_then_normal")
        << QStringList{"mnuGrey", "MnuFluro", "mnuNeg", "mnuNormal"};
    QTest::addRow("every_item_twice") << QStringList{
        "mnuNormal", "mnuNeg", "MnuFluro", "mnuGrey", "mnuGrey", "MnuFluro", "mnuNeg", "mnuNormal"};
}

void TestCorvane2Display::schemeChangesColoursOnly() {
    QFETCH(QStringList, choices);

    Form1 form;
    startBothTimers(form);
    form.mnuOne_Click(); // four cells hidden: they take the scheme all the same
    const QString frame1 = colours(form.control("Frame1"));
    const QString notice = colours(form.lblStop);
    QStringList before = snapshot(form);

    for (const QString &item : choices) {
        choose(form, item);
        QCOMPARE(checkedItems(form), QStringList{item});
    }

    const Colours scheme = schemeOf(choices.back());
    QCOMPARE(form.Frame2->palette().color(QPalette::Window), ui::resolveColour(scheme.frameBack));
    for (const ui::Label *cell : form.Label1) {
        QCOMPARE(cell->palette().color(QPalette::Window), ui::resolveColour(scheme.cellBack));
        QCOMPARE(cell->palette().color(QPalette::WindowText), ui::resolveColour(scheme.cellFore));
    }
    QCOMPARE(colours(form.control("Frame1")), frame1);
    QCOMPARE(colours(form.lblStop), notice);

    // Digits, visibility, timers, counters: all as they were.
    const QStringList after = snapshot(form);
    const qsizetype schemeLines = schemeState(form).size();
    QCOMPARE(after.mid(0, after.size() - schemeLines), before.mid(0, before.size() - schemeLines));

    form.mnufive_Click();
    for (const ui::Label *cell : form.Label1)
        QCOMPARE(cell->palette().color(QPalette::WindowText), ui::resolveColour(scheme.cellFore));
}

void TestCorvane2Display::otherHandlersKeepTheScheme_data() {
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("action");

    for (const char *scheme : {"mnuNormal", "mnuNeg", "mnuGrey", "MnuFluro"})
        for (const char *action : {"zero", "spin", "start", "tick", "complete", "auto_tick",
                                   "mnuOne", "mnuThree", "mnufive"})
            QTest::addRow("%s_%s", scheme, action) << scheme << action;
}

void TestCorvane2Display::otherHandlersKeepTheScheme() {
    QFETCH(QString, scheme);
    QFETCH(QString, action);

    Form1 form;
    choose(form, scheme);
    const QStringList before = schemeState(form);

    if (action == QLatin1String("zero")) {
        form.cmdClear_Click();
    } else if (action == QLatin1String("spin")) {
        form.cmdSpin_Click();
    } else if (action == QLatin1String("start")) {
        form.cmdstart_Click();
    } else if (action == QLatin1String("tick")) {
        setCells(form, {1, 0, 0});
        form.cmdstart_Click();
        form.Timer3_Timer();
    } else if (action == QLatin1String("complete")) {
        form.cmdstart_Click();
        form.Timer3_Timer();
        QVERIFY(!form.lblStop->isHidden());
    } else if (action == QLatin1String("auto_tick")) {
        form.cmdAuto_Click();
        form.Timer1_Timer();
    } else {
        choose(form, action);
    }
    QCOMPARE(schemeState(form), before);
}

void TestCorvane2Display::outputPatterns_data() {
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("shown");

    using S = QStringList;
    QTest::addRow("one_middle_cell_only") << S{"mnuOne"} << "--x--";
    QTest::addRow("two_left_of_centre") << S{"mnuTwo"} << "-xx--";
    QTest::addRow("three_centred_not_first_three") << S{"mnuThree"} << "-xxx-";
    QTest::addRow("four_left_of_centre") << S{"mnuFour"} << "xxxx-";
    QTest::addRow("five_all") << S{"mnufive"} << "xxxxx";
    QTest::addRow("one_twice_same_as_once") << S{"mnuOne", "mnuOne"} << "--x--";
    QTest::addRow("five_after_one_shows_all") << S{"mnuOne", "mnufive"} << "xxxxx";
    QTest::addRow("two_after_four_hides_outer") << S{"mnuFour", "mnuTwo"} << "-xx--";
    QTest::addRow("three_after_count_down") << S{"start", "mnuThree"} << "-xxx-";
    QTest::addRow("count_down_after_three") << S{"mnuThree", "start"} << "-xx--";
    QTest::addRow("count_down_after_one") << S{"mnuOne", "start"} << "--x--";
}

void TestCorvane2Display::outputPatterns() {
    QFETCH(QStringList, items);
    QFETCH(QString, shown);

    Form1 form;
    setCells(form, {1, 2, 3, 4, 5});
    form.cmdAuto_Click();
    QStringList before = snapshot(form);

    for (const QString &item : items) {
        if (item == QLatin1String("start"))
            form.cmdstart_Click();
        else
            choose(form, item);
        QCOMPARE(checkedItems(form), QStringList{"MnuFluro"});
    }
    QCOMPARE(shownCells(form), shown);

    // Apart from the pattern (and what "Count down" does), nothing moves.
    const QStringList after = snapshot(form);
    before.replace(1, after.at(1));
    if (items.contains(QStringLiteral("start"))) {
        before.replace(5, after.at(5));
        before.replace(6, QStringLiteral("counters 1 2 3"));
    }
    QCOMPARE(after, before);
}

void TestCorvane2Display::outputDuringCountdown() {
    Form1 form;
    setCells(form, {2, 0, 0, 6, 7});
    form.cmdstart_Click();
    form.Timer3_Timer();
    QCOMPARE(shownCells(form), QStringLiteral("xxx--"));

    // "5 Numbers" brings back cells 3 and 4 with the captions they had.
    form.mnufive_Click();
    QCOMPARE(shownCells(form), QStringLiteral("xxxxx"));
    QCOMPARE(captions(form), (QStringList{"1", "9", "9", "6", "7"}));

    // "3 Numbers" hides the hundreds, which go on counting unseen.
    form.mnuThree_Click();
    for (int i = 0; i < 100; ++i)
        form.Timer3_Timer();
    QCOMPARE(shownCells(form), QStringLiteral("-xxx-"));
    QCOMPARE(captions(form), (QStringList{"0", "9", "9", "6", "7"}));

    // "1 Number" leaves the units alone on show, through to completion.
    form.mnuOne_Click();
    for (int i = 0; i < 99; ++i)
        form.Timer3_Timer();
    QCOMPARE(captions(form), (QStringList{"0", "0", "0", "6", "7"}));
    QVERIFY(form.lblStop->isHidden());
    form.Timer3_Timer();
    QVERIFY(!form.lblStop->isHidden());
    QCOMPARE(shownCells(form), QStringLiteral("--x--"));
    QCOMPARE(checkedItems(form), QStringList{"MnuFluro"});
}

QTEST_MAIN(TestCorvane2Display)
#include "tst_corvane2_display.moc"
