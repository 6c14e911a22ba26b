#include "data/FileLoading.h"
#include "report/CReportPrinting.h"
#include "tests/cli/KavConvertRun.h"
#include "tests/support/PdfReading.h"
#include "tools/make-samples/SampleSet.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <iterator>
#include <regex>
#include <vector>

// kav-convert --pdf as a script runs it: no display and no Qt platform in
// the environment.

namespace {
namespace fs = std::filesystem;

class KavConvertPdf : public KavConvert
{
protected:
    void SetUp() override
    {
        for (const char* variable : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            unsetenv(variable);
    }
};
} // namespace

TEST_F(KavConvertPdf, EveryReportOfTheSamplesAsPdf)
{
    for (const char* name :
         {"opm-readings.bin", "orl-readings.bin", "kav-three-wavelengths.bin", "kav-two-wavelengths.bin"}) {
        const std::string out = Path(std::string(name) + ".pdf");
        const RunResult run = Convert(Quoted(Sample(name)) + " --pdf " + Quoted(out) + " --page-size A4");
        ASSERT_EQ(run.status, 0) << name << ": " << run.err;
        EXPECT_EQ(run.err, "");
        // As many pages as the report the program prints: a loss test's
        // summary first (laid out in the report's fonts), then its tables.
        CDataStore store;
        const LoadOutcome loaded = LoadFile(Sample(name), store);
        ReportOptions tables;
        tables.summaryPage = false;
        CReportPrinting report(store, ReportKindOf(RecordKindOf(loaded.kind), store.KavWaveCount()), tables);
        const bool lossTest = RecordKindOf(loaded.kind) == RecordKind::Kav;
        EXPECT_EQ(PdfPages(out), static_cast<int>(report.PageCount()) + (lossTest ? 1 : 0)) << name;
        EXPECT_EQ(PdfText(out, 1).find("Certification Summary") != std::string::npos, lossTest) << name;
        EXPECT_NE(PdfInfo(out, "Page size").find("(A4)"), std::string::npos) << name;
    }
    const std::string letter = Path("letter.pdf");
    const RunResult run = Convert(Quoted(Sample("kav-three-wavelengths.bin")) + " --csv " +
                                  Quoted(Path("t.csv")) + " --pdf " + Quoted(letter) + " --page-size letter");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(PdfInfo(letter, "Page size").find("letter"), std::string::npos);
    EXPECT_TRUE(fs::exists(Path("t.csv")));
}

// The same input and SOURCE_DATE_EPOCH give the same PDF and workbook, run
// after run and in any time zone, also for a report in Chinese, whose lines
// mix the faces of two scripts: the fonts and the text runs come in a fixed
// order, and the date is the given one, in UTC in the document information
// as in the XMP. Only --pdf starts Qt's painting machinery, which alone may
// leave a runtime folder.
TEST_F(KavConvertPdf, TheSameInputGivesTheSameBytes)
{
    const std::string sample = Quoted(Sample("kav-three-wavelengths.bin"));
    setenv("SOURCE_DATE_EPOCH", "1700000000", 1);
    const char* zones[] = {"UTC0", "CST-8", "NST+3:30", "UTC0"};
    for (size_t run = 0; run < std::size(zones); ++run) {
        setenv("TZ", zones[run], 1);
        const std::string name = Path("run" + std::to_string(run));
        ASSERT_EQ(Convert(sample + " --language zh_CN --pdf " + Quoted(name + ".pdf") + " --xlsx " +
                          Quoted(name + ".xlsx"))
                      .status,
                  0)
            << zones[run];
        if (run == 2)
            ThroughPipe("sleep 1.1"); // past the next second, which the date would show
    }
    unsetenv("TZ");
    unsetenv("SOURCE_DATE_EPOCH");
    const std::string first = ReadBytes(Path("run0.pdf"));
    for (const char* run : {"run1", "run2", "run3"}) {
        EXPECT_TRUE(ReadBytes(Path(std::string(run) + ".pdf")) == first) << run;
        EXPECT_TRUE(ReadBytes(Path(std::string(run) + ".xlsx")) == ReadBytes(Path("run0.xlsx"))) << run;
    }
    EXPECT_NE(first.find("/CreationDate (D:20231114221320Z)"), std::string::npos);
    EXPECT_NE(first.find("xmp:CreateDate=\"2023-11-14T22:13:20Z\""), std::string::npos);

    const std::string scratch = Path("tmp");
    fs::create_directory(scratch);
    const RunResult run =
        ThroughPipe("env -u XDG_RUNTIME_DIR TMPDIR=" + Quoted(scratch) + " KAV_CONVERT " + sample +
                    " --info --csv " + Quoted(Path("t.csv")) + " --document " + Quoted(Path("t.kav")));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_empty(scratch));
}

