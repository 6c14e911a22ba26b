#pragma once

#include "platform/hid/HidTransport.h"

#include <string>

// The detail under "Trace Failed": why the instrument that discovery listed
// could not be opened.
std::string TraceFailedDetail(const HidResult& failure);
