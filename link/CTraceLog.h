#pragma once

#include <string>

// The live trace's text log: each call opens the file for appending (creating
// it when missing), writes the bytes and closes it again, so earlier lines,
// also of earlier runs, are never rewritten.
class CTraceLog
{
public:
    struct Result
    {
        bool ok = true;
        std::string reason; // the system's reason when not ok
    };

    static Result Append(const std::string& path, const std::string& bytes);
};
