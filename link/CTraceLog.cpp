#include "link/CTraceLog.h"

#include "platform/files/FileSystem.h"

IoResult CTraceLog::Append(const std::string& path, const std::string& bytes)
{
    return AppendToFile(path, bytes);
}
