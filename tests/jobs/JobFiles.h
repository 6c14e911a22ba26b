#pragma once

#include "jobs/Job.h"
#include "tests/support/LossTestRecords.h"
#include "tests/support/ScratchFolder.h"
#include "tools/make-samples/ResultFileEncoder.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

// Loss-test files written as the instrument writes them, and jobs made of
// them in a scratch folder.

// SQL on the job file through a connection of its own, as another program's.
class OtherProgram
{
public:
    explicit OtherProgram(const std::string& path) { sqlite3_open(path.c_str(), &m_Db); }
    ~OtherProgram() { sqlite3_close(m_Db); }
    OtherProgram(const OtherProgram&) = delete;
    OtherProgram& operator=(const OtherProgram&) = delete;
    int Run(const char* sql) { return sqlite3_exec(m_Db, sql, nullptr, nullptr, nullptr); }
    // The first column of the first row.
    int64_t Number(const char* sql)
    {
        sqlite3_stmt* statement = nullptr;
        sqlite3_prepare_v2(m_Db, sql, -1, &statement, nullptr);
        const int64_t value = sqlite3_step(statement) == SQLITE_ROW ? sqlite3_column_int64(statement, 0) : -1;
        sqlite3_finalize(statement);
        return value;
    }

private:
    sqlite3* m_Db = nullptr;
};

// The fixed time of every change, 2026-06-01 08:00 UTC.
inline int64_t FixedTime()
{
    return 1780300800;
}

class JobFolder : public ::testing::Test
{
protected:
    std::string Path(const std::string& name) const { return m_Dir.File(name); }

    std::string WriteKav(const std::string& name, const std::vector<LossTestResult>& tests) const
    {
        WriteBytes(Path(name), EncodeKavResult(ThreeWaveLengths, tests));
        return Path(name);
    }

    // A new job "job.kavjob", open for writing.
    std::unique_ptr<Job> NewJob(const JobSetup& setup = {}) const
    {
        std::unique_ptr<Job> job;
        const JobResult made = Job::Create(Path("job.kavjob"), setup, job, FixedTime);
        EXPECT_TRUE(made.ok()) << JobFailureText(made);
        return job;
    }

    static JobState StateOf(Job& job)
    {
        JobState state;
        const JobResult read = job.Read(state);
        EXPECT_TRUE(read.ok()) << JobFailureText(read);
        return state;
    }

    static std::vector<ImportReport> Import(Job& job, const std::vector<std::string>& paths)
    {
        std::vector<ImportReport> reports;
        const JobResult imported = job.Import(paths, reports);
        EXPECT_TRUE(imported.ok()) << JobFailureText(imported);
        return reports;
    }

    ScratchFolder m_Dir;
};
