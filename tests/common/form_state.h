#pragma once

// What a user (and the handlers) can observe of a Vantorel window, as short
// text, so that tests compare whole states and a failure prints what differs.
// The helpers take any form with the five digit cells Label1.

#include "core/countdown.h"
#include "core/random_source.h"
#include "core/spin.h"
#include "ui/colours.h"
#include "ui/form.h"
#include "ui/menu_item.h"
#include "ui/timer.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QStringList>
#include <QTest>

#include <algorithm>
#include <cstdint>

namespace form_state {

// The title every Vantorel window carries, spelt out in full.
inline const QString title = QStringLiteral("Vantorel:") + QString(8, ' ') +
                             QStringLiteral("Drelmoth Software") + QString(64, ' ') +
                             QStringLiteral("https://drelmoth.example/");

inline constexpr core::Colour highlightText = 0x8000'000E;
inline constexpr core::Colour buttonFace = 0x8000'000F;
inline constexpr core::Colour buttonText = 0x8000'0012;
inline constexpr core::Colour green = 0x0000'FF00;

// Captions of cells 0 to 4, "0 0 0 0 0" for a fresh window.
QString captions(const auto &form) {
    QStringList list;
    for (const ui::Label *cell : form.Label1)
        list << cell->caption();
    return list.join(' ');
}

// Shown cells as "x", hidden ones as "-", cell 0 first. The window need not be
// on screen: a cell is shown when it is not explicitly hidden.
QString shownCells(const auto &form) {
    QString pattern;
    for (const ui::Label *cell : form.Label1)
        pattern += cell->isHidden() ? '-' : 'x';
    return pattern;
}

// Writes the space-separated captions into cells 0, 1, ...
void setCells(auto &form, const QString &captions) {
    const QStringList list = captions.split(' ');
    for (qsizetype i = 0; i < list.size(); ++i)
        form.Label1[i]->setCaption(list[i]);
}

inline QString timerState(const ui::Timer &timer) {
    return QStringLiteral("enabled=%1 interval=%2 ticking=%3")
        .arg(timer.isEnabled())
        .arg(timer.interval())
        .arg(timer.isTicking());
}

inline QString colours(const QWidget *widget) {
    return widget->palette().color(QPalette::Window).name() + '/' +
           widget->palette().color(QPalette::WindowText).name();
}

// Frame2's background, then each cell's background and digits.
QStringList displayColours(const auto &form) {
    QStringList list{form.Frame2->palette().color(QPalette::Window).name()};
    for (const ui::Label *cell : form.Label1)
        list << colours(cell);
    return list;
}

// The same list as the given colours paint it with the desktop's colours now.
inline QStringList expectedColours(core::Colour frame, core::Colour back, core::Colour fore) {
    const QString cell = ui::resolveColour(back).name() + '/' + ui::resolveColour(fore).name();
    return QStringList{ui::resolveColour(frame).name()} + QStringList(5, cell);
}

// The text of the one message box a form may show, empty when none is shown.
inline QString messageShown(const ui::Form &form) {
    return form.message() && form.message()->isVisible() ? form.message()->text() : QString();
}

// Shows the form, makes it active and returns the widget with the focus.
inline QWidget *activate(QWidget &form) {
    form.show();
    QApplication::setActiveWindow(&form);
    if (!QTest::qWaitForWindowActive(&form))
        return nullptr;
    return QApplication::focusWidget();
}

// The object names the focus visits on `count` presses of Tab.
inline QStringList tabOrder(int count) {
    QStringList visited;
    for (int i = 0; i < count; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    return visited;
}

// Random sources whose clock never moves. A counting one counts its readings:
// one per draw.
inline constexpr std::uint64_t frozenClock = 20'261'206;
inline core::RandomSource countingSource(int &draws) {
    return core::RandomSource([&draws] {
        ++draws;
        return frozenClock;
    });
}

// The cells and draw count after `spins` spins from a fresh counting source:
// each cell draws once, and once more after a 10, keeping the second.
struct Replay {
    QString cells = QStringLiteral("0 0 0 0 0");
    int draws = 0;
};
inline Replay replay(int spins) {
    Replay result;
    core::RandomSource source = countingSource(result.draws);
    for (int spin = 0; spin < spins; ++spin) {
        QStringList cells;
        for (int cell = 0; cell < 5; ++cell) {
            int value = core::draw(source);
            if (value == 10)
                value = core::draw(source);
            cells << QString::number(value);
        }
        result.cells = cells.join(' ');
    }
    return result;
}

// The menu items that carry a check mark, in menu order.
inline QStringList checkedItems(const ui::Form &form) {
    QStringList checked;
    for (const ui::MenuItem *item : form.findChildren<ui::MenuItem *>())
        if (item->isChecked() || item->action()->isChecked())
            checked << item->action()->objectName();
    return checked;
}

// Everything a countdown form's handlers write, one line per item, each
// starting with its own tag.
QStringList snapshot(const auto &form) {
    QStringList state{"captions " + captions(form), "shown " + shownCells(form)};
    if constexpr (requires { form.lblStop; })
        state << QStringLiteral("notice %1").arg(form.lblStop->isHidden() ? "hidden" : "shown");
    state << "Timer1 " + timerState(*form.Timer1) << "Timer2 " + timerState(*form.Timer2)
          << "Timer3 " + timerState(*form.Timer3)
          << QStringLiteral("counters %1 %2 %3")
                 .arg(form.counter.hundreds)
                 .arg(form.counter.tens)
                 .arg(form.counter.units);
    if constexpr (requires { form.txtInterval; })
        state << QStringLiteral("txtInterval '%1' refused=%2")
                     .arg(form.txtInterval->text())
                     .arg(form.txtInterval->isRefused());
    return state << QStringLiteral("txtloop '%1'").arg(form.txtloop->text())
                 << QStringLiteral("ended %1").arg(form.hasEnded())
                 << "colours " + displayColours(form).join(' ')
                 << "checked " + checkedItems(form).join(',');
}

// A snapshot with some lines replaced by those of the same tag.
inline QStringList withLines(QStringList lines, const QStringList &changes) {
    for (const QString &change : changes)
        for (QString &line : lines)
            if (line.section(' ', 0, 0) == change.section(' ', 0, 0))
                line = change;
    return lines;
}

// Runs space-separated actions on a countdown form: spin, auto (Auto-
// Spinner), autotick (its timer), zero, start (Count down), tick or tickN (N
// countdown ticks), a menu item's name, cells=1,2,3 (captions from cell
// 0), loop=TEXT and interval=TEXT (the boxes).
void run(auto &form, const QString &script) {
    for (const QString &action : script.split(' ', Qt::SkipEmptyParts)) {
        QString arg = action.section('=', 1);
        if (action == "spin")
            form.cmdSpin_Click();
        else if (action == "auto")
            form.cmdAuto_Click();
        else if (action == "autotick")
            form.Timer1_Timer();
        else if (action == "zero")
            form.cmdClear_Click();
        else if (action == "start")
            form.cmdstart_Click();
        else if (action.startsWith("tick"))
            for (int i = std::max(1, action.mid(4).toInt()); i > 0; --i)
                form.Timer3_Timer();
        else if (action.startsWith("cells="))
            setCells(form, arg.replace(',', ' '));
        else if (action.startsWith("loop="))
            form.txtloop->setText(arg);
        else if (action.startsWith("interval=")) {
            if constexpr (requires { form.txtInterval; })
                form.txtInterval->setText(arg);
        } else {
            form.menuItem(action.toStdString())->action()->trigger();
        }
    }
}

} // namespace form_state
