#pragma once

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

// Runs kav-convert as a process, as scripts do, in a fresh folder per test.

inline std::string ReadFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

inline std::string Quoted(const std::string& text)
{
    return "'" + text + "'";
}

// The source tree, where the samples and the golden files are.
inline std::filesystem::path SourceDir()
{
    const char* source = std::getenv("KAV_SOURCE_DIR");
    return source ? source : ".";
}

struct RunResult
{
    int status;
    std::string out, err;
};

class KavConvert : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_Dir = std::filesystem::temp_directory_path() /
                ("kav-convert-test-" + std::to_string(std::random_device{}()));
        std::filesystem::create_directories(m_Dir);
    }
    void TearDown() override { std::filesystem::remove_all(m_Dir); }

    std::string Path(const std::string& name) const { return (m_Dir / name).string(); }

    static std::string Sample(const std::string& name) { return (SourceDir() / "samples" / name).string(); }

    RunResult Convert(const std::string& arguments) const
    {
        const std::string out = Path("stdout.txt"), err = Path("stderr.txt");
        const std::string command =
            std::string("'") + KAV_CONVERT + "' " + arguments + " >'" + out + "' 2>'" + err + "'";
        const int raw = std::system(command.c_str());
        RunResult run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, ReadFile(out), ReadFile(err)};
        std::filesystem::remove(out);
        std::filesystem::remove(err);
        return run;
    }

    // Runs a shell command line in which kav-convert is written KAV_CONVERT,
    // its standard output read through a pipe, as a script's pipeline does.
    RunResult ThroughPipe(const std::string& line) const
    {
        std::string command = line;
        const std::string name = "KAV_CONVERT";
        for (size_t at = command.find(name); at != std::string::npos; at = command.find(name, at))
            command.replace(at, name.size(), std::string("'") + KAV_CONVERT + "'");
        const std::string err = Path("stderr.txt");
        FILE* pipe = popen(("(" + command + ") 2>'" + err + "'").c_str(), "r");
        if (pipe == nullptr)
            return {-1, "", "cannot start the shell"};
        std::string out;
        char chunk[4096];
        for (size_t got; (got = std::fread(chunk, 1, sizeof chunk, pipe)) != 0;)
            out.append(chunk, got);
        const int raw = pclose(pipe);
        RunResult run{WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, out, ReadFile(err)};
        std::filesystem::remove(err);
        return run;
    }

    // Files the runs left in the test folder.
    size_t FileCount() const
    {
        return static_cast<size_t>(
            std::distance(std::filesystem::directory_iterator(m_Dir), std::filesystem::directory_iterator()));
    }

    std::filesystem::path m_Dir;
};
