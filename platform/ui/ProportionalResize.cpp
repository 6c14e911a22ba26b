#include "platform/ui/ProportionalResize.h"

#include <QWidget>

namespace {
class ResizeScale
{
public:
    ResizeScale(int recordedWidth, int recordedHeight, int currentWidth, int currentHeight)
        : m_X(Quotient(currentWidth, recordedWidth)), m_Y(Quotient(currentHeight, recordedHeight))
    {
    }

    int X(int offset) const { return Scaled(offset, m_X); }
    int Y(int offset) const { return Scaled(offset, m_Y); }

private:
    // A layout recorded at no width (or height) has no proportion to keep:
    // its offsets stay as they are rather than growing without bound.
    static float Quotient(int current, int recorded)
    {
        return recorded == 0 ? 1.0f : static_cast<float>(current) / static_cast<float>(recorded);
    }
    static int Scaled(int offset, float factor)
    {
        return static_cast<int>(static_cast<float>(offset) * factor);
    }

    float m_X;
    float m_Y;
};

QList<QWidget*> ChildWidgets(const QWidget& form)
{
    return form.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
}
} // namespace

PixelRect ScaleAnchored(const PixelRect& recorded, const PixelRect& original, const PixelRect& current)
{
    const ResizeScale scale(original.Width(), original.Height(), current.Width(), current.Height());
    return {current.left + scale.X(recorded.left - original.left),
            current.top + scale.Y(recorded.top - original.top),
            current.right + scale.X(recorded.right - original.right),
            current.bottom + scale.Y(recorded.bottom - original.bottom)};
}

std::vector<QRect> RecordChildRects(const QWidget& form)
{
    std::vector<QRect> rects{form.rect()};
    for (const QWidget* child : ChildWidgets(form))
        rects.push_back(child->geometry());
    return rects;
}

std::vector<QRect> ProportionalChildRects(const std::vector<QRect>& childRects, const QSize& formSize,
                                          const std::optional<QSize>& fixedSize)
{
    std::vector<QRect> placed;
    if (childRects.empty())
        return placed;
    const QRect& initial = childRects.front();
    const ResizeScale scale(initial.width(), initial.height(), formSize.width(), formSize.height());
    for (size_t entry = 1; entry < childRects.size(); ++entry) {
        const QRect& recorded = childRects[entry];
        const QPoint at(scale.X(recorded.left() - initial.left()), scale.Y(recorded.top() - initial.top()));
        placed.emplace_back(at, fixedSize.value_or(recorded.size()));
    }
    return placed;
}

void MoveChildrenInProportion(QWidget& form, const std::vector<QRect>& childRects,
                              const std::optional<QSize>& fixedSize)
{
    const std::vector<QRect> placed = ProportionalChildRects(childRects, form.size(), fixedSize);
    size_t entry = 0;
    for (QWidget* child : ChildWidgets(form)) {
        if (entry >= placed.size())
            break;
        child->setGeometry(placed[entry++]);
    }
}
