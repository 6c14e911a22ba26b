#pragma once

#include "data/CsvExport.h"
#include "data/Documents.h"
#include "data/FileLoading.h"
#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>

// Runs kav-convert as a process, as scripts do, in a fresh folder per test.

inline std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

// What the program's own export and Save As write for a file.
struct Expected
{
    std::string csv, document, ending;
};

inline Expected ExpectedOf(const std::string& file)
{
    CDataStore store;
    const LoadOutcome loaded = LoadFile(file, store);
    EXPECT_EQ(loaded.result, DecodeResult::Ok) << file;
    switch (RecordKindOf(loaded.kind)) {
    case RecordKind::Opm:
        return {OpmCsvBytes(store), OpmDocumentBytes(store), ".opm"};
    case RecordKind::Orl:
        return {OrlCsvBytes(store), OrlDocumentBytes(store), ".orl"};
    case RecordKind::Kav:
        return {KavCsvBytes(store), KavDocumentBytes(store), ".kav"};
    default:
        return {TraceCsvBytes(store), TraceDocumentBytes(store), ".trace"};
    }
}

struct RunResult
{
    int status;
    std::string out, err;
};

class KavConvert : public ::testing::Test
{
protected:
    std::string Path(const std::string& name) const { return m_Dir.File(name); }

    static std::string Sample(const std::string& name) { return (SourceDir() / "samples" / name).string(); }

    RunResult Convert(const std::string& arguments) const { return ThroughPipe("KAV_CONVERT " + arguments); }

    // Runs a shell command line in which kav-convert is written KAV_CONVERT
    // (and kav-job KAV_JOB), its standard output read through a pipe, as a
    // script's pipeline does.
    RunResult ThroughPipe(const std::string& line) const
    {
        std::string command = line;
        const std::pair<std::string, std::string> programs[] = {
            {"KAV_CONVERT", KAV_CONVERT},
#ifdef KAV_JOB
            {"KAV_JOB", KAV_JOB},
#endif
        };
        for (const auto& [name, program] : programs)
            for (size_t at = command.find(name); at != std::string::npos; at = command.find(name, at))
                command.replace(at, name.size(), Quoted(program));
        const std::string err = Path("stderr.txt");
        FILE* pipe = popen(("(" + command + ") 2>" + Quoted(err)).c_str(), "r");
        if (pipe == nullptr)
            return {-1, "", "cannot start the shell"};
        std::string out;
        char chunk[4096];
        for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) != 0;)
            out.append(chunk, got);
        const int raw = pclose(pipe);
        RunResult run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out, ReadBytes(err)};
        std::filesystem::remove(err);
        return run;
    }

    // Files the runs left in the test folder.
    size_t FileCount() const
    {
        return m_Dir.Names().size();
    }

    ScratchFolder m_Dir;
};
