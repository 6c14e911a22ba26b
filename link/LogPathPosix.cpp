#include "link/LogPath.h"

#include <cstdlib>

std::string DefaultLogPath()
{
    // The home folder as the HOME variable gives it, without a trailing
    // separator; the root when it is unset.
    const char* home = std::getenv("HOME");
    std::string folder = home != nullptr ? home : "";
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    return LogPathInFolder(folder.empty() ? "/" : folder);
}
