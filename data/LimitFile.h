#pragma once

#include "data/TestLimits.h"
#include "platform/files/WriteResult.h"

#include <optional>
#include <string>
#include <string_view>

// Limit files (.kavlimits): a limit as a small JSON object, so that a
// contractor keeps one per contract and the window and kav-convert read the
// same file. Keys: "method", "preset", "fixed", "attenuation",
// "connectorLoss", "spliceLoss", "connections", "splices", "warningBand",
// "cables" (cable name as shown -> any of "connections", "splices", "fixed",
// "attenuation"); wavelengths are keys such as "1310".

extern const char* const LimitFileEnding; // ".kavlimits"

struct LimitFileResult
{
    std::optional<TestLimits> limits; // nothing: refused
    std::string error;                // why, naming the key at fault
};

// Refuses an unknown key, a value of the wrong type or out of range, and text
// that is not JSON; a refusal gives no limits at all.
LimitFileResult ParseLimitFile(std::string_view text);
// Refuses besides a file that cannot be read or is not a regular file.
LimitFileResult ReadLimitFile(const std::string& path);

// The file's bytes: every key the limits use, in the order above.
std::string LimitFileBytes(const TestLimits& limits);
// Written safely, to the path as given.
WriteResult SaveLimitFile(const std::string& path, const TestLimits& limits);
