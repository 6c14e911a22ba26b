#pragma once

#include <filesystem>
#include <string>

// A folder of its own under the system's temporary folder for one test,
// removed with whatever the test left in it.
class ScratchFolder
{
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return m_Path.string(); }
    std::string File(const std::string& name) const { return (m_Path / name).string(); }

private:
    std::filesystem::path m_Path;
};

std::string ReadWholeFile(const std::string& path);
