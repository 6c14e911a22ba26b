#include "cli/ConvertOptions.h"

#include "data/NameDecoding.h"
#include "report/ReportPdf.h"

#include <utility>

const char* const UsageText =
    "usage: kav-convert [--info] [--limits LIMITS] [--names auto|utf-8|gb18030|latin-1] [--csv OUT] "
    "[--verdicts OUT] [--document OUT] [--pdf OUT [--page-size A4|Letter] [--company TEXT] [--logo FILE] "
    "[--header FILE] [--no-footer]] [--] FILE";
const char* const StandardInputName = "-";

namespace {
ParsedConvertOptions Refuse(const std::string& error)
{
    ParsedConvertOptions parsed;
    parsed.error = error;
    return parsed;
}
} // namespace

ParsedConvertOptions ParseConvertOptions(const std::vector<std::string>& arguments)
{
    ConvertOptions options;
    bool haveFile = false;
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (optionsEnded || a.empty() || a[0] != '-' || a == StandardInputName) {
            if (haveFile)
                return Refuse("more than one FILE: " + options.file + " and " + a);
            if (a.empty())
                return Refuse("FILE is empty");
            options.file = a;
            haveFile = true;
        } else if (a == "--") {
            optionsEnded = true;
        } else if (a == "--help" || a == "-h") {
            options.help = true;
        } else if (a == "--version") {
            options.version = true;
        } else if (a == "--info") {
            if (options.info)
                return Refuse("--info given twice");
            options.info = true;
        } else if (a == "--csv" || a == "--verdicts" || a == "--document" || a == "--pdf") {
            std::optional<std::string>& out = a == "--csv"        ? options.csvOut
                                              : a == "--verdicts" ? options.verdictsOut
                                              : a == "--document" ? options.documentOut
                                                                  : options.pdfOut;
            if (out)
                return Refuse(a + " given twice");
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return Refuse(a + " needs an output file");
            out = arguments[++i];
        } else if (a == "--limits") {
            if (options.limitsFile)
                return Refuse(a + " given twice");
            // Standard input may be FILE; a limit file is read by its name.
            if (i + 1 >= arguments.size() || arguments[i + 1].empty() ||
                arguments[i + 1] == StandardInputName)
                return Refuse(a + " needs a limit file");
            options.limitsFile = arguments[++i];
        } else if (a == "--company" || a == "--logo" || a == "--header") {
            std::optional<std::string>& value = a == "--company" ? options.company
                                                : a == "--logo"  ? options.logoFile
                                                                 : options.headerFile;
            if (value)
                return Refuse(a + " given twice");
            // A file is read by its name: standard input may be FILE.
            if (i + 1 >= arguments.size() || arguments[i + 1].empty() ||
                (a != "--company" && arguments[i + 1] == StandardInputName))
                return Refuse(a + (a == "--company" ? " needs a name" : " needs a file"));
            value = arguments[++i];
        } else if (a == "--no-footer") {
            options.noFooter = true;
        } else if (a == "--names") {
            if (options.names)
                return Refuse(a + " given twice");
            if (i + 1 >= arguments.size() || !NameEncodingOfWord(arguments[i + 1]))
                return Refuse(a + " needs auto, utf-8, gb18030 or latin-1");
            options.names = arguments[++i];
        } else if (a == "--page-size") {
            if (options.pageSize)
                return Refuse(a + " given twice");
            if (i + 1 >= arguments.size() || !ReportPaperNamed(arguments[i + 1]))
                return Refuse(a + " needs A4 or Letter");
            options.pageSize = arguments[++i];
        } else {
            return Refuse("unknown option " + a);
        }
    }
    if (!haveFile && !options.help && !options.version)
        return Refuse("no FILE given");
    const std::pair<bool, const char*> reportOnly[] = {{options.pageSize.has_value(), "--page-size"},
                                                       {options.company.has_value(), "--company"},
                                                       {options.logoFile.has_value(), "--logo"},
                                                       {options.headerFile.has_value(), "--header"},
                                                       {options.noFooter, "--no-footer"}};
    for (const auto& [given, option] : reportOnly)
        if (given && !options.pdfOut)
            return Refuse(std::string(option) + " without --pdf");
    ParsedConvertOptions parsed;
    parsed.options = options;
    return parsed;
}
