#include "platform/ui/DisplayPresence.h"

// Windows and macOS always have a desktop to show windows on.
bool DisplayAvailable(int, char*[])
{
    return true;
}
