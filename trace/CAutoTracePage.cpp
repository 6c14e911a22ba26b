#include "CAutoTracePage.h"

#include "HidTransport.h"

CAutoTracePage::CAutoTracePage(std::shared_ptr<HidTransport> transport, QWidget* parent)
    : QWidget(parent), m_Transport(std::move(transport))
{
}

CAutoTracePage::~CAutoTracePage() = default;

bool CAutoTracePage::IsTraceStarted() const
{
    return m_TraceStarted;
}

void CAutoTracePage::Stop()
{
    m_TraceStarted = false;
}

void CAutoTracePage::StopPollTimer() {}

void CAutoTracePage::SetChartRect(const QRect& rect)
{
    m_rcChart = rect;
    update();
}

void CAutoTracePage::PressSavePath() {}

void CAutoTracePage::PressTrace() {}

void CAutoTracePage::PressStartToSave() {}

void CAutoTracePage::PressStop()
{
    Stop();
}
