#include "views/AutoTracePageControl.h"

#include "trace/CAutoTracePage.h"
#include "views/ReportOptionsDialog.h"

namespace {
class AutoTracePageControl : public AutoTraceControl
{
public:
    AutoTracePageControl(std::shared_ptr<HidTransport> transport, QWidget* parent, LiveBenchSetup setup)
        : m_Page(new CAutoTracePage(std::move(transport), parent, std::move(setup)))
    {
    }

    QWidget* Page() override { return m_Page; }
    bool IsTraceStarted() const override { return m_Page->IsTraceStarted(); }
    void Stop() override { m_Page->Stop(); }
    void StopPollTimer() override { m_Page->StopPollTimer(); }
    void SetChartRect(const QRect& rect) override { m_Page->SetChartRect(rect); }
    bool FitsIn(const QSize& pageSize, const QRect& chart) const override
    {
        return m_Page->FitsIn(pageSize, chart);
    }

private:
    CAutoTracePage* m_Page; // owned by its parent widget
};
} // namespace

AutoTraceFactory MakeAutoTracePageFactory(std::shared_ptr<HidTransport> transport, const std::string& program)
{
    return [transport = std::move(transport), program](QWidget* parent) -> std::unique_ptr<AutoTraceControl> {
        LiveBenchSetup setup;
        setup.program = program;
        // The certificate's logo is read anew for each, as a report's is.
        setup.reportOptions = [parent] {
            ReportOptions options = RememberedReportOptions();
            ReadRememberedLogo(parent, options);
            return options;
        };
        return std::make_unique<AutoTracePageControl>(transport, parent, std::move(setup));
    };
}
