#pragma once

#include <QRect>

#include <functional>
#include <memory>

class QWidget;

// What the view needs of the AUTOTRACE page: the page widget to place, show
// and hide, whether a live trace runs, stopping it, stopping the poll timer,
// handing it its chart rectangle, and whether it fits a size.
class AutoTraceControl
{
public:
    virtual ~AutoTraceControl() = default;
    virtual QWidget* Page() = 0;
    virtual bool IsTraceStarted() const = 0;
    virtual void Stop() = 0;
    virtual void StopPollTimer() = 0;
    virtual void SetChartRect(const QRect& rect) = 0;
    // Whether the page, `pageSize` large with its chart at `chart`, keeps
    // its controls and chart texts apart and within it.
    virtual bool FitsIn(const QSize& pageSize, const QRect& chart) const = 0;
};

// Creates the AUTOTRACE page as a child of `parent`.
using AutoTraceFactory = std::function<std::unique_ptr<AutoTraceControl>(QWidget* parent)>;
