#include "application.h"

#include "fonts.h"

#include <QTextStream>

namespace ui {

QStringList argumentList(int argc, char **argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

std::optional<int> prepareDisplay(const QStringList &arguments, const VersionRecord &record) {
    const std::optional<QString> problem = chooseDisplay(arguments, record);
    if (!problem)
        return std::nullopt;
    QTextStream(stderr) << *problem << '\n';
    return 1;
}

std::unique_ptr<QApplication> makeApplication(int &argc, char **argv, const VersionRecord &record) {
    const DisplayConnectionWatch watch(record);
    return std::make_unique<QApplication>(argc, argv);
}

void prepareApplication(const VersionRecord &record) {
    QApplication::setOrganizationName(toQString(record.company));
    QApplication::setApplicationName(toQString(record.product));
    QApplication::setApplicationVersion(toQString(record.version));
    // Lets the desktop match the window to the program's desktop entry and
    // so to its icon and name.
    QGuiApplication::setDesktopFileName(toQString(record.desktopEntry));
    installFontSubstitutes();
}

int runWindow(QApplication &app, Window &window) {
    QObject::connect(&window, &Window::programEnded, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    keepOffTaskbar(&window);
    window.show();
    return app.exec();
}

} // namespace ui
