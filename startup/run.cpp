#include "run.h"

#include "command_line.h"
#include "display.h"

#include "ui/fonts.h"
#include "ui/text.h"

#include <QApplication>
#include <QTextStream>

namespace startup {
namespace {

QStringList argumentList(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// The application, connected to its display; a display or platform that
// fails ends the program with one line.
std::unique_ptr<QApplication> makeApplication(int &argc, char **argv, const VersionRecord &record,
                                              const DisplayChoice &choice) {
    const DisplayConnectionWatch watch(record, choice);
    auto app = std::make_unique<QApplication>(argc, argv);
    watch.requireScreen();
    return app;
}

} // namespace

int run(int argc, char **argv, const MakeWindow &makeWindow) {
    const QStringList arguments = argumentList(argc, argv);
    if (const std::optional<int> status = answerCommandLine(arguments, programVersion))
        return *status;
    const DisplayChoice display = chooseDisplay(arguments, programVersion);
    if (display.problem) {
        QTextStream(stderr) << *display.problem << '\n';
        return 1;
    }
    std::jthread fontConfiguration = ui::readFontConfigurationAhead();
    const std::unique_ptr<QApplication> app = makeApplication(argc, argv, programVersion, display);
    if (fontConfiguration.joinable())
        fontConfiguration.join();
    prepareApplication(programVersion);
    const std::unique_ptr<ui::Window> window = makeWindow();
    QObject::connect(window.get(), &ui::Window::programEnded, app.get(), &QCoreApplication::quit,
                     Qt::QueuedConnection);
    window->show();
    return app->exec();
}

void prepareApplication(const VersionRecord &record) {
    QApplication::setOrganizationName(ui::toQString(record.company));
    // The program's own name: assistive technology lists the application by
    // it, and X gives it as the window's class, which the desktop entry's
    // StartupWMClass names. The product stays in the version record.
    QApplication::setApplicationName(ui::toQString(record.program));
    QApplication::setApplicationVersion(ui::toQString(record.version));
    // Lets the desktop match the window to the program's desktop entry and
    // so to its icon and name.
    QGuiApplication::setDesktopFileName(ui::toQString(record.desktopEntry));
    ui::installFontSubstitutes();
}

} // namespace startup
