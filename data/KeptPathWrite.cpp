#include "data/KeptPathWrite.h"

#include "data/CDataStore.h"
#include "platform/files/SafeFileWriter.h"

WriteResult WriteKeepingPath(const std::string& path, const std::string& bytes, std::string* keptPath)
{
    const WriteResult result = WriteFileSafely(path, bytes);
    if (result.ok() && keptPath != nullptr)
        CDataStore::SetPath(*keptPath, path);
    return result;
}
