#include "tests/jobs/JobFiles.h"

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

// A job is never damaged by what it refuses: files that are no job, a newer
// layout, a damaged job, a job another program is writing, a new job over a
// file, an import stopped or killed half way.

namespace {
JobStatus OpenStatus(const std::string& path, JobAccess access)
{
    std::unique_ptr<Job> job;
    return Job::Open(path, {access}, job).status;
}
} // namespace

TEST_F(JobFolder, WhatIsNoJobIsRefusedAndLeftAsItIs)
{
    {
        OtherProgram other(Path("other.kavjob"));
        ASSERT_EQ(other.Run("CREATE TABLE t(x)"), SQLITE_OK);
    }
    WriteBytes(Path("text.kavjob"), std::string(4096, 'x'));
    WriteBytes(Path("empty.kavjob"), "");
    const struct
    {
        const char* name;
        JobStatus status;
    } cases[] = {{"other.kavjob", JobStatus::NotAJob},
                 {"text.kavjob", JobStatus::NotAJob},
                 {"empty.kavjob", JobStatus::NotAJob},
                 {"missing.kavjob", JobStatus::NotFound}};
    for (const auto& c : cases) {
        const std::string before = ReadBytes(Path(c.name));
        EXPECT_EQ(OpenStatus(Path(c.name), JobAccess::Write), c.status) << c.name;
        EXPECT_EQ(ReadBytes(Path(c.name)), before) << c.name;
    }
}

TEST_F(JobFolder, AJobOfANewerLayoutIsRefusedAndLeftAsItIs)
{
    NewJob().reset();
    OtherProgram(Path("job.kavjob"))
        .Run(("PRAGMA user_version = " + std::to_string(JobSchemaVersion + 1)).c_str());
    const std::string before = ReadBytes(Path("job.kavjob"));
    for (const JobAccess access : {JobAccess::Read, JobAccess::Write})
        EXPECT_EQ(OpenStatus(Path("job.kavjob"), access), JobStatus::Newer);
    EXPECT_EQ(ReadBytes(Path("job.kavjob")), before);
}

TEST_F(JobFolder, ADamagedJobIsRefusedAndNeverWritten)
{
    std::unique_ptr<Job> job = NewJob();
    Import(*job, {WriteKav("a.bin", SampleLossTests(200, 12))});
    job.reset();
    std::string bytes = ReadBytes(Path("job.kavjob"));
    ASSERT_GT(bytes.size(), 4u * 4096);
    // Page 3 on: the tables' pages.
    bytes.replace(2 * 4096 + 8, 2000, 2000, '\x55');
    WriteBytes(Path("job.kavjob"), bytes);
    std::unique_ptr<Job> damaged;
    EXPECT_EQ(Job::Open(Path("job.kavjob"), {JobAccess::Write}, damaged).status, JobStatus::Damaged);
    EXPECT_EQ(ReadBytes(Path("job.kavjob")), bytes);
}

TEST_F(JobFolder, WhileAnotherProgramWritesTheJobIsBusyAndUnchanged)
{
    NewJob().reset();
    const std::string file = WriteKav("a.bin", {LossTest("CAB-01", "F001", 0.5f, 1)});
    OtherProgram other(Path("job.kavjob"));
    ASSERT_EQ(other.Run("BEGIN IMMEDIATE"), SQLITE_OK);
    std::unique_ptr<Job> job;
    ASSERT_TRUE(Job::Open(Path("job.kavjob"), {JobAccess::Write, 0}, job).ok());
    std::vector<ImportReport> reports;
    const JobResult busy = job->Import({file}, reports);
    EXPECT_EQ(busy.status, JobStatus::Busy);
    EXPECT_EQ(JobFailureText(busy), "is being written by another program; try again when it has finished");
    ASSERT_EQ(other.Run("ROLLBACK"), SQLITE_OK);
    EXPECT_EQ(StateOf(*job).Files().size(), 0u);
    EXPECT_EQ(Import(*job, {file})[0].outcome, ImportOutcome::Imported);
}

TEST_F(JobFolder, ANewJobNeverReplacesAFile)
{
    WriteBytes(Path("job.kavjob"), "kept");
    std::unique_ptr<Job> job;
    EXPECT_EQ(Job::Create(Path("job.kavjob"), {}, job).status, JobStatus::Exists);
    EXPECT_EQ(ReadBytes(Path("job.kavjob")), "kept");
}

TEST_F(JobFolder, AStoppedImportKeepsWhatItsScopeSays)
{
    const std::vector<std::string> files = {WriteKav("a.bin", {LossTest("CAB-01", "F001", 0.5f, 1)}),
                                            WriteKav("b.bin", {LossTest("CAB-01", "F002", 0.5f, 1)})};
    std::unique_ptr<Job> job = NewJob();
    // Stopped while the second file is written.
    const ImportProgress stop = [](const ImportStep& step) { return !(step.file == 1 && step.writing); };
    for (const auto& [scope, kept] :
         {std::pair{ImportScope::Whole, size_t(0)}, std::pair{ImportScope::EachFile, size_t(1)}}) {
        std::vector<ImportReport> reports;
        EXPECT_EQ(job->Import(files, reports, stop, scope).status, JobStatus::Cancelled);
        EXPECT_EQ(StateOf(*job).Files().size(), kept);
    }
}

TEST_F(JobFolder, AKilledImportLeavesAValidJobWithExactlyTheFilesItFinished)
{
    NewJob().reset();
    const std::vector<std::string> files = {WriteKav("a.bin", SampleLossTests(30, 12)),
                                            WriteKav("b.bin", SampleLossTests(40, 12)),
                                            WriteKav("c.bin", SampleLossTests(3000, 144))};
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // The importer: it says when the third file is being written, and is
        // killed there.
        std::unique_ptr<Job> job;
        if (!Job::Open(Path("job.kavjob"), {JobAccess::Write}, job).ok())
            _exit(1);
        std::vector<ImportReport> reports;
        job->Import(files, reports, [&ready](const ImportStep& step) {
            if (step.file == 2 && step.writing) {
                (void)!write(ready[1], "w", 1);
                for (;;)
                    pause();
            }
            return true;
        });
        _exit(2);
    }
    close(ready[1]);
    char said = 0;
    EXPECT_EQ(read(ready[0], &said, 1), 1);
    close(ready[0]);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));

    std::unique_ptr<Job> job;
    const JobResult opened = Job::Open(Path("job.kavjob"), {JobAccess::Write}, job);
    ASSERT_TRUE(opened.ok()) << JobFailureText(opened);
    const JobState state = StateOf(*job);
    ASSERT_EQ(state.Files().size(), 2u);
    EXPECT_EQ(state.Files()[0].name, "a.bin");
    EXPECT_EQ(state.Files()[1].name, "b.bin");
    EXPECT_EQ(state.Records().size(), 70u);
}
