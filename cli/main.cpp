// kav-convert: reads an instrument result file or one of the program's own
// documents the way File > Open does, and prints what it holds or writes its
// CSV export, its document and its printed report as PDF, for scripts and
// batch work.
#include "ConvertOptions.h"
#include "InfoJson.h"
#include "LoadedFile.h"
#include "OffscreenGui.h"
#include "ProgramIdentity.h"
#include "ReportPdf.h"
#include "SafeFileWriter.h"

#include <cstdio>
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

QPageSize PaperOf(const ConvertOptions& options)
{
    return options.pageSize ? *ReportPaperNamed(*options.pageSize) : DefaultReportPaper();
}

// The outputs are staged before any replaces its target, so a failed run
// leaves no output file behind. A device is written only when committed and
// can still fail then (a full disk behind it), so devices are committed first.
int WriteOutputs(const ConvertOptions& options, LoadedFile& file)
{
    struct Output
    {
        const std::optional<std::string>& path;
        std::string bytes;
        StagedFile staged;
    };
    Output outputs[] = {
        {options.csvOut, options.csvOut ? file.CsvBytes() : std::string(), {}},
        {options.documentOut, options.documentOut ? file.DocumentBytes() : std::string(), {}},
        {options.pdfOut, options.pdfOut ? file.PdfBytes(PaperOf(options)) : std::string(), {}}};
    if (options.pdfOut && outputs[2].bytes.empty())
        return Fail(CannotWrite, *options.pdfOut, "cannot be written: the report could not be painted");
    for (Output& output : outputs) {
        if (!output.path)
            continue;
        const WriteResult r = output.staged.Stage(*output.path, output.bytes);
        if (!r.ok())
            return Fail(CannotWrite, *output.path, "cannot be written: " + r.reason);
    }
    for (const bool devices : {true, false}) {
        for (Output& output : outputs) {
            if (!output.path || output.staged.WritesAtCommit() != devices)
                continue;
            const WriteResult r = output.staged.Commit();
            if (!r.ok())
                return Fail(CannotWrite, *output.path, "cannot be written: " + r.reason);
        }
    }
    return Done;
}
} // namespace

int main(int argc, char** argv)
{
    const ParsedConvertOptions parsed = ParseConvertOptions(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.options) {
        std::fprintf(stderr, "kav-convert: %s; %s\n", parsed.error.c_str(), UsageText);
        return UsageError;
    }
    const ConvertOptions& options = *parsed.options;
    if (options.help) {
        std::printf("%s\n", UsageText);
        return Done;
    }
    if (options.version) {
        std::printf("kav-convert %s\n", ProgramVersion);
        return Done;
    }

    LoadedFile file;
    file.outcome = LoadFile(options.file, file.store);
    if (file.outcome.result == DecodeResult::CannotOpen)
        return Fail(CannotRead, options.file, FailureReason(file.outcome));
    if (file.outcome.result != DecodeResult::Ok)
        return Fail(Refused, options.file, FailureReason(file.outcome));

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
    }

    if (options.info) {
        std::printf("%s\n", InfoJson(file).c_str());
        std::fflush(stdout);
    }
    return WriteOutputs(options, file);
}
