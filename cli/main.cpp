// kav-convert: reads an instrument result file or one of the program's own
// documents the way File > Open does, and prints what it holds or writes its
// CSV export and its document, for scripts and batch work.
#include "CommandLine.h"
#include "InfoJson.h"
#include "LoadedFile.h"
#include "SafeFileWriter.h"

#include <cstdio>

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

// Both outputs are staged before either replaces its target, so a failed run
// leaves no output file behind.
int WriteOutputs(const CommandLine& command, const LoadedFile& file)
{
    StagedFile csv, document;
    if (command.csvOut) {
        const WriteResult r = csv.Stage(*command.csvOut, file.CsvBytes());
        if (!r.ok())
            return Fail(CannotWrite, *command.csvOut, "cannot be written: " + r.reason);
    }
    if (command.documentOut) {
        const WriteResult r = document.Stage(*command.documentOut, file.DocumentBytes());
        if (!r.ok())
            return Fail(CannotWrite, *command.documentOut, "cannot be written: " + r.reason);
    }
    if (command.csvOut) {
        const WriteResult r = csv.Commit();
        if (!r.ok())
            return Fail(CannotWrite, *command.csvOut, "cannot be written: " + r.reason);
    }
    if (command.documentOut) {
        const WriteResult r = document.Commit();
        if (!r.ok())
            return Fail(CannotWrite, *command.documentOut, "cannot be written: " + r.reason);
    }
    return Done;
}
} // namespace

int main(int argc, char** argv)
{
    const ParsedCommandLine parsed = ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    if (!parsed.command) {
        std::fprintf(stderr, "kav-convert: %s; %s\n", parsed.error.c_str(), UsageText);
        return UsageError;
    }
    const CommandLine& command = *parsed.command;
    if (command.help) {
        std::printf("%s\n", UsageText);
        return Done;
    }

    const LoadedFile file = LoadFile(command.file);
    if (file.status == LoadedFile::Status::CannotRead)
        return Fail(CannotRead, command.file, file.reason);
    if (file.status == LoadedFile::Status::Refused)
        return Fail(Refused, command.file, file.reason);

    if (command.info) {
        std::printf("%s\n", InfoJson(file).c_str());
        std::fflush(stdout);
    }
    return WriteOutputs(command, file);
}
