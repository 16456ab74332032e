// libFuzzer entry: every input goes through the conversions and their check;
// a difference is a crash, so the fuzzer keeps the input that showed it.

#include "checks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string error = fuzzcheck::checkConversions(data, size);
    if (!error.empty()) {
        std::fprintf(stderr, "conversion mismatch: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}
