// Runs corvane2's real window for a long time at its fastest: auto-spin every
// millisecond and a countdown ticking every millisecond, started again each
// time it completes, as a user would press "Spin" and "Count down" again. Every 10 s it
// samples its own resident memory; at the end it prints the growth after the
// first sample and the ticks delivered.
//
// usage: soak_driver SECONDS

#include "apps/corvane2/description.h"
#include "startup/run.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

namespace {

long residentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return std::atol(line.c_str() + 6);
    return -1;
}

} // namespace

// The soak driver names itself; it is not one of the shipped programs.
const startup::VersionRecord startup::programVersion{.company = "Quabrix International",
                                                     .product = "Vantorel",
                                                     .program = "soak_driver",
                                                     .version = "2.00"};

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: soak_driver SECONDS\n");
        return 2;
    }
    const int seconds = std::atoi(argv[1]);
    QApplication app(argc, argv);
    startup::prepareApplication(startup::programVersion);
    countdown::CountdownWindow window(corvane2::program);
    QObject::connect(&window, &ui::Window::programEnded, &app, &QCoreApplication::quit);
    window.show();
    const countdown::CountdownControls &controls = window.controls();
    QPushButton *const spin = controls.spinButton;
    QPushButton *const countDown = controls.countDownButton;
    ui::Timer *const autoSpinTimer = controls.autoSpinTimer;
    ui::Timer *const countdownTimer = controls.countdownTimer;

    long spinTicks = 0;
    long countdownTicks = 0;
    long completions = 0;
    // Connected after the window's own handlers, so these run after each tick.
    QObject::connect(autoSpinTimer, &ui::Timer::timeout, &app, [&] { ++spinTicks; });
    QObject::connect(countdownTimer, &ui::Timer::timeout, &app, [&] {
        ++countdownTicks;
        if (!countdownTimer->isEnabled()) { // completed: fresh digits, count down again
            ++completions;
            QTimer::singleShot(0, &window, [=] {
                spin->click();
                countDown->click();
            });
        }
    });

    controls.spinSpeedBox->setText(QStringLiteral("1"));
    controls.countdownSpeedBox->setText(QStringLiteral("1"));
    spin->click();
    controls.autoSpinButton->click();
    countDown->click();

    QElapsedTimer clock;
    clock.start();
    long firstSample = -1;
    const auto sample = [&] {
        const long rss = residentKiB();
        if (firstSample < 0)
            firstSample = rss;
        std::printf("%6.0f s  RSS %ld KiB  spins %ld  countdown ticks %ld  completions %ld\n",
                    clock.elapsed() / 1000.0, rss, spinTicks, countdownTicks, completions);
        std::fflush(stdout);
        return rss;
    };
    QTimer sampler;
    sampler.setInterval(10'000);
    QObject::connect(&sampler, &QTimer::timeout, &app, sample);
    long last = 0;
    QTimer::singleShot(seconds * 1000, &app, [&] {
        last = sample();
        controls.exitButton->click(); // as the user leaves
    });
    sampler.start();
    app.exec();

    std::printf("soak: %d s, RSS first sample %ld KiB, last %ld KiB, growth %ld KiB, "
                "auto-spin ticks %ld, countdown ticks %ld, countdowns completed %ld\n",
                seconds, firstSample, last, last - firstSample, spinTicks, countdownTicks,
                completions);
    return 0;
}
