// kav-convert: reads an instrument result file or one of the program's own
// documents the way File > Open does, and prints what it holds or writes its
// CSV export, its workbook, its document and its printed report as PDF, for
// scripts and batch work.
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
#include "platform/files/FileSystem.h"
#include "platform/files/QuotedName.h"
#include "report/ReportLogo.h"
#include "report/ReportPdf.h"
#include "report/Translations.h"
#include "workbook/Workbook.h"

#include <QHashSeed>
#include <QTranslator>

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

// One line on standard error; `subject` is what it is about, a file's name
// quoted.
void Tell(const std::string& subject, const std::string& text)
{
    std::fprintf(stderr, "kav-convert: %s: %s\n", subject.c_str(), text.c_str());
}

int Fail(int status, const std::string& subject, const std::string& reason)
{
    Tell(subject, reason);
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

// What the workbook's properties and the report's footer call the file read.
std::string SourceName(const std::string& file)
{
    return file == StandardInputName ? "standard input" : std::filesystem::u8path(file).filename().u8string();
}

QPageSize PaperOf(const ConvertOptions& options)
{
    return options.pageSize ? *ReportPaperNamed(*options.pageSize) : DefaultReportPaper();
}
} // namespace

int main(int argc, char** argv)
{
    KeepRunningAtFileSizeLimit();
    // The PDF writer lists its fonts in the order of a hash table: with the
    // same seed every run, the same input gives the same bytes.
    QHashSeed::setDeterministicGlobalSeed();
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
    std::string workbook;      // made once the file is read, before any output is written
    std::string pdf;           // painted once the file is read, before any output is written
    // Every output, in the order they are written; the bytes are made only
    // for the outputs asked for.
    const std::vector<OutputRequest> outputs = {
        {"--csv", options.csvOut, [&] { return file.CsvBytes(); }},
        {"--verdicts", options.verdictsOut, [&] { return VerdictsCsvBytes(file.store, verdicts); }},
        {"--xlsx", options.xlsxOut, [&] { return workbook; }},
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
            return FailUsage("--limits " + QuotedName(*options.limitsFile) + ": " + read.error);
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
    report.sourceFile = options.file == StandardInputName ? std::string() : SourceName(options.file);
    // The Qt Gui that painting a report needs, and drawing an SVG logo's text.
    std::optional<OffscreenGui> gui;
    if (options.pdfOut)
        gui.emplace();
    if (options.logoFile) {
        ReportLogo logo = ReadReportLogo(*options.logoFile);
        if (!logo.image)
            return FailUsage("--logo " + QuotedName(*options.logoFile) + ": " + logo.error);
        report.logo = std::move(*logo.image);
    }
    if (options.headerFile) {
        const HeaderFileResult read = ReadHeaderFile(*options.headerFile);
        if (!read.fields)
            return FailUsage("--header " + QuotedName(*options.headerFile) + ": " + read.error);
        file.store.m_InfoFields = *read.fields;
    }

    file.outcome = options.file == StandardInputName
                       ? LoadRecognizedFile(RecognizeStandardInput(), file.store)
                       : LoadFile(options.file, file.store);
    const DecodeResult result = file.outcome.result;
    if (result == DecodeResult::CannotOpen || result == DecodeResult::NotAFile)
        return Fail(CannotRead, QuotedName(options.file), FailureReason(file.outcome));
    if (result != DecodeResult::Ok)
        return Fail(Refused, QuotedName(options.file), FailureReason(file.outcome));
    // The records read are real, so a short file is no failure; it is said.
    const std::string notice = FilledIn(IncompleteFileNotice(file.outcome));
    if (!notice.empty())
        Tell(QuotedName(options.file), notice);

    const bool lossTest = RecordKindOf(file.outcome.kind) == RecordKind::Kav;
    if (options.verdictsOut && !lossTest)
        return FailUsage(QuotedName(options.file) + ": only a loss test has verdicts for --verdicts");
    if (lossTest) {
        verdicts = CertifyLossTests(file.store, limits);
        // A per-cable figure that reaches no cable is most likely a mistyped
        // name: said, but no failure, since the limit still certifies.
        for (const std::string& cable : verdicts.UnmatchedCables())
            Tell("--limits " + QuotedName(options.limitsFile.value_or(std::string())),
                 "no cable of the file is named " + QuotedName(cable));
    }

    if (options.xlsxOut) {
        const RecordKind kind = RecordKindOf(file.outcome.kind);
        if (!HasWorkbook(kind))
            return FailUsage(QuotedName(options.file) + ": a recorded trace has no table for --xlsx");
        // libxlsxwriter tells its failures on standard error, in lines of its
        // own; the one line below says what failed.
        WorkbookOutcome made = [&] {
            const StandardErrorSilenced library;
            return WorkbookBytes(file.store, kind, {SourceName(options.file), limits});
        }();
        if (!made.bytes)
            return Fail(CannotWrite, QuotedName(*options.xlsxOut), "cannot be written: " + made.error);
        workbook = std::move(*made.bytes);
    }

    if (options.pdfOut) {
        if (file.Report() == ReportKind::None && RecordKindOf(file.outcome.kind) == RecordKind::Trace)
            return FailUsage(QuotedName(options.file) + ": a recorded trace has no report for --pdf");
        report.summaryPage = options.summaryPage;
        report.limits = limits;
        report.language = options.language.value_or(LanguageCodes[0]);
        // The program's folder, where the translations are found, is known
        // now that the application is.
        if (QTranslator translator; report.language != LanguageCodes[0] &&
                                    !LoadTranslations(translator, QString::fromStdString(report.language)))
            return Fail(CannotRead, "--language " + report.language,
                        "its translations are not in " + QuotedName(TranslationsFolder().toStdString()));
        if (file.ReportPageCount(report) == 0)
            return Fail(CannotWrite, QuotedName(*options.pdfOut),
                        "cannot be written: the report has no pages");
        pdf = file.PdfBytes(PaperOf(options), report);
        if (pdf.empty())
            return Fail(CannotWrite, QuotedName(*options.pdfOut),
                        "cannot be written: the report could not be painted");
    }

    if (options.info) {
        const int printed = PrintLine(InfoJson(file, limits, verdicts));
        if (printed != Done)
            return printed;
    }
    if (const std::optional<OutputFailure> failure = WriteOutputs(outputs))
        return Fail(CannotWrite, QuotedName(failure->name), failure->reason);
    return Done;
}
