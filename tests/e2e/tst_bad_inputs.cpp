// Every row of the bad input catalogue, typed and pasted into every text box
// of every program: the program never ends, the box gives the value it
// should or refuses it with its message, and nothing else changes.

#include "bad_inputs.h"

#include "core/random_source.h"
#include "ui/controls.h"
#include "ui/form.h"

#include "apps/corvane2/form1.h"
#ifdef HAVE_CORVANE_FORM
#include "apps/corvane/form1.h"
#endif
#ifdef HAVE_PALLIX_FORM
#include "apps/pallix/form1.h"
#endif

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMessageBox>
#include <QtTest>

#include <memory>

namespace {

// How a box's text reaches the program.
enum class BoxKind {
    TickInterval,   // read at each auto-spin tick ("Speed of Spins")
    ChangeInterval, // applied at each change ("Countdown Speed")
    BatchCount,     // read when a batch starts ("Number of Spins")
};

struct Box {
    const char *program;
    const char *name;
    BoxKind kind;
    QString caption; // the name the user knows the box by
    int maxLength;
};

enum class Route { Typed, Pasted };

// A clock that steers every draw below 10, so a spin makes exactly five draws
// and counting the draws counts the spins. It tries clock values on a twin of
// the form's random source until the twin's next value stays below 0.9.
class TameClock {
public:
    static constexpr std::uint64_t seed = 0x1234'5678'9ABC'DEF0ULL;

    core::RandomSource source() {
        return core::RandomSource([this] { return next(); }, seed);
    }
    int draws() const { return m_draws; }

private:
    std::uint64_t next() {
        for (;; ++m_value) {
            m_trialValue = m_value;
            core::RandomSource trial = m_twin;
            trial.reseed();
            if (trial.next() < 0.9f) {
                m_twin = trial;
                ++m_draws;
                return m_value++;
            }
        }
    }

    std::uint64_t m_value = 1;
    std::uint64_t m_trialValue = 0;
    core::RandomSource m_twin{[this] { return m_trialValue; }, seed};
    int m_draws = 0;
};

std::unique_ptr<ui::Form> makeForm(const QByteArray &program, core::RandomSource source) {
    if (program == "corvane2")
        return std::make_unique<corvane2::Form1>(std::move(source));
#ifdef HAVE_CORVANE_FORM
    if (program == "corvane")
        return std::make_unique<corvane::Form1>(std::move(source));
#endif
#ifdef HAVE_PALLIX_FORM
    if (program == "pallix")
        return std::make_unique<pallix::Form1>(std::move(source));
#endif
    qFatal("no form for %s", program.constData());
}

QList<Box> boxes() {
    QList<Box> list{
        {"corvane2", "txtloop", BoxKind::TickInterval, QStringLiteral("Speed of Spins"), 6},
        {"corvane2", "txtInterval", BoxKind::ChangeInterval, QStringLiteral("Countdown Speed"), 6},
    };
#ifdef HAVE_CORVANE_FORM
    list.append({"corvane", "txtloop", BoxKind::TickInterval, QStringLiteral("Speed of Spins"), 6});
#endif
#ifdef HAVE_PALLIX_FORM
    list.append({"pallix", "txtloop", BoxKind::BatchCount, QStringLiteral("Number of Spins"), 3});
#endif
    return list;
}

// One key press per character, as the keyboard would send it. Tab and
// control characters reach the box as keys it does not insert.
void type(QWidget *box, const QString &text) {
    for (const QChar ch : text) {
        const Qt::Key key = ch == u'\t' ? Qt::Key_Tab
                            : ch.unicode() < 128 && ch.isLetterOrNumber()
                                ? Qt::Key(ch.toUpper().unicode())
                                : Qt::Key_unknown;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(box, &release);
    }
}

// Replaces the box's text as a user would: select all, then type or paste.
void enter(ui::TextBox *box, Route route, const QString &text) {
    box->setFocus();
    box->selectAll();
    if (route == Route::Pasted) {
        QGuiApplication::clipboard()->setText(text);
        box->paste();
    } else if (text.isEmpty()) {
        QTest::keyClick(box, Qt::Key_Backspace);
    } else {
        type(box, text);
    }
}

QStringList captions(const ui::Form &form) {
    QStringList list;
    for (int i = 0; i < 5; ++i)
        list << form.control<ui::Label>("Label1", i)->caption();
    return list;
}

bool messageShown(const ui::Form &form) {
    return form.message() && form.message()->isVisible();
}

} // namespace

Q_DECLARE_METATYPE(Box)
Q_DECLARE_METATYPE(Route)
Q_DECLARE_METATYPE(badinputs::Row)

