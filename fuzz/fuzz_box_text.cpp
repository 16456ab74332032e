// libFuzzer entry for a box's cleaning: a broken rule is a crash, so the
// fuzzer keeps the input that showed it.

#include "checks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string error = fuzzcheck::checkBoxText(data, size);
    if (!error.empty()) {
        std::fprintf(stderr, "box text rule broken: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}
