// The file layer on Windows: wide-character paths, handles, and the calls
// that stand for the POSIX ones (CREATE_NEW for O_EXCL, FlushFileBuffers for
// fsync, MoveFileExW with write-through for the rename and the folder flush).
#include "platform/files/FileBytes.h"
#include "platform/files/FileSystem.h"
#include "platform/files/WindowsText.h"

#include <windows.h>

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <filesystem>

namespace {
IoResult Failure(DWORD error)
{
    return IoFailure({static_cast<int>(error), std::system_category()});
}

IoResult LastFailure()
{
    return Failure(GetLastError());
}

IoResult NotAFile(PathTarget::Type type)
{
    return IoRefusal(IoStatus::NotAFile, NotAFileReason(type));
}

// Opens what the path names, links followed, without reading or writing it;
// a folder opens too.
HANDLE OpenForQuery(const std::string& path)
{
    return CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                       OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
}

PathTarget::Type TypeOf(HANDLE handle, const BY_HANDLE_FILE_INFORMATION* info)
{
    switch (GetFileType(handle)) {
    case FILE_TYPE_DISK:
        if (info != nullptr && (info->dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
            return PathTarget::Type::Folder;
        return PathTarget::Type::Regular;
    case FILE_TYPE_PIPE:
        return PathTarget::Type::Pipe;
    case FILE_TYPE_CHAR:
        return PathTarget::Type::Device;
    default:
        return PathTarget::Type::Other;
    }
}

std::string IdentityOf(const BY_HANDLE_FILE_INFORMATION& info)
{
    const unsigned long long index =
        (static_cast<unsigned long long>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return std::to_string(info.dwVolumeSerialNumber) + ":" + std::to_string(index);
}

std::string FinalPathOf(HANDLE handle)
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    if (length >= path.size()) {
        path.resize(length);
        length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    }
    path.resize(length);
    return Narrow(path);
}

PathTarget Examine(HANDLE handle, bool ownHandle)
{
    PathTarget target;
    BY_HANDLE_FILE_INFORMATION info;
    const bool onDisk = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info);
    target.type = TypeOf(handle, onDisk ? &info : nullptr);
    if (onDisk) {
        target.identity = IdentityOf(info);
        if (target.type == PathTarget::Type::Regular && ownHandle)
            target.file = FinalPathOf(handle);
    }
    return target;
}

IoResult WriteAll(HANDLE handle, const std::string& bytes)
{
    size_t written = 0;
    while (written < bytes.size()) {
        const DWORD chunk =
            static_cast<DWORD>(bytes.size() - written < 0x40000000 ? bytes.size() - written : 0x40000000);
        DWORD done = 0;
        if (!WriteFile(handle, bytes.data() + written, chunk, &done, nullptr))
            return LastFailure();
        written += done;
    }
    return {};
}

void ReadAll(HANDLE handle, size_t limit, FileBytes& result)
{
    char chunk[65536];
    for (;;) {
        const size_t room = limit - result.bytes.size();
        DWORD got = 0;
        if (room == 0) {
            char extra;
            result.overLimit = ReadFile(handle, &extra, 1, &got, nullptr) && got > 0;
            break;
        }
        const DWORD wanted = static_cast<DWORD>(room < sizeof chunk ? room : sizeof chunk);
        if (!ReadFile(handle, chunk, wanted, &got, nullptr)) {
            // A pipe whose writer has gone ends so.
            if (GetLastError() == ERROR_BROKEN_PIPE)
                break;
            result = FileBytes{LastFailure()};
            return;
        }
        if (got == 0)
            break;
        result.bytes.insert(result.bytes.end(), chunk, chunk + got);
    }
}
} // namespace

PathTarget ExaminePath(const std::string& path)
{
    const HANDLE handle = OpenForQuery(path);
    if (handle != INVALID_HANDLE_VALUE) {
        PathTarget target = Examine(handle, true);
        if (target.type != PathTarget::Type::Regular)
            target.file = path;
        CloseHandle(handle);
        return target;
    }
    PathTarget target;
    const DWORD error = GetLastError();
    if (error != ERROR_FILE_NOT_FOUND) {
        // ERROR_CANT_RESOLVE_FILENAME: a loop of links.
        target.problem = Failure(error);
        return target;
    }
    // A missing file: its folder decides where it is created. A dangling
    // link's target is not followed here (symbolic links are rare on
    // Windows); the new file then replaces the link.
    const std::filesystem::path name = std::filesystem::u8path(path);
    const std::filesystem::path folder =
        name.has_parent_path() ? name.parent_path() : std::filesystem::path(L".");
    const HANDLE folderHandle = OpenForQuery(folder.u8string());
    if (folderHandle == INVALID_HANDLE_VALUE) {
        target.problem = LastFailure();
        return target;
    }
    BY_HANDLE_FILE_INFORMATION info;
    if (!GetFileInformationByHandle(folderHandle, &info)) {
        target.problem = LastFailure();
    } else if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        target.problem = Failure(ERROR_DIRECTORY);
    } else {
        const std::string leaf = name.filename().u8string();
        target.file = (std::filesystem::u8path(FinalPathOf(folderHandle)) / name.filename()).u8string();
        target.identity = IdentityOf(info) + "/" + leaf;
    }
    CloseHandle(folderHandle);
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
    return Examine(handle, false);
}

