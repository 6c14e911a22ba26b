#pragma once

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <cstring>
#endif

// The system's own words for one of its error codes, as a message quotes
// them: strerror's on POSIX, FormatMessage's on Windows (without the closing
// full stop).
#ifdef _WIN32
inline std::string SystemWords(unsigned long code)
{
    char text[512] = {};
    FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0, text,
                   sizeof text, nullptr);
    std::string words = text;
    while (!words.empty() && (words.back() == '\n' || words.back() == '\r' || words.back() == '.'))
        words.pop_back();
    return words;
}
constexpr unsigned long MissingFileError = ERROR_FILE_NOT_FOUND;
constexpr unsigned long AccessDeniedError = ERROR_ACCESS_DENIED;
#else
inline std::string SystemWords(int code)
{
    return std::strerror(code);
}
constexpr int MissingFileError = ENOENT;
constexpr int AccessDeniedError = EACCES;
#endif
