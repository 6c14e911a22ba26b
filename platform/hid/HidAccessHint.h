#pragma once

#include <string>

// What a user can do about an instrument that is listed but that they may not
// open; empty when the system has nothing to suggest.
std::string HidAccessHint();
