#pragma once

#include "cli/LoadedFile.h"

#include <string>

// The one-line JSON object that --info prints.
std::string InfoJson(const LoadedFile& file);

// A JSON string literal. Names are single-byte text of the instrument's code
// page: bytes above 127 are written as the Latin-1 characters they code, so
// the output is always valid JSON.
std::string JsonString(const std::string& text);
