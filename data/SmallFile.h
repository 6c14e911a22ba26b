#pragma once

#include <cstddef>
#include <optional>
#include <string>

// The whole of a small file the user keeps beside the results (a limit file,
// a header file), or why it cannot be had: "cannot be read: <reason>", or
// "larger than a <what> can be".
struct SmallFileText
{
    std::optional<std::string> text;
    std::string error;
};

SmallFileText ReadSmallFile(const std::string& path, size_t limit, const char* what);
