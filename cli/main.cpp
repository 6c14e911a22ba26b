// kav-convert: reads an instrument result file or one of the program's own
// documents the way File > Open does, and prints what it holds or writes its
// CSV export, its document and its printed report as PDF, for scripts and
// batch work.
#include "ProgramIdentity.h"
#include "cli/ConvertOptions.h"
#include "cli/ConvertOutputs.h"
#include "cli/InfoJson.h"
#include "cli/LoadedFile.h"
#include "cli/OffscreenGui.h"
#include "data/HeaderFile.h"
#include "data/LimitFile.h"
#include "data/NameDecoding.h"
#include "data/VerdictsCsv.h"
#include "report/ReportBrand.h"
#include "report/ReportPdf.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

namespace {
enum ExitStatus
{
    Done = 0,
    UsageError = 2,
    CannotRead = 3,
    Refused = 4,
    CannotWrite = 5
};

int Fail(int status, const std::string& name, const std::string& reason)
{
    std::fprintf(stderr, "kav-convert: %s: %s\n", name.c_str(), reason.c_str());
    return status;
}

int FailUsage(const std::string& error)
{
    std::fprintf(stderr, "kav-convert: %s; %s\n", error.c_str(), UsageText);
    return UsageError;
}

// A full disk or a closed pipe behind standard output is a failure like any
// other output's.
int PrintLine(const std::string& text)
{
    errno = 0;
    if (std::printf("%s\n", text.c_str()) < 0 || std::fflush(stdout) != 0)
        return Fail(CannotWrite, "standard output", errno != 0 ? std::strerror(errno) : "write error");
    return Done;
}

// The name of the file at `path`, as a report's footer shows it.
std::string FileNameOf(const std::string& path)
{
    return std::filesystem::u8path(path).filename().u8string();
}

QPageSize PaperOf(const ConvertOptions& options)
{
    return options.pageSize ? *ReportPaperNamed(*options.pageSize) : DefaultReportPaper();
}
} // namespace

int main(int argc, char** argv)
{
    const ParsedConvertOptions parsed = ParseConvertOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options)
        return FailUsage(parsed.error);
    const ConvertOptions& options = *parsed.options;
    if (options.help)
        return PrintLine(UsageText);
    if (options.version)
        return PrintLine(std::string("kav-convert ") + ProgramVersion);

    LoadedFile file;
    LossTestVerdicts verdicts; // worked out once the file is read
    std::string pdf;           // painted once the file is read, before any output is written
    // Every output, in the order they are written; the bytes are made only
    // for the outputs asked for.
    const std::vector<OutputRequest> outputs = {
        {"--csv", options.csvOut, [&] { return file.CsvBytes(); }},
        {"--verdicts", options.verdictsOut, [&] { return VerdictsCsvBytes(file.store, verdicts); }},
        {"--document", options.documentOut, [&] { return file.DocumentBytes(); }},
        {"--pdf", options.pdfOut, [&] { return pdf; }},
    };
    if (const std::optional<std::string> conflict = SameFileConflict(options.file, outputs))
        return FailUsage(*conflict);
    TestLimits limits;
    if (options.limitsFile) {
        // An output over the limit file would destroy the contract's limit.
        if (const std::optional<std::string> conflict =
                SameFileConflict(*options.limitsFile, outputs, "the --limits file"))
            return FailUsage(*conflict);
        const LimitFileResult read = ReadLimitFile(*options.limitsFile);
        if (!read.limits)
            return FailUsage("--limits " + *options.limitsFile + ": " + read.error);
        limits = *read.limits;
    }
    // Nor may an output replace the header or the logo it reads.
    for (const auto& [option, path] :
         {std::pair{"the --header file", options.headerFile}, std::pair{"the --logo file", options.logoFile}})
        if (path)
            if (const std::optional<std::string> conflict = SameFileConflict(*path, outputs, option))
                return FailUsage(*conflict);

    if (options.names)
        SetNameEncoding(*NameEncodingOfWord(*options.names));
    ReportOptions report;
    report.footer = !options.noFooter;
    report.company = options.company.value_or(std::string());
    report.sourceFile = options.file == StandardInputName ? std::string() : FileNameOf(options.file);
    if (options.logoFile) {
        const ReportLogo logo = ReadReportLogo(*options.logoFile);
        if (!logo.image)
            return FailUsage("--logo " + *options.logoFile + ": " + logo.error);
        report.logoFile = *options.logoFile;
    }
    if (options.headerFile) {
        const HeaderFileResult read = ReadHeaderFile(*options.headerFile);
        if (!read.fields)
            return FailUsage("--header " + *options.headerFile + ": " + read.error);
        file.store.m_InfoFields = *read.fields;
    }

    file.outcome = options.file == StandardInputName
                       ? LoadRecognizedFile(RecognizeStandardInput(), file.store)
                       : LoadFile(options.file, file.store);
    const DecodeResult result = file.outcome.result;
    if (result == DecodeResult::CannotOpen || result == DecodeResult::NotAFile)
        return Fail(CannotRead, options.file, FailureReason(file.outcome));
    if (result != DecodeResult::Ok)
        return Fail(Refused, options.file, FailureReason(file.outcome));
    // The records read are real, so a short file is no failure; it is said.
    const std::string notice = ShortFileNotice(file.outcome);
    if (!notice.empty())
        std::fprintf(stderr, "kav-convert: %s: %s\n", options.file.c_str(), notice.c_str());

    const bool lossTest = RecordKindOf(file.outcome.kind) == RecordKind::Kav;
    if (options.verdictsOut && !lossTest) {
        std::fprintf(stderr, "kav-convert: %s: only a loss test has verdicts for --verdicts; %s\n",
                     options.file.c_str(), UsageText);
        return UsageError;
    }
    if (lossTest)
        verdicts = CertifyLossTests(file.store, limits);

    std::optional<OffscreenGui> gui;
    if (options.pdfOut) {
        if (file.Report() == ReportKind::None && RecordKindOf(file.outcome.kind) == RecordKind::Trace) {
            std::fprintf(stderr, "kav-convert: %s: a recorded trace has no report for --pdf; %s\n",
                         options.file.c_str(), UsageText);
            return UsageError;
        }
        if (file.ReportPageCount() == 0)
            return Fail(CannotWrite, *options.pdfOut, "cannot be written: the report has no pages");
        gui.emplace();
        pdf = file.PdfBytes(PaperOf(options), report);
        if (pdf.empty())
            return Fail(CannotWrite, *options.pdfOut, "cannot be written: the report could not be painted");
    }

    if (options.info) {
        const int printed = PrintLine(InfoJson(file, limits, verdicts));
        if (printed != Done)
            return printed;
    }
    if (const std::optional<OutputFailure> failure = WriteOutputs(outputs))
        return Fail(CannotWrite, failure->name, failure->reason);
    return Done;
}
