#pragma once

#include <functional>

class ReportJob;
class QPagedPaintDevice;
class QPainter;
class QRect;
class ShapedTextCache;
struct PrintInfo;

// Told after each page: the pages done and the pages to do. False stops the
// job.
using PageProgress = std::function<bool(unsigned done, unsigned total)>;

enum class PageLoopResult
{
    Done,
    Cancelled,
    Failed // the device would not start a new page
};

// Pages `from` to `to` (taken within 1 .. the page count) of the report on
// `device`, which `painter` is open on; the caller ends or aborts the job.
PageLoopResult PrintReportPages(QPainter& painter, QPagedPaintDevice& device, ReportJob& job, unsigned from,
                                unsigned to, const PageProgress& progress = {});

// One page of a job that has begun (`info` filled by OnBeginPrinting) on the
// part `deviceArea` of the painter's device: what each page of the loop and
// each page a preview shows is painted with.
void PaintReportPage(QPainter& painter, const QRect& deviceArea, ReportJob& job, PrintInfo& info,
                     unsigned page, ShapedTextCache* shapes = nullptr);