// SIGTERM or SIGINT at any moment of a long --pdf leaves no temporary file,
// and the old OUT either whole or replaced whole.
TEST_F(KavConvertPdf, EndingSignalsLeaveNoDebris)
{
    const std::string input = Path("big.bin"), out = Path("big.pdf");
    WriteBytes(input, EncodeOpmResult(SampleOpmReadings(6000)));
    for (const int signal : {SIGTERM, SIGINT}) {
        for (const int milliseconds : {50, 200, 500, 900, 1400}) {
            WriteBytes(out, "old");
            const pid_t child = fork();
            if (child == 0) {
                // Not left ignored by the runner (nohup, a background job).
                std::signal(signal, SIG_DFL);
                execl(KAV_CONVERT, KAV_CONVERT, input.c_str(), "--pdf", out.c_str(),
                      static_cast<char*>(nullptr));
                _exit(127);
            }
            usleep(static_cast<useconds_t>(milliseconds) * 1000);
            kill(child, signal);
            int status = 0;
            waitpid(child, &status, 0);
            EXPECT_TRUE((WIFSIGNALED(status) && WTERMSIG(status) == signal) ||
                        (WIFEXITED(status) && WEXITSTATUS(status) == 0))
                << signal << " after " << milliseconds << " ms";
            EXPECT_EQ(m_Dir.Names(), (std::vector<std::string>{"big.bin", "big.pdf"}))
                << signal << " after " << milliseconds << " ms";
            const std::string written = ReadBytes(out);
            EXPECT_TRUE(written == "old" || written.rfind("%PDF", 0) == 0) << milliseconds << " ms";
        }
    }
}

// A loss test's PDF ends with the summary of its verdicts against --limits'
// limit, naming it with the figures it used and counting the fibres as
// --info does; --no-summary leaves it off. (How the page draws the rest of
// the summary is pinned by the golden listings.)
TEST_F(KavConvertPdf, TheSummaryPageUnlessNoSummary)
{
    const std::string sample = Quoted(Sample("kav-three-wavelengths.bin"));
    ASSERT_EQ(Convert(sample + " --pdf " + Quoted(Path("table.pdf")) + " --no-summary").status, 0);
    const int tablePages = PdfPages(Path("table.pdf"));
    EXPECT_EQ(PdfText(Path("table.pdf")).find("Certification Summary"), std::string::npos);

    const std::string limits =
        (SourceDir() / "tests" / "cli" / "limits" / "kav-three-wavelengths.kavlimits").string();
    const RunResult run =
        Convert(sample + " --limits " + Quoted(limits) + " --info --pdf " + Quoted(Path("summary.pdf")));
    ASSERT_EQ(run.status, 0) << run.err;
    ASSERT_GT(PdfPages(Path("summary.pdf")), tablePages);
    const std::string first = PdfText(Path("summary.pdf"), 1);
    std::smatch info;
    ASSERT_TRUE(std::regex_search(run.out, info,
                                  std::regex("\"fibres\":(\\d+),\"pass\":(\\d+),\"warning\":(\\d+),"
                                             "\"incomplete\":(\\d+),\"fail\":(\\d+),\"noVerdict\":(\\d+)")))
        << run.out;
    // The result leads, the standard named in words with the figures in force.
    for (const std::string& pattern :
         {std::string("^\\s*Certification Summary\\s+(PASS|FAIL|INCOMPLETE)\\s"),
          std::string("Limit: ISO/IEC 11801 OS2 single-mode: 0.15 dB/km at 1310 nm, 0.12 dB/km at 1550"),
          std::string("Attenuation: 1310 nm 0.15 dB/km, 1550 nm 0.12 dB/km"),
          std::string("Connector loss: 0.5 dB\\s+Splice loss: 0.3 dB"),
          std::string("Cable CAB-03: 4 connections, attenuation 1490 nm 0.2 dB/km"),
          "Fibres: " + info[1].str() + "\\s+Pass: " + info[2].str() + "\\s+Warning: " + info[3].str() +
              "\\s+Incomplete: " + info[4].str() + "\\s+Fail: " + info[5].str() +
              "\\s+Not certified: " + info[6].str()})
        EXPECT_TRUE(std::regex_search(first, std::regex(pattern))) << pattern << "\n" << first;
}