IoResult CheckWritable(const PathTarget& target)
{
    if (target.type == PathTarget::Type::Folder)
        return Failure(ERROR_DIRECTORY);
    if (target.type == PathTarget::Type::Pipe)
        return {};
    // The read-only attribute keeps every writer out, an administrator too;
    // asked for itself, it does so also where the account could write the
    // file (Wine run by root).
    const DWORD attributes = GetFileAttributesW(Wide(target.file).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return Failure(ERROR_ACCESS_DENIED);
    // Opening without truncating changes nothing; it honours a lock held by
    // another program, which a rename would not.
    const HANDLE handle = CreateFileW(Wide(target.file).c_str(), GENERIC_WRITE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return LastFailure();
    CloseHandle(handle);
    return {};
}

IoResult CreateFileExclusively(const std::string& path, const std::string& bytes, const std::string&)
{
    // CREATE_NEW fails on any name in use, a link included, and never
    // follows one. A replaced file's permissions are its folder's, which the
    // new file inherits as well.
    const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return LastFailure();
    IoResult result = WriteAll(handle, bytes);
    if (result.ok() && !FlushFileBuffers(handle))
        result = LastFailure();
    CloseHandle(handle);
    if (!result.ok())
        DeleteFileW(Wide(path).c_str());
    return result;
}

IoResult MoveIntoPlace(const std::string& from, const std::string& to)
{
    // Write-through returns only once the rename is on the disk: Windows
    // has no folder to flush.
    if (!MoveFileExW(Wide(from).c_str(), Wide(to).c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return LastFailure();
    return {};
}

void RemoveFile(const std::string& path)
{
    DeleteFileW(Wide(path).c_str());
}

IoResult WriteInPlace(const std::string& path, const std::string& bytes)
{
    const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return LastFailure();
    const IoResult result = WriteAll(handle, bytes);
    CloseHandle(handle);
    return result;
}

IoResult AppendToFile(const std::string& path, const std::string& bytes)
{
    const HANDLE handle =
        CreateFileW(Wide(path).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return LastFailure();
    const IoResult result = WriteAll(handle, bytes);
    CloseHandle(handle);
    return result;
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
    FileBytes result;
    const HANDLE handle = CreateFileW(Wide(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return FileBytes{LastFailure()};
    // A pipe server or a device opens at once; refuse them before reading.
    BY_HANDLE_FILE_INFORMATION info;
    const bool onDisk = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info);
    const PathTarget::Type type = TypeOf(handle, onDisk ? &info : nullptr);
    if (type != PathTarget::Type::Regular) {
        CloseHandle(handle);
        return FileBytes{NotAFile(type)};
    }
    ReadAll(handle, limit, result);
    CloseHandle(handle);
    return result;
}

FileBytes ReadStandardInput(size_t limit)
{
    FileBytes result;
    _setmode(_fileno(stdin), _O_BINARY);
    ReadAll(GetStdHandle(STD_INPUT_HANDLE), limit, result);
    return result;
}
