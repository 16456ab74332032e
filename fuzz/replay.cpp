// Replays the committed fuzz corpus through the same oracle, so every input
// the fuzzer ever found interesting is checked on each test run, without clang.

#include "conversions_oracle.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

int main(int argc, char **argv) {
    if (argc < 2) {
        std::cerr << "usage: fuzz_replay CORPUS-DIRECTORY...\n";
        return 2;
    }
    int files = 0;
    int failures = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto &entry : std::filesystem::directory_iterator(argv[i])) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            const std::vector<char> bytes{std::istreambuf_iterator<char>(in), {}};
            const std::string error = fuzzcheck::checkConversions(
                reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
            ++files;
            if (!error.empty()) {
                ++failures;
                std::cerr << entry.path().filename().string() << ": " << error << '\n';
            }
        }
    }
    std::cout << files << " inputs replayed, " << failures << " mismatches\n";
    return files > 0 && failures == 0 ? 0 : 1;
}
