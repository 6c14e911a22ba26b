#include "platform/hid/HidAccessHint.h"

// Only root may open /dev/hidraw* until our udev rule grants the user at the
// seat access to the instrument's node.
std::string HidAccessHint()
{
    return "The udev rule 70-kav-instrument.rules gives the user at the seat access to it. It comes with "
           "the kav package; from a source build, run \"sudo make install\" in the source folder. Then "
           "unplug the instrument and plug it in again.";
}
