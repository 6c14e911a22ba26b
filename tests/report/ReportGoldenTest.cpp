#include "data/FileLoading.h"
#include "platform/draw/RecordingDrawContext.h"
#include "report/CReportPrinting.h"
#include "report/StabilityCertificate.h"
#include "tests/report/ReportStores.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

// Every rule and text of the reports of the samples, page by page, compared
// with the listings checked in under tests/report/golden/, so that a change
// of the layout shows as a diff in review. After a deliberate change,
// scripts/update-golden.sh writes them again.

namespace {
namespace fs = std::filesystem;

QString FormatName(const std::optional<DrawContext::TextFormat>& format)
{
    using F = DrawContext::TextFormat;
    if (!format)
        return QStringLiteral("at");
    if (*format == (F::HCenter | F::VCenter | F::SingleLine))
        return QStringLiteral("centred");
    if (*format == (F::Left | F::VCenter | F::SingleLine))
        return QStringLiteral("left");
    if (*format == (F::WordBreak | F::EditControl))
        return QStringLiteral("wrapped");
    if (*format == (F::Right | F::VCenter | F::SingleLine))
        return QStringLiteral("right");
    return QString::number(static_cast<unsigned>(*format), 16);
}

// One line per rule and text, in drawing order; fonts by the face the report
// asks for and their weight (the installed face's sizes are not the layout's).
std::string Listing(const RecordingDrawContext& dc)
{
    QString out;
    for (const RecordingDrawContext::Line& line : dc.Lines())
        out += QString::asprintf("line %d,%d %d,%d\n", line.line.x1(), line.line.y1(), line.line.x2(),
                                 line.line.y2());
    for (const RecordingDrawContext::Text& text : dc.Texts()) {
        const QRect& r = text.rect;
        const QString place = text.format
                                  ? QString::asprintf("%d,%d %dx%d", r.x(), r.y(), r.width(), r.height())
                                  : QString::asprintf("%d,%d", text.at.x(), text.at.y());
        out += QString("text %1 %2 %3 %4 \"%5\"\n")
                   .arg(place, FormatName(text.format), text.font.families().value(0))
                   .arg(text.font.weight())
                   .arg(text.text);
    }
    return out.toStdString();
}

// The listings of pages `first` to `last` of the job, each headed by
// "page N of M".
std::string PageListings(ReportJob& job, unsigned first, unsigned last)
{
    RecordingDrawContext measure;
    PrintInfo info;
    job.OnBeginPrinting(measure, info);
    std::string listing;
    for (unsigned page = first; page <= last; ++page) {
        RecordingDrawContext dc;
        info.m_CurrentPage = page;
        job.OnPrepareDC(dc, info);
        job.OnPrint(dc, info);
        listing +=
            "page " + std::to_string(page) + " of " + std::to_string(info.m_MaxPage) + "\n" + Listing(dc);
    }
    return listing;
}

// Compares `listing` with the golden file `name`, or writes it there when
// KAV_UPDATE_GOLDEN is set.
void ExpectGolden(const std::string& name, const std::string& listing)
{
    const std::string path = (SourceDir() / "tests" / "report" / "golden" / name).string();
    if (std::getenv("KAV_UPDATE_GOLDEN") != nullptr)
        WriteBytes(path, listing);
    ASSERT_TRUE(fs::exists(path)) << "no golden listing " << name << ": run scripts/update-golden.sh";
    EXPECT_EQ(listing, ReadBytes(path)) << name << " differs from its golden listing";
}

// Page `n of M` headings and the footers' page counts aside, the same
// listing.
std::string WithoutPageHeadings(const std::string& listing)
{
    const std::string unheaded = std::regex_replace(listing, std::regex("page \\d+ of \\d+\n"), "");
    return std::regex_replace(unheaded, std::regex("Page \\d+ of \\d+"), "Page n of N");
}
} // namespace

