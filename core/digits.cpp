#include "digits.h"

namespace core {

Digits spin(const Draw &draw) {
    Digits digits;
    for (std::int16_t &digit : digits)
        digit = drawCellValue(draw);
    return digits;
}

} // namespace core
