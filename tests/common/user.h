#pragma once

// A window driven as its user drives it: buttons clicked by their captions,
// boxes found by the labels that name them, menu items chosen by caption,
// and what the user sees read back from the cells.

#include "core/digits.h"
#include "core/draw.h"
#include "ui/controls.h"
#include "ui/timer.h"

#include <QAccessible>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include <memory>
#include <vector>

namespace user {

template<typename T> T *find(const QWidget *window, const QString &shown) {
    for (T *widget : window->findChildren<T *>())
        if (widget->accessibleName() == shown || widget->text() == shown)
            return widget;
    return nullptr;
}

inline void click(const QWidget *window, const QString &caption) {
    QPushButton *button = find<QPushButton>(window, caption);
    QVERIFY2(button, qPrintable(caption));
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces the text of the box that the caption names, key by key.
inline void type(const QWidget *window, const QString &boxCaption, const QString &text) {
    QLineEdit *box = find<QLineEdit>(window, boxCaption);
    QVERIFY2(box, qPrintable(boxCaption));
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

inline void choose(const QMainWindow *window, const QString &menu, const QString &item) {
    for (QAction *title : window->menuBar()->actions())
        if (title->text() == menu)
            for (QAction *action : title->menu()->actions())
                if (action->text() == item)
                    return action->trigger();
    QFAIL(qPrintable(menu + " > " + item));
}

inline std::vector<ui::DigitCell *> cells(const QWidget *window) {
    std::vector<ui::DigitCell *> found;
    for (std::size_t i = 1; i <= core::cellCount; ++i)
        found.push_back(find<ui::DigitCell>(window, QStringLiteral("Digit %1").arg(i)));
    return found;
}

// The five captions, "3 10 4 0 0", each as a screen reader reads it too (the
// cell's value); "?" for a cell the two read differently.
inline QString digits(const QWidget *window) {
    QStringList texts;
    for (ui::DigitCell *cell : cells(window)) {
        const auto *read = QAccessible::queryAccessibleInterface(cell)->valueInterface();
        texts.append(read && read->currentValue() == cell->text() ? cell->text() : "?");
    }
    return texts.join(QLatin1Char(' '));
}

// Which cells show, "11100".
inline QString shown(const QWidget *window) {
    QString pattern;
    for (ui::DigitCell *cell : cells(window))
        pattern += cell->isVisible() ? QLatin1Char('1') : QLatin1Char('0');
    return pattern;
}

// A tick without the wait; only a timer that is ticking can tick.
inline void tick(ui::Timer *timer, int times = 1) {
    QVERIFY(timer->isTicking());
    for (int i = 0; i < times; ++i)
        emit timer->timeout();
}

// Draws the values given, in turn, then 1s; counts every draw.
struct ScriptedDraw {
    std::vector<std::int16_t> values;
    std::shared_ptr<int> count = std::make_shared<int>(0);
    core::Draw draw() const {
        return [values = values, count = count] {
            const auto next = std::size_t((*count)++);
            return next < values.size() ? values[next] : std::int16_t(1);
        };
    }
};

} // namespace user
