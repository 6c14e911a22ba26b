#pragma once

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

// A folder of its own under the system's temporary folder for one test,
// removed with whatever the test left in it.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        // Creating a folder fails on a name that exists, so parallel tests never share one.
        const std::filesystem::path base = std::filesystem::temp_directory_path();
        for (unsigned attempt = 0; attempt < 10000; ++attempt) {
            const std::filesystem::path candidate = base / ("kav-test-" + std::to_string(attempt));
            if (std::filesystem::create_directory(candidate)) {
                m_Path = candidate;
                return;
            }
        }
        throw std::runtime_error("no free scratch folder under " + base.string());
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_Path, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::string Path() const { return m_Path.string(); }
    std::string File(const std::string& name) const { return (m_Path / name).string(); }

    // The names in the folder, sorted.
    std::vector<std::string> Names() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(m_Path))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    std::filesystem::path m_Path;
};

// The source tree, where the samples and the golden files are.
inline std::filesystem::path SourceDir()
{
    const char* source = std::getenv("KAV_SOURCE_DIR");
    return source ? source : ".";
}

inline std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}
