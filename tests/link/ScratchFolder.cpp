#include "ScratchFolder.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

ScratchFolder::ScratchFolder()
{
    // mkdir fails on a name that exists, so a taken name is never shared.
    const std::filesystem::path base = std::filesystem::temp_directory_path();
    for (unsigned attempt = 0; attempt < 1000; ++attempt) {
        const std::filesystem::path candidate = base / ("kav-link-test-" + std::to_string(attempt));
        if (std::filesystem::create_directory(candidate)) {
            m_Path = candidate;
            return;
        }
    }
    throw std::runtime_error("no free scratch folder under " + base.string());
}

ScratchFolder::~ScratchFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_Path, ignored);
}

std::string ReadWholeFile(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}
