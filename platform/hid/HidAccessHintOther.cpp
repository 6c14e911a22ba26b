#include "platform/hid/HidAccessHint.h"

// Systems other than Linux give every user access to a HID device that no
// other program holds.
std::string HidAccessHint()
{
    return "Close any other program that uses the instrument.";
}
