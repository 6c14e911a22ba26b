// Writing on Windows: the new file gets a hidden name beside the target and
// is removed on any failure; MoveFileExW with write-through puts it in the
// target's place. (ReplaceFileW would keep more of the old file's metadata,
// but when it fails it can leave a backup of its own behind.)
#include "platform/files/OutputFile.h"
#include "platform/files/WindowsFiles.h"

#include <filesystem>
#include <random>

namespace {
// Fresh temporary names to try before giving up: only a folder crowded with
// files of this pattern, or someone planting them as fast as they are drawn,
// takes them all.
constexpr int TemporaryNameTries = 16;

std::wstring TemporaryNameBeside(const std::wstring& target)
{
    static std::mt19937_64 generator{std::random_device{}()};
    const std::wstring name = L".kav-" + std::to_wstring(generator()) + L".tmp";
    return (std::filesystem::path(target).parent_path() / name).wstring();
}

// Opening for writing and deleting, without truncating, changes nothing; it
// meets a lock that another program holds (a spreadsheet that has the file
// open), which would make the rename fail only after all was written.
IoResult CheckWritable(const std::wstring& file)
{
    // The read-only attribute keeps every writer out, an administrator too;
    // asked for itself, it does so also where the account could write the
    // file (Wine run by root).
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return Failure(ERROR_ACCESS_DENIED);
    const HANDLE handle = CreateFileW(file.c_str(), GENERIC_WRITE | DELETE,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return LastFailure();
    CloseHandle(handle);
    return {};
}
} // namespace

struct OutputFile::Place
{
    ~Place()
    {
        if (target != INVALID_HANDLE_VALUE)
            CloseHandle(target);
        if (!staged.empty())
            DeleteFileW(staged.c_str());
    }

    WindowsEntry entry;
    HANDLE target = INVALID_HANDLE_VALUE; // the device or pipe, or the file appended to
    std::wstring staged;                  // the new file, until it is committed or removed
};

OutputFile::OutputFile() = default;
OutputFile::~OutputFile() = default;

IoResult OutputFile::Open(const std::string& path, WriteRule rule)
{
    m_Place = std::make_unique<Place>();
    WindowsEntry& entry = m_Place->entry;
    const IoResult found = FindEntry(path, entry);
    if (!found.ok() || !entry.found)
        return found;
    if (entry.type == PathTarget::Type::Regular)
        return CheckWritable(entry.file);
    const bool special = entry.type == PathTarget::Type::Pipe || entry.type == PathTarget::Type::Device;
    if (!special || rule == WriteRule::RegularOnly)
        return NotAFile(entry.type);
    m_Place->target = CreateFileW(entry.file.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                  nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (m_Place->target == INVALID_HANDLE_VALUE)
        return LastFailure();
    return {};
}

bool OutputFile::Replaces() const
{
    return !m_Place->entry.found || m_Place->entry.type == PathTarget::Type::Regular;
}

IoResult OutputFile::Stage(const std::string& bytes)
{
    Place& place = *m_Place;
    HANDLE handle = INVALID_HANDLE_VALUE;
    DWORD error = ERROR_FILE_EXISTS;
    for (int attempt = 0;
         handle == INVALID_HANDLE_VALUE && error == ERROR_FILE_EXISTS && attempt < TemporaryNameTries;
         ++attempt) {
        place.staged = TemporaryNameBeside(place.entry.file);
        // CREATE_NEW fails on any name in use, a link included, and never
        // follows one.
        handle = CreateFileW(place.staged.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
        error = GetLastError();
    }
    if (handle == INVALID_HANDLE_VALUE) {
        place.staged.clear();
        return Failure(error);
    }
    IoResult result = WriteAll(handle, bytes);
    if (result.ok() && !FlushFileBuffers(handle))
        result = LastFailure();
    CloseHandle(handle);
    if (!result.ok())
        Discard();
    return result;
}

IoResult OutputFile::Commit()
{
    Place& place = *m_Place;
    const std::wstring& target = place.entry.file;
    // A new file appears only under a name that is still free. Write-through
    // returns once the rename is on the disk: Windows has no folder to flush.
    const DWORD replacing = place.entry.found ? MOVEFILE_REPLACE_EXISTING : 0;
    if (!MoveFileExW(place.staged.c_str(), target.c_str(), replacing | MOVEFILE_WRITE_THROUGH)) {
        const IoResult failed = LastFailure();
        Discard();
        return failed;
    }
    place.staged.clear();
    return {};
}

void OutputFile::Discard()
{
    if (!m_Place || m_Place->staged.empty())
        return;
    DeleteFileW(m_Place->staged.c_str());
    m_Place->staged.clear();
}

IoResult OutputFile::WriteThrough(const std::string& bytes)
{
    return WriteAll(m_Place->target, bytes);
}

IoResult OutputFile::Append(const std::string& bytes)
{
    Place& place = *m_Place;
    place.target = CreateFileW(place.entry.file.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                               nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (place.target == INVALID_HANDLE_VALUE)
        return LastFailure();
    const PathTarget opened = Examine(place.target);
    if (opened.type != PathTarget::Type::Regular)
        return NotAFile(opened.type);
    return WriteAll(place.target, bytes);
}
