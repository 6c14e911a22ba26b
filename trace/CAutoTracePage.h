#pragma once

#include "link/TraceUi.h"

#include <QRect>
#include <QWidget>

#include <memory>
#include <vector>

class HidTransport;
class QLineEdit;
class QPushButton;
class QtLiveTrace;
class CLiveTrace;
class DrawContext;

// The page under the "AUTOTRACE" tab: the live-trace buttons and the chart of
// the instrument's power against its reference. Creating it looks for the
// instrument once; the trace runs between Trace and Stop.
class CAutoTracePage : public QWidget, private TraceUi
{
    Q_OBJECT

public:
    explicit CAutoTracePage(std::shared_ptr<HidTransport> transport, QWidget* parent = nullptr);
    ~CAutoTracePage() override;

    // What the view uses.
    bool IsTraceStarted() const; // m_TraceStarted
    void Stop();                 // the Stop command
    void StopPollTimer();        // on every change to another tab
    void
    SetChartRect(const QRect& rect); // m_rcChart (x, y, width, height), replaced on every resize of the view

    // The buttons, pressed as a user would (for scripted runs such as --trace-for).
    void PressSavePath();
    void PressTrace();
    void PressStartToSave();
    void PressStop();

    QRect ChartRect() const { return m_rcChart; }
    // Whether the page, `pageSize` large with its chart at `chart`, keeps its
    // buttons, path box and chart texts apart and within it.
    bool FitsIn(const QSize& pageSize, const QRect& chart) const;
    QString SavePathText() const;
    const CLiveTrace& Trace() const;
    // The chart as the page paints it.
    void PaintChart(DrawContext& dc) const;

signals:
    // After a report was taken in and the chart asked to repaint.
    void RepaintRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void ShowMessage(const std::string& text, const std::string& caption, const std::string& detail) override;
    void ShowSaveButton(bool enabled, bool checked) override;
    void ShowSavePath(const std::string& path) override;
    void RepaintChart() override;
    void RepaintPage() override;

    void OnSaveToggled(bool checked);

    QPushButton* m_SavePathButton;
    QLineEdit* m_PathEdit;
    QPushButton* m_TraceButton;
    QPushButton* m_SaveButton;
    QPushButton* m_StopButton;
    QRect m_rcChart{40, 10, 560, 540};
    std::vector<QRect> m_ChildRects; // the page's rectangle at creation, then each control's
    std::unique_ptr<QtLiveTrace> m_Live;
};
