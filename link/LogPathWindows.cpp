#include "link/LogPath.h"

std::string DefaultLogPath()
{
    return std::string("C:\\") + LogName;
}
