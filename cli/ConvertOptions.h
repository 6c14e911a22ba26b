#pragma once

#include <optional>
#include <string>
#include <vector>

// kav-convert [--info] [--limits LIMITS] [--names auto|utf-8|gb18030|latin-1]
// [--csv OUT] [--verdicts OUT] [--xlsx OUT] [--document OUT] [--pdf OUT
// [--page-size A4|Letter] [--no-summary] [--company TEXT] [--logo FILE]
// [--header FILE] [--no-footer]] [--] FILE, or --help,
// or --version. FILE "-" is standard input and OUT "-"
// standard output; after "--" every argument is FILE, so that a name starting
// with "-" can be given. An option's value may be joined to it by "="
// ("--company=-ACME"), which gives one that starts with "-".
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
    // The report's company, logo (PNG or SVG), header file (.kavheader) and
    // footer, as the window's report options give them.
    std::optional<std::string> company;
    std::optional<std::string> logoFile;
    std::optional<std::string> headerFile;
    bool noFooter = false;
    std::optional<std::string> language; // the report's texts: "en" (when not given) or "zh_CN"
    std::optional<std::string>
        names; // how names are read: "auto" (the default), "utf-8", "gb18030", "latin-1"
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
