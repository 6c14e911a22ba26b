#include "trace/LiveBenchFiles.h"

#include "data/Documents.h"
#include "link/CLiveTrace.h"
#include "link/LocalTime.h"
#include "platform/files/SafeFileWriter.h"
#include "platform/ui/Prompts.h"
#include "report/ReportPageLoop.h"
#include "report/ReportPdf.h"

#include <QPainter>
#include <QPrinter>

namespace {
using Facts = StabilityCertificateFacts;

QDateTime DateTimeOf(const LocalDateTime& t)
{
    return QDateTime(QDate(t.year, t.month, t.day), QTime(t.hour, t.minute, t.second, t.millisecond));
}

Facts::Verdict VerdictOf(StabilityVerdict verdict)
{
    switch (verdict) {
    case StabilityVerdict::Pass:
        return Facts::Verdict::Pass;
    case StabilityVerdict::Fail:
        return Facts::Verdict::Fail;
    case StabilityVerdict::Incomplete:
        return Facts::Verdict::Incomplete;
    case StabilityVerdict::None:
        break;
    }
    return Facts::Verdict::None;
}

Facts::Ending EndingOf(RunEnding ending)
{
    switch (ending) {
    case RunEnding::Stopped:
        return Facts::Ending::Stopped;
    case RunEnding::InstrumentLost:
        return Facts::Ending::InstrumentLost;
    case RunEnding::Running:
    case RunEnding::Completed:
        break;
    }
    return Facts::Ending::Completed;
}

Facts::Mark MarkOf(ReadingState state)
{
    return state == ReadingState::Low    ? Facts::Mark::Low
           : state == ReadingState::High ? Facts::Mark::High
                                         : Facts::Mark::Number;
}

std::optional<double> PowerOf(const std::optional<CReadingStatistics::Extreme>& extreme)
{
    return extreme ? std::optional<double>(extreme->power) : std::nullopt;
}
} // namespace

StabilityCertificateFacts CertificateFactsOf(const CLiveTrace& trace, const CStabilityRun& run,
                                             const QString& program, const QString& log)
{
    Facts facts;
    const StabilitySettings& settings = run.Settings();
    facts.started = DateTimeOf(run.StartedAt());
    facts.ended = DateTimeOf(AddMilliseconds(run.StartedAt(), run.EndMs() - run.StartMs()));
    facts.plannedSeconds = settings.durationS;
    facts.intervalS = settings.intervalS;
    facts.toleranceDb = settings.toleranceDb;
    facts.ending = EndingOf(run.Ending());
    facts.verdict = VerdictOf(run.Verdict());
    facts.program = program;
    facts.log = log;
    const auto timeOf = [&](const std::optional<CReadingStatistics::Extreme>& extreme) {
        return extreme ? DateTimeOf(trace.TimeOf(extreme->atMs)) : QDateTime();
    };
    for (const StabilityResult& result : run.Results()) {
        const CReadingStatistics& s = result.statistics;
        Facts::Result row;
        row.wavelength = result.wavelength;
        row.readings = s.Count();
        row.low = s.LowCount();
        row.high = s.HighCount();
        row.first = PowerOf(s.First());
        row.last = PowerOf(s.Last());
        row.minimum = PowerOf(s.Minimum());
        row.maximum = PowerOf(s.Maximum());
        row.minimumAt = timeOf(s.Minimum());
        row.maximumAt = timeOf(s.Maximum());
        row.average = s.Average();
        row.stdDeviation = s.StdDeviation();
        row.span = s.Span();
        row.drift = result.drift;
        row.verdict = VerdictOf(result.verdict);
        facts.results.push_back(row);
    }
    facts.readings.reserve(run.Readings().size());
    for (const TimedReading& reading : run.Readings())
        facts.readings.push_back({double(reading.atMs - run.StartMs()) / 1000.0, reading.power,
                                  reading.wavelength, MarkOf(reading.state)});
    return facts;
}

WriteResult WriteCertificatePdf(const std::string& path, const StabilityCertificateFacts& facts,
                                const ReportOptions& options)
{
    CStabilityCertificate certificate(facts, options);
    const ReportPdfResult pdf = ReportPdf(certificate, DefaultReportPaper());
    if (pdf.result != PageLoopResult::Done) {
        WriteResult failed;
        static_cast<IoResult&>(failed) = IoRefusal(IoStatus::Failed, "the page could not be drawn");
        failed.path = path;
        return failed;
    }
    return WriteFileSafely(path, pdf.bytes.toStdString());
}

bool PrintCertificate(QWidget* owner, const StabilityCertificateFacts& facts, const ReportOptions& options)
{
    QPrinter printer(QPrinter::HighResolution);
    if (!Prompts::Current().PrintDialog(owner, printer, 0, 0))
        return false;
    CStabilityCertificate certificate(facts, options);
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const PageLoopResult printed = PrintReportPages(painter, printer, certificate, 1, 1);
    painter.end();
    return printed == PageLoopResult::Done;
}

WriteResult WriteTraceDocumentOf(const std::string& path, const std::vector<TimedReading>& readings,
                                 uint16_t wavelength, float reference)
{
    std::vector<float> values{reference};
    for (const TimedReading& reading : readings)
        if (reading.wavelength == wavelength)
            values.push_back(reading.power);
    return WriteFileSafely(path, TraceDocumentBytesOf(values));
}
