#pragma once

#include <optional>
#include <string>
#include <vector>

// kav-convert FILE [--info] [--csv OUT] [--document OUT], or --help, or --version
struct ConvertOptions
{
    std::string file;
    bool info = false;
    std::optional<std::string> csvOut;
    std::optional<std::string> documentOut;
    bool help = false;
    bool version = false;
};

struct ParsedConvertOptions
{
    std::optional<ConvertOptions> options; // nothing: a usage error
    std::string error;                     // what was wrong
};

ParsedConvertOptions ParseConvertOptions(const std::vector<std::string>& arguments);

extern const char* const UsageText;
