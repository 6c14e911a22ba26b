#pragma once

#include "platform/files/FileSystem.h"

#include <memory>
#include <string>

// What a write may do with a target that is not a regular file.
enum class WriteRule
{
    // An output the user named on purpose (Save As, kav-convert's OUT): a
    // device such as /dev/null, or a pipe that a process reads, is written
    // to; neither is ever replaced by a file.
    AsNamed,
    // A file the program keeps for itself (settings, the trace log,
    // pictures): only a regular file is written, or a new one made.
    RegularOnly
};

// One file being written, reached through the folder that holds it: the
// folder is opened once and every later step works relative to it, so the
// system resolves each link once, where it resolves links, and a folder
// renamed meanwhile changes nothing. A link at the end of the path is
// followed to the file it names (which is written, the link staying a link),
// and a link to a folder on the way to it as well, except one that another
// user made in a folder that everyone may write to and that keeps its
// files' owners (a sticky folder such as /tmp): that is refused, as the
// system refuses it. (OutputFilePosix.cpp, OutputFileWindows.cpp)
class OutputFile
{
public:
    OutputFile();
    ~OutputFile(); // removes a staged file that was not committed
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    // Finds what `path` names and checks that it may be written under the
    // rule, changing nothing: a folder is refused, a read-only file too, a
    // pipe that no process reads fails at once (it would wait for ever).
    IoResult Open(const std::string& path, WriteRule rule);
    // After Open: true when the bytes go to a new file that takes the
    // target's place (a regular file, or none yet); false for a device or a
    // pipe, which is written to.
    bool Replaces() const;

    // Writes the bytes to a new file in the target's folder, flushed to the
    // disk, that nobody sees until the commit (a hidden name where the system
    // cannot make a file without one, removed should the program be ended by
    // a signal). A replaced file's permissions are the new file's.
    IoResult Stage(const std::string& bytes);
    // Puts the staged file in the target's place in one step and flushes the
    // folder. Refuses when something else has taken the target's name since
    // Open: a device put there is never replaced.
    IoResult Commit();
    // Removes a staged file that was not committed.
    void Discard();

    // A device or pipe: writes the bytes to it.
    IoResult WriteThrough(const std::string& bytes);
    // A regular file, or none yet: adds the bytes at its end.
    IoResult Append(const std::string& bytes);

private:
    struct Place;
    std::unique_ptr<Place> m_Place;
};
