// The window layer: a window built from a small description of its own, the
// controls' behaviour at the keyboard and on screen, and timers.

#include "ui/colours.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/window.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>

using namespace ui;

namespace {

struct TestControls {
    Frame *panel = nullptr;
    DigitRow *cells = nullptr;
    Label *hidden = nullptr, *back = nullptr, *front = nullptr, *boxCaption = nullptr;
    Button *first = nullptr, *second = nullptr, *third = nullptr;
    TextBox *box = nullptr;
    Timer *ticker = nullptr;
    QMenu *menu = nullptr;
};
using C = TestControls;

constexpr Font italic{"", 12, false, true};
// clang-format off
constexpr Control<C> controls[] = {
    {.frame = &C::panel, .properties = {.twips = {0, 0, 6000, 3000}}},
    {.label = &C::hidden, .in = &C::panel, .properties = {.twips = {0, 2400, 600, 300}, .visible = false}},
    {.cells = &C::cells, .in = &C::panel, .properties = {.twips = {3000, 0, 600, 600}, .accessibleName = "Cell", .cellSpacing = 600}},
    {.button = &C::first, .in = &C::panel, .properties = {.twips = {0, 900, 1500, 450}, .text = "First", .tabIndex = 3}},
    {.button = &C::second, .in = &C::panel, .properties = {.twips = {1500, 900, 1500, 450}, .text = "Second", .tabIndex = 1}},
    {.button = &C::third, .in = &C::panel, .properties = {.twips = {2100, 300, 1500, 450}, .text = "Third", .tabIndex = 4}},
    {.label = &C::back, .in = &C::panel, .properties = {.twips = {750, 0, 1500, 600}, .text = "Back"}},
    {.label = &C::front, .in = &C::panel, .properties = {.twips = {0, 0, 1500, 600}, .text = "Front", .font = italic, .align = Align::Centre}},
    {.box = &C::box, .in = &C::panel, .properties = {.twips = {0, 1500, 1500, 450}, .maxLength = 3, .tabIndex = 2}, .namedBy = &C::boxCaption},
    {.label = &C::boxCaption, .in = &C::panel, .properties = {.twips = {1500, 1500, 1500, 450}, .text = "Box"}},
};
// clang-format on
constexpr TimerRow<C> timers[] = {{.handle = &C::ticker, .interval = 5}};
constexpr Menu<C> menus[] = {{.handle = &C::menu, .caption = "Menu"}};
// clang-format off
constexpr WindowDescription<C> description{.title = "Test", .clientWidth = 6000, .clientHeight = 3000,
    .controls = controls, .timers = timers, .menus = menus};
// clang-format on

class TestWindow : public Window {
public:
    TestWindow() : Window(description), controls(build(description)) {}
    using Window::showMessage;
    const TestControls controls;
};

} // namespace

