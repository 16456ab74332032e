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

using FormPtr = std::unique_ptr<ui::Form>;

template<class Form> FormPtr make(core::RandomSource source) {
    return std::make_unique<Form>(std::move(source));
}

// How a box's text reaches the program.
enum class BoxKind {
    TickInterval,   // "Speed of Spins", read at each auto-spin tick
    ChangeInterval, // "Countdown Speed", applied at each change
    BatchCount,     // "Number of Spins", read when a batch starts
};

struct Box {
    const char *program;
    const char *name;
    BoxKind kind;
    const char *caption; // as the user knows the box
    FormPtr (*makeForm)(core::RandomSource);
};

const QList<Box> boxes{
    {"corvane2", "txtloop", BoxKind::TickInterval, "Speed of Spins", make<corvane2::Form1>},
    {"corvane2", "txtInterval", BoxKind::ChangeInterval, "Countdown Speed", make<corvane2::Form1>},
#ifdef HAVE_CORVANE_FORM
    {"corvane", "txtloop", BoxKind::TickInterval, "Speed of Spins", make<corvane::Form1>},
#endif
#ifdef HAVE_PALLIX_FORM
    {"pallix", "txtloop", BoxKind::BatchCount, "Number of Spins", make<pallix::Form1>},
#endif
};

// A clock that steers every draw below 10, so a spin makes exactly five draws
// and counting the draws counts the spins. It tries clock values on a twin of
// the form's random source until the twin's next value stays below 0.9.
class TameClock {
public:
    static constexpr std::uint64_t seed = 0x1234'5678'9ABC'DEF0ULL;
    core::RandomSource source() {
        return core::RandomSource([this] { return next(); }, seed);
    }
    int draws = 0;

private:
    std::uint64_t next() {
        for (;; ++m_value) {
            m_trialValue = m_value;
            core::RandomSource trial = m_twin;
            trial.reseed();
            if (trial.next() < 0.9f) {
                m_twin = trial;
                ++draws;
                return m_value++;
            }
        }
    }
    std::uint64_t m_value = 1;
    std::uint64_t m_trialValue = 0;
    core::RandomSource m_twin{[this] { return m_trialValue; }, seed};
};

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
void enter(ui::TextBox *box, bool pasted, const QString &text) {
    box->setFocus();
    box->selectAll();
    if (pasted) {
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
Q_DECLARE_METATYPE(badinputs::Row)

class tst_BadInputs : public QObject {
    Q_OBJECT
private slots:
    void everyInputIntoEveryBox_data();
    void everyInputIntoEveryBox();
};

void tst_BadInputs::everyInputIntoEveryBox_data() {
    QTest::addColumn<Box>("box");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<badinputs::Row>("row");
    const std::vector<badinputs::Row> rows = badinputs::load(QStringLiteral(BAD_INPUTS_TSV));
    QVERIFY(rows.size() >= 20);
    for (const Box &box : boxes)
        for (const bool pasted : {false, true})
            for (const badinputs::Row &row : rows)
                QTest::addRow("%s_%s_%s_%s", box.program, box.name, pasted ? "pasted" : "typed",
                              qPrintable(row.tag))
                    << box << pasted << row;
}

void tst_BadInputs::everyInputIntoEveryBox() {
    QFETCH(Box, box);
    QFETCH(bool, pasted);
    QFETCH(badinputs::Row, row);
    const bool batch = box.kind == BoxKind::BatchCount;
    const int maxLength = batch ? 3 : 6;
    const std::optional<int> expected = batch ? row.spins : row.interval;
    // A refusal names the box as the user knows it and the range it takes.
    const auto namesBox = [&](const QString &text) {
        return text.contains(QLatin1String(box.caption)) &&
               text.contains(QLatin1String(batch ? "32767" : "2147483647"));
    };

    TameClock clock;
    const FormPtr form = box.makeForm(clock.source());
    auto *text = form->control<ui::TextBox>(box.name);
    const QStringList before = captions(*form);
    ui::Timer *timer =
        batch ? nullptr : form->timer(box.kind == BoxKind::TickInterval ? "Timer1" : "Timer3");

    if (box.kind == BoxKind::ChangeInterval) {
        form->control<ui::Button>("cmdstart")->click(); // counting from 0 0 0
        // All but the last keystroke first, so the last one alone is judged.
        const qsizetype length = std::min<qsizetype>(row.text.size(), maxLength);
        const bool split = !pasted && length > 1;
        if (split)
            enter(text, pasted, row.text.left(length - 1));
        const int previous = timer->interval();
        if (split)
            type(text, row.text.mid(length - 1));
        else
            enter(text, pasted, row.text);
        QVERIFY2(timer->isEnabled(), "a change of the box stopped the countdown");
        QCOMPARE(timer->interval(), expected.value_or(previous));
        QCOMPARE(timer->isTicking(), timer->interval() > 0);
        QCOMPARE(text->isRefused(), !expected);
        QVERIFY(expected || namesBox(text->toolTip()));
        QCOMPARE(clock.draws, 0);
    } else {
        const int initial = batch ? 0 : timer->interval();
        enter(text, pasted, row.text);
        form->control<ui::Button>("cmdAuto")->click();
        if (batch) {
            QCOMPARE(clock.draws, 5 * expected.value_or(0));
        } else {
            emit timer->timer();
            QCOMPARE(timer->interval(), expected.value_or(initial));
            QVERIFY2(timer->isEnabled() == bool(expected), "auto-spin after a refused interval");
            QVERIFY(!expected || timer->isTicking() == (*expected > 0));
            QCOMPARE(clock.draws, expected ? 5 : 0);
        }
        QVERIFY(expected || namesBox(form->message() ? form->message()->text() : QString()));
    }
    QCOMPARE(messageShown(*form), !expected && box.kind != BoxKind::ChangeInterval);
    if (clock.draws == 0)
        QCOMPARE(captions(*form), before);
    QVERIFY(text->text().size() <= maxLength);
    if (pasted)
        QCOMPARE(text->text(), row.text.left(maxLength));
    QVERIFY2(!form->hasEnded(), "the program ended over a box's text");
}

QTEST_MAIN(tst_BadInputs)
#include "tst_bad_inputs.moc"
