#include "FileBytes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>

FileBytes ReadFileBytes(const std::string& path, size_t limit)
{
    FileBytes result;
    const std::filesystem::path fsPath = std::filesystem::u8path(path);
    std::error_code error;
    if (std::filesystem::is_directory(fsPath, error)) {
        result.reason = std::strerror(EISDIR);
        return result;
    }
    errno = 0;
    std::ifstream in(fsPath, std::ios::binary);
    if (!in) {
        result.reason = errno != 0 ? std::strerror(errno) : "cannot be opened";
        return result;
    }
    const auto size = std::filesystem::file_size(fsPath, error);
    if (!error)
        result.bytes.reserve(static_cast<size_t>(size < limit ? size : limit));
    char chunk[65536];
    while (result.bytes.size() < limit) {
        const size_t wanted =
            limit - result.bytes.size() < sizeof chunk ? limit - result.bytes.size() : sizeof chunk;
        in.read(chunk, static_cast<std::streamsize>(wanted));
        const auto got = static_cast<size_t>(in.gcount());
        result.bytes.insert(result.bytes.end(), chunk, chunk + got);
        if (got < wanted)
            break;
    }
    if (in.bad()) {
        result.reason = errno != 0 ? std::strerror(errno) : "read error";
        result.bytes.clear();
        return result;
    }
    if (result.bytes.size() == limit)
        result.overLimit = in.peek() != std::ifstream::traits_type::eof();
    result.opened = true;
    return result;
}
