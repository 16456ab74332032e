#pragma once

#include "form.h"

#include <QApplication>

namespace ui {

// Everything a program's main does around its form: the application, the
// font stand-ins, the form's load, showing it, and the event loop until
// program end.
void prepareApplication();
int runForm(QApplication &app, Form &form);

template<typename F> int run(int argc, char **argv) {
    QApplication app(argc, argv);
    prepareApplication();
    F form;
    return runForm(app, form);
}

} // namespace ui
