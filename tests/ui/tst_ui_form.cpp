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
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <optional>

using namespace ui;

namespace {

constexpr core::Colour green = 0x0000'FF00;
constexpr core::Colour red = 0x0000'00FF;
constexpr core::Colour blue = 0x00FF'0000;

// Labels and shapes overlap on purpose; containers may follow their contents.
constexpr Control controls[] = {
    {.name = "lblUnderFrame", .kind = Kind::Label, .in = "Form1", .twips = {0, 0, 1500, 1500}},
    {.name = "lblFront", .kind = Kind::Label, .in = "Frame1", .twips = {150, 150, 1500, 600}},
    {.name = "Shape1", .kind = Kind::Shape, .in = "Frame1", .twips = {150, 150, 1500, 600}},
    {.name = "lblBack", .kind = Kind::Label, .in = "Frame1", .twips = {150, 150, 1500, 600}},
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

// System colours the test can tell apart, installed for the whole run.
const QColor buttonFace{0x10, 0x20, 0x30};
const QColor buttonText{0x40, 0x50, 0x60};
const QColor highlightedText{0x70, 0x80, 0x90};

// Lets the event loop run until a 2 ms reference timer has fired `count`
// times: long enough for any stray timer to show itself, without a fixed sleep.
void letTimePass(int count = 25) {
    QTimer reference;
    reference.setTimerType(Qt::PreciseTimer);
    QSignalSpy fired(&reference, &QTimer::timeout);
    reference.start(2);
    QTRY_VERIFY_WITH_TIMEOUT(fired.count() >= count, 10000);
}

} // namespace

class TestWindowLayer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();

    void timerTicksOnlyWhenEnabledAndPositive_data();
    void timerTicksOnlyWhenEnabledAndPositive();
    void writingIntervalRestartsTheWait();
    void intervalFromText_data();
    void intervalFromText();

    void eventsReachTheirHandlers();
    void menuCheckMarkBelongsToTheProgram_data();
    void menuCheckMarkBelongsToTheProgram();

    void geometryFromTwips();
    void drawingOrder_data();
    void drawingOrder();
    void tabOrderFocusAndHiddenControls();
    void maxLengthCutsEveryEntry_data();
    void maxLengthCutsEveryEntry();

    void coloursStayWithTheirControl();

    void endingStopsEverything_data();
    void endingStopsEverything();
    void showMessageDoesNotBlock();
};

void TestWindowLayer::initTestCase() {
    installFontSubstitutes();
    QPalette palette = QApplication::palette();
    palette.setColor(QPalette::Button, buttonFace);
    palette.setColor(QPalette::ButtonText, buttonText);
    palette.setColor(QPalette::HighlightedText, highlightedText);
    QApplication::setPalette(palette);
}

// ---- ui::Timer ----

void TestWindowLayer::timerTicksOnlyWhenEnabledAndPositive_data() {
    // Steps: e1/e0 enable or disable, iN writes Interval N, w waits for a tick;
    // hd/hz make the tick handler disable the timer or write Interval 0.
    QTest::addColumn<QString>("steps");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("ticking");
    QTest::addColumn<int>("interval");

    // A Qt timer at 0 fires on every pass of the event loop.
    QTest::addRow("interval_zero_then_enabled_is_silent") << "i0 e1" << true << false << 0;
    QTest::addRow("enabled_then_interval_zero_is_silent") << "e1 i0" << true << false << 0;
    QTest::addRow("running_then_interval_zero_is_silent") << "i2 e1 w i0" << true << false << 0;
    QTest::addRow("silent_at_zero_then_positive_ticks") << "i0 e1 i3" << true << true << 3;
    QTest::addRow("interval_then_enabled_ticks") << "i3 e1" << true << true << 3;
    QTest::addRow("disabling_stops_and_keeps_interval") << "i2 e1 w e0" << false << false << 2;
    // The timer re-arms itself before the handler runs; a stop from the
    // handler must still be the last word.
    QTest::addRow("handler_disables") << "hd i2 e1 w" << false << false << 2;
    QTest::addRow("handler_writes_interval_zero") << "hz i2 e1 w" << true << false << 0;
    QTest::addRow("negative_refused_fresh_timer_stays_silent") << "e1 i-1" << true << false << 0;
    QTest::addRow("negative_refused_running_keeps_interval") << "i50 e1 i-5" << true << true << 50;
    QTest::addRow("most_negative_refused") << "e1 i-2147483648" << true << false << 0;
}

