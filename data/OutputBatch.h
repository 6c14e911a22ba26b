#pragma once

#include "platform/files/SafeFileWriter.h"

#include <memory>
#include <string>
#include <vector>

// The outputs of one run, written together. Every output is staged before any
// target is touched, so a failure while staging changes nothing. The commit
// writes devices, pipes and standard output first, since they can still fail
// then, and renames the staged files last. A rename that fails after another
// output was committed cannot take that one back: the outcome names it.
class OutputBatch
{
public:
    // A failure discards what was staged so far.
    WriteResult Stage(const std::string& path, const std::string& bytes);
    WriteResult StageStandardOutput(const std::string& name, const std::string& bytes);

    struct CommitOutcome
    {
        WriteResult failure;                // ok when every output was committed
        std::vector<std::string> committed; // outputs written before the failure, as named
    };
    // Commits each staged output once.
    CommitOutcome CommitAll();

private:
    WriteResult Staged(WriteResult result);

    std::vector<std::unique_ptr<StagedFile>> m_Files;
};
