#pragma once

#include "platform/files/IoResult.h"

#include <string>

// The file operations whose safe form differs from one system to another, in
// one small layer (FileSystemPosix.cpp, FileSystemWindows.cpp) that the
// portable reading and writing code builds on. Paths are UTF-8.

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
    // folder); ok when it can.
    IoResult problem;
    // The file itself with every link followed: a regular file is replaced
    // here, and a missing one created here, so that a link stays a link.
    std::string file;
    // Equal for two paths that name one file, whatever links or hard links
    // lie between them; for a missing file, its folder's identity and name.
    std::string identity;
};

PathTarget ExaminePath(const std::string& path);

// Why a path of that type is not read as a file, in the words messages use.
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

enum class StandardStream
{
    Input,
    Output
};

// The file, pipe or device behind a standard stream, as ExaminePath tells it
// (a problem when the stream is closed).
PathTarget ExamineStream(StandardStream stream);

// Whether an existing file, device or pipe may be opened for writing, asked
// without opening a pipe (which would wait for a reader) and without
// changing anything.
IoResult CheckWritable(const PathTarget& target);

// Creates the file `path`, which must not exist in any form: a file or a link
// found under its name is neither opened nor followed (NameTaken). Writes the
// bytes and flushes them to the disk before it returns. The file gets the
// permissions of `permissionsOf` when that file exists.
IoResult CreateFileExclusively(const std::string& path, const std::string& bytes,
                               const std::string& permissionsOf);

// Renames `from` over `to` in one step, then flushes the folder so that the
// new name survives a power cut.
IoResult MoveIntoPlace(const std::string& from, const std::string& to);

void RemoveFile(const std::string& path);

// Writes into an existing device or pipe, which is never replaced by a file.
// A named pipe waits for its reader, as a shell's redirection does.
IoResult WriteInPlace(const std::string& path, const std::string& bytes);

// Appends the bytes to the file at `path`, created when missing; what the
// file held stays as it was.
IoResult AppendToFile(const std::string& path, const std::string& bytes);

// Writes the bytes unchanged (no line-end translation) to standard output and
// flushes it.
IoResult WriteStandardOutput(const std::string& bytes);
