#pragma once

// What every program's main does: its command line, a display to open, the
// application named by its version record, its window shown off the task
// bar, and the event loop until the program ends.

#include "command_line.h"
#include "display.h"
#include "fonts.h"
#include "version_record.h"
#include "window.h"

#include <QApplication>

#include <memory>

namespace ui {

QStringList argumentList(int argc, char **argv);
// Prints the reason and gives the exit status when there is no display.
std::optional<int> prepareDisplay(const QStringList &arguments, const VersionRecord &record);
// The application, connected to its display; a display or platform that
// fails ends the program with one line.
std::unique_ptr<QApplication> makeApplication(int &argc, char **argv, const VersionRecord &record);
void prepareApplication(const VersionRecord &record);
int runWindow(QApplication &app, Window &window);

// Runs the program with a window of type W, made from the arguments given.
template<typename W, typename... Args>
int run(int argc, char **argv, const Args &...windowArguments) {
    const QStringList arguments = argumentList(argc, argv);
    if (const std::optional<int> status = answerCommandLine(arguments, programVersion))
        return *status;
    if (const std::optional<int> status = prepareDisplay(arguments, programVersion))
        return *status;
    std::jthread fontConfiguration = readFontConfigurationAhead();
    const std::unique_ptr<QApplication> app = makeApplication(argc, argv, programVersion);
    if (fontConfiguration.joinable())
        fontConfiguration.join();
    prepareApplication(programVersion);
    W window(windowArguments...);
    return runWindow(*app, window);
}

} // namespace ui
