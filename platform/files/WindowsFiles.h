#pragma once

#include "platform/files/FileSystem.h"

#include <windows.h>

#include <string>

// What the Windows file code shares: the last error as a result, a handle's
// type and identity, writing a whole buffer, and the file a path names.

IoResult Failure(DWORD error);
IoResult LastFailure();
IoResult WriteAll(HANDLE handle, const std::string& bytes);

// The file, pipe or device behind an open handle.
PathTarget Examine(HANDLE handle);

// What a path names, its links followed by the system: the file itself, or
// for a missing one the folder that would hold it and the name there.
struct WindowsEntry
{
    bool found = false;
    PathTarget::Type type = PathTarget::Type::Missing;
    std::string identity;
    std::wstring file; // the full path of the file, or of the one to make
};

IoResult FindEntry(const std::string& path, WindowsEntry& entry);
