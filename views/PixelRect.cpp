#include "PixelRect.h"

PixelRect ScaleAnchored(const PixelRect& recorded, const PixelRect& original, const PixelRect& current)
{
    const float sx = static_cast<float>(current.Width()) / static_cast<float>(original.Width());
    const float sy = static_cast<float>(current.Height()) / static_cast<float>(original.Height());
    const auto scaled = [](int offset, float factor) {
        return static_cast<int>(static_cast<float>(offset) * factor);
    };
    return {current.left + scaled(recorded.left - original.left, sx),
            current.top + scaled(recorded.top - original.top, sy),
            current.right + scaled(recorded.right - original.right, sx),
            current.bottom + scaled(recorded.bottom - original.bottom, sy)};
}
