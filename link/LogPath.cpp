#include "link/LogPath.h"

#include <filesystem>

std::string LogPathInFolder(const std::string& folder)
{
    return folder + static_cast<char>(std::filesystem::path::preferred_separator) + LogName;
}
