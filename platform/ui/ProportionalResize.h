#pragma once

#include "platform/ui/PixelRect.h"

#include <QRect>
#include <QSize>

#include <optional>
#include <vector>

class QWidget;

// The proportional resize that the view and its pages share. What was laid
// out while a form had one size keeps its offsets scaled by how the form's
// width and height changed since: the quotients of the current and the
// recorded sizes as 32-bit floats, each scaled offset cut toward zero.

// Each edge of `recorded`, laid out while the form was `original`, keeps its
// scaled distance from the matching edge of the form, which is now `current`.
PixelRect ScaleAnchored(const PixelRect& recorded, const PixelRect& original, const PixelRect& current);

// What a form records once its children are laid out: its own rectangle, then
// each child widget's, in child order.
std::vector<QRect> RecordChildRects(const QWidget& form);

// Where MoveChildrenInProportion puts each recorded child, in child order,
// once the form is `formSize`.
std::vector<QRect> ProportionalChildRects(const std::vector<QRect>& childRects, const QSize& formSize,
                                          const std::optional<QSize>& fixedSize = std::nullopt);

// Moves each child widget of `form`, in child order, paired with the next
// entry of `childRects` (as RecordChildRects made them), to its recorded
// offset from the form's top-left corner, scaled. A child takes `fixedSize`
// when one is given and keeps its recorded size otherwise. Before anything
// was recorded it does nothing.
void MoveChildrenInProportion(QWidget& form, const std::vector<QRect>& childRects,
                              const std::optional<QSize>& fixedSize = std::nullopt);
