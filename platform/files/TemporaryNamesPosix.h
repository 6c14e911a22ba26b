#pragma once

#include <signal.h>

#include <string>

// Temporary files that have a name in their folder (where the system cannot
// make a file without one), and private folders for them, are removed
// should a signal end the program (SIGTERM, SIGINT, SIGHUP), so that no
// debris stays behind: the files first, then the folders. The signal then
// takes its course. A signal the program ignores stays ignored.
class TemporaryName
{
public:
    TemporaryName() = default;
    ~TemporaryName(); // forgets the name, without removing the file
    TemporaryName(const TemporaryName&) = delete;
    TemporaryName& operator=(const TemporaryName&) = delete;

    // Creates `name` in `folder` exclusively, never following a link, and
    // remembers it for the signals in one step; the open file, or -1 (errno).
    int Create(int folder, const std::string& name);
    // Gives an open file that has no name (`unnamed`, its /proc path) the
    // name `name` in `folder` and remembers it, in one step (as linkat).
    int Link(const std::string& unnamed, int folder, const std::string& name);
    // Makes the folder `name` in `folder`, open to this user alone, and
    // remembers it; 0, or -1 (errno). It is removed once empty.
    int MakeFolder(int folder, const std::string& name);
    // Remembers the name of a file that something else (a library) is to
    // make in `folder`.
    void Expect(int folder, const std::string& name);
    // Moves the file to `target` in the same folder, or removes it, and
    // forgets it in one step.
    int MoveTo(const std::string& target);
    void Remove();
    bool Named() const { return !m_Name.empty(); }

private:
    // Takes a place for the signal handler and remembers the name.
    void Remember(int folder, const std::string& name, bool isFolder);

    int m_Folder = -1;
    std::string m_Name;
    bool m_IsFolder = false;
    int m_Slot = -1; // where the signal handler finds it; -1 when every place is taken
};

// The catchable signals that end a program, held back while a temporary name
// comes or goes, so that the handler never sees half of it.
class EndingSignalsHeld
{
public:
    EndingSignalsHeld();
    ~EndingSignalsHeld();
    EndingSignalsHeld(const EndingSignalsHeld&) = delete;
    EndingSignalsHeld& operator=(const EndingSignalsHeld&) = delete;

private:
    sigset_t m_Saved;
};