// The report's own pages, and for a loss test the summary pages that lead
// them when it has them (certified against each record's own threshold):
// the summary's first, then the same pages.
TEST(ReportGoldenTest, EverySamplesReportDrawsItsGoldenListing)
{
    // The footer's time of printing, the same on every run.
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    std::set<std::string> listed;
    for (const fs::directory_entry& entry : fs::directory_iterator(SourceDir() / "samples")) {
        if (entry.path().extension() != ".bin")
            continue;
        CDataStore store;
        const LoadOutcome outcome = LoadFile(entry.path().string(), store);
        ASSERT_EQ(outcome.result, DecodeResult::Ok) << entry.path();
        const ReportKind kind = ReportKindOf(RecordKindOf(outcome.kind), store.KavWaveCount());
        if (kind == ReportKind::None) {
            EXPECT_EQ(RecordKindOf(outcome.kind), RecordKind::Trace) << entry.path();
            continue;
        }
        ReportOptions options = WithoutSummary();
        options.sourceFile = entry.path().filename().string();
        CReportPrinting job(store, kind, options);
        const unsigned pages = job.PageCount();
        const std::string listing = PageListings(job, 1, pages);
        const std::string stem = entry.path().stem().string();
        listed.insert(stem);
        ExpectGolden(stem + ".txt", listing);

        options.summaryPage = true;
        CReportPrinting summed(store, kind, options);
        if (RecordKindOf(outcome.kind) != RecordKind::Kav) {
            EXPECT_EQ(summed.PageCount(), pages) << stem;
            continue;
        }
        ASSERT_EQ(summed.PageCount(), pages + 1) << stem;
        EXPECT_EQ(WithoutPageHeadings(PageListings(summed, 2, pages + 1)), WithoutPageHeadings(listing))
            << stem;
        ExpectGolden(stem + ".summary.txt", PageListings(summed, 1, 1));
    }
    qunsetenv("SOURCE_DATE_EPOCH");
    // The samples with a report: OPM, ORL and the loss tests at two and three wavelengths.
    EXPECT_EQ(listed.size(), 4u);
}

// A stability run's certificate: two wavelengths, one with a reading below
// the range, against a tolerance; cut short by the user.
TEST(ReportGoldenTest, StabilityCertificateDrawsItsGoldenListing)
{
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    using Facts = StabilityCertificateFacts;
    Facts facts;
    facts.started = QDateTime(QDate(2017, 6, 1), QTime(9, 5, 7));
    facts.ended = facts.started.addSecs(300);
    facts.plannedSeconds = 900;
    facts.intervalS = 10;
    facts.toleranceDb = 0.2;
    facts.ending = Facts::Ending::Stopped;
    facts.verdict = Facts::Verdict::Incomplete;
    facts.program = "kav 1.0";
    facts.log = "/home/technician/COMData.txt";
    Facts::Result at1550;
    at1550.wavelength = 1550;
    at1550.readings = 3;
    at1550.low = 1;
    at1550.first = -15.0;
    at1550.last = -15.1;
    at1550.minimum = -15.2;
    at1550.maximum = -15.0;
    at1550.span = 0.2;
    at1550.drift = -0.1;
    at1550.verdict = Facts::Verdict::Incomplete;
    Facts::Result at1310 = at1550;
    at1310.wavelength = 1310;
    at1310.low = 0;
    facts.results = {at1550, at1310};
    facts.readings = {{0, -15.0f, 1550, Facts::Mark::Number},  {10, -15.2f, 1550, Facts::Mark::Number},
                      {20, -85.0f, 1550, Facts::Mark::Low},    {30, -15.1f, 1550, Facts::Mark::Number},
                      {40, -14.0f, 1310, Facts::Mark::Number}, {50, -14.2f, 1310, Facts::Mark::Number}};
    CStabilityCertificate certificate(facts, ReportOptions());
    EXPECT_EQ(certificate.PageCount(), 1u);
    ExpectGolden("stability-certificate.txt", PageListings(certificate, 1, 1));
    qunsetenv("SOURCE_DATE_EPOCH");
}
