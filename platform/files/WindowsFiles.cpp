#include "platform/files/WindowsFiles.h"

#include "platform/files/WindowsText.h"

#include <filesystem>

namespace {
// Opens what the path names, links followed, without reading or writing it;
// a folder opens too.
HANDLE OpenForQuery(const std::wstring& path)
{
    return CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
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

std::wstring FinalPathOf(HANDLE handle)
{
    std::wstring path(MAX_PATH, L'\0');
    DWORD length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    if (length >= path.size()) {
        path.resize(length);
        length = GetFinalPathNameByHandleW(handle, path.data(), static_cast<DWORD>(path.size()), 0);
    }
    path.resize(length);
    return path;
}
} // namespace

IoResult Failure(DWORD error)
{
    return IoFailure({static_cast<int>(error), std::system_category()});
}

IoResult LastFailure()
{
    return Failure(GetLastError());
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

PathTarget Examine(HANDLE handle)
{
    PathTarget target;
    BY_HANDLE_FILE_INFORMATION info;
    const bool onDisk = GetFileType(handle) == FILE_TYPE_DISK && GetFileInformationByHandle(handle, &info);
    target.type = TypeOf(handle, onDisk ? &info : nullptr);
    if (onDisk)
        target.identity = IdentityOf(info);
    return target;
}

IoResult FindEntry(const std::string& path, WindowsEntry& entry)
{
    const std::wstring wide = Wide(path);
    const HANDLE handle = OpenForQuery(wide);
    if (handle != INVALID_HANDLE_VALUE) {
        const PathTarget target = Examine(handle);
        entry.found = true;
        entry.type = target.type;
        entry.identity = target.identity;
        entry.file = target.type == PathTarget::Type::Regular ? FinalPathOf(handle) : wide;
        CloseHandle(handle);
        return {};
    }
    const DWORD error = GetLastError();
    // ERROR_CANT_RESOLVE_FILENAME: a loop of links.
    if (error != ERROR_FILE_NOT_FOUND)
        return Failure(error);
    // A missing file: its folder decides where it is created. A dangling
    // link's target is not followed here (symbolic links are rare on
    // Windows); the new file then replaces the link.
    const std::filesystem::path name(wide);
    const std::filesystem::path folder =
        name.has_parent_path() ? name.parent_path() : std::filesystem::path(L".");
    const HANDLE folderHandle = OpenForQuery(folder.wstring());
    if (folderHandle == INVALID_HANDLE_VALUE)
        return LastFailure();
    BY_HANDLE_FILE_INFORMATION info;
    IoResult result;
    if (!GetFileInformationByHandle(folderHandle, &info)) {
        result = LastFailure();
    } else if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        result = Failure(ERROR_DIRECTORY);
    } else {
        entry.file = (std::filesystem::path(FinalPathOf(folderHandle)) / name.filename()).wstring();
        entry.identity = IdentityOf(info) + "/" + name.filename().u8string();
    }
    CloseHandle(folderHandle);
    return result;
}
