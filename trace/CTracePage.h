#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <vector>

// The page under the "TRACE" tab: the range choices, the zero-line commands,
// the statistics boxes and the chart area of a recorded trace.
class CTracePage : public QWidget
{
    Q_OBJECT

public:
    explicit CTracePage(QWidget* parent = nullptr);

    // m_rcChart, replaced by the view on every resize of the view.
    void SetChartRect(const QRect& rect);
    QRect ChartRect() const { return m_rcChart; }
    // Whether the page, `pageSize` large with its chart at `chart`, keeps its
    // controls apart and within it.
    bool FitsIn(const QSize& pageSize, const QRect& chart) const;

    // File > Open on the TRACE tab with a file the user chose: checks and
    // shows the recorded trace. Filled by the recorded-trace work; until
    // then no file is accepted. Returns whether the file was accepted.
    bool OpenRecordedTrace(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void AddControls();

    QRect m_rcChart{QPoint(40, 10), QPoint(599, 549)};
    // The page's rectangle at creation, then each child's, in child order;
    // the resize keeps every child at its scaled offset and its own size.
    std::vector<QRect> m_ChildRects;
};
