#pragma once

#include "platform/files/FileSystem.h"
#include "platform/files/WriteResult.h"

#include <string>

// Writes an output file so that a failure never leaves a truncated file and
// never destroys the earlier one: the bytes go to a new temporary file beside
// the target, created exclusively and flushed to the disk, which replaces the
// target only when every byte is written. A link is followed to the file it
// names, which is replaced while the link stays a link. A device or a pipe
// (/dev/null, a named pipe) is written to, never replaced by a file.
class StagedFile
{
public:
    StagedFile() = default;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;
    ~StagedFile(); // removes a temporary file that was never committed

    // Checks that the target can be written, then writes the bytes to the
    // temporary file (a device or pipe keeps them for the commit).
    WriteResult Stage(const std::string& path, const std::string& bytes);
    // Standard output, written at the commit; `name` is what messages call it.
    WriteResult StageStandardOutput(const std::string& name, const std::string& bytes);
    // Replaces the target with the staged file, or writes the device, pipe
    // or standard output. Commits once: a second call fails.
    WriteResult Commit();
    // Written at the commit, where it can still fail (a full disk behind a
    // device), rather than staged on the disk.
    bool WritesAtCommit() const { return m_Mode == Mode::InPlace || m_Mode == Mode::StandardOutput; }
    void Discard();

private:
    enum class Mode
    {
        Nothing,
        Replace,
        InPlace,
        StandardOutput
    };
    Mode m_Mode = Mode::Nothing;
    std::string m_Target;    // where the bytes go: the file at the end of the path's links
    std::string m_Reported;  // the path as the caller gave it
    std::string m_Temporary; // the staged file, until it is committed or discarded
    std::string m_Bytes;     // kept for a commit that writes them
};

// Stage and commit in one step.
WriteResult WriteFileSafely(const std::string& path, const std::string& bytes);
