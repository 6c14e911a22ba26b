#include "report/ReportPageLoop.h"

#include "platform/draw/QPainterDrawContext.h"
#include "platform/draw/ShapedTextCache.h"
#include "report/PrintInfo.h"
#include "report/ReportJob.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

void PaintReportPage(QPainter& painter, const QRect& deviceArea, ReportJob& job, PrintInfo& info,
                     unsigned page, ShapedTextCache* shapes)
{
    painter.save();
    {
        QPainterDrawContext dc(painter, deviceArea, shapes);
        info.m_CurrentPage = page;
        job.OnPrepareDC(dc, info);
        job.OnPrint(dc, info);
    }
    painter.restore();
}

PageLoopResult PrintReportPages(QPainter& painter, QPagedPaintDevice& device, ReportJob& job, unsigned from,
                                unsigned to, const PageProgress& progress)
{
    const QRect area(0, 0, device.width(), device.height());
    PrintInfo info;
    {
        QPainterDrawContext dc(painter, area);
        job.OnBeginPrinting(dc, info);
    }
    from = std::max(from, 1u);
    to = std::min(to, info.m_MaxPage);
    const unsigned total = to >= from ? to - from + 1 : 0;
    ShapedTextCache shapes;
    for (unsigned page = from; page <= to; ++page) {
        if (page > from && !device.newPage())
            return PageLoopResult::Failed;
        PaintReportPage(painter, area, job, info, page, &shapes);
        if (progress && !progress(page - from + 1, total))
            return PageLoopResult::Cancelled;
    }
    return PageLoopResult::Done;
}
