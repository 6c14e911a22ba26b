#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <utility>
#include <vector>

class DrawContext;
class QLineEdit;
struct RecordedTraceChartData;
struct TraceFileContents;

// The page under the "TRACE" tab: a recorded power trace with its statistics
// and its chart, the range choices and the zero-line commands.
class CTracePage : public QWidget
{
    Q_OBJECT

public:
    explicit CTracePage(QWidget* parent = nullptr);

    // m_rcChart, replaced by the view on every resize of the view.
    void SetChartRect(const QRect& rect);
    QRect ChartRect() const { return m_rcChart; }
    // Whether the page, `pageSize` large with its chart at `chart`, keeps its
    // controls and chart texts apart and within it.
    bool FitsIn(const QSize& pageSize, const QRect& chart) const;

    // A recorded trace or a trace document that was loaded from `path`:
    // shows its statistics and texts and plots its values against its
    // reference. A document has no wavelength and no times, so theirs are
    // emptied.
    void ShowTrace(const QString& path, const TraceFileContents& trace);
    QString TraceFilePath() const { return m_TraceFilePath; }

    // The zero-line commands, as their buttons give them.
    void LineAsReference();
    void LineAsAverage();

    // The two cursors: the samples they stand at, counted from 0 (nothing
    // without samples), and the lines of their readout as the chart shows it.
    std::optional<std::pair<int, int>> CursorSamples() const { return m_Cursors; }
    // Moves the cursor nearer to x (of the chart) to the sample there, as a
    // press and drag on the chart does.
    void DragCursorTo(int x);
    std::vector<QString> CursorReadout() const;

    // The chart as the page paints it.
    void PaintChart(DrawContext& dc) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // The texts of the cursors' readout, and its lines made of them.
    struct CursorTexts
    {
        QString timeA, powerA, timeB, powerB, span, delta, count, minimum, average, maximum;
    };
    static std::vector<QString> ReadoutLines(const CursorTexts& texts);

    void AddControls();
    QLineEdit* Edit(int id) const;
    void SetEditText(int id, const std::string& text);
    void ShowNoData();
    RecordedTraceChartData ChartData() const;

    // 0: the zero line is the reference, labelled "Ref."; 1: the average, "Avg.".
    int m_LineMode = 0;
    QRect m_rcChart{QPoint(40, 10), QPoint(599, 549)};
    // The page's rectangle at creation, then each child's, in child order;
    // the resize keeps every child at its scaled offset and its own size.
    std::vector<QRect> m_ChildRects;
    QString m_TraceFilePath; // the last file shown
    float m_Range = 1.0f;    // dB from the zero line to the top of the power axis
    float m_Average = 0.0f;  // of the samples of the last file shown
    int m_SampleCount = 0;
    int m_RecordedSeconds = -1; // from the start to the end; -1 when unknown
    QString m_TraceRefText;     // the file's reference, "%.2f"
    // The zero line's level, then the samples in file order, dBm.
    std::vector<float> m_PlotValues;
    std::optional<std::pair<int, int>> m_Cursors; // A's and B's samples
    std::optional<int> m_DraggedCursor;           // 0: A, 1: B, while the mouse drags it
};
