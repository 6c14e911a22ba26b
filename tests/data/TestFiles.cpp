#include "TestFiles.h"

#include <atomic>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

TempDir::TempDir()
{
    static std::atomic<int> counter{0};
    std::random_device random;
    m_Path = std::filesystem::temp_directory_path() /
             ("kav-data-test-" + std::to_string(random()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_Path);
}

TempDir::~TempDir()
{
    std::error_code ignored;
    std::filesystem::remove_all(m_Path, ignored);
}

std::vector<std::string> TempDir::Names() const
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(m_Path))
        names.push_back(entry.path().filename().string());
    return names;
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string Printed(const char* format, double value)
{
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return text;
}