void TestWindowLayer::timerTicksOnlyWhenEnabledAndPositive() {
    QFETCH(QString, steps);
    QFETCH(bool, enabled);
    QFETCH(bool, ticking);
    QFETCH(int, interval);
    Timer timer;
    QSignalSpy ticks(&timer, &Timer::timer);
    for (const QString &step : steps.split(u' ')) {
        if (step == "hd")
            QObject::connect(&timer, &Timer::timer, &timer, [&] { timer.setEnabled(false); });
        else if (step == "hz")
            QObject::connect(&timer, &Timer::timer, &timer, [&] { timer.setInterval(0); });
        else if (step[0] == u'e')
            timer.setEnabled(step[1] == u'1');
        else if (step[0] == u'i')
            timer.setInterval(step.mid(1).toInt());
        else
            QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 1, 10000);
    }
    QCOMPARE(timer.isEnabled(), enabled);
    QCOMPARE(timer.isTicking(), ticking);
    QCOMPARE(timer.interval(), interval);
    const auto before = ticks.count();
    if (ticking) {
        QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= before + 2, 10000);
    } else {
        letTimePass();
        QCOMPARE(ticks.count(), before);
    }
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

void TestWindowLayer::intervalFromText_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("expected"); // -1: refused

    QTest::addRow("letters_after_number") << "1001abc" << 1001;
    QTest::addRow("beyond_16_bits") << "40000" << 40000;
    QTest::addRow("small_negative_rounds_to_zero") << "-0.4" << 0;
    QTest::addRow("largest_interval") << "2147483647" << 2147483647;
    QTest::addRow("beyond_32_bits") << "2147483648" << -1;
    QTest::addRow("negative") << "-1" << -1;
    QTest::addRow("huge_exponent") << "9e9999" << -1;
}

void TestWindowLayer::intervalFromText() {
    QFETCH(QString, text);
    QFETCH(int, expected);
    QCOMPARE(ui::intervalFromText(text).value_or(-1), expected);
}

// ---- events and menus ----

void TestWindowLayer::eventsReachTheirHandlers() {
    // One event after another, each reaching its own handler and no other.
    TestForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const auto counts = [&] {
        return QList<int>{form.clicks, form.changes, form.ticks, form.menuClicks};
    };
    QTest::mouseClick(form.control<Button>("cmdB"), Qt::LeftButton);
    QCOMPARE(counts(), (QList<int>{1, 0, 0, 0}));
    QTest::keyClicks(form.control<TextBox>("txtA"), "42");
    QCOMPARE(counts(), (QList<int>{1, 2, 0, 0}));
    form.menuItem("mnuOne")->action()->trigger();
    QCOMPARE(counts(), (QList<int>{1, 2, 0, 1}));
    // One tick, then the handler switches the timer off again.
    QObject::connect(form.timer("Timer1"), &Timer::timer, &form,
                     [&] { form.timer("Timer1")->setEnabled(false); });
    form.timer("Timer1")->setEnabled(true);
    QTRY_COMPARE_WITH_TIMEOUT(counts(), (QList<int>{1, 2, 1, 1}), 10000);
}

