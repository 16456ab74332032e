// The window layer on a small window of its own: timers, menu check marks,
// geometry, drawing order, tab order, text limits, colours, messages and
// program end.

#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/form.h"
#include "ui/interval.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <limits>
#include <optional>

using namespace ui;

namespace {

constexpr core::Colour green = 0x0000'FF00;
constexpr core::Colour red = 0x0000'00FF;
constexpr core::Colour blue = 0x00FF'0000;

// Labels and shapes overlap on purpose; containers may follow their contents.
constexpr Control controls[] = {
    {.name = "lblUnderFrame", .kind = Kind::Label, .in = "Form1", .twips = {0, 0, 1500, 1500}},
    {.name = "lblFront",
     .kind = Kind::Label,
     .in = "Frame1",
     .twips = {150, 150, 1500, 600},
     .caption = "front"},
    {.name = "Shape1", .kind = Kind::Shape, .in = "Frame1", .twips = {150, 150, 1500, 600}},
    {.name = "lblBack",
     .kind = Kind::Label,
     .in = "Frame1",
     .twips = {150, 150, 1500, 600},
     .caption = "back"},
    {.name = "txtA",
     .kind = Kind::TextBox,
     .in = "Frame1",
     .twips = {1800, 150, 1500, 375},
     .maxLength = 6,
     .tabIndex = 1},
    {.name = "lblUnderBox", .kind = Kind::Label, .in = "Frame1", .twips = {1800, 150, 1500, 375}},
    {.name = "cmdC",
     .kind = Kind::Button,
     .in = "Frame1",
     .twips = {150, 450, 1500, 450},
     .caption = "C",
     .tabIndex = 3},
    {.name = "cmdB",
     .kind = Kind::Button,
     .in = "Form1",
     .twips = {150, 2700, 1500, 450},
     .caption = "B",
     .tabIndex = 2},
    {.name = "Frame1",
     .kind = Kind::Frame,
     .in = "Form1",
     .twips = {150, 150, 4500, 2400},
     .backColor = green,
     .tabIndex = 0},
    {.name = "lblHidden",
     .kind = Kind::Label,
     .in = "Form1",
     .twips = {4800, 150, 900, 300},
     .visible = false},
    {.name = "lblRed",
     .kind = Kind::Label,
     .in = "Form1",
     .twips = {4800, 600, 900, 300},
     .backColor = red,
     .foreColor = core::SystemColour::HighlightText},
};

constexpr TimerRow timers[] = {
    {.name = "Timer1", .interval = 5, .enabled = false},
    {.name = "Timer2", .interval = 0, .enabled = true},
    {.name = "Timer3", .interval = 7, .enabled = false},
};

constexpr MenuItemRow outputItems[] = {{"mnuOne", "One"}, {"mnuTwo", "Two"}};
constexpr Menu menus[] = {{.name = "mnuOutput", .caption = "Output", .items = outputItems}};

constexpr Window testWindow{.name = "Form1",
                            .title = "Window layer",
                            .clientWidth = 6000,
                            .clientHeight = 3000,
                            .backColor = 0x00FF'FFFF,
                            .controls = controls,
                            .timers = timers,
                            .menus = menus};

// A form with handlers wired through the event table, as the programs do it.
class TestForm : public Form {
public:
    TestForm();

    void cmdB_Click() { ++clicks; }
    void txtA_Change() { ++changes; }
    void Timer1_Timer() { ++ticks; }
    void mnuOne_Click() {
        ++menuClicks;
        checkedInHandler = menuItem("mnuOne")->isChecked();
        actionCheckedInHandler = menuItem("mnuOne")->action()->isChecked();
        if (checkOnClick)
            menuItem("mnuOne")->setChecked(*checkOnClick);
    }

