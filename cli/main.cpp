// kav-convert: reads an instrument result file or one of the program's own
// documents the way File > Open does, and prints what it holds or writes its
// CSV export, its workbook, its document and its printed report as PDF, for
// scripts and batch work.
#include "ProgramIdentity.h"
#include "cli/CommandOutput.h"
#include "cli/ConvertOptions.h"
#include "cli/ConvertOutputs.h"
#include "cli/InfoJson.h"
#include "cli/LoadedFile.h"
#include "cli/OffscreenGui.h"
#include "cli/ReportSetup.h"
#include "cli/TerminalProgress.h"
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

#include <filesystem>
#include <functional>
#include <optional>

namespace {
const CommandOutput Out("kav-convert", UsageText);

// What the workbook's properties and the report's footer call the file read.
std::string SourceName(const std::string& file)
{
    return file == StandardInputName ? "standard input" : std::filesystem::u8path(file).filename().u8string();
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
        return Out.FailUsage(parsed.error);
    const ConvertOptions& options = *parsed.options;
    if (options.help)
        return Out.PrintLine(UsageText);
    if (options.version)
        return Out.PrintLine(std::string("kav-convert ") + ProgramVersion);

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
        return Out.FailUsage(*conflict);
    TestLimits limits;
    if (options.limitsFile) {
        // An output over the limit file would destroy the contract's limit.
        if (const std::optional<std::string> conflict =
                SameFileConflict(*options.limitsFile, outputs, "the --limits file"))
            return Out.FailUsage(*conflict);
        const LimitFileResult read = ReadLimitFile(*options.limitsFile);
        if (!read.limits)
            return Out.FailUsage("--limits " + QuotedName(*options.limitsFile) + ": " + read.error);
        limits = *read.limits;
    }
    // Nor may an output replace the header or the logo it reads.
    for (const auto& [option, path] :
         {std::pair{"the --header file", options.headerFile}, std::pair{"the --logo file", options.logoFile}})
        if (path)
            if (const std::optional<std::string> conflict = SameFileConflict(*path, outputs, option))
                return Out.FailUsage(*conflict);

    if (options.names)
        SetNameEncoding(*NameEncodingOfWord(*options.names));
    ReportOptions report;
    report.footer = !options.noFooter;
    report.company = options.company.value_or(std::string());
    report.sourceFile = options.file == StandardInputName ? std::string() : SourceName(options.file);
    // The Qt Gui that painting a report needs, and drawing an SVG logo's text.
    std::optional<OffscreenGui> gui;
    if (options.pdfOut)
        gui.emplace("kav-convert");
    if (options.logoFile) {
        ReportLogo logo = ReadReportLogo(*options.logoFile);
        if (!logo.image)
            return Out.FailUsage("--logo " + QuotedName(*options.logoFile) + ": " + logo.error);
        report.logo = std::move(*logo.image);
    }
    if (options.headerFile) {
        const HeaderFileResult read = ReadHeaderFile(*options.headerFile);
        if (!read.fields)
            return Out.FailUsage("--header " + QuotedName(*options.headerFile) + ": " + read.error);
        file.store.SetInfoFields(*read.fields);
    }

    file.outcome = options.file == StandardInputName
                       ? LoadRecognizedFile(RecognizeStandardInput(), file.store)
                       : LoadFile(options.file, file.store);
    const DecodeResult result = file.outcome.result;
    if (result == DecodeResult::CannotOpen || result == DecodeResult::NotAFile)
        return Out.Fail(CannotRead, QuotedName(options.file), FailureReason(file.outcome));
    if (result != DecodeResult::Ok)
        return Out.Fail(Refused, QuotedName(options.file), FailureReason(file.outcome));
    // The records read are real, so a short file is no failure; it is said.
    const std::string notice = FilledIn(IncompleteFileNotice(file.outcome));
    if (!notice.empty())
        Out.Tell(QuotedName(options.file), notice);

    const bool lossTest = RecordKindOf(file.outcome.kind) == RecordKind::Kav;
    if (options.verdictsOut && !lossTest)
        return Out.FailUsage(QuotedName(options.file) + ": only a loss test has verdicts for --verdicts");
    if (lossTest) {
        verdicts = CertifyLossTests(file.store, limits);
        // A per-cable figure that reaches no cable is most likely a mistyped
        // name: said, but no failure, since the limit still certifies.
        for (const std::string& cable : verdicts.UnmatchedCables())
            Out.Tell("--limits " + QuotedName(options.limitsFile.value_or(std::string())),
                     "no cable of the file is named " + QuotedName(cable));
    }

    if (options.xlsxOut) {
        const RecordKind kind = RecordKindOf(file.outcome.kind);
        if (!HasWorkbook(kind))
            return Out.FailUsage(QuotedName(options.file) + ": a recorded trace has no table for --xlsx");
        // libxlsxwriter tells its failures on standard error, in lines of its
        // own; the one line below says what failed. The progress has a
        // stream of its own to the terminal.
        TerminalProgress shown("Writing the workbook");
        WorkbookOutcome made = [&] {
            const StandardErrorSilenced library;
            return WorkbookBytes(file.store, kind, {SourceName(options.file), limits}, std::ref(shown));
        }();
        if (!made.bytes)
            return Out.Fail(CannotWrite, QuotedName(*options.xlsxOut), "cannot be written: " + made.error);
        workbook = std::move(*made.bytes);
    }

    if (options.pdfOut) {
        if (file.Report() == ReportKind::None && RecordKindOf(file.outcome.kind) == RecordKind::Trace)
            return Out.FailUsage(QuotedName(options.file) + ": a recorded trace has no report for --pdf");
        report.summaryPage = options.summaryPage;
        report.limits = limits;
        report.language = options.language.value_or(LanguageCodes[0]);
        // The program's folder, where the translations are found, is known
        // now that the application is.
        if (const std::optional<std::string> problem = ReportLanguageProblem(report.language))
            return Out.Fail(CannotRead, "--language " + report.language, *problem);
        if (file.ReportPageCount(report) == 0)
            return Out.Fail(CannotWrite, QuotedName(*options.pdfOut),
                            "cannot be written: the report has no pages");
        TerminalProgress shown("Writing the report");
        pdf = file.PdfBytes(ReportPaper(options.pageSize), report, std::ref(shown));
        if (pdf.empty())
            return Out.Fail(CannotWrite, QuotedName(*options.pdfOut),
                            "cannot be written: the report could not be painted");
    }

    if (options.info) {
        const int printed = Out.PrintLine(InfoJson(file, limits, verdicts));
        if (printed != Done)
            return printed;
    }
    if (const std::optional<OutputFailure> failure = WriteOutputs(outputs))
        return Out.Fail(CannotWrite, QuotedName(failure->name), failure->reason);
    return Done;
}
