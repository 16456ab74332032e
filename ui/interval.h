#pragma once

#include <QString>

#include <optional>

namespace ui {

// The interval a box's text asks for: its leading number rounded to whole
// milliseconds (text that is no number gives 0). Empty when a timer cannot
// take it: below 0 or beyond the 32-bit range.
std::optional<int> intervalFromText(const QString &text);

// The message that names the box whose interval was refused, and the range.
QString intervalRefusal(const QString &boxName, const QString &text);

} // namespace ui