    int clicks = 0;
    int changes = 0;
    int ticks = 0;
    int menuClicks = 0;
    std::optional<bool> checkOnClick;
    bool checkedInHandler = false;
    bool actionCheckedInHandler = false;
};

constexpr EventHandler<TestForm> testEvents[] = {
    {"cmdB", Event::Click, &TestForm::cmdB_Click},
    {"txtA", Event::Change, &TestForm::txtA_Change},
    {"Timer1", Event::Timer, &TestForm::Timer1_Timer},
    {"mnuOne", Event::Click, &TestForm::mnuOne_Click},
};

TestForm::TestForm() : Form(testWindow) {
    wire<TestForm>(this, testEvents);
}

// System colours the test can tell apart, for as long as the guard lives.
class DistinctPalette {
public:
    static inline const QColor button{0x10, 0x20, 0x30};
    static inline const QColor buttonText{0x40, 0x50, 0x60};
    static inline const QColor highlightedText{0x70, 0x80, 0x90};

    DistinctPalette() : m_saved(QApplication::palette()) {
        QPalette palette = m_saved;
        palette.setColor(QPalette::Button, button);
        palette.setColor(QPalette::ButtonText, buttonText);
        palette.setColor(QPalette::HighlightedText, highlightedText);
        QApplication::setPalette(palette);
    }
    ~DistinctPalette() { QApplication::setPalette(m_saved); }

private:
    QPalette m_saved;
};

// Lets the event loop run until a 2 ms reference timer has fired `count`
// times: long enough for any stray timer to show itself, without a fixed sleep.
void letTimePass(int count = 25) {
    QTimer reference;
    reference.setTimerType(Qt::PreciseTimer);
    QSignalSpy fired(&reference, &QTimer::timeout);
    reference.start(2);
    QTRY_VERIFY_WITH_TIMEOUT(fired.count() >= count, 10000);
}

QString nameAt(QWidget *container, QPoint point) {
    QWidget *child = container->childAt(point);
    return child ? child->objectName() : QStringLiteral("(none)");
}

} // namespace

class TestWindowLayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void zeroIntervalNeverTicks_data();
    void zeroIntervalNeverTicks();
    void ticksWhileEnabledAndPositive_data();
    void ticksWhileEnabledAndPositive();
    void stoppingInsideTheHandlerWins_data();
    void stoppingInsideTheHandlerWins();
    void disablingStops();
    void writingIntervalRestartsTheWait();
    void negativeIntervalIsRefused_data();
    void negativeIntervalIsRefused();
    void intervalFromText_data();
    void intervalFromText();

    void eventsReachTheirHandlers_data();
    void eventsReachTheirHandlers();
    void menuCheckMarkBelongsToTheProgram_data();
    void menuCheckMarkBelongsToTheProgram();

    void geometryFromTwips_data();
    void geometryFromTwips();
    void stackingOrder_data();
    void stackingOrder();
    void frontmostAtPoint_data();
    void frontmostAtPoint();
    void tabOrderAndInitialFocus();
    void maxLengthCutsEveryEntry_data();
    void maxLengthCutsEveryEntry();
    void hiddenControlsStayHidden();

    void resolveColour_data();
    void resolveColour();
    void controlColours_data();
    void controlColours();
    void frameColourDoesNotSpill();

    void endProgramStopsEverything();
    void closingTheWindowEndsTheProgram();
    void showMessageDoesNotBlock();
};

void TestWindowLayer::initTestCase() {
    installFontSubstitutes();
}

// ---- ui::Timer ----

void TestWindowLayer::zeroIntervalNeverTicks_data() {
    QTest::addColumn<bool>("enableFirst");
    QTest::addColumn<bool>("runFirst");
    QTest::addRow("enabled_then_interval_zero") << true << false;
    QTest::addRow("interval_zero_then_enabled") << false << false;
    QTest::addRow("running_then_interval_zero") << true << true;
}

void TestWindowLayer::zeroIntervalNeverTicks() {
    // A Qt timer at 0 fires on every pass of the event loop.
    QFETCH(bool, enableFirst);
    QFETCH(bool, runFirst);
    Timer timer;
    QSignalSpy ticks(&timer, &Timer::timer);
    if (runFirst) {
        timer.setInterval(2);
        timer.setEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 1, 10000);
    }
    if (enableFirst) {
        timer.setEnabled(true);
        timer.setInterval(0);
    } else {
        timer.setInterval(0);
        timer.setEnabled(true);
    }
    QVERIFY(!timer.isTicking());
    const auto before = ticks.count();
    letTimePass();
    QCOMPARE(ticks.count(), before);
    QVERIFY(timer.isEnabled());
}

