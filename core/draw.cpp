#include "draw.h"

#include <memory>

namespace core {

std::int16_t drawFromBits(std::uint32_t bits) {
    return static_cast<std::int16_t>(1 + ((bits * 10u) >> 24));
}

std::int16_t drawOnce(RandomSource &source) {
    source.reseed();
    return drawFromBits(source.nextBits());
}

Draw clockSeededDraw() {
    // Shared, so that copies of the Draw go on with one sequence.
    auto source = std::make_shared<RandomSource>();
    return [source] { return drawOnce(*source); };
}

std::int16_t drawCellValue(const Draw &draw) {
    const std::int16_t first = draw();
    return first > 9 ? draw() : first;
}

} // namespace core