class TestUi : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutes(); }

    void builtAsDescribed() {
        TestWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.centralWidget()->size(), QSize(400, 200));
        auto *front = window.controls.front;
        QVERIFY(front->font().italic());
        QCOMPARE(front->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        QVERIFY(window.controls.hidden->isHidden());
        // Later rows lie in front; buttons lie in front of every label, even
        // of labels listed after them.
        auto *panel = window.controls.panel;
        QVERIFY(panel->frameWidth() > 0);
        QCOMPARE(panel->childAt(75, 20), front);
        QCOMPARE(panel->childAt(145, 30), window.controls.third);
        QCOMPARE(window.controls.cells->cells()[1]->accessibleName(), QStringLiteral("Cell 2"));
        QCOMPARE(window.controls.box->accessibleName(), QStringLiteral("Box"));
        QCOMPARE(window.controls.boxCaption->buddy(), window.controls.box);
        // Tab follows the description's order, from the first in it.
        const TestControls &c = window.controls;
        for (QWidget *expected :
             std::initializer_list<QWidget *>{c.second, c.box, c.first, c.third, c.second}) {
            QCOMPARE(QApplication::focusWidget(), expected);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void enterPressesFocusedButton_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<int>("clicks");
        // clang-format off
        QTest::addRow("return") << "first" << int(Qt::Key_Return) << 0 << 1;
        QTest::addRow("keypad_enter") << "first" << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 1;
        QTest::addRow("ctrl_return") << "first" << int(Qt::Key_Return) << int(Qt::ControlModifier) << 0;
        QTest::addRow("return_in_a_box") << "box" << int(Qt::Key_Return) << 0 << 0;
        // clang-format on
    }
    void enterPressesFocusedButton() {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(int, clicks);
        TestWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(window.controls.first, &QPushButton::clicked);
        QWidget *target =
            focus == "box" ? static_cast<QWidget *>(window.controls.box) : window.controls.first;
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(clicked.size(), clicks);
    }

    void boxKeepsWhatReadersSee_data() {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("after");
        // clang-format off
        QTest::addRow("cleaned_and_folded") << "" << "\u202E\u0969\uFE0F\t0\uFF10" << "" << "300";
        QTest::addRow("not_in_face_shown_as_query") << "" << "1\u09052" << "" << "1?2";
        QTest::addRow("pair_not_split") << "12" << "\U0001F600\U0001F600" << "" << "1\U0001F6002";
        QTest::addRow("shared_half_pair") << "1\U0001F600" << "\U0001F601\U0001F601" << "" << "1\U0001F601\U0001F600";
        QTest::addRow("paste_into_middle_cut") << "19" << "2345" << "" << "129";
        QTest::addRow("caret_after_what_is_kept") << "95" << "\u200B1\u200B" << "\b" << "95";
        QTest::addRow("typed_beyond_refused") << "" << "" << "1234" << "123";
        // A paste is cut to 64 code units before it is cleaned, whatever its size.
        QTest::addRow("insertion_cut_before_cleaning") << "" << QString(63, QChar(0x200B)) + "42" << "" << "4";
        QTest::addRow("accents_cut_first") << "" << "1" + QString(500000, QChar(0x0301)) << "" << "1";
        // clang-format on
    }
    void boxKeepsWhatReadersSee() {
        QFETCH(QString, before);
        QFETCH(QString, pasted);
        QFETCH(QString, typed);
        QFETCH(QString, after);
        TestWindow window;
        auto *box = window.controls.box;
        box->setText(before);
        box->setCursorPosition(qMin(1, int(before.size())));
        if (!pasted.isEmpty()) {
            QApplication::clipboard()->setText(pasted);
            box->paste();
        }
        QTest::keyClicks(box, typed);
        QCOMPARE(box->text(), after);
    }

    // A caption wider than its label is narrowed, not cut: its ink, in the
    // label's own text colour, ends inside the label, and its last digit is
    // there.
    void wideCaptionNarrowedToFit() {
        Label cell;
        cell.setColours(Qt::white, QColor(0, 255, 0));
        cell.setFont(fontFor({"Agency FB Digits", 222, true}));
        cell.setGeometry(0, 0, 129, 329);
        const QImage blank = cell.grab().toImage();
        cell.setCaption(QStringLiteral("10"));
        const QImage image = cell.grab().toImage();
        const int right = inkSpan(image, blank).second;
        QVERIFY(right > image.width() * 3 / 4 && right < image.width() - 1);
        const QRgb green = qRgb(0, 255, 0);
        QVERIFY(image.createMaskFromColor(green) != blank.createMaskFromColor(green));
    }

    // A text wider than its box is narrowed until all of it shows: its ink
    // is that of the whole text in the font the box draws it in, uncut and
    // inside the frame. A text that fits keeps the font it was given.
    void boxShowsWholeText_data() {
        QTest::addColumn<qreal>("points");
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("narrowed");
        QTest::addRow("six_widest_digits") << 30.0 << QSize(73, 56) << "888888" << true;
        QTest::addRow("three_widest_digits") << 26.25 << QSize(49, 49) << "888" << true;
        QTest::addRow("short_text_kept") << 30.0 << QSize(73, 56) << "93" << false;
    }
    void boxShowsWholeText() {
        QFETCH(qreal, points);
        QFETCH(QSize, size);
        QFETCH(QString, text);
        QFETCH(bool, narrowed);
        const QFont given = fontFor({"Agency FB", points});
        TextBox box;
        box.setFont(given);
        box.resize(size);
        box.show(); // text set to a box on the screen is fitted as it comes
        const QImage blank = box.grab().toImage();
        box.setText(text);
        const auto [left, right] = inkSpan(box.grab().toImage(), blank);
        QVERIFY(left > 1 && right < size.width() - 2);
        const int whole = QFontMetrics(box.font()).tightBoundingRect(text).width();
        QVERIFY2(qAbs(right - left + 1 - whole) <= 1, qPrintable(QString::number(right - left)));
        QCOMPARE(whole < QFontMetrics(given).tightBoundingRect(text).width(), narrowed);
    }

    void outlineWholeAtEveryScale_data() {
        QTest::addColumn<qreal>("scale");
        for (const qreal scale : {1.0, 1.25, 1.5, 2.0})
            QTest::addRow("x%g", scale) << scale;
    }
    void outlineWholeAtEveryScale() {
        QFETCH(qreal, scale);
        Shape outline;
        outline.resize(100, 40);
        QImage image(outline.size() * scale, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        image.setDevicePixelRatio(scale);
        outline.render(&image);
        const int w = image.width(), h = image.height();
        for (const QPoint edge :
             {QPoint(w / 2, 0), QPoint(w / 2, h - 1), QPoint(0, h / 2), QPoint(w - 1, h / 2)})
            QVERIFY2(qAlpha(image.pixel(edge)) > 0,
                     qPrintable(QStringLiteral("%1,%2").arg(edge.x()).arg(edge.y())));
    }

    void timerTicksOnlyWhenOnWithAnInterval() {
        Timer timer;
        QSignalSpy ticks(&timer, &Timer::timeout);
        timer.setEnabled(true);
        QVERIFY(!timer.isTicking()); // no interval yet
        timer.setInterval(5);
        QTRY_VERIFY_WITH_TIMEOUT(ticks.size() >= 3, 10000);
        timer.setInterval(-1);
        QCOMPARE(timer.interval(), 5);
        timer.setEnabled(false);
        QVERIFY(!timer.isTicking());
        timer.setEnabled(true);
        timer.setInterval(0);
        QVERIFY(!timer.isTicking());
    }

    // A tick that comes late is caught up: the next is due at once. Up to a
    // second behind; beyond, the timeline starts again a whole interval on,
    // instead of a burst of every missed tick.
    void timerAfterAStall_data() {
        QTest::addColumn<int>("behind"); // the next tick's due time, at the late tick
        QTest::addColumn<int>("nextWait");
        QTest::addRow("a_second_behind_caught_up") << 1000 << 0;
        QTest::addRow("further_behind_starts_again") << 1001 << 10;
    }
    void timerAfterAStall() {
        QFETCH(int, behind);
        std::chrono::steady_clock::time_point now{};
        Timer timer(nullptr, [&now] { return now; });
        timer.setInterval(10);
        timer.setEnabled(true);
        now += std::chrono::milliseconds(20 + behind);
        QSignalSpy ticks(&timer, &Timer::timeout);
        QVERIFY(ticks.wait(10000));
        QTEST(int(timer.remainingWait().count()), "nextWait");
    }

    // The close box ends the program as "Exit" does: every timer stops and
    // any message closes with the window.
    void closeBoxEndsProgram() {
        TestWindow window;
        window.show();
        QSignalSpy ended(&window, &Window::programEnded);
        window.controls.ticker->setEnabled(true);
        window.showMessage(QStringLiteral("Refused"));
        auto *message = window.findChild<QMessageBox *>();
        QVERIFY(message->isVisible() && !message->isModal());
        window.close();
        QCOMPARE(ended.size(), 1);
        QVERIFY(!window.controls.ticker->isTicking());
        QVERIFY(!message->isVisible() && !window.isVisible());
    }

private:
    // The first and last columns in which two pictures differ.
    static std::pair<int, int> inkSpan(const QImage &drawn, const QImage &blank) {
        std::pair<int, int> span{drawn.width(), -1};
        for (int x = 0; x < drawn.width(); ++x)
            for (int y = 0; y < drawn.height(); ++y)
                if (drawn.pixel(x, y) != blank.pixel(x, y))
                    span = {std::min(span.first, x), x};
        return span;
    }
};

QTEST_MAIN(TestUi)
#include "tst_ui.moc"
