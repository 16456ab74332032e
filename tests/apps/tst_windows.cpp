// The three windows as their users meet them: buttons clicked, boxes typed
// into, menu items chosen, timers ticking; then the digits, the cells shown,
// the notice and the colours read back.

#include "user.h"

#include "core/contrast.h"
#include "ui/fonts.h"

#include "apps/corvane/description.h"
#include "apps/corvane2/description.h"
#include "apps/pallix/description.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QStyleFactory>

#include <algorithm>

using namespace user;

namespace {

std::unique_ptr<ui::Window> open(const QString &program, const core::Draw &draw) {
    std::unique_ptr<ui::Window> window;
    if (program == "corvane2")
        window = std::make_unique<countdown::CountdownWindow>(corvane2::program, draw);
    else if (program == "corvane")
        window = std::make_unique<countdown::CountdownWindow>(corvane::program, draw);
    else
        window = std::make_unique<batch::BatchWindow>(pallix::program, draw);
    window->show();
    return window;
}

// The countdown window's timers; none in the batch window.
const countdown::CountdownControls *countdownControls(const QWidget *window) {
    const auto *countdown = qobject_cast<const countdown::CountdownWindow *>(window);
    return countdown ? &countdown->controls() : nullptr;
}

// The digits, which cells show, then whether the notice shows, which
// timers tick and whether a refusal is shown: "2 3 4 1 1 11100 countdown".
QString state(const QWidget *window) {
    QStringList seen{digits(window), shown(window)};
    if (const auto *notice = find<ui::Label>(window, "Countdown Complete");
        notice && notice->isVisible())
        seen.append("notice");
    if (const countdown::CountdownControls *controls = countdownControls(window)) {
        if (controls->autoSpinTimer->isTicking())
            seen.append("autoSpin");
        if (controls->countdownTimer->isTicking())
            seen.append("countdown");
    }
    // A refusal: a message, or a tinted box whose tool tip says why.
    const auto *message = window->findChild<QMessageBox *>();
    const auto *box = find<QLineEdit>(window, "Countdown Speed");
    const bool tinted = box && box->palette().color(QPalette::Base) !=
                                   QApplication::palette().color(QPalette::Base);
    if ((message && message->isVisible()) || tinted)
        seen.append("refused");
    if (box && !box->toolTip().isEmpty())
        seen.append("why");
    return seen.join(' ');
}

// A dark desktop, as qt6ct's "darker" colours paint it.
QPalette darkPalette() {
    QPalette dark(QColor(0x42, 0x42, 0x45), QColor(0x22, 0x20, 0x20)); // button, window
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::HighlightedText, QColor(0xF9, 0xF9, 0xF9));
    return dark;
}

// The application's palette for one test, and the one it had afterwards.
struct DesktopPalette {
    explicit DesktopPalette(const QPalette &palette) { QApplication::setPalette(palette); }
    ~DesktopPalette() { QApplication::setPalette(before); }
    const QPalette before = QApplication::palette();
};

QList<qint16> values(std::initializer_list<int> list) {
    return QList<qint16>(list.begin(), list.end());
}

} // namespace

