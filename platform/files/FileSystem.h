#pragma once

#include "platform/files/IoResult.h"

#include <string>

// The file operations whose safe form differs from one system to another, in
// one small layer (…Posix.cpp, …Windows.cpp) that the portable reading and
// writing code builds on. Paths are UTF-8.

// What a path names once its links are followed the way the system follows
// them when the file is opened.
struct PathTarget
{
    enum class Type
    {
        Missing, // nothing there yet: writing creates a file
        Regular,
        Folder,
        Pipe,
        Device,
        Other // a socket and the like
    };
    Type type = Type::Missing;
    // Why the path cannot be used (too many levels of links, a missing
    // folder, a link planted in a shared folder); ok when it can.
    IoResult problem;
    // Equal for two paths that name one file, whatever links or hard links
    // lie between them; for a missing file, its folder's identity and name.
    std::string identity;
};

PathTarget ExaminePath(const std::string& path);

// What a path of that type is, where a regular file was wanted, in the words
// messages use.
inline const char* NotAFileReason(PathTarget::Type type)
{
    switch (type) {
    case PathTarget::Type::Folder:
        return "a folder, not a regular file";
    case PathTarget::Type::Pipe:
        return "a named pipe, not a regular file";
    case PathTarget::Type::Device:
        return "a device, not a regular file";
    default:
        return "not a regular file";
    }
}

inline IoResult NotAFile(PathTarget::Type type)
{
    return IoRefusal(IoStatus::NotAFile, NotAFileReason(type));
}

enum class StandardStream
{
    Input,
    Output
};

// The file, pipe or device behind a standard stream, as ExaminePath tells it
// (a problem when the stream is closed).
PathTarget ExamineStream(StandardStream stream);

// Writes the bytes unchanged (no line-end translation) to standard output and
// flushes it.
IoResult WriteStandardOutput(const std::string& bytes);

// A file-size limit (ulimit -f) would end the program by SIGXFSZ in the
// middle of a write; ignored, the write fails (EFBIG) and is told as a full
// disk, the earlier file kept. Called once at the start of each program.
void KeepRunningAtFileSizeLimit();

// What a library prints on standard error while this lives is thrown away,
// for a program whose every failure is one line of its own, which tells the
// library's failure in its own words.
class StandardErrorSilenced
{
public:
    StandardErrorSilenced();
    ~StandardErrorSilenced();
    StandardErrorSilenced(const StandardErrorSilenced&) = delete;
    StandardErrorSilenced& operator=(const StandardErrorSilenced&) = delete;

private:
    int m_Saved; // standard error as it was; -1 when it could not be kept
};
