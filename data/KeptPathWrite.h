#pragma once

#include "platform/files/WriteResult.h"

#include <string>

// Writes an export or a document through the safe write; once it is written,
// `keptPath` (the store's path of that output, or none) takes the path.
WriteResult WriteKeepingPath(const std::string& path, const std::string& bytes, std::string* keptPath);
