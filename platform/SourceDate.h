#pragma once

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <optional>

// The moment a written report or workbook says it was made. Where
// SOURCE_DATE_EPOCH is set (reproducible builds, tests) it is that many
// seconds after 1970-01-01 UTC, so that the same input gives the same bytes;
// otherwise, or when the variable is not a count of seconds, nothing (now).
inline std::optional<int64_t> SourceDateEpoch()
{
    const char* text = std::getenv("SOURCE_DATE_EPOCH");
    if (text == nullptr || *text < '0' || *text > '9')
        return std::nullopt;
    char* end = nullptr;
    errno = 0;
    const long long seconds = std::strtoll(text, &end, 10);
    if (errno != 0 || *end != '\0')
        return std::nullopt;
    return static_cast<int64_t>(seconds);
}