class tst_BadInputs : public QObject {
    Q_OBJECT
private slots:
    void everyInputIntoEveryBox_data();
    void everyInputIntoEveryBox();
};

void tst_BadInputs::everyInputIntoEveryBox_data() {
    QTest::addColumn<Box>("box");
    QTest::addColumn<Route>("route");
    QTest::addColumn<badinputs::Row>("row");
    const std::vector<badinputs::Row> rows = badinputs::load(QStringLiteral(BAD_INPUTS_TSV));
    QVERIFY(rows.size() >= 20);
    for (const Box &box : boxes())
        for (const Route route : {Route::Typed, Route::Pasted})
            for (const badinputs::Row &row : rows)
                QTest::addRow("%s_%s_%s_%s", box.program, box.name,
                              route == Route::Typed ? "typed" : "pasted", qPrintable(row.tag))
                    << box << route << row;
}

void tst_BadInputs::everyInputIntoEveryBox() {
    QFETCH(Box, box);
    QFETCH(Route, route);
    QFETCH(badinputs::Row, row);

    TameClock clock;
    const std::unique_ptr<ui::Form> form = makeForm(box.program, clock.source());
    auto *text = form->control<ui::TextBox>(box.name);
    QCOMPARE(text->maxLength(), box.maxLength);
    const QStringList before = captions(*form);
    const QString range =
        box.kind == BoxKind::BatchCount ? QStringLiteral("32767") : QStringLiteral("2147483647");

    switch (box.kind) {
    case BoxKind::TickInterval: {
        ui::Timer *timer = form->timer("Timer1");
        const int initial = timer->interval();
        enter(text, route, row.text);
        form->control<ui::Button>("cmdAuto")->click();
        emit timer->timer();
        if (row.interval) {
            QCOMPARE(timer->interval(), *row.interval);
            QVERIFY(timer->isEnabled());
            QCOMPARE(timer->isTicking(), *row.interval > 0);
            QCOMPARE(clock.draws(), 5);
            QVERIFY(!messageShown(*form));
        } else {
            QCOMPARE(timer->interval(), initial);
            QVERIFY2(!timer->isEnabled(), "auto-spin goes on after a refused interval");
            QCOMPARE(clock.draws(), 0);
            QCOMPARE(captions(*form), before);
            QVERIFY(messageShown(*form));
            QVERIFY(form->message()->text().contains(box.caption));
            QVERIFY(form->message()->text().contains(range));
        }
        break;
    }
    case BoxKind::ChangeInterval: {
        ui::Timer *timer = form->timer("Timer3");
        form->control<ui::Button>("cmdstart")->click(); // counting from 0 0 0
        // All but the last keystroke first, so the last one alone is judged.
        const qsizetype length = std::min<qsizetype>(row.text.size(), box.maxLength);
        if (route == Route::Typed && length > 1)
            enter(text, route, row.text.left(length - 1));
        const int previous = timer->interval();
        if (route == Route::Typed && length > 1)
            type(text, row.text.mid(length - 1));
        else
            enter(text, route, row.text);
        QVERIFY2(timer->isEnabled(), "a change of the box stopped the countdown");
        if (row.interval) {
            QCOMPARE(timer->interval(), *row.interval);
            QCOMPARE(timer->isTicking(), *row.interval > 0);
            QVERIFY(!text->isRefused());
        } else {
            QCOMPARE(timer->interval(), previous);
            QCOMPARE(timer->isTicking(), previous > 0);
            QVERIFY(text->isRefused());
            QVERIFY(text->toolTip().contains(box.caption));
            QVERIFY(text->toolTip().contains(range));
        }
        QCOMPARE(clock.draws(), 0);
        QCOMPARE(captions(*form), before);
        QVERIFY2(!messageShown(*form), "a keystroke opened a message");
        break;
    }
    case BoxKind::BatchCount: {
        enter(text, route, row.text);
        form->control<ui::Button>("cmdAuto")->click();
        if (row.spins) {
            QCOMPARE(clock.draws(), 5 * std::max(*row.spins, 0));
            QVERIFY(!messageShown(*form));
        } else {
            QCOMPARE(clock.draws(), 0);
            QVERIFY(messageShown(*form));
            QVERIFY(form->message()->text().contains(box.caption));
            QVERIFY(form->message()->text().contains(range));
        }
        if (!row.spins || *row.spins <= 0)
            QCOMPARE(captions(*form), before);
        break;
    }
    }
    QVERIFY(text->text().size() <= box.maxLength);
    if (route == Route::Pasted)
        QCOMPARE(text->text(), row.text.left(box.maxLength));
    QVERIFY2(!form->hasEnded(), "the program ended over a box's text");
}

QTEST_MAIN(tst_BadInputs)
#include "tst_bad_inputs.moc"
