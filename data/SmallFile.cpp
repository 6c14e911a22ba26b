#include "data/SmallFile.h"

#include "platform/files/FileBytes.h"

SmallFileText ReadSmallFile(const std::string& path, size_t limit, const char* what)
{
    const FileBytes file = ReadFileBytes(path, limit);
    SmallFileText read;
    if (!file.ok())
        read.error = "cannot be read: " + file.reason;
    else if (file.overLimit)
        read.error = std::string("larger than a ") + what + " can be";
    else
        read.text.emplace(file.bytes.begin(), file.bytes.end());
    return read;
}
