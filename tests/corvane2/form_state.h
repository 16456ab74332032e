#pragma once

// What a user (and the handlers) can observe of a corvane2 window, as text, so
// that tests compare whole states and a failure prints what differs.

#include "apps/corvane2/form1.h"
#include "ui/colours.h"

#include <QAction>
#include <QStringList>

#include <initializer_list>

namespace corvane2_test {

inline const char *const outputItems[] = {"mnufive", "mnuFour", "mnuThree", "mnuTwo", "mnuOne"};
inline const char *const visualItems[] = {"mnuNormal", "mnuNeg", "MnuFluro", "mnuGrey"};

inline QStringList captions(const corvane2::Form1 &form) {
    QStringList list;
    for (const ui::Label *cell : form.Label1)
        list << cell->caption();
    return list;
}

// Shown cells as "x", hidden ones as "-", index 0 first. The window need not
// be on screen: a cell is shown when it is not explicitly hidden.
inline QString shownCells(const corvane2::Form1 &form) {
    QString pattern;
    for (const ui::Label *cell : form.Label1)
        pattern += cell->isHidden() ? QLatin1Char('-') : QLatin1Char('x');
    return pattern;
}

inline void setCells(corvane2::Form1 &form, std::initializer_list<int> values) {
    int index = 0;
    for (int value : values)
        form.Label1[index++]->setCaption(QString::number(value));
}

inline QString timerState(const ui::Timer &timer) {
    return QStringLiteral("enabled=%1 interval=%2 ticking=%3")
        .arg(timer.isEnabled())
        .arg(timer.interval())
        .arg(timer.isTicking());
}

inline QString colours(const QWidget *widget) {
    return widget->palette().color(QPalette::Window).name() + QLatin1Char('/') +
           widget->palette().color(QPalette::WindowText).name();
}

inline QStringList checkedItems(const corvane2::Form1 &form) {
    QStringList checked;
    for (const char *name : visualItems)
        if (form.menuItem(name)->isChecked() || form.menuItem(name)->action()->isChecked())
            checked << QString::fromLatin1(name);
    for (const char *name : outputItems)
        if (form.menuItem(name)->isChecked() || form.menuItem(name)->action()->isChecked())
            checked << QString::fromLatin1(name);
    return checked;
}

inline QStringList schemeState(const corvane2::Form1 &form) {
    QStringList state{QStringLiteral("Frame2 ") + colours(form.Frame2)};
    for (const ui::Label *cell : form.Label1)
        state << cell->objectName() + QLatin1Char(' ') + colours(cell);
    state << QStringLiteral("checked ") + checkedItems(form).join(QLatin1Char(','));
    return state;
}

// Everything the handlers write, one line per item.
inline QStringList snapshot(const corvane2::Form1 &form) {
    QStringList state{
        QStringLiteral("captions ") + captions(form).join(QLatin1Char(' ')),
        QStringLiteral("shown ") + shownCells(form),
        QStringLiteral("notice %1").arg(form.lblStop->isHidden() ? "hidden" : "shown"),
        QStringLiteral("Timer1 ") + timerState(*form.Timer1),
        QStringLiteral("Timer2 ") + timerState(*form.Timer2),
        QStringLiteral("Timer3 ") + timerState(*form.Timer3),
        QStringLiteral("counters %1 %2 %3")
            .arg(form.counter.hundreds)
            .arg(form.counter.tens)
            .arg(form.counter.units),
        QStringLiteral("txtInterval '%1' refused=%2")
            .arg(form.txtInterval->text())
            .arg(form.txtInterval->isRefused()),
        QStringLiteral("txtloop '%1'").arg(form.txtloop->text()),
        QStringLiteral("ended %1").arg(form.hasEnded()),
    };
    return state + schemeState(form);
}

} // namespace corvane2_test