// The report a contractor hands over, made by a script: the company (given
// joined to its option, as one that starts with "-" must be), an SVG logo
// with text, the header from a file, the footer naming the file and dated
// SOURCE_DATE_EPOCH, or no footer. (A header or logo that cannot be used is
// a usage error.)
TEST_F(KavConvertPdf, TheCompanyTheHeaderFileAndTheFooter)
{
    const std::string header = Path("job.kavheader"), logo = Path("logo.svg");
    WriteBytes(header, "{\"Customer\": \"City Net\", \"OperatorB\": \"Li Wei \xE6\x9D\x8E\xE4\xBC\x9F\"}");
    WriteBytes(logo, "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"80\" height=\"20\">"
                     "<text x=\"2\" y=\"16\">ACME</text></svg>");
    const std::string made =
        "SOURCE_DATE_EPOCH=1714650000 KAV_CONVERT " + Quoted(Sample("kav-two-wavelengths.bin")) +
        " --company='-Acme Fibre Ltd' --logo " + Quoted(logo) + " --header " + Quoted(header) + " --pdf ";
    const RunResult run = ThroughPipe(made + Quoted(Path("a.pdf")));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(ToolOutput("pdfimages -list " + Quoted(Path("a.pdf"))).find("image"), std::string::npos);
    // The summary first, then the cables.
    const std::string page2 = PdfText(Path("a.pdf"), 2);
    const std::string pages = std::to_string(PdfPages(Path("a.pdf")));
    EXPECT_NE(page2.find("-Acme Fibre Ltd"), std::string::npos);
    EXPECT_NE(page2.find("Customer: City Net"), std::string::npos);
    EXPECT_NE(page2.find("Operator B: Li Wei \xE6\x9D\x8E\xE4\xBC\x9F"), std::string::npos);
    EXPECT_NE(page2.find("Page 2 of " + pages), std::string::npos) << page2;
    EXPECT_NE(page2.find("kav-two-wavelengths.bin"), std::string::npos);
    EXPECT_NE(page2.find("Printed 2024-05-02 11:40 UTC"), std::string::npos);

    ASSERT_EQ(ThroughPipe(made + Quoted(Path("b.pdf")) + " --no-footer").status, 0);
    EXPECT_EQ(PdfText(Path("b.pdf"), 2).find("Page 2 of " + pages), std::string::npos);
}

// A report for a customer who reads Chinese: the report's own texts in
// Chinese, in the face that has their glyphs, embedded once; the
// instrument's figures exactly those of the English report.
TEST_F(KavConvertPdf, AChineseReportHasTheEnglishFigures)
{
    const std::string sample = Quoted(Sample("kav-three-wavelengths.bin"));
    const std::string limits =
        Quoted((SourceDir() / "tests" / "cli" / "limits" / "kav-three-wavelengths.kavlimits").string());
    const std::string english = Path("en.pdf");
    const std::string chinese = Path("zh.pdf");
    ASSERT_EQ(Convert(sample + " --limits " + limits + " --pdf " + Quoted(english)).status, 0);
    const RunResult run =
        Convert(sample + " --limits " + limits + " --pdf " + Quoted(chinese) + " --language zh_CN");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");

    const std::string englishText = PdfText(english);
    const std::string chineseText = PdfText(chinese);
    ASSERT_EQ(PdfPages(chinese), PdfPages(english));
    for (const char* title : {"KAV Report", "Job Information", "Certification Summary"})
        EXPECT_NE(englishText.find(title), std::string::npos) << title;
    // KAV 报告, 工作信息, 光缆信息, 认证汇总, 合格 (pass), 不合格 (fail)
    for (const char* title :
         {"KAV \xE6\x8A\xA5\xE5\x91\x8A", "\xE5\xB7\xA5\xE4\xBD\x9C\xE4\xBF\xA1\xE6\x81\xAF",
          "\xE5\x85\x89\xE7\xBC\x86\xE4\xBF\xA1\xE6\x81\xAF",
          "\xE8\xAE\xA4\xE8\xAF\x81\xE6\xB1\x87\xE6\x80\xBB", "\xE5\x90\x88\xE6\xA0\xBC",
          "\xE4\xB8\x8D\xE5\x90\x88\xE6\xA0\xBC"})
        EXPECT_NE(chineseText.find(title), std::string::npos) << title << "\n" << chineseText;
    for (const char* title : {"KAV Report", "Job Information", "Certification Summary", "Worst margin"})
        EXPECT_EQ(chineseText.find(title), std::string::npos) << title;

    // Every figure with a decimal point, page by page, in the order read.
    const auto figures = [](const std::string& text) {
        std::vector<std::string> found;
        const std::regex figure("-?\\d+\\.\\d+");
        for (auto it = std::sregex_iterator(text.begin(), text.end(), figure); it != std::sregex_iterator();
             ++it)
            found.push_back(it->str());
        std::sort(found.begin(), found.end());
        return found;
    };
    for (int page = 1; page <= PdfPages(english); ++page) {
        const std::vector<std::string> expected = figures(PdfText(english, page));
        EXPECT_FALSE(expected.empty()) << page;
        EXPECT_EQ(figures(PdfText(chinese, page)), expected) << page;
    }

    // The Chinese face embedded once for the document, beside the Latin one.
    const std::string fonts = ToolOutput("pdffonts '" + chinese + "'");
    const std::regex embedded("WenQuanYi\\S*\\s+CID TrueType\\s+Identity-H\\s+yes\\s+\\w+\\s+yes");
    const auto chineseFaces =
        std::distance(std::sregex_iterator(fonts.begin(), fonts.end(), embedded), std::sregex_iterator());
    EXPECT_GE(chineseFaces, 1) << fonts;
    EXPECT_LE(chineseFaces, 2) << fonts; // regular and bold
    EXPECT_EQ(ToolOutput("pdffonts '" + english + "'").find("WenQuanYi"), std::string::npos);
}
