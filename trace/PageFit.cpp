#include "trace/PageFit.h"

#include "platform/draw/RecordingDrawContext.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstddef>

std::vector<QRect> DrawnTextRects(const RecordingDrawContext& drawn, const QFontMetrics& metrics)
{
    std::vector<QRect> rects;
    for (const RecordingDrawContext::Text& text : drawn.Texts()) {
        if (text.text.isEmpty())
            continue;
        rects.emplace_back(text.at, QSize(metrics.horizontalAdvance(text.text), metrics.height()));
    }
    return rects;
}

bool LaidApart(const std::vector<QRect>& controls, const std::vector<QRect>& texts, const QRect& bounds)
{
    const auto within = [&bounds](const QRect& rect) { return bounds.contains(rect); };
    if (!std::all_of(controls.begin(), controls.end(), within) ||
        !std::all_of(texts.begin(), texts.end(), within))
        return false;
    for (size_t i = 0; i < controls.size(); ++i) {
        const QRect surround = controls[i].adjusted(-PageSpacing, -PageSpacing, PageSpacing, PageSpacing);
        const auto crowded = [&surround](const QRect& other) { return surround.intersects(other); };
        if (std::any_of(controls.begin() + static_cast<std::ptrdiff_t>(i) + 1, controls.end(), crowded) ||
            std::any_of(texts.begin(), texts.end(), crowded))
            return false;
    }
    for (size_t i = 0; i < texts.size(); ++i) {
        for (size_t j = i + 1; j < texts.size(); ++j)
            if (texts[i].intersects(texts[j]))
                return false;
    }
    return true;
}
