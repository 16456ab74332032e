#pragma once

#include "fonts.h"
#include "form.h"
#include "version_record.h"

#include <QApplication>

namespace ui {

// Everything a program's main does around its form: the font configuration
// read ahead while the application connects to the display, the session bus
// connected while the form makes its fonts, the application named by the
// program's version record, the font stand-ins, the form's load, showing it,
// and the event loop until program end.
void prepareApplication(const VersionRecord &record);
int runForm(QApplication &app, Form &form);

// The menu bar, and accessibility after it, wait for the session bus while
// Qt connects to it, or, where there is none, while libdbus tries to start
// one. This makes that connection on a thread of its own, to be started
// right after the QApplication: Qt keeps one connection per bus, made under
// a lock, so the form's own first use finds it made or waits for it. The
// thread joins when the returned object is destroyed; without Qt D-Bus
// there is no thread.
[[nodiscard]] std::jthread connectSessionBusAhead();

template<typename F> int run(int argc, char **argv, const VersionRecord &record = programVersion) {
    const std::jthread fontConfiguration = readFontConfigurationAhead();
    QApplication app(argc, argv);
    const std::jthread sessionBus = connectSessionBusAhead();
    prepareApplication(record);
    F form;
    return runForm(app, form);
}

} // namespace ui
