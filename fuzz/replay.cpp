// Replays the committed fuzz corpus through the same check, so every input
// the fuzzer ever found interesting is checked on each test run, without clang.

#include "conversions_check.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>

int main(int argc, char **argv) {
    int inputs = 0, failures = 0;
    for (int i = 1; i < argc; ++i) {
        for (const auto &entry : std::filesystem::directory_iterator(argv[i])) {
            std::ifstream in(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(in), {}};
            const std::string error = fuzzcheck::checkConversions(
                reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
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
