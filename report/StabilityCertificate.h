#pragma once

#include "report/ReportBrand.h"
#include "report/ReportJob.h"
#include "report/ReportOptions.h"
#include "report/ReportText.h"

#include <QDateTime>
#include <QPoint>

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

// A stability run as its certificate states it: when and how it ran, what
// each wavelength's readings came to, the verdict, and the readings to draw.
struct StabilityCertificateFacts
{
    enum class Verdict : uint8_t
    {
        None, // no tolerance asked for
        Pass,
        Fail,
        Incomplete
    };
    enum class Ending : uint8_t
    {
        Completed,
        Stopped,
        InstrumentLost
    };
    enum class Mark : uint8_t
    {
        Number,
        Low,
        High
    };

    struct Result
    {
        int wavelength = 0;
        int64_t readings = 0; // with a number
        int64_t low = 0;
        int64_t high = 0;
        // The first and last readings with a number, which the drift runs between.
        std::optional<double> first, last;
        std::optional<double> minimum, maximum, average, stdDeviation, span, drift;
        QDateTime minimumAt, maximumAt;
        Verdict verdict = Verdict::None;
    };

    struct Reading
    {
        double seconds; // from the start
        float dBm;
        int wavelength;
        Mark mark;
    };

    QDateTime started;
    QDateTime ended;
    int plannedSeconds = 0;
    int intervalS = 0; // 0: every reading
    std::optional<double> toleranceDb;
    Ending ending = Ending::Completed;
    std::vector<Result> results; // one per wavelength
    Verdict verdict = Verdict::Incomplete;
    std::vector<Reading> readings;
    QString program; // the program and its version
    QString log;     // the log the run went to; empty: none
};

// The one-page certificate of a stability run as a report job: printed,
// previewed or written as a PDF through the report's page loop, headed by
// the report's company and logo and ended by its footer, in the report's
// language.
class CStabilityCertificate : public ReportJob
{
public:
    CStabilityCertificate(StabilityCertificateFacts facts, const ReportOptions& options);

    QString Title() const override;
    const ReportOptions& Options() const override { return m_Options; }
    const ReportLanguage& Language() const override { return *m_Language; }
    const QDateTime& PrintedAt() const override { return m_PrintedAt; }
    unsigned PageCount() override { return 1; }

    void OnBeginPrinting(DrawContext& dc, PrintInfo& info) override;
    void OnPrepareDC(DrawContext& dc, const PrintInfo& info) override;
    void OnPrint(DrawContext& dc, const PrintInfo& info) override;

    // The bottom-right corner of the page's content, footer included
    // (exclusive), in report units: what must fit on the paper.
    static QPoint LayoutEnd();

private:
    int PrintRun(DrawContext& dc, int top) const;
    int PrintResults(DrawContext& dc, int top) const;
    void PrintChart(DrawContext& dc, int top, int bottom) const;
    void PrintVerdict(DrawContext& dc, int top) const;

    StabilityCertificateFacts m_Facts;
    ReportOptions m_Options;
    ReportBrand m_Brand;
    std::shared_ptr<ReportLanguage> m_Language;
    QDateTime m_PrintedAt;
};