void TestWindowLayer::ticksWhileEnabledAndPositive_data() {
    QTest::addColumn<bool>("enableFirst");
    QTest::addColumn<bool>("fromZero");
    QTest::addRow("enabled_then_interval") << true << false;
    QTest::addRow("interval_then_enabled") << false << false;
    QTest::addRow("silent_at_zero_then_positive") << true << true;
}

void TestWindowLayer::ticksWhileEnabledAndPositive() {
    QFETCH(bool, enableFirst);
    QFETCH(bool, fromZero);
    Timer timer;
    QSignalSpy ticks(&timer, &Timer::timer);
    if (fromZero)
        timer.setInterval(0);
    if (enableFirst)
        timer.setEnabled(true);
    timer.setInterval(3);
    timer.setEnabled(true);
    QVERIFY(timer.isTicking());
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 3, 10000);
}

void TestWindowLayer::stoppingInsideTheHandlerWins_data() {
    QTest::addColumn<bool>("disable");
    QTest::addRow("handler_disables") << true;
    QTest::addRow("handler_sets_interval_zero") << false;
}

void TestWindowLayer::stoppingInsideTheHandlerWins() {
    // The timer re-arms itself before the handler runs; a stop from the
    // handler must still be the last word.
    QFETCH(bool, disable);
    Timer timer;
    int ticks = 0;
    QObject::connect(&timer, &Timer::timer, &timer, [&] {
        ++ticks;
        if (disable)
            timer.setEnabled(false);
        else
            timer.setInterval(0);
    });
    timer.setInterval(2);
    timer.setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(ticks >= 1, 10000);
    QVERIFY(!timer.isTicking());
    letTimePass();
    QCOMPARE(ticks, 1);
}

void TestWindowLayer::disablingStops() {
    Timer timer;
    QSignalSpy ticks(&timer, &Timer::timer);
    timer.setInterval(2);
    timer.setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 10000);
    timer.setEnabled(false);
    QVERIFY(!timer.isTicking());
    const auto before = ticks.count();
    letTimePass();
    QCOMPARE(ticks.count(), before);
    QCOMPARE(timer.interval(), 2);
}

void TestWindowLayer::writingIntervalRestartsTheWait() {
    // Only a lower bound is checked, which a slow machine cannot break: after
    // the write, the next tick is a whole interval away. Without the restart
    // it would come about 700 ms after the write.
    Timer timer;
    QElapsedTimer clock;
    qint64 firstTickNs = -1;
    QObject::connect(&timer, &Timer::timer, &timer, [&] {
        if (firstTickNs < 0)
            firstTickNs = clock.nsecsElapsed();
    });
    clock.start();
    timer.setInterval(1000);
    timer.setEnabled(true);
    QTRY_VERIFY_WITH_TIMEOUT(clock.elapsed() >= 300, 10000);
    if (firstTickNs >= 0)
        QSKIP("the machine stalled past the first tick; the restart cannot be observed");
    const qint64 writtenNs = clock.nsecsElapsed();
    timer.setInterval(1000);
    QTRY_VERIFY_WITH_TIMEOUT(firstTickNs >= 0, 10000);
    const qint64 waitedMs = (firstTickNs - writtenNs) / 1'000'000;
    QVERIFY2(waitedMs >= 995,
             qPrintable(QStringLiteral("ticked %1 ms after the write").arg(waitedMs)));
}

void TestWindowLayer::negativeIntervalIsRefused_data() {
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("negative");
    QTest::addRow("fresh_timer_stays_silent") << 0 << -1;
    QTest::addRow("running_timer_keeps_its_interval") << 50 << -5;
    QTest::addRow("most_negative") << 0 << std::numeric_limits<int>::min();
}

