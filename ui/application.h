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

namespace ui {

QStringList argumentList(int argc, char **argv);
// Prints the reason and gives the exit status when there is no display.
std::optional<int> prepareDisplay(const QStringList &arguments, const VersionRecord &record);
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
    watchDisplayConnection(programVersion);
    QApplication app(argc, argv);
    stopWatchingDisplayConnection();
    if (fontConfiguration.joinable())
        fontConfiguration.join();
    prepareApplication(programVersion);
    W window(windowArguments...);
    return runWindow(app, window);
}

} // namespace ui
