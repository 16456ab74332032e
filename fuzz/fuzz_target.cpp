// libFuzzer entry for one of the checks of checks.h, chosen when it is built
// (-DFUZZ_CHECK=checkBoxText): a broken rule is a crash, so the fuzzer keeps
// the input that showed it.

#include "checks.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string error = fuzzcheck::FUZZ_CHECK(data, size);
    if (!error.empty()) {
        std::fprintf(stderr, "check failed: %s\n", error.c_str());
        std::abort();
    }
    return 0;
}
