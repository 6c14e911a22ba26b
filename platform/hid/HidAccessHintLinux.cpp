#include "HidAccessHint.h"

// Only root may open /dev/hidraw* until our udev rule grants the user at the
// seat access to the instrument's node.
std::string HidAccessHint()
{
    return "Install the udev rule that grants access (packaging/linux/70-kav-instrument.rules): run "
           "\"sudo make install\" in the program's source folder.";
}
