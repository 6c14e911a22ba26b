#pragma once

#include "cli/LoadedFile.h"
#include "data/TestLimits.h"
#include "data/Verdicts.h"

#include <string>

// The one-line JSON object that --info prints; a loss test's ends with the
// summary of its verdicts against `limits`.
std::string InfoJson(const LoadedFile& file, const TestLimits& limits, const LossTestVerdicts& verdicts);

// A JSON string literal. Names are read as the window shows them (UTF-8,
// GB18030 or Latin-1) and written in plain ASCII escapes, so the output is
// always valid JSON.
std::string JsonString(const std::string& text);
