#pragma once

#include <optional>
#include <string>
#include <vector>

// kav-convert [--info] [--limits LIMITS] [--csv OUT] [--verdicts OUT]
// [--xlsx OUT] [--document OUT] [--pdf OUT [--page-size A4|Letter]
// [--no-summary]] [--]
// FILE, or --help,
// or --version. FILE "-" is standard input and OUT "-"
// standard output; after "--" every argument is FILE, so that a name starting
// with "-" can be given.
struct ConvertOptions
{
    std::string file;
    bool info = false;
    std::optional<std::string> limitsFile; // a .kavlimits file; the instrument's thresholds when not given
    std::optional<std::string> csvOut;
    std::optional<std::string> verdictsOut;
    std::optional<std::string> xlsxOut;
    std::optional<std::string> documentOut;
    std::optional<std::string> pdfOut;
    std::optional<std::string> pageSize; // "A4" or "Letter" in any case; the locale's paper when not given
    bool summaryPage = true;             // a loss-test report ends with its verdicts' summary
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
// FILE and OUT name standard input and output so.
extern const char* const StandardInputName;
