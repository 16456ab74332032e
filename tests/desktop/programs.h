#pragma once

// The three windows of the family, for tests that hold for every program:
// each entry opens the program's form and gives its window description.

#include "apps/corvane/form1.h"
#include "apps/corvane/window.h"
#include "apps/corvane2/form1.h"
#include "apps/corvane2/window.h"
#include "apps/pallix/form1.h"
#include "apps/pallix/window.h"

#include <QString>
#include <QTest>

#include <memory>

namespace desktop_test {

struct Program {
    const char *name;
    const ui::Window &(*window)();
    std::unique_ptr<ui::Form> (*open)();
    const char *spinButton; // the button that spins the five cells once
};

} // namespace desktop_test

Q_DECLARE_METATYPE(const desktop_test::Program *)

namespace desktop_test {

template<typename F> std::unique_ptr<ui::Form> open() {
    return std::make_unique<F>();
}

inline const Program programs[] = {
    {"corvane2", corvane2::window, open<corvane2::Form1>, "cmdSpin"},
    {"corvane", corvane::window, open<corvane::Form1>, "cmdSpin"},
    {"pallix", pallix::window, open<pallix::Form1>, "cmdstart"},
};

// One data row per program, in a column "program".
inline void addProgramRows() {
    QTest::addColumn<const Program *>("program");
    for (const Program &program : programs)
        QTest::addRow("%s", program.name) << &program;
}

inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace desktop_test
