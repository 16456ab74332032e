#include "draw.h"

#include <memory>

namespace core {

std::int16_t drawFrom(float r) {
    return static_cast<std::int16_t>(1 + static_cast<int>(static_cast<double>(r) * 10.0));
}

std::int16_t drawOnce(RandomSource &source) {
    source.reseed();
    return drawFrom(source.next());
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
