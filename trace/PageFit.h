#pragma once

#include <QRect>

#include <vector>

class QFontMetrics;
class RecordingDrawContext;

// Whether a trace page fits a size: its controls, where the proportional
// resize puts them, and the texts its chart draws all lie within the page,
// no two overlap, and every control keeps PageSpacing pixels from anything
// else. The view takes the smallest size at which both trace pages fit as the
// window's minimum.

// Enough room around a control that it reads as one of its own.
inline constexpr int PageSpacing = 4;

// The rectangles of the texts a chart drew at their points (the charts place
// every text by its top-left corner), measured in the font they are painted
// with.
std::vector<QRect> DrawnTextRects(const RecordingDrawContext& drawn, const QFontMetrics& metrics);

// True when `controls` and `texts` fit `bounds` as said above. The chart
// places its own texts, so they only need not overlap one another.
bool LaidApart(const std::vector<QRect>& controls, const std::vector<QRect>& texts, const QRect& bounds);
