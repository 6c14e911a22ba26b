#include "cli/ConvertOptions.h"

#include "data/NameDecoding.h"
#include "platform/files/QuotedName.h"
#include "report/ReportPdf.h"
#include "report/Translations.h"

#include <utility>

const char* const UsageText =
    "usage: kav-convert [--info] [--limits LIMITS] [--names auto|utf-8|gb18030|latin-1] [--csv OUT] "
    "[--verdicts OUT] [--xlsx OUT] [--document OUT] [--pdf OUT [--page-size A4|Letter] [--no-summary] "
    "[--company TEXT] [--logo FILE] [--header FILE] [--no-footer] [--language en|zh_CN]] [--] FILE";
const char* const StandardInputName = "-";

namespace {
ParsedConvertOptions Refuse(const std::string& error)
{
    ParsedConvertOptions parsed;
    parsed.error = error;
    return parsed;
}

// An option's argument, which may not look like an option: "--csv --info"
// is a forgotten OUT, not a file named --info ("./--info" names one).
bool TakesArgument(const std::vector<std::string>& arguments, size_t i)
{
    if (i + 1 >= arguments.size())
        return false;
    const std::string& next = arguments[i + 1];
    return !next.empty() && (next[0] != '-' || next == StandardInputName);
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
                return Refuse("more than one FILE: " + QuotedName(options.file) + " and " + QuotedName(a));
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
        } else if (a == "--csv" || a == "--verdicts" || a == "--xlsx" || a == "--document" || a == "--pdf") {
            std::optional<std::string>& out = a == "--csv"        ? options.csvOut
                                              : a == "--verdicts" ? options.verdictsOut
                                              : a == "--xlsx"     ? options.xlsxOut
                                              : a == "--document" ? options.documentOut
                                                                  : options.pdfOut;
            if (out)
                return Refuse(a + " given twice");
            if (!TakesArgument(arguments, i))
                return Refuse(a + " needs an output file");
            out = arguments[++i];
        } else if (a == "--limits") {
            if (options.limitsFile)
                return Refuse(a + " given twice");
            // Standard input may be FILE; a limit file is read by its name.
            if (!TakesArgument(arguments, i) || arguments[i + 1] == StandardInputName)
                return Refuse(a + " needs a limit file");
            options.limitsFile = arguments[++i];
        } else if (a == "--no-summary") {
            if (!options.summaryPage)
                return Refuse(a + " given twice");
            options.summaryPage = false;
        } else if (a == "--company" || a == "--logo" || a == "--header") {
            std::optional<std::string>& value = a == "--company" ? options.company
                                                : a == "--logo"  ? options.logoFile
                                                                 : options.headerFile;
            if (value)
                return Refuse(a + " given twice");
            // A file is read by its name: standard input may be FILE.
            if (!TakesArgument(arguments, i) || (a != "--company" && arguments[i + 1] == StandardInputName))
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
        } else if (a == "--language") {
            if (options.language)
                return Refuse(a + " given twice");
            if (i + 1 >= arguments.size() || !IsLanguageCode(QString::fromStdString(arguments[i + 1])))
                return Refuse(a + " needs en or zh_CN");
            options.language = arguments[++i];
        } else if (a == "--page-size") {
            if (options.pageSize)
                return Refuse(a + " given twice");
            if (!TakesArgument(arguments, i) || !ReportPaperNamed(arguments[i + 1]))
                return Refuse(a + " needs A4 or Letter");
            options.pageSize = arguments[++i];
        } else {
            return Refuse("unknown option " + QuotedName(a));
        }
    }
    if (!haveFile && !options.help && !options.version)
        return Refuse("no FILE given");
    const std::pair<bool, const char*> reportOnly[] = {
        {options.pageSize.has_value(), "--page-size"}, {!options.summaryPage, "--no-summary"},
        {options.company.has_value(), "--company"},    {options.logoFile.has_value(), "--logo"},
        {options.headerFile.has_value(), "--header"},  {options.noFooter, "--no-footer"},
        {options.language.has_value(), "--language"}};
    for (const auto& [given, option] : reportOnly)
        if (given && !options.pdfOut)
            return Refuse(std::string(option) + " without --pdf");
    ParsedConvertOptions parsed;
    parsed.options = options;
    return parsed;
}
