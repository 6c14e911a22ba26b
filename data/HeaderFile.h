#pragma once

#include "data/InfoFields.h"
#include "platform/files/WriteResult.h"

#include <optional>
#include <string>
#include <string_view>

// Header files (.kavheader): the information fields of the loss-test
// report as one JSON object, keyed by the fields' names, values strings, so
// that a job's header is typed once and kept beside its results, and
// kav-convert fills a report's header from it.

extern const char* const HeaderFileEnding; // ".kavheader"

struct HeaderFileResult
{
    std::optional<InfoFields> fields; // nothing: refused
    std::string error;                // why, naming the key at fault
};

// The fields a file names, the others empty. Refused: text that is not a
// JSON object, an unknown key, a value that is not a string or is longer
// than its field takes.
HeaderFileResult ParseHeaderFile(std::string_view text);
// Refuses besides a file that cannot be read or is not a regular file.
HeaderFileResult ReadHeaderFile(const std::string& path);

// Every field, in the report's order.
std::string HeaderFileBytes(const InfoFields& fields);
// Written safely, to the path as given.
WriteResult SaveHeaderFile(const std::string& path, const InfoFields& fields);
