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

bool AnyValue(const std::string&)
{
    return true;
}

// Standard input may be FILE; the files these options name are read by name.
bool NamedFile(const std::string& value)
{
    return value != StandardInputName;
}

bool EncodingWord(const std::string& value)
{
    return NameEncodingOfWord(value).has_value();
}

bool LanguageWord(const std::string& value)
{
    return IsLanguageCode(QString::fromStdString(value));
}

bool PaperWord(const std::string& value)
{
    return ReportPaperNamed(value).has_value();
}

// The options that take a value, what they need, and which values they take.
struct ValuedOption
{
    const char* name;
    std::optional<std::string> ConvertOptions::*field;
    const char* needs;
    bool (*accepts)(const std::string&);
};

const ValuedOption ValuedOptions[] = {
    {"--csv", &ConvertOptions::csvOut, "an output file", AnyValue},
    {"--verdicts", &ConvertOptions::verdictsOut, "an output file", AnyValue},
    {"--xlsx", &ConvertOptions::xlsxOut, "an output file", AnyValue},
    {"--document", &ConvertOptions::documentOut, "an output file", AnyValue},
    {"--pdf", &ConvertOptions::pdfOut, "an output file", AnyValue},
    {"--limits", &ConvertOptions::limitsFile, "a limit file", NamedFile},
    {"--company", &ConvertOptions::company, "a name", AnyValue},
    {"--logo", &ConvertOptions::logoFile, "a file", NamedFile},
    {"--header", &ConvertOptions::headerFile, "a file", NamedFile},
    {"--names", &ConvertOptions::names, "auto, utf-8, gb18030 or latin-1", EncodingWord},
    {"--language", &ConvertOptions::language, "en or zh_CN", LanguageWord},
    {"--page-size", &ConvertOptions::pageSize, "A4 or Letter", PaperWord},
};

const ValuedOption* ValuedOptionNamed(const std::string& name)
{
    for (const ValuedOption& option : ValuedOptions)
        if (name == option.name)
            return &option;
    return nullptr;
}

// An option's value: after "=" in the same argument, where it may be any
// text, or the argument after it, which may not look like an option: "--csv
// --info" is a forgotten OUT, not a file named --info ("--csv=--info" or
// "./--info" names one).
class OptionValue
{
public:
    OptionValue(const std::vector<std::string>& arguments, size_t& i) : m_Arguments(arguments), m_At(i)
    {
        const std::string& given = arguments[i];
        const size_t equals = given.find('=');
        if (given.rfind("--", 0) == 0 && equals != std::string::npos) {
            m_Option = given.substr(0, equals);
            m_Joined = given.substr(equals + 1);
        } else {
            m_Option = given;
        }
    }

    const std::string& Option() const { return m_Option; }
    bool Joined() const { return m_Joined.has_value(); }

    // The value, taken; nothing when there is none.
    std::optional<std::string> Take()
    {
        if (m_Joined)
            return m_Joined;
        if (m_At + 1 >= m_Arguments.size())
            return std::nullopt;
        const std::string& next = m_Arguments[m_At + 1];
        if (next.empty() || (next[0] == '-' && next != StandardInputName))
            return std::nullopt;
        return m_Arguments[++m_At];
    }

    // "--csv needs an output file", and how to give a value that looks
    // like an option.
    std::string Needs(const std::string& what) const
    {
        std::string error = m_Option + " needs " + what;
        if (!m_Joined && m_At + 1 < m_Arguments.size() && m_Arguments[m_At + 1].size() > 1 &&
            m_Arguments[m_At + 1][0] == '-')
            error += "; a value that starts with '-' is given as " +
                     QuotedName(m_Option + "=" + m_Arguments[m_At + 1]);
        return error;
    }

private:
    const std::vector<std::string>& m_Arguments;
    size_t& m_At;
    std::string m_Option;
    std::optional<std::string> m_Joined;
};
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
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        OptionValue value(arguments, i);
        const std::string& option = value.Option();
        if (const ValuedOption* valued = ValuedOptionNamed(option)) {
            std::optional<std::string>& field = options.*valued->field;
            if (field)
                return Refuse(option + " given twice");
            std::optional<std::string> given = value.Take();
            if (!given || given->empty() || !valued->accepts(*given))
                return Refuse(value.Needs(valued->needs));
            field = std::move(given);
            continue;
        }
        if (value.Joined())
            return Refuse(option + " takes no value");
        if (option == "--help" || option == "-h") {
            options.help = true;
        } else if (option == "--version") {
            options.version = true;
        } else if (option == "--info") {
            if (options.info)
                return Refuse("--info given twice");
            options.info = true;
        } else if (option == "--no-summary") {
            if (!options.summaryPage)
                return Refuse(option + " given twice");
            options.summaryPage = false;
        } else if (option == "--no-footer") {
            options.noFooter = true;
        } else {
            return Refuse("unknown option " + QuotedName(arguments[i]));
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
