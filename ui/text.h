#pragma once

#include <QString>

#include <string_view>

namespace ui {

// The tables and version records hold UTF-8 text.
inline QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace ui
