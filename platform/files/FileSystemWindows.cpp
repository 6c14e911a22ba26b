// The file layer on Windows: examining paths and streams, and reading
// without blocking, through wide-character paths and handles.
#include "platform/files/FileBytes.h"
#include "platform/files/FileSystem.h"
#include "platform/files/ReadToEnd.h"
#include "platform/files/WindowsFiles.h"
#include "platform/files/WindowsText.h"

#include <fcntl.h>
#include <io.h>

#include <cstdio>

namespace {
ReadSome ReadOf(HANDLE handle)
{
    return [handle](char* buffer, size_t wanted) {
        DWORD got = 0;
        if (ReadFile(handle, buffer, static_cast<DWORD>(wanted), &got, nullptr))
            return ReadPiece{got, {}};
        // A pipe whose writer has gone ends so.
        if (GetLastError() == ERROR_BROKEN_PIPE)
            return ReadPiece{};
        return ReadPiece{0, LastFailure()};
    };
}
} // namespace

PathTarget ExaminePath(const std::string& path)
{
    PathTarget target;
    WindowsEntry entry;
    target.problem = FindEntry(path, entry);
    target.type = entry.type;
    target.identity = entry.identity;
    return target;
}

PathTarget ExamineStream(StandardStream stream)
{
    const HANDLE handle =
        GetStdHandle(stream == StandardStream::Input ? STD_INPUT_HANDLE : STD_OUTPUT_HANDLE);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE) {
        PathTarget closed;
        closed.problem = Failure(ERROR_INVALID_HANDLE);
        return closed;
    }
    return Examine(handle);
}

IoResult WriteStandardOutput(const std::string& bytes)
{
    // Text mode would turn every line feed of the CSV's CR LF into CR LF.
    std::fflush(stdout);
    _setmode(_fileno(stdout), _O_BINARY);
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
        return IoFailure(std::make_error_code(std::errc::io_error));
    return {};
}

FileBytes ReadFileBytes(const std::string& path, size_t limit)
{
    const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return FileBytes{LastFailure()};
    // A pipe server or a device opens at once; refuse them before reading.
    const PathTarget target = Examine(handle);
    FileBytes result;
    if (target.type != PathTarget::Type::Regular)
        result = FileBytes{NotAFile(target.type)};
    else
        ReadToEnd(result, limit, ReadOf(handle));
    CloseHandle(handle);
    return result;
}

FileBytes ReadStandardInput(size_t limit)
{
    FileBytes result;
    _setmode(_fileno(stdin), _O_BINARY);
    ReadToEnd(result, limit, ReadOf(GetStdHandle(STD_INPUT_HANDLE)));
    return result;
}

void KeepRunningAtFileSizeLimit()
{
    // Windows has no file-size limit that ends a program.
}

StandardErrorSilenced::StandardErrorSilenced() : m_Saved(-1)
{
    std::fflush(stderr);
    const int nowhere = _open("NUL", _O_WRONLY);
    if (nowhere < 0)
        return;
    m_Saved = _dup(_fileno(stderr));
    if (m_Saved >= 0 && _dup2(nowhere, _fileno(stderr)) != 0) {
        _close(m_Saved);
        m_Saved = -1;
    }
    _close(nowhere);
}

StandardErrorSilenced::~StandardErrorSilenced()
{
    if (m_Saved < 0)
        return;
    std::fflush(stderr);
    _dup2(m_Saved, _fileno(stderr));
    _close(m_Saved);
}
