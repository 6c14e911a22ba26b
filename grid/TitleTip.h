#pragma once

#include <QFont>
#include <QWidget>

// A small pop-up showing the whole text of a cell that is cut off, while the
// pointer rests on the cell. It never takes the focus or the mouse: the grid
// goes on receiving the moves, clicks and keys, and hides the tip.
class CTitleTip : public QWidget
{
    Q_OBJECT

public:
    explicit CTitleTip(QWidget* parentGrid);

    // The rectangles are in the coordinates of the grid's viewport.
    void Show(const QRect& titleRect, const QString& text, int xOffset, const QRect& hoverRect,
              const QFont& font);
    void Hide();
    void OnParentMouseMove(const QPoint& point);
    QString GetText() const { return m_Text; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_ParentGrid;
    QRect m_HoverRect;
    QString m_Text;
};
