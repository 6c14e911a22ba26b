#include "data/OutputBatch.h"

#include <algorithm>

WriteResult OutputBatch::Staged(WriteResult result)
{
    if (!result.ok())
        m_Files.clear();
    return result;
}

WriteResult OutputBatch::Stage(const std::string& path, const std::string& bytes)
{
    m_Files.push_back(std::make_unique<StagedFile>());
    return Staged(m_Files.back()->Stage(path, bytes));
}

WriteResult OutputBatch::StageStandardOutput(const std::string& name, const std::string& bytes)
{
    m_Files.push_back(std::make_unique<StagedFile>());
    return Staged(m_Files.back()->StageStandardOutput(name, bytes));
}

OutputBatch::CommitOutcome OutputBatch::CommitAll()
{
    // The order is settled before anything is committed: a committed file no
    // longer tells how it was written.
    std::stable_partition(m_Files.begin(), m_Files.end(),
                          [](const std::unique_ptr<StagedFile>& file) { return file->WritesAtCommit(); });
    CommitOutcome outcome;
    for (const std::unique_ptr<StagedFile>& file : m_Files) {
        const WriteResult result = file->Commit();
        if (!result.ok()) {
            outcome.failure = result;
            break;
        }
        outcome.committed.push_back(result.path);
    }
    m_Files.clear();
    return outcome;
}
