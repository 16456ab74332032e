#include "interval.h"

#include "timer.h"

#include "core/conversions.h"

namespace ui {

std::optional<int> intervalFromText(const QString &text) {
    const std::optional<double> number = core::leadingNumber(text.toStdString());
    if (!number)
        return std::nullopt;
    const std::optional<std::int32_t> interval = core::roundToInt32(*number);
    if (!interval || *interval < 0)
        return std::nullopt;
    return *interval;
}

QString intervalRefusal(const QString &boxName, const QString &text) {
    return QStringLiteral("%1: \"%2\" is not an interval the timer can take.\n"
                          "Type a whole number of milliseconds from 0 to %3.")
        .arg(boxName, text)
        .arg(Timer::maxInterval);
}

} // namespace ui
