#pragma once

#include <string_view>

namespace startup {

// What a program file says about itself: its maker, its product, its version
// and what it is for. The same record names the running application to the
// desktop and answers --version and --help.
struct VersionRecord {
    std::string_view company{};
    std::string_view product{};
    std::string_view program{};      // the program file's own name, e.g. "pallixb"
    std::string_view version{};      // file and product version alike, "2.00"
    std::string_view desktopEntry{}; // the desktop entry's name without ".desktop"
    std::string_view summary{};      // one line: what the program is
    std::string_view usage{};        // a few sentences: how its window is used
};

// Defined in each program file by the source CMake writes from the table of
// programs in packaging/CMakeLists.txt.
extern const VersionRecord programVersion;

} // namespace startup
