#include "link/CTraceLog.h"

#include "platform/files/SafeFileWriter.h"

IoResult CTraceLog::Append(const std::string& path, const std::string& bytes)
{
    return AppendToFile(path, bytes);
}
