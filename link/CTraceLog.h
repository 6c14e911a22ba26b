#pragma once

#include "platform/files/IoResult.h"

#include <string>

// The live trace's text log: each call opens the file for appending (creating
// it when missing), writes the bytes and closes it again, so earlier lines,
// also of earlier runs, are never rewritten.
class CTraceLog
{
public:
    static IoResult Append(const std::string& path, const std::string& bytes);
};