class TestWindows : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { ui::installFontSubstitutes(); }

    // A spin draws each cell left to right; a draw above 9 is drawn again
    // once, and a second 10 stays.
    void spinAndZero_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("zero");
        // clang-format off
        QTest::addRow("corvane2") << "corvane2" << "Zero";
        QTest::addRow("corvane") << "corvane" << "Zero";
        QTest::addRow("pallix") << "pallix" << "Clear";
        // clang-format on
    }
    void spinAndZero() {
        QFETCH(QString, program);
        QFETCH(QString, zero);
        const ScriptedDraw script{{10, 10, 10, 3, 5, 9, 1}};
        auto window = open(program, script.draw());
        QCOMPARE(digits(window.get()), "0 0 0 0 0");
        click(window.get(), "Spin");
        QCOMPARE(digits(window.get()), "10 3 5 9 1");
        QCOMPARE(*script.count, 7);
        click(window.get(), zero);
        QCOMPARE(digits(window.get()), "0 0 0 0 0");
        QSignalSpy ended(window.get(), &ui::Window::programEnded);
        click(window.get(), "Exit");
        QCOMPARE(ended.size(), 1);
    }

    // Scripts of actions separated by "|": a button's caption, a menu item,
    // "tick" or "tick*N" (the countdown's timer), "auto" (auto-spin's timer),
    // "spun" (waits for auto-spin's own timer to spin), "ended" (waits for the
    // countdown's own timer to stop), or "label=text" typed
    // into the box that label names. The scripted draws
    // feed every spin, then 1s. The state is what the user sees afterwards.
    void script_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QList<qint16>>("draws");
        QTest::addColumn<QString>("actions");
        QTest::addColumn<QString>("state");
        const auto spun = values({2, 3, 5, 1, 1, 7, 7, 7, 7, 7});
        const QList<qint16> none;
        // clang-format off
        // The countdown as the cells show it, with the other actions.
        QTest::addRow("count_hides_last_two") << "corvane2" << spun << "Spin|Count down|tick" << "2 3 4 1 1 11100 countdown";
        QTest::addRow("count_completes") << "corvane2" << none << "Count down|tick" << "0 0 0 0 0 11100 notice";
        QTest::addRow("spin_while_counting") << "corvane2" << spun << "Spin|Count down|tick|Spin|tick" << "2 3 3 7 7 11100 countdown";
        QTest::addRow("end_shows_zeros_over_a_spin") << "corvane2" << values({0, 0, 1, 4, 4, 7, 7, 7, 7, 7}) << "Spin|Count down|tick|Spin|tick" << "0 0 0 7 7 11100 notice";
        QTest::addRow("count_down_reloads") << "corvane" << spun << "Spin|Count down|tick|Spin|Count down|tick" << "7 7 6 7 7 11100 countdown";
        QTest::addRow("zero_keeps_counters_off") << "corvane2" << spun << "Spin|Count down|tick|Zero|Count down|tick" << "0 0 0 0 0 11100 notice";
        QTest::addRow("one_number_while_counting") << "corvane" << spun << "Spin|Count down|1 Number|tick" << "2 3 4 1 1 00100 countdown";
        QTest::addRow("five_numbers_after_count") << "corvane2" << spun << "Spin|Count down|tick|5 Numbers" << "2 3 4 1 1 11111 countdown";
        QTest::addRow("spin_writes_hidden_cells") << "corvane2" << spun << "3 Numbers|Spin" << "2 3 5 1 1 01110";
        QTest::addRow("notice_hidden_by_spin") << "corvane2" << none << "Count down|tick|Spin" << "1 1 1 1 1 11100";
        QTest::addRow("notice_hidden_by_auto_spin") << "corvane2" << none << "Count down|tick|Auto- Spinner" << "0 0 0 0 0 11100 autoSpin";
        QTest::addRow("notice_hidden_by_zero") << "corvane2" << none << "Count down|tick|Zero" << "0 0 0 0 0 11100";
        QTest::addRow("notice_hidden_by_count_down") << "corvane2" << none << "Count down|tick|Count down" << "0 0 0 0 0 11100 countdown";
        QTest::addRow("auto_spin_ticks") << "corvane" << spun << "Auto- Spinner|auto|auto" << "7 7 7 7 7 11111 autoSpin";
        QTest::addRow("empty_box_silences") << "corvane2" << none << "Speed of Spins=|Auto- Spinner|auto" << "1 1 1 1 1 11111";
        QTest::addRow("silenced_comes_back") << "corvane2" << none << "Speed of Spins=0|Auto- Spinner|auto|Auto- Spinner|Speed of Spins=40|Auto- Spinner" << "1 1 1 1 1 11111 autoSpin";
        QTest::addRow("refused_interval_stops") << "corvane" << none << "Auto- Spinner|Speed of Spins=-5|auto" << "0 0 0 0 0 11111 refused";
        // Pressed again, "Auto- Spinner" takes the box's interval when it ends the wait sooner.
        QTest::addRow("corrected_interval_taken") << "corvane2" << none << "Speed of Spins=999999|Auto- Spinner|auto|Zero|Speed of Spins=100|Auto- Spinner|spun" << "1 1 1 1 1 11111 autoSpin";
        QTest::addRow("longer_interval_after_tick") << "corvane" << none << "Speed of Spins=30|Auto- Spinner|auto|Speed of Spins=999999|Auto- Spinner|spun" << "1 1 1 1 1 11111 autoSpin";
        QTest::addRow("refused_when_pressed") << "corvane" << none << "Auto- Spinner|Speed of Spins=-5|Auto- Spinner" << "0 0 0 0 0 11111 refused";
        QTest::addRow("zero_stops_both") << "corvane2" << none << "Auto- Spinner|Count down|Zero" << "0 0 0 0 0 11100";
        QTest::addRow("speed_zero_pauses") << "corvane2" << none << "Count down|Countdown Speed=0" << "0 0 0 0 0 11100";
        QTest::addRow("speed_resumes") << "corvane2" << none << "Countdown Speed=0|Count down|Countdown Speed=25" << "0 0 0 0 0 11100 countdown";
        // Typed key by key, "-5" passes through "-", which pauses the count.
        QTest::addRow("speed_refused_shown") << "corvane2" << none << "Count down|Countdown Speed=-5" << "0 0 0 0 0 11100 refused why";
        QTest::addRow("speed_taken_again") << "corvane2" << none << "Count down|Countdown Speed=-5|Countdown Speed=7" << "0 0 0 0 0 11100 countdown";
        QTest::addRow("countdown_timer_runs") << "corvane2" << values({0, 1, 2}) << "Spin|Countdown Speed=1|Count down|ended" << "0 0 0 1 1 11100 notice";
        // clang-format on
    }
    void script() {
        QFETCH(QString, program);
        QFETCH(QList<qint16>, draws);
        QFETCH(QString, actions);
        const ScriptedDraw script{{draws.begin(), draws.end()}};
        auto window = open(program, script.draw());
        for (const QString &action : actions.split('|')) {
            const int drawn = *script.count;
            if (action == "spun")
                QTRY_VERIFY_WITH_TIMEOUT(*script.count > drawn, 20000);
            else if (action == "ended")
                QTRY_VERIFY_WITH_TIMEOUT(
                    !countdownControls(window.get())->countdownTimer->isTicking(), 20000);
            else if (action.startsWith("tick"))
                tick(countdownControls(window.get())->countdownTimer,
                     qMax(1, action.section('*', 1).toInt()));
            else if (action == "auto")
                tick(countdownControls(window.get())->autoSpinTimer);
            else if (action.contains('='))
                type(window.get(), action.section('=', 0, 0), action.section('=', 1));
            else if (action.contains("Number"))
                choose(window.get(), "Output", action);
            else
                click(window.get(), action);
        }
        QTEST(state(window.get()), "state");
    }

    // "N Numbers" shows N cells side by side: an odd count centred on the
    // middle cell, an even count one place left of centre.
    void outputMenu() {
        auto window = open("corvane", core::clockSeededDraw());
        for (int count = 1; count <= 5; ++count) {
            choose(window.get(), "Output",
                   QStringLiteral("%1 Number%2").arg(count).arg(count > 1 ? "s" : ""));
            const int first = (5 - count) / 2;
            QCOMPARE(shown(window.get()),
                     QString(first, '0') + QString(count, '1') + QString(5 - first - count, '0'));
        }
    }

    // Each scheme colours the display and every cell, hidden ones too, with
    // digits that can be read on a light or a dark desktop; in corvane2 the
    // chosen scheme alone carries the check mark.
    void schemes_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("schemes");
        QTest::addColumn<bool>("dark");
        const QStringList corvane2{"Normal", "Negative", "Fluro", "grey"};
        QTest::addRow("corvane2") << "corvane2" << corvane2 << false;
        QTest::addRow("corvane") << "corvane" << QStringList{"Normal", "Negative"} << false;
        QTest::addRow("corvane2_dark") << "corvane2" << corvane2 << true;
        QTest::addRow("corvane_dark") << "corvane" << QStringList{"Normal", "Negative"} << true;
    }
    void schemes() {
        QFETCH(QString, program);
        QFETCH(QStringList, schemes);
        QFETCH(bool, dark);
        const DesktopPalette palette(dark ? darkPalette() : QApplication::palette());
        auto window = open(program, core::clockSeededDraw());
        const QPalette desktop = QApplication::palette();
        const bool corvane2 = program == "corvane2";
        const auto greenOnBlack = qMakePair(QColor(Qt::black), QColor(Qt::green));
        // corvane2 opens in Fluro, corvane in the desktop's control colours.
        QCOMPARE(wornColours(window.get()), corvane2
                                                ? greenOnBlack
                                                : qMakePair(desktop.color(QPalette::Button),
                                                            desktop.color(QPalette::ButtonText)));
        QCOMPARE(checkedItems(window.get()), corvane2 ? "Fluro" : "");
        QSet<QString> seen;
        for (const QString &scheme : schemes) {
            choose(window.get(), "Output", "1 Number");
            choose(window.get(), "Visual", scheme);
            choose(window.get(), "Output", "5 Numbers");
            const auto [back, fore] = wornColours(window.get());
            QVERIFY(back.isValid());
            if (scheme != "grey") // pale by design, as the light desktop paints it
                QVERIFY2(core::contrastRatio(core::rgb(back.rgb()), core::rgb(fore.rgb())) >=
                             core::readableContrast,
                         qPrintable(scheme));
            else if (!dark)
                QCOMPARE(qMakePair(back, fore),
                         qMakePair(desktop.color(QPalette::Button),
                                   desktop.color(QPalette::HighlightedText)));
            seen.insert(back.name() + fore.name());
            QCOMPARE(checkedItems(window.get()), corvane2 ? scheme : "");
        }
        QCOMPARE(seen.size(), schemes.size());
        choose(window.get(), "Visual", schemes.last()); // chosen again, it stays checked
        QCOMPARE(checkedItems(window.get()), corvane2 ? schemes.last() : "");
        if (!corvane2) // corvane's Negative: green digits on black
            QCOMPARE(wornColours(window.get()), greenOnBlack);
    }

    // What a platform theme sends when its settings change while a program
    // runs (qt6ct on Qt 6.4): a new style and application palette, then to
    // every widget, in the arbitrary order of allWidgets(), a theme change
    // and the new palette set on the widget itself. The window follows the
    // new palette, the scheme chosen (or the desktop's colours it opened in)
    // and its check mark agree afterwards in every cell, ticking or not, and
    // a refused box stays tinted.
    void themeReload_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("scheme"); // empty: as the window opened
        QTest::addColumn<bool>("windowFirst");
        QTest::addColumn<bool>("ticking");
        QTest::addColumn<QColor>("back");
        QTest::addColumn<QColor>("digits");
        const QColor button(0x42, 0x42, 0x45), black(Qt::black), green(Qt::green);
        // clang-format off
        QTest::addRow("corvane_as_opened") << "corvane" << "" << true << false << button << QColor(Qt::white);
        QTest::addRow("corvane_negative_window_last") << "corvane" << "Negative" << false << false << black << green;
        QTest::addRow("corvane2_grey_window_last") << "corvane2" << "grey" << false << false << button << QColor(0xF9, 0xF9, 0xF9);
        QTest::addRow("corvane2_fluro_ticking") << "corvane2" << "Fluro" << true << true << black << green;
        // clang-format on
    }
    void themeReload() {
        QFETCH(QString, program);
        QFETCH(QString, scheme);
        QFETCH(bool, windowFirst);
        QFETCH(bool, ticking);
        auto window = open(program, core::clockSeededDraw());
        if (!scheme.isEmpty())
            choose(window.get(), "Visual", scheme);
        const bool refused = program == "corvane2" && !ticking; // a tinted box, too
        if (refused)
            type(window.get(), "Countdown Speed", "-5");
        if (ticking) {
            type(window.get(), "Speed of Spins", "1");
            click(window.get(), "Auto- Spinner");
            click(window.get(), "Count down");
        }
        const DesktopPalette restored(QApplication::palette());
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        QApplication::setPalette(darkPalette());
        QList<QWidget *> widgets = QApplication::allWidgets();
        std::stable_partition(widgets.begin(), widgets.end(),
                              [&](QWidget *w) { return (w == window.get()) == windowFirst; });
        for (QWidget *widget : std::as_const(widgets)) {
            QEvent theme(QEvent::ThemeChange);
            QApplication::sendEvent(widget, &theme);
            widget->setPalette(darkPalette());
        }
        QTest::qWait(ticking ? 50 : 0);
        QFETCH(QColor, back);
        QFETCH(QColor, digits);
        QCOMPARE(wornColours(window.get()), qMakePair(back, digits));
        QCOMPARE(checkedItems(window.get()), program == "corvane2" ? scheme : "");
        const QImage caption = find<ui::Label>(window.get(), "Speed of Spins")->grab().toImage();
        QCOMPARE(caption.pixelColor(0, 0), QColor(0x42, 0x42, 0x45));
        if (refused) { // tinted still, black on light red, then in the new palette's colours
            QVERIFY(state(window.get()).endsWith("refused why"));
            const QLineEdit *box = find<QLineEdit>(window.get(), "Countdown Speed");
            QCOMPARE(box->palette().color(QPalette::Text), QColor(Qt::black));
            type(window.get(), "Countdown Speed", "7");
            for (const char *caption : {"Countdown Speed", "Speed of Spins"}) // one never refused
                QCOMPARE(find<QLineEdit>(window.get(), caption)->palette().color(QPalette::Text),
                         QApplication::palette().color(QPalette::Text));
        }
    }

    // A batch makes as many spins as the box says, five draws each, and
    // shows the last.
    void batch_data() {
        QTest::addColumn<QString>("count");
        QTest::addColumn<int>("draws");
        QTest::addColumn<QString>("state");
        // clang-format off
        QTest::addRow("as_opened") << "233" << 1165 << "1 1 1 1 1 11111";
        QTest::addRow("negative") << "-2" << 0 << "0 0 0 0 0 11111";
        QTest::addRow("largest") << "3e4" << 150000 << "1 1 1 1 1 11111";
        QTest::addRow("refused") << "4e4" << 0 << "0 0 0 0 0 11111 refused";
        // clang-format on
    }
    void batch() {
        QFETCH(QString, count);
        const ScriptedDraw script;
        auto window = open("pallix", script.draw());
        if (count != "233")
            type(window.get(), "Number of Spins", count);
        click(window.get(), "Auto- Spinner");
        QTEST(*script.count, "draws");
        QTEST(state(window.get()), "state");
        // A refusal says how a count beyond the box's three characters is
        // typed, as the "largest" row types it.
        if (const auto *message = window->findChild<QMessageBox *>())
            QVERIFY(message->text().contains(QStringLiteral("3e4")));
    }

