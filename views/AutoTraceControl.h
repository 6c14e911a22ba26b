#pragma once

#include <QRect>

#include <functional>
#include <memory>

class QWidget;

// What the view needs of the AUTOTRACE page: the page widget to place, show
// and hide, whether a live trace runs, stopping it, stopping the poll timer
// and handing it its chart rectangle.
class AutoTraceControl
{
public:
    virtual ~AutoTraceControl() = default;
    virtual QWidget* Page() = 0;
    virtual bool IsTraceStarted() const = 0;
    virtual void Stop() = 0;
    virtual void StopPollTimer() = 0;
    virtual void SetChartRect(const QRect& rect) = 0;
};

// Creates the AUTOTRACE page as a child of `parent`.
using AutoTraceFactory = std::function<std::unique_ptr<AutoTraceControl>(QWidget* parent)>;
