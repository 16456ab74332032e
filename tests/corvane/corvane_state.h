#pragma once

// What a user sees of a corvane window, as short text, so that a failing
// comparison prints the whole row of cells.

#include "apps/corvane/form1.h"
#include "core/schemes.h"
#include "ui/colours.h"

#include <QStringList>

namespace corvane_test {

// Captions of cells 0 to 4, "0 0 0 0 0" for a fresh window.
inline QString captions(const corvane::Form1 &form) {
    QStringList list;
    for (const ui::Label *cell : form.Label1)
        list << cell->caption();
    return list.join(QLatin1Char(' '));
}

// Shown cells as "x", hidden ones as "-", cell 0 first.
inline QString shownCells(const corvane::Form1 &form) {
    QString pattern;
    for (const ui::Label *cell : form.Label1)
        pattern += cell->isHidden() ? QLatin1Char('-') : QLatin1Char('x');
    return pattern;
}

inline void setCells(corvane::Form1 &form, const QStringList &captions) {
    for (qsizetype i = 0; i < captions.size(); ++i)
        form.Label1[i]->setCaption(captions[i]);
}

inline QString colours(const QWidget *widget) {
    const QPalette palette = widget->palette();
    return palette.color(QPalette::Window).name() + QLatin1Char('/') +
           palette.color(QPalette::WindowText).name();
}

// Frame2's background, then each cell's background and digits.
inline QStringList displayColours(const corvane::Form1 &form) {
    QStringList list{form.Frame2->palette().color(QPalette::Window).name()};
    for (const ui::Label *cell : form.Label1)
        list << colours(cell);
    return list;
}

// The same list as a scheme would paint it with the desktop's colours now.
inline QStringList schemeColours(const core::Scheme &scheme) {
    const QString cell =
        ui::resolveColour(scheme.cellBack).name() + '/' + ui::resolveColour(scheme.cellFore).name();
    return QStringList{ui::resolveColour(scheme.frameBack).name()} + QStringList(5, cell);
}

} // namespace corvane_test