private:
    // The background and digit colour that the display and all five cells
    // show on the screen; invalid when they differ.
    static QPair<QColor, QColor> wornColours(const QWidget *window) {
        const std::vector<ui::DigitCell *> row = cells(window);
        const QPair<QColor, QColor> worn = shownColours(row[0]);
        const QRect gap = row[0]->geometry(); // the display shows between the first two cells
        const QImage display = countdownControls(window)->display->grab().toImage();
        if (display.pixelColor(gap.right() + 3, gap.top() + 5) != worn.first)
            return {};
        for (ui::DigitCell *cell : row)
            if (shownColours(cell) != worn)
                return {};
        return worn;
    }

    // A cell's background, below its digit, and the colour most of its other
    // pixels show: the digit's.
    static QPair<QColor, QColor> shownColours(QWidget *cell) {
        const QImage image = cell->grab().toImage();
        const QRgb back = image.pixel(image.width() / 2, image.height() - 2);
        QHash<QRgb, int> counts;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != back)
                    ++counts[image.pixel(x, y)];
        QRgb fore = back;
        for (auto it = counts.cbegin(); it != counts.cend(); ++it)
            if (it.value() > counts.value(fore))
                fore = it.key();
        return {QColor(back), QColor(fore)};
    }

    static QString checkedItems(const QMainWindow *window) {
        QStringList checked;
        for (QAction *title : window->menuBar()->actions())
            for (QAction *item : title->menu()->actions())
                if (item->isChecked())
                    checked.append(item->text());
        return checked.join(',');
    }
};

QTEST_MAIN(TestWindows)
#include "tst_windows.moc"