void TestWindowLayer::menuCheckMarkBelongsToTheProgram_data() {
    QTest::addColumn<bool>("checkedBefore");
    QTest::addColumn<int>("handlerSets"); // -1: leaves it alone
    QTest::addColumn<bool>("checkedAfter");

    QTest::addRow("checked_item_left_alone_stays_checked") << true << -1 << true;
    QTest::addRow("unchecked_item_left_alone_stays_unchecked") << false << -1 << false;
    QTest::addRow("handler_checks_unchecked_item") << false << 1 << true;
    QTest::addRow("handler_unchecks_checked_item") << true << 0 << false;
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

void TestWindowLayer::geometryFromTwips() {
    TestForm form;
    QCOMPARE(form.centralWidget()->size(), QSize(400, 200));
    const struct {
        const char *name;
        const char *container;
        QRect pixels;
    } rows[] = {{"Frame1", "Form1_client", {10, 10, 300, 160}},
                {"lblFront", "Frame1", {10, 10, 100, 40}}, // listed before its frame
                {"Shape1", "Frame1", {10, 10, 100, 40}}};
    for (const auto &row : rows) {
        QWidget *widget = form.control(row.name);
        QCOMPARE(widget->parentWidget()->objectName(), QLatin1String(row.container));
        QCOMPARE(widget->geometry(), row.pixels);
    }
}

void TestWindowLayer::drawingOrder_data() {
    QTest::addColumn<QStringList>("behindThenInFront");
    QTest::addColumn<QPoint>("point"); // where the one in front answers; null: not checked

    // Among labels and shapes the first row is in front; shapes let clicks
    // through, so at the point the label under the shape answers.
    QTest::addRow("first_label_over_shape") << QStringList{"Shape1", "lblFront"} << QPoint(50, 20);
    QTest::addRow("shape_over_later_label") << QStringList{"lblBack", "Shape1"} << QPoint();
    // Every other control is in front of every label.
    QTest::addRow("text_box_over_later_label")
        << QStringList{"lblUnderBox", "txtA"} << QPoint(150, 20);
    QTest::addRow("button_over_earlier_label") << QStringList{"lblFront", "cmdC"} << QPoint(50, 45);
    QTest::addRow("frame_over_earlier_label")
        << QStringList{"lblUnderFrame", "Frame1"} << QPoint(15, 15);
}

void TestWindowLayer::drawingOrder() {
    // Siblings are painted in the order of their parent's children list.
    QFETCH(QStringList, behindThenInFront);
    QFETCH(QPoint, point);
    TestForm form;
    QWidget *back = form.control(behindThenInFront[0].toStdString());
    QWidget *front = form.control(behindThenInFront[1].toStdString());
    QCOMPARE(back->parent(), front->parent());
    const QObjectList &siblings = back->parent()->children();
    QVERIFY(siblings.indexOf(back) < siblings.indexOf(front));
    if (point.isNull())
        return;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QWidget *atPoint = front->parentWidget()->childAt(point);
    QCOMPARE(atPoint ? atPoint->objectName() : QString(), behindThenInFront[1]);
}

void TestWindowLayer::tabOrderFocusAndHiddenControls() {
    TestForm form;
    form.show();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QVERIFY(!form.control("lblHidden")->isVisible());
    QVERIFY(form.control("lblRed")->isVisible());
    // The frame has the lowest tab index but takes no focus.
    QTRY_COMPARE(QApplication::focusWidget(), form.control("txtA"));
    for (const char *name : {"cmdB", "cmdC", "txtA", "cmdB"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QLatin1String(name));
    }
}

void TestWindowLayer::maxLengthCutsEveryEntry_data() {
    // Each route adds "567890" to a box holding "1234"; the limit is 6.
    QTest::addColumn<QString>("route");
    QTest::addRow("typing") << "type";
    QTest::addRow("insert") << "insert";
    QTest::addRow("paste") << "paste";
    QTest::addRow("set_text") << "set";
}

void TestWindowLayer::maxLengthCutsEveryEntry() {
    QFETCH(QString, route);
    TestForm form;
    auto *box = form.control<TextBox>("txtA");
    box->setText("1234");
    box->end(false);
    const QString entry = QStringLiteral("567890");
    if (route == "type") {
        QTest::keyClicks(box, entry);
    } else if (route == "insert") {
        box->insert(entry);
    } else if (route == "paste") {
        QApplication::clipboard()->setText(entry);
        box->paste();
    } else {
        box->setText("1234" + entry);
    }
    QCOMPARE(box->text(), QStringLiteral("123456"));
}

// ---- colours ----

void TestWindowLayer::coloursStayWithTheirControl() {
    TestForm form;
    const auto colours = [&](const char *name) {
        const QWidget *widget = form.control(name);
        return QList<QColor>{widget->palette().color(QPalette::Window),
                             widget->palette().color(QPalette::WindowText)};
    };
    const QList<QColor> buttonColours{buttonFace, buttonText};
    // A label in a coloured frame keeps the button colours; the frame takes
    // its own green; a direct colour's low byte is red, system colour 14 the
    // highlighted text.
    QCOMPARE(colours("lblFront"), buttonColours);
    QCOMPARE(colours("Frame1"), (QList<QColor>{QColor(0, 255, 0), buttonText}));
    QCOMPARE(colours("lblRed"), (QList<QColor>{QColor(255, 0, 0), highlightedText}));
    for (const char *name : {"lblFront", "Frame1", "lblRed"})
        QVERIFY2(form.control(name)->autoFillBackground(), name);

    // A scheme repaints the frame at run time; the labels inside keep theirs.
    auto *frame = form.control<Frame>("Frame1");
    frame->setBackColor(blue);
    QCOMPARE(colours("Frame1").front(), QColor(0, 0, 255)); // the third byte is blue
    QCOMPARE(colours("lblFront"), buttonColours);

    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    const QImage image = frame->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    // A corner of the frame outside every control, and the right end of the
    // label, clear of the button below.
    QCOMPARE(image.pixelColor(QPointF(5, 150).toPoint() * scale), QColor(0, 0, 255));
    QCOMPARE(image.pixelColor(QPoint(100, 15) * scale), buttonFace);
}

// ---- program end and messages ----

void TestWindowLayer::endingStopsEverything_data() {
    QTest::addColumn<bool>("byClosing");
    QTest::addRow("end_program") << false;
    QTest::addRow("closing_the_window") << true;
}

void TestWindowLayer::endingStopsEverything() {
    QFETCH(bool, byClosing);
    TestForm form;
    QSignalSpy ended(&form, &Form::programEnded);
    QSignalSpy tick1(form.timer("Timer1"), &Timer::timer);
    QSignalSpy tick3(form.timer("Timer3"), &Timer::timer);
    form.timer("Timer1")->setEnabled(true);
    form.timer("Timer3")->setEnabled(true);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QTRY_VERIFY_WITH_TIMEOUT(tick1.count() >= 1 && tick3.count() >= 1, 10000);

    if (byClosing)
        QVERIFY(form.close());
    else
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
