#include "schemes.h"

#include "contrast.h"

namespace core {

SchemeColours readableColours(const Scheme &scheme, const SchemeColours &desktop) {
    if (contrastRatio(desktop.cellFore, desktop.cellBack) >= readableContrast)
        return desktop;
    return {usualRgb(scheme.frameBack), usualRgb(scheme.cellBack), usualRgb(scheme.cellFore)};
}

} // namespace core
