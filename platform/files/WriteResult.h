#pragma once

#include "platform/files/IoResult.h"

#include <string>

// What writing an output file did, and the path it wrote.
struct WriteResult : IoResult
{
    std::string path; // as the caller named it, with any appended extension
};
