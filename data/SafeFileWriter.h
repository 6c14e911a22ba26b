#pragma once

#include "Results.h"

#include <string>

// Writes an output file so that a failure never leaves a truncated file and
// never destroys the earlier one: the bytes go to a temporary file beside the
// target, which replaces the target only when every byte is written.
class StagedFile
{
public:
    StagedFile() = default;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile(); // removes a temporary file that was never committed

    // Checks that the target can be opened for writing, then writes the bytes
    // to the temporary file.
    WriteResult Stage(const std::string& path, const std::string& bytes);
    // Moves the staged file over the target.
    WriteResult Commit();
    // A device or pipe is not replaced but written to, at commit.
    bool WritesAtCommit() const { return m_Direct; }
    void Discard();

private:
    std::string m_Target;   // where the bytes go: the path, or the file its link names
    std::string m_Reported; // the path as the caller gave it
    std::string m_Temporary;
    bool m_Direct = false; // the target is a device or pipe: written at commit
    std::string m_DirectBytes;
};

// Stage and commit in one step.
WriteResult WriteFileSafely(const std::string& path, const std::string& bytes);
