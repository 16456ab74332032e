// Replays the committed fuzz corpora through the same checks, so every input
// the fuzzers ever found interesting is checked on each test run, without
// clang. A corpus folder is named after its fuzzer's check: conversions or
// box_text.

#include "checks.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char **argv) {
    int inputs = 0, failures = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path folder(argv[i]);
        const auto check =
            folder.filename() == "box_text" ? fuzzcheck::checkBoxText : fuzzcheck::checkConversions;
        for (const auto &entry : std::filesystem::directory_iterator(folder)) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            const std::string error =
                check(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            ++inputs;
            if (error.empty())
                continue;
            ++failures;
            std::cerr << entry.path().filename().string() << ": " << error << '\n';
        }
    }
    std::cout << inputs << " inputs replayed, " << failures << " differences\n";
    return inputs > 0 && failures == 0 ? 0 : 1;
}
