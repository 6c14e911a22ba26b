#include "platform/ui/DisplayPresence.h"

#include <cstdlib>
#include <cstring>
#include <initializer_list>

// An X11 or Wayland session names its display in the environment.
bool DisplayAvailable(int argc, char* argv[])
{
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return true;
    }
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "-platform") == 0 || std::strcmp(argv[i], "--platform") == 0)
            return true;
    return false;
}