void TestWindowLayer::negativeIntervalIsRefused() {
    QFETCH(int, before);
    QFETCH(int, negative);
    Timer timer;
    timer.setInterval(before);
    timer.setEnabled(true);
    timer.setInterval(negative);
    QCOMPARE(timer.interval(), before);
    QCOMPARE(timer.isTicking(), before > 0);
}

void TestWindowLayer::intervalFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: refused

    QTest::addRow("whole_number") << "1001" << 1001;
    QTest::addRow("letters_after_number") << "1001abc" << 1001;
    QTest::addRow("fraction_rounds_up") << "2.6" << 3;
    QTest::addRow("tie_rounds_to_even") << "2.5" << 2;
    QTest::addRow("empty_is_zero") << "" << 0;
    QTest::addRow("letters_are_zero") << "abc" << 0;
    QTest::addRow("small_negative_rounds_to_zero") << "-0.4" << 0;
    QTest::addRow("largest_interval") << "2147483647" << 2147483647;
    QTest::addRow("beyond_32_bits") << "2147483648" << -1;
    QTest::addRow("negative") << "-1" << -1;
    QTest::addRow("huge_exponent") << "9e9999" << -1;
}

void TestWindowLayer::intervalFromText() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    const std::optional<int> interval = ui::intervalFromText(text);
    QCOMPARE(interval.value_or(-1), expected);
}

// ---- events and menus ----

void TestWindowLayer::eventsReachTheirHandlers_data() {
    QTest::addColumn<QString>("event");
    QTest::addColumn<QList<int>>("expected"); // clicks, changes, ticks, menu clicks
    QTest::addRow("button_click") << "click" << QList<int>{1, 0, 0, 0};
    QTest::addRow("text_change") << "type" << QList<int>{0, 2, 0, 0};
    QTest::addRow("menu_click") << "menu" << QList<int>{0, 0, 0, 1};
    QTest::addRow("timer_tick") << "tick" << QList<int>{0, 0, 1, 0};
}

void TestWindowLayer::eventsReachTheirHandlers() {
    QFETCH(QString, event);
    QFETCH(QList<int>, expected);
    TestForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    if (event == "click") {
        QTest::mouseClick(form.control<Button>("cmdB"), Qt::LeftButton);
    } else if (event == "type") {
        QTest::keyClicks(form.control<TextBox>("txtA"), "42");
    } else if (event == "menu") {
        form.menuItem("mnuOne")->action()->trigger();
    } else {
        // One tick, then the handler switches the timer off again.
        QObject::connect(form.timer("Timer1"), &Timer::timer, &form,
                         [&] { form.timer("Timer1")->setEnabled(false); });
        form.timer("Timer1")->setEnabled(true);
        QTRY_VERIFY_WITH_TIMEOUT(form.ticks >= 1, 10000);
    }
    QCOMPARE((QList<int>{form.clicks, form.changes, form.ticks, form.menuClicks}), expected);
}

void TestWindowLayer::menuCheckMarkBelongsToTheProgram_data() {
    QTest::addColumn<bool>("checkedBefore");
    QTest::addColumn<int>("handlerSets"); // -1: leaves it alone
    QTest::addColumn<bool>("checkedAfter");

    QTest::addRow("checked_item_left_alone_stays_checked") << true << -1 << true;
    QTest::addRow("unchecked_item_left_alone_stays_unchecked") << false << -1 << false;
    QTest::addRow("handler_checks_unchecked_item") << false << 1 << true;
    QTest::addRow("handler_unchecks_checked_item") << true << 0 << false;
    QTest::addRow("handler_keeps_checked_item") << true << 1 << true;
}

