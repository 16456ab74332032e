// What a window costs at start that nobody sees: the font configuration read
// ahead on a thread of its own must not change which fonts Qt finds, even
// when Qt asks for them while the reading is still going on, and that thread
// keeps off the processor of the start it runs beside; the window icon
// and the menu bar must come up without Qt loading any image format plugin,
// and the menu bar's extension button must still carry its chevron, turned
// for right-to-left layouts.
//
// A test program of its own: any earlier font use or image read in the same
// process would already have done the work these tests watch.

#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/form.h"
#include "ui/style.h"

#include <QFontInfo>
#include <QImage>
#include <QMenuBar>
#include <QStyleOption>
#include <QTest>
#include <QToolButton>

#include <link.h>
#include <sched.h>

using namespace ui;

namespace {

constexpr VersionRecord record{.company = "Drelmoth Software",
                               .product = "startup test",
                               .program = "tst_ui_startup",
                               .version = "1.00",
                               .desktopEntry = "tst_ui_startup"};

constexpr MenuItemRow items[] = {{"mnuOne", "One"}, {"mnuTwo", "Two"}};
constexpr Menu menus[] = {{"mnuFirst", "First", items}, {"mnuSecond", "Second", items}};
constexpr Control controls[] = {
    {.name = "Label1",
     .kind = Kind::Label,
     .in = "Form1",
     .twips = {0, 0, 1500, 600},
     .caption = "0"},
    {.name = "cmdGo",
     .kind = Kind::Button,
     .in = "Form1",
     .twips = {0, 900, 1500, 450},
     .caption = "Go",
     .tabIndex = 0},
};
constexpr Window window{.name = "Form1",
                        .title = "startup",
                        .clientWidth = 3000,
                        .clientHeight = 1500,
                        .controls = controls,
                        .menus = menus};

QStringList loadedImagePlugins() {
    QStringList plugins;
    dl_iterate_phdr(
        [](dl_phdr_info *info, size_t, void *data) {
            const QString path = QString::fromLocal8Bit(info->dlpi_name);
            if (path.contains(QLatin1String("/imageformats/")))
                static_cast<QStringList *>(data)->append(path);
            return 0;
        },
        &plugins);
    return plugins;
}

QImage extensionImage(const QStyle &style, Qt::LayoutDirection direction) {
    QStyleOption option;
    option.direction = direction;
    return style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton, &option)
        .pixmap(8, 8)
        .toImage();
}

} // namespace

class StartupTest : public QObject {
    Q_OBJECT

private slots:
    void fontsFoundWhileConfigurationIsReadAhead();
    void keepOffProcessor_data();
    void keepOffProcessor();
    void shownWindowLoadsNoImagePlugin();
    void extensionChevronTurnsForRightToLeft();
};

void StartupTest::fontsFoundWhileConfigurationIsReadAhead() {
    const std::jthread reading = readFontConfigurationAhead();
    installFontSubstitutes();
    // Asked at once, so that Qt's first font use races the reading.
    QCOMPARE(QFontInfo(fontFor({"Agency FB", 222, true})).family(), QStringLiteral("Bebas Neue"));
    QCOMPARE(QFontInfo(fontFor({"MS Sans Serif", 17.25})).family(),
             QStringLiteral("Liberation Sans"));
}

// Stands for the processor the thread runs on when it asks.
constexpr int runningProcessor = -2;

void StartupTest::keepOffProcessor_data() {
    QTest::addColumn<bool>("onlyOneAllowed");
    QTest::addColumn<int>("cpu");
    QTest::addColumn<bool>("removed");
    QTest::addRow("running_one_among_several") << false << runningProcessor << true;
    QTest::addRow("running_one_alone") << true << runningProcessor << false;
    QTest::addRow("unknown") << false << -1 << false;
    QTest::addRow("beyond_the_set") << false << CPU_SETSIZE << false;
}

void StartupTest::keepOffProcessor() {
    QFETCH(bool, onlyOneAllowed);
    QFETCH(int, cpu);
    QFETCH(bool, removed);
    cpu_set_t before;
    cpu_set_t after;
    int ranOn = -1;
    int runsOn = -1;
    // A thread of its own: the test's own thread keeps every processor.
    std::thread([&] {
        if (onlyOneAllowed) {
            cpu_set_t one;
            CPU_ZERO(&one);
            CPU_SET(sched_getcpu(), &one);
            sched_setaffinity(0, sizeof one, &one);
        }
        sched_getaffinity(0, sizeof before, &before);
        ranOn = sched_getcpu();
        ui::keepOffProcessor(cpu == runningProcessor ? ranOn : cpu);
        sched_getaffinity(0, sizeof after, &after);
        runsOn = sched_getcpu();
    }).join();
    if (!onlyOneAllowed && CPU_COUNT(&before) < 2)
        QSKIP("this machine allows the test one processor");

    QCOMPARE(CPU_COUNT(&after), CPU_COUNT(&before) - (removed ? 1 : 0));
    if (removed) {
        QVERIFY(!CPU_ISSET(ranOn, &after));
        QVERIFY(runsOn != ranOn);
    }
}

void StartupTest::shownWindowLoadsNoImagePlugin() {
    prepareApplication(record);
    Form form(window);
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    form.grab(); // paints every control once, as the first frame does

    QVERIFY2(loadedImagePlugins().isEmpty(), qPrintable(loadedImagePlugins().join(u' ')));
    QCOMPARE(form.windowIcon().pixmap(32, 32).size(), QSize(32, 32));
    const auto *extension = form.menuBar()->findChild<QToolButton *>();
    QVERIFY(extension);
    QVERIFY(!extension->icon().isNull());
}

void StartupTest::extensionChevronTurnsForRightToLeft() {
    Style style;
    const QImage leftToRight = extensionImage(style, Qt::LeftToRight);
    const QImage rightToLeft = extensionImage(style, Qt::RightToLeft);
    QVERIFY(!leftToRight.isNull());
    QVERIFY(leftToRight != rightToLeft);
    QCOMPARE(rightToLeft, leftToRight.mirrored(true, false));
}

QTEST_MAIN(StartupTest)
#include "tst_ui_startup.moc"
