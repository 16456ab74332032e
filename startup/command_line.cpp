#include "command_line.h"

#include "ui/text.h"

#include <QCommandLineParser>
#include <QTextStream>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace startup {
namespace {

using ui::toQString;

// The options Qt itself reads from the command line of every widgets program
// on X11, so that they pass through to it.
const QStringList qtOptionsWithValue{QStringLiteral("platform"),
                                     QStringLiteral("platformpluginpath"),
                                     QStringLiteral("platformtheme"),
                                     QStringLiteral("plugin"),
                                     QStringLiteral("display"),
                                     QStringLiteral("geometry"),
                                     QStringLiteral("qwindowgeometry"),
                                     QStringLiteral("title"),
                                     QStringLiteral("qwindowtitle"),
                                     QStringLiteral("qwindowicon"),
                                     QStringLiteral("icon"),
                                     QStringLiteral("name"),
                                     QStringLiteral("session"),
                                     QStringLiteral("style"),
                                     QStringLiteral("stylesheet"),
                                     QStringLiteral("qmljsdebugger")};
const QStringList qtFlags{QStringLiteral("reverse"), QStringLiteral("widgetcount"),
                          QStringLiteral("sync"), QStringLiteral("nograb"),
                          QStringLiteral("dograb")};

QString helpText(const VersionRecord &record) {
    const QString program = toQString(record.program);
    return QStringLiteral("Usage: %1 [options]\n"
                          "%2.\n\n%3\n\n"
                          "Options:\n"
                          "  -h, --help     Show this help and exit.\n"
                          "  -v, --version  Show the program's name and version and exit.\n\n"
                          "Qt's own options, such as -platform, -display and -style, work as in\n"
                          "any Qt program.\n")
        .arg(program, toQString(record.summary), toQString(record.usage));
}

// Standard output may be a full disk or a closed pipe: a text that did not
// get there is an error with status 1, said on standard error.
int writeOut(const QString &program, const QString &text) {
    const QByteArray bytes = text.toUtf8();
    if (std::fwrite(bytes.data(), 1, std::size_t(bytes.size()), stdout) ==
            std::size_t(bytes.size()) &&
        std::fflush(stdout) == 0)
        return 0;
    QTextStream(stderr) << program
                        << ": write error: " << QString::fromLocal8Bit(std::strerror(errno))
                        << '\n';
    return 1;
}

} // namespace

std::optional<int> answerCommandLine(const QStringList &arguments, const VersionRecord &record) {
    QCommandLineParser parser;
    // Qt's options are single words after one dash: "-platform offscreen".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")});
    parser.addOptions({help, version});
    for (const QString &name : qtOptionsWithValue) {
        QCommandLineOption option(name, QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const QString &name : qtFlags) {
        QCommandLineOption option(name);
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }

    const QString program = toQString(record.program);
    QString error;
    if (!parser.parse(arguments))
        // The first unknown option only: errorText() names them all, in one line.
        error =
            parser.unknownOptionNames().isEmpty()
                ? parser.errorText()
                : QStringLiteral("Unknown option '%1'.").arg(parser.unknownOptionNames().first());
    else if (!parser.positionalArguments().isEmpty())
        error =
            QStringLiteral("Unexpected argument '%1'.").arg(parser.positionalArguments().first());
    if (!error.isEmpty()) {
        QTextStream(stderr) << program << ": " << error << " Try '" << program
                            << " --help' for more information.\n";
        return 2;
    }
    if (parser.isSet(help))
        return writeOut(program, helpText(record));
    if (parser.isSet(version))
        return writeOut(program, program + ' ' + toQString(record.version) + '\n');
    return std::nullopt;
}

} // namespace startup