void TestWindowLayer::menuCheckMarkBelongsToTheProgram() {
    QFETCH(bool, checkedBefore);
    QFETCH(int, handlerSets);
    QFETCH(bool, checkedAfter);
    TestForm form;
    MenuItem *item = form.menuItem("mnuOne");
    item->setChecked(checkedBefore);
    if (handlerSets >= 0)
        form.checkOnClick = handlerSets == 1;

    item->action()->trigger();

    QCOMPARE(form.menuClicks, 1);
    // The handler sees the mark as it was, not toggled by the toolkit.
    QCOMPARE(form.checkedInHandler, checkedBefore);
    QCOMPARE(form.actionCheckedInHandler, checkedBefore);
    QCOMPARE(item->isChecked(), checkedAfter);
    QCOMPARE(item->action()->isChecked(), checkedAfter);
}

// ---- building the window ----

void TestWindowLayer::geometryFromTwips_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("container");
    QTest::addColumn<QRect>("pixels");

    QTest::addRow("frame_on_form") << "Frame1"
                                   << "Form1_client" << QRect(10, 10, 300, 160);
    QTest::addRow("label_inside_frame_listed_before_it") << "lblFront"
                                                         << "Frame1" << QRect(10, 10, 100, 40);
    QTest::addRow("text_box_inside_frame") << "txtA"
                                           << "Frame1" << QRect(120, 10, 100, 25);
    QTest::addRow("button_on_form") << "cmdB"
                                    << "Form1_client" << QRect(10, 180, 100, 30);
    QTest::addRow("shape_inside_frame") << "Shape1"
                                        << "Frame1" << QRect(10, 10, 100, 40);
}

void TestWindowLayer::geometryFromTwips() {
    QFETCH(QString, name);
    QFETCH(QString, container);
    QFETCH(QRect, pixels);
    TestForm form;
    QWidget *widget = form.control(name.toStdString());
    QCOMPARE(widget->parentWidget()->objectName(), container);
    QCOMPARE(widget->geometry(), pixels);
    QCOMPARE(form.centralWidget()->size(), QSize(400, 200));
}

void TestWindowLayer::stackingOrder_data() {
    QTest::addColumn<QString>("behind");
    QTest::addColumn<QString>("inFront");

    QTest::addRow("first_label_row_in_front_of_shape") << "Shape1"
                                                       << "lblFront";
    QTest::addRow("shape_in_front_of_later_label") << "lblBack"
                                                   << "Shape1";
    QTest::addRow("text_box_in_front_of_later_label") << "lblUnderBox"
                                                      << "txtA";
    QTest::addRow("button_in_front_of_earlier_label") << "lblFront"
                                                      << "cmdC";
    QTest::addRow("frame_in_front_of_earlier_label") << "lblUnderFrame"
                                                     << "Frame1";
}

void TestWindowLayer::stackingOrder() {
    // Siblings are painted in the order of their parent's children list.
    QFETCH(QString, behind);
    QFETCH(QString, inFront);
    TestForm form;
    QWidget *back = form.control(behind.toStdString());
    QWidget *front = form.control(inFront.toStdString());
    QCOMPARE(back->parent(), front->parent());
    const QObjectList &siblings = back->parent()->children();
    QVERIFY(siblings.indexOf(back) < siblings.indexOf(front));
}

void TestWindowLayer::frontmostAtPoint_data() {
    QTest::addColumn<QString>("container");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QString>("expected");

    // Shapes let clicks through, so the label under the shape answers.
    QTest::addRow("first_label_row_seen_through_shape") << "Frame1" << QPoint(50, 20) << "lblFront";
    QTest::addRow("button_over_labels") << "Frame1" << QPoint(50, 45) << "cmdC";
    QTest::addRow("text_box_over_label") << "Frame1" << QPoint(150, 20) << "txtA";
    QTest::addRow("frame_over_label") << "client" << QPoint(15, 15) << "Frame1";
}

void TestWindowLayer::frontmostAtPoint() {
    QFETCH(QString, container);
    QFETCH(QPoint, point);
    QFETCH(QString, expected);
    TestForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *parent =
        container == "client" ? form.centralWidget() : form.control(container.toStdString());
    QCOMPARE(nameAt(parent, point), expected);
}

