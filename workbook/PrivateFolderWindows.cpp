// The private folder on Windows, through the standard library: Windows ends
// a program by no signal that leaves files behind, and keeps its temporary
// folder tidy by itself.
#include "workbook/PrivateFolder.h"

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {
constexpr int Attempts = 16;
constexpr size_t RoomProbeBytes = size_t{64} * 1024;

// Made with the user's default permissions, the folder is closed to others
// before anything is written in it. Something that another user put in
// before that is found by the check that the folder is still empty, and the
// folder is not used.
bool CloseToOthers(const fs::path& folder, std::error_code& error)
{
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::replace, error);
    if (error)
        return false;
    const bool empty = fs::is_empty(folder, error);
    if (!error && !empty)
        error = std::make_error_code(std::errc::file_exists);
    return !error;
}
} // namespace

struct PrivateFolder::Place
{
};

PrivateFolder::PrivateFolder()
{
    std::error_code error;
    const fs::path base = fs::temp_directory_path(error);
    if (error) {
        m_Reason = "no temporary folder: " + error.message();
        return;
    }
    std::random_device device;
    std::mt19937_64 names(static_cast<uint64_t>(device()) << 32 | device());
    for (int attempt = 0; attempt < Attempts; ++attempt) {
        const fs::path folder = base / ("kav-workbook-" + std::to_string(names()));
        if (!fs::create_directory(folder, error)) {
            if (error)
                break;
            continue; // the name is taken
        }
        if (CloseToOthers(folder, error)) {
            m_Path = folder.u8string();
            return;
        }
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
    m_Reason = "cannot make a temporary folder in " + base.u8string() + ": " +
               (error ? error.message() : std::string("every name tried is taken"));
}

PrivateFolder::~PrivateFolder()
{
    if (!Made())
        return;
    std::error_code ignored;
    fs::remove_all(fs::u8path(m_Path), ignored);
}

std::string PrivateFolder::ExpectFile(const std::string& name)
{
    return (fs::u8path(m_Path) / fs::u8path(name)).u8string();
}

IoResult PrivateFolder::Room()
{
    const fs::path probe = fs::u8path(m_Path) / "room";
    std::ofstream file(probe, std::ios::binary);
    const bool written =
        file && file.write(std::string(RoomProbeBytes, '\0').data(), RoomProbeBytes) && file.flush();
    file.close();
    std::error_code ignored;
    fs::remove(probe, ignored);
    return written ? IoResult{} : IoRefusal(IoStatus::NoSpace, "no room left on the disk");
}
