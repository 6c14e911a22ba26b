#pragma once

#include <system_error>

// The system's error of the calling thread (errno, or the last Windows error),
// for the HID calls that report only that they failed. Cleared before such a
// call, so an error left over from earlier is not taken for its reason.
void ClearSystemError();
std::error_code LastSystemError();
