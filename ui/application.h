#pragma once

#include "fonts.h"
#include "form.h"
#include "version_record.h"

#include <QApplication>

namespace ui {

// Everything a program's main does around its form: the font configuration
// read ahead while the application connects to the display, the application
// named by the program's version record, the font stand-ins, the form's load,
// showing it, and the event loop until program end.
void prepareApplication(const VersionRecord &record);
int runForm(QApplication &app, Form &form);

template<typename F> int run(int argc, char **argv, const VersionRecord &record = programVersion) {
    const std::jthread fontConfiguration = readFontConfigurationAhead();
    QApplication app(argc, argv);
    prepareApplication(record);
    F form;
    return runForm(app, form);
}

} // namespace ui
