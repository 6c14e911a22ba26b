#include "cli/JobOptions.h"

#include "platform/files/QuotedName.h"
#include "report/ReportPdf.h"
#include "report/Translations.h"

#include <limits>

const char* const JobUsageText =
    "usage: kav-job new JOB [--limits FILE] [--header FILE] [--plan PLAN] | plan JOB PLAN | import JOB "
    "FILE... | "
    "status JOB [--json] [--require-complete] | report JOB [--pdf OUT] [--xlsx OUT] [--verdicts OUT] "
    "[--page-size A4|Letter] [--language en|zh_CN] [--company TEXT] [--logo FILE] | "
    "rename JOB --cable OLD NEW [--fiber OLD NEW] | history JOB CABLE FIBER [--json] | "
    "choose JOB CABLE FIBER RECORD | copy JOB DESTINATION | server-init CONNINFO";

namespace {
struct OptionRule
{
    const char* name;
    const char* values; // what it takes, as a usage error names it; null: nothing
    size_t count;
};

struct CommandRule
{
    const char* word;
    JobCommand command;
    const char* operands; // after JOB, as a usage error names them
    size_t fewest, most;
    std::vector<OptionRule> options;
};

const std::vector<CommandRule>& CommandRules()
{
    constexpr size_t Any = std::numeric_limits<size_t>::max();
    static const std::vector<CommandRule> rules = {
        {"new",
         JobCommand::New,
         "",
         0,
         0,
         {{"--limits", "FILE", 1}, {"--header", "FILE", 1}, {"--plan", "PLAN", 1}}},
        {"plan", JobCommand::Plan, " PLAN", 1, 1, {}},
        {"import", JobCommand::Import, " FILE...", 1, Any, {}},
        {"status",
         JobCommand::Status,
         "",
         0,
         0,
         {{"--json", nullptr, 0}, {"--require-complete", nullptr, 0}}},
        {"report",
         JobCommand::Report,
         "",
         0,
         0,
         {{"--pdf", "OUT", 1},
          {"--xlsx", "OUT", 1},
          {"--verdicts", "OUT", 1},
          {"--page-size", "A4 or Letter", 1},
          {"--language", "en or zh_CN", 1},
          {"--company", "TEXT", 1},
          {"--logo", "FILE", 1}}},
        {"rename",
         JobCommand::Rename,
         "",
         0,
         0,
         {{"--cable", "OLD and NEW", 2}, {"--fiber", "OLD and NEW", 2}}},
        {"history", JobCommand::History, " CABLE FIBER", 2, 2, {{"--json", nullptr, 0}}},
        {"choose", JobCommand::Choose, " CABLE FIBER RECORD", 3, 3, {}},
        {"copy", JobCommand::Copy, " DESTINATION", 1, 1, {}},
        {"server-init", JobCommand::ServerInit, "", 0, 0, {}},
    };
    return rules;
}

ParsedJobOptions Refuse(const std::string& error)
{
    ParsedJobOptions parsed;
    parsed.error = error;
    return parsed;
}

// A value may not look like an option ("--pdf --xlsx" forgot OUT), but
// for "-", standard output.
bool IsValue(const std::string& text)
{
    return !text.empty() && (text[0] != '-' || text == "-");
}

// What a command checks beyond its rule.
std::string CheckCommand(const JobOptions& options)
{
    if (options.command == JobCommand::Report) {
        if (!options.Has("--pdf") && !options.Has("--xlsx") && !options.Has("--verdicts"))
            return "report needs --pdf, --xlsx or --verdicts";
        for (const char* option : {"--page-size", "--language", "--company", "--logo"})
            if (options.Has(option) && !options.Has("--pdf"))
                return std::string(option) + " without --pdf";
        if (const auto size = options.Value("--page-size"); size && !ReportPaperNamed(*size))
            return "--page-size needs A4 or Letter";
        if (const auto language = options.Value("--language");
            language && !IsLanguageCode(QString::fromStdString(*language)))
            return "--language needs en or zh_CN";
    }
    if (options.command == JobCommand::Rename && !options.Has("--cable"))
        return "rename needs --cable OLD NEW";
    if (options.command == JobCommand::Import)
        for (const std::string& file : options.operands)
            if (file == "-")
                return "import reads files by their names, not standard input";
    return "";
}
} // namespace

std::optional<std::string> JobOptions::Value(const std::string& option) const
{
    const auto found = given.find(option);
    if (found == given.end() || found->second.empty())
        return std::nullopt;
    return found->second.front();
}

ParsedJobOptions ParseJobOptions(const std::vector<std::string>& arguments)
{
    JobOptions options;
    if (arguments.empty())
        return Refuse("no command given");
    const std::string& word = arguments[0];
    if (word == "--help" || word == "-h" || word == "--version") {
        if (arguments.size() > 1)
            return Refuse(word + " takes nothing more");
        (word == "--version" ? options.version : options.help) = true;
        ParsedJobOptions parsed;
        parsed.options = options;
        return parsed;
    }
    const CommandRule* rule = nullptr;
    for (const CommandRule& candidate : CommandRules())
        if (word == candidate.word)
            rule = &candidate;
    if (rule == nullptr)
        return Refuse("unknown command " + QuotedName(word));
    options.command = rule->command;

    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (size_t i = 1; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (optionsEnded || !(a.size() > 1 && a[0] == '-')) {
            positional.push_back(a);
            continue;
        }
        if (a == "--") {
            optionsEnded = true;
            continue;
        }
        const OptionRule* option = nullptr;
        for (const OptionRule& candidate : rule->options)
            if (a == candidate.name)
                option = &candidate;
        if (option == nullptr)
            return Refuse(std::string(rule->word) + " has no option " + QuotedName(a));
        if (options.Has(a))
            return Refuse(a + " given twice");
        std::vector<std::string>& values = options.given[a];
        for (size_t v = 0; v < option->count; ++v) {
            if (i + 1 >= arguments.size() || !IsValue(arguments[i + 1]))
                return Refuse(a + " needs " + option->values);
            values.push_back(arguments[++i]);
        }
    }
    const std::string form = std::string(rule->word) + " needs JOB" + rule->operands;
    if (positional.empty() || positional.size() - 1 < rule->fewest || positional.size() - 1 > rule->most)
        return Refuse(form);
    if (positional[0].empty() || positional[0] == "-")
        return Refuse("JOB is a job file's name");
    options.job = positional[0];
    options.operands.assign(positional.begin() + 1, positional.end());
    if (const std::string error = CheckCommand(options); !error.empty())
        return Refuse(error);
    ParsedJobOptions parsed;
    parsed.options = std::move(options);
    return parsed;
}
