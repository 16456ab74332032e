#pragma once

#include <string_view>

namespace ui {

// What a program file says about itself: its maker, its product and its
// version. The same record names the running application to the desktop.
struct VersionRecord {
    std::string_view company{};
    std::string_view product{};
    std::string_view program{};      // the program file's own name, e.g. "pallixb"
    std::string_view version{};      // file and product version alike, "2.00"
    std::string_view desktopEntry{}; // the desktop entry's name without ".desktop"
};

// Defined in each program file by the source CMake writes from the table of
// programs in packaging/CMakeLists.txt; the window layer itself never uses it.
extern const VersionRecord programVersion;

} // namespace ui
