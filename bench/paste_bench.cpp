// What one paste into corvane2's "Speed of Spins" box costs, from the paste
// to the box repainted after the next key (Left): digits of scripts with and
// without an installed font, letters, marks, jamo, invisible characters,
// full-width forms, up to 1 Mi UTF-16 code units. Goal: every paste within
// 100 ms, and nothing written to standard error, which fails the row.
//
// Font look-ups are cached for the rest of a process once made, so only the
// first paste of a kind costs what a user meets: run each row in a process of
// its own (make bench does),
//
//   paste_bench --benchmark_filter='^BM_Paste/devanagari_digits/3$'
//
// Runs offscreen unless a platform is chosen; FONTCONFIG_FILE chooses the
// fonts it sees.

#include "apps/corvane2/description.h"
#include "offscreen_application.h"

#include <QClipboard>
#include <QKeyEvent>

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <unistd.h>

namespace {

struct Sample {
    const char *name;
    const char16_t *unit; // repeated to the size asked
};

const Sample samples[] = {
    {"ascii_digits", u"7"},
    {"devanagari_digits", u"\u0969\u0966\u0966"},
    {"devanagari_letters", u"\u0905\u0906\u0907"},
    {"thai_digits", u"\u0E53\u0E50\u0E50"},
    {"khmer_digits", u"\u17E3\u17E0\u17E0"},
    {"khmer_inherent_vowel", u"1\u17B400"},
    {"combining_accents", u"1\u0301\u0301\u0301"},
    {"leading_jamo", u"\u1100"},
    {"zero_width_spaces", u"\u200B"},
    {"zero_width_spaces_then_digits", nullptr}, // all of the size but "42"
    {"full_width", u"\uFF11\uFF45\uFF13"},
    {"cjk", u"\u6570\u5B57"},
    {"emoji_sequence", u"\U0001F469\u200D\U0001F467\uFE0F"},
    {"arabic_letters", u"\u0639\u062F\u062F"},
};

QString textOfSize(const Sample &sample, qsizetype size) {
    if (!sample.unit)
        return QString(std::max<qsizetype>(size - 2, 1), QChar(0x200B)) + QStringLiteral("42");
    const QString unit = QString::fromUtf16(sample.unit);
    return unit.repeated(std::max<qsizetype>(1, size / unit.size()));
}

// Standard error into a file while it lives, to count what is written.
class StderrCount {
public:
    StderrCount() : m_file(std::tmpfile()), m_saved(dup(2)) { dup2(fileno(m_file), 2); }
    ~StderrCount() {
        dup2(m_saved, 2);
        close(m_saved);
        std::fclose(m_file);
    }
    StderrCount(const StderrCount &) = delete;
    StderrCount &operator=(const StderrCount &) = delete;

    long bytes() const {
        std::fflush(stderr);
        return lseek(fileno(m_file), 0, SEEK_END);
    }

private:
    std::FILE *m_file;
    int m_saved;
};

void BM_Paste(benchmark::State &state, const Sample &sample) {
    countdown::CountdownWindow window(corvane2::program);
    window.show();
    QApplication::processEvents();
    QLineEdit *box = window.controls().spinSpeedBox;
    box->setFocus();
    QApplication::clipboard()->setText(textOfSize(sample, qsizetype(state.range(0))));
    long written = 0;
    double milliseconds = 0; // reported with an error too, which has no timings of its own
    for (auto _ : state) {
        const StderrCount errors;
        const auto start = std::chrono::steady_clock::now();
        box->selectAll();
        box->paste();
        box->repaint();
        QKeyEvent left(QEvent::KeyPress, Qt::Key_Left, Qt::NoModifier);
        QApplication::sendEvent(box, &left);
        box->repaint();
        QApplication::processEvents();
        milliseconds +=
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                .count();
        written += errors.bytes();
    }
    state.counters["stderr_bytes"] = double(written);
    state.counters["box_characters"] = double(box->text().toStdU32String().size());
    if (written > 0)
        state.SkipWithError(("the paste took " + std::to_string(milliseconds) + " ms and wrote " +
                             std::to_string(written) + " bytes to standard error")
                                .c_str());
}

} // namespace

int main(int argc, char **argv) {
    OffscreenApplication app(argc, argv);
    for (const Sample &sample : samples)
        benchmark::RegisterBenchmark((std::string("BM_Paste/") + sample.name).c_str(), BM_Paste,
                                     sample)
            ->Arg(3)
            ->Arg(64 << 10)
            ->Arg(1 << 20)
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
}