void TestWindowLayer::tabOrderAndInitialFocus() {
    TestForm form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    // The frame has the lowest tab index but takes no focus.
    QTRY_COMPARE(QApplication::focusWidget(), form.control("txtA"));
    const QStringList expected{"cmdB", "cmdC", "txtA", "cmdB"};
    for (const QString &name : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), name);
    }
}

void TestWindowLayer::maxLengthCutsEveryEntry_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("route");
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");

    QTest::addRow("typing") << ""
                            << "type"
                            << "1234567"
                            << "123456";
    QTest::addRow("insert_longer") << ""
                                   << "insert"
                                   << "abcdefghij"
                                   << "abcdef";
    QTest::addRow("paste_longer") << ""
                                  << "paste"
                                  << "abcdefghij"
                                  << "abcdef";
    QTest::addRow("paste_after_text") << "1234"
                                      << "paste"
                                      << "5678"
                                      << "123456";
    QTest::addRow("set_text_longer") << ""
                                     << "set"
                                     << "abcdefgh"
                                     << "abcdef";
}

void TestWindowLayer::maxLengthCutsEveryEntry() {
    QFETCH(QString, start);
    QFETCH(QString, route);
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    TestForm form;
    auto *box = form.control<TextBox>("txtA");
    box->setText(start);
    box->end(false);
    if (route == "type") {
        QTest::keyClicks(box, entry);
    } else if (route == "insert") {
        box->insert(entry);
    } else if (route == "paste") {
        QApplication::clipboard()->setText(entry);
        box->paste();
    } else {
        box->setText(entry);
    }
    QCOMPARE(box->text(), expected);
}

void TestWindowLayer::hiddenControlsStayHidden() {
    TestForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(!form.control("lblHidden")->isVisible());
    QVERIFY(form.control("lblRed")->isVisible());
    QVERIFY(form.control("lblFront")->isVisible());
}

// ---- colours ----

