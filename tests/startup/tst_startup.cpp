// The program's start-up: the command line and the choice of display.

#include "startup/command_line.h"
#include "startup/display.h"

#include <QScopeGuard>
#include <QTest>

#include <array>

using namespace startup;

namespace {

constexpr std::array displayVariables{"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"};

// The variables that choose a display, as "offscreen :1 -" ("-": unset).
QString displayEnvironment() {
    QStringList values;
    for (const char *name : displayVariables)
        values.append(qEnvironmentVariableIsSet(name) ? qEnvironmentVariable(name) : "-");
    return values.join(' ');
}

void setDisplayEnvironment(const QString &environment) {
    const QStringList values = environment.split(' ');
    for (std::size_t i = 0; i < displayVariables.size(); ++i)
        values[i] == "-" ? qunsetenv(displayVariables[i])
                         : qputenv(displayVariables[i], values[i].toUtf8());
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void commandLine_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status"); // -1: on to the window
        // clang-format off
        QTest::addRow("none") << QStringList{} << -1;
        QTest::addRow("help") << QStringList{"--help"} << 0;
        QTest::addRow("version") << QStringList{"-v"} << 0;
        QTest::addRow("unknown") << QStringList{"--frobnicate"} << 2;
        QTest::addRow("stray_argument") << QStringList{"file.txt"} << 2;
        QTest::addRow("qt_options") << QStringList{"-platform", "offscreen", "-style=fusion", "-reverse"} << -1;
        // clang-format on
    }
    void commandLine() {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        const VersionRecord record{.program = "prog", .version = "1.00"};
        QCOMPARE(answerCommandLine(QStringList{"prog"} + arguments, record).value_or(-1), status);
    }

    // Environment "QT_QPA_PLATFORM DISPLAY WAYLAND_DISPLAY" ("-" for unset) and
    // arguments; then the platform chosen, or the first sentence of the one
    // line that says there is no display.
    void display_data() {
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("outcome");
        // clang-format off
        QTest::addRow("platform_chosen") << "offscreen :1 -" << QStringList{} << "platform offscreen";
        QTest::addRow("platform_argument") << "- :1 -" << QStringList{"-platform=offscreen"} << "platform offscreen";
        QTest::addRow("x_preferred") << "- :1 wayland-0" << QStringList{} << "platform xcb";
        QTest::addRow("wayland_only") << "- - wayland-0" << QStringList{} << "platform wayland";
        QTest::addRow("no_display") << "- - -" << QStringList{} << "prog: no display to open (DISPLAY is not set).";
        // clang-format on
    }
    void display() {
        QFETCH(QString, environment);
        QFETCH(QStringList, arguments);
        const auto restore =
            qScopeGuard([before = displayEnvironment()] { setDisplayEnvironment(before); });
        setDisplayEnvironment(environment);
        const VersionRecord record{.program = "prog"};
        const std::optional<QString> problem =
            chooseDisplay(QStringList{"prog"} + arguments, record).problem;
        const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM");
        QTEST(problem ? problem->section(" Start", 0, 0) : "platform " + platform, "outcome");
        QVERIFY(!problem || !problem->contains('\n'));
    }
};

QTEST_APPLESS_MAIN(TestStartup)
#include "tst_startup.moc"
