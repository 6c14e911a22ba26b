#pragma once

#include "platform/files/OutputFile.h"
#include "platform/files/WriteResult.h"

#include <string>

// The one way the programs write a file. A failure never leaves a truncated
// file and never destroys the earlier one: the bytes go to a new file in the
// target's folder, flushed to the disk, which takes the target's place only
// when every byte is written. A link is followed to the file it names, which
// is replaced while the link stays a link (OutputFile says which links are
// refused). A device or a pipe is written to under WriteRule::AsNamed, and
// refused otherwise; it is never replaced by a file.
class StagedFile
{
public:
    StagedFile() = default;
    StagedFile(const StagedFile&) = delete;
    StagedFile& operator=(const StagedFile&) = delete;

    // Checks that the target can be written, then stages the bytes (a device
    // or pipe keeps them for the commit).
    WriteResult Stage(const std::string& path, const std::string& bytes, WriteRule rule = WriteRule::AsNamed);
    // Standard output, written at the commit; `name` is what messages call it.
    WriteResult StageStandardOutput(const std::string& name, const std::string& bytes);
    // Replaces the target with the staged file, or writes the device, pipe
    // or standard output. Commits once: a second call fails.
    WriteResult Commit();
    // Written at the commit, where it can still fail (a full disk behind a
    // device), rather than staged on the disk.
    bool WritesAtCommit() const { return m_Mode == Mode::WriteThrough || m_Mode == Mode::StandardOutput; }
    void Discard();

private:
    enum class Mode
    {
        Nothing,
        Replace,
        WriteThrough,
        StandardOutput
    };
    Mode m_Mode = Mode::Nothing;
    OutputFile m_File;
    std::string m_Reported; // the path as the caller gave it
    std::string m_Bytes;    // kept for a commit that writes them
};

// Stage and commit in one step.
WriteResult WriteFileSafely(const std::string& path, const std::string& bytes,
                            WriteRule rule = WriteRule::AsNamed);

// Adds the bytes at the end of the regular file at `path`, made when missing
// (never a device, a pipe or a planted link); what it held stays as it was.
IoResult AppendToFile(const std::string& path, const std::string& bytes);