void TestWindowLayer::resolveColour_data() {
    QTest::addColumn<uint>("colour");
    QTest::addColumn<QColor>("direct");
    QTest::addColumn<int>("role"); // -1 for a direct colour

    QTest::addRow("direct_red_is_low_byte") << uint(0x0000'00FF) << QColor(255, 0, 0) << -1;
    QTest::addRow("direct_green") << uint(0x0000'FF00) << QColor(0, 255, 0) << -1;
    QTest::addRow("direct_blue_is_third_byte") << uint(0x00FF'0000) << QColor(0, 0, 255) << -1;
    QTest::addRow("direct_bgr_order") << uint(0x0030'2010) << QColor(0x10, 0x20, 0x30) << -1;
    QTest::addRow("system_15_button_face")
        << uint(core::SystemColour::ButtonFace) << QColor() << int(QPalette::Button);
    QTest::addRow("system_18_button_text")
        << uint(core::SystemColour::ButtonText) << QColor() << int(QPalette::ButtonText);
    QTest::addRow("system_14_highlight_text")
        << uint(core::SystemColour::HighlightText) << QColor() << int(QPalette::HighlightedText);
}

void TestWindowLayer::resolveColour() {
    QFETCH(uint, colour);
    QFETCH(QColor, direct);
    QFETCH(int, role);
    DistinctPalette palette;
    const QColor expected =
        role < 0 ? direct : QApplication::palette().color(QPalette::ColorRole(role));
    QCOMPARE(ui::resolveColour(colour), expected);
}

void TestWindowLayer::controlColours_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("back");
    QTest::addColumn<QColor>("fore");

    QTest::addRow("label_in_coloured_frame_keeps_button_colours")
        << "lblFront" << DistinctPalette::button << DistinctPalette::buttonText;
    QTest::addRow("frame_takes_its_own_colour")
        << "Frame1" << QColor(0, 255, 0) << DistinctPalette::buttonText;
    QTest::addRow("direct_red_with_highlight_text")
        << "lblRed" << QColor(255, 0, 0) << DistinctPalette::highlightedText;
}

void TestWindowLayer::controlColours() {
    QFETCH(QString, name);
    QFETCH(QColor, back);
    QFETCH(QColor, fore);
    DistinctPalette palette;
    TestForm form;
    const QWidget *widget = form.control(name.toStdString());
    QCOMPARE(widget->palette().color(QPalette::Window), back);
    QCOMPARE(widget->palette().color(QPalette::WindowText), fore);
    QVERIFY(widget->autoFillBackground());
}

void TestWindowLayer::frameColourDoesNotSpill() {
    // A scheme repaints the frame at run time; the labels inside keep theirs.
    DistinctPalette palette;
    TestForm form;
    auto *frame = form.control<Frame>("Frame1");
    QWidget *label = form.control("lblFront");
    frame->setBackColor(blue);
    QCOMPARE(frame->palette().color(QPalette::Window), QColor(0, 0, 255));
    QCOMPARE(label->palette().color(QPalette::Window), DistinctPalette::button);

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = frame->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    // A corner of the frame outside every control, and the right end of the
    // label, clear of its caption and of the button below.
    QCOMPARE(image.pixelColor(QPointF(5, 150).toPoint() * scale), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(QPoint(100, 15) * scale), DistinctPalette::button);
}

// ---- program end and messages ----

void TestWindowLayer::endProgramStopsEverything() {
    TestForm form;
    QSignalSpy ended(&form, &Form::programEnded);
    QSignalSpy tick1(form.timer("Timer1"), &Timer::timer);
    QSignalSpy tick3(form.timer("Timer3"), &Timer::timer);
    form.timer("Timer1")->setEnabled(true);
    form.timer("Timer3")->setEnabled(true);
    form.show();
    QTRY_VERIFY_WITH_TIMEOUT(tick1.count() >= 1 && tick3.count() >= 1, 10000);

    form.endProgram();
    QCOMPARE(ended.count(), 1);
    QVERIFY(form.hasEnded());
    QVERIFY(!form.isVisible());
    for (const char *name : {"Timer1", "Timer2", "Timer3"}) {
        QVERIFY2(!form.timer(name)->isTicking(), name);
        QVERIFY2(!form.timer(name)->isEnabled(), name);
    }
    const auto ticks1 = tick1.count();
    const auto ticks3 = tick3.count();
    letTimePass();
    QCOMPARE(tick1.count(), ticks1);
    QCOMPARE(tick3.count(), ticks3);

    form.endProgram();
    form.close();
    QCOMPARE(ended.count(), 1);
}

void TestWindowLayer::closingTheWindowEndsTheProgram() {
    TestForm form;
    QSignalSpy ended(&form, &Form::programEnded);
    form.timer("Timer1")->setEnabled(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QVERIFY(form.close());
    QCOMPARE(ended.count(), 1);
    QVERIFY(!form.timer("Timer1")->isTicking());
    QVERIFY(!form.isVisible());
}

void TestWindowLayer::showMessageDoesNotBlock() {
    TestForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    // An event posted before the call runs inside it only if the call spins
    // an event loop of its own; it closes any modal box so a failure cannot hang.
    bool returned = false;
    bool ranInsideTheCall = false;
    bool ran = false;
    QTimer::singleShot(0, &form, [&] {
        ran = true;
        ranInsideTheCall = !returned;
        if (QWidget *modal = QApplication::activeModalWidget())
            modal->close();
    });
    form.showMessage(QStringLiteral("first"));
    returned = true;
    QTRY_VERIFY_WITH_TIMEOUT(ran, 10000);
    QVERIFY(!ranInsideTheCall);

    QMessageBox *box = form.message();
    QVERIFY(box);
    QVERIFY(box->isVisible());
    QCOMPARE(box->windowModality(), Qt::NonModal);
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(box->text(), QStringLiteral("first"));

    // A second message replaces the first in the same box.
    form.showMessage(QStringLiteral("second"));
    QCOMPARE(form.message(), box);
    QCOMPARE(box->text(), QStringLiteral("second"));
    QCOMPARE(form.findChildren<QMessageBox *>().size(), 1);

    form.endProgram();
    QVERIFY(!box->isVisible());
}

QTEST_MAIN(TestWindowLayer)
#include "tst_ui_form.moc"
