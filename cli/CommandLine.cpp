#include "CommandLine.h"

const char* const UsageText = "usage: kav-convert FILE [--info] [--csv OUT] [--document OUT]";

namespace {
ParsedCommandLine Refuse(const std::string& error)
{
    ParsedCommandLine parsed;
    parsed.error = error;
    return parsed;
}
} // namespace

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& arguments)
{
    CommandLine command;
    bool haveFile = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a == "--help" || a == "-h") {
            command.help = true;
        } else if (a == "--version") {
            command.version = true;
        } else if (a == "--info") {
            if (command.info)
                return Refuse("--info given twice");
            command.info = true;
        } else if (a == "--csv" || a == "--document") {
            std::optional<std::string>& out = a == "--csv" ? command.csvOut : command.documentOut;
            if (out)
                return Refuse(a + " given twice");
            if (i + 1 >= arguments.size() || arguments[i + 1].empty())
                return Refuse(a + " needs an output file");
            out = arguments[++i];
        } else if (a.size() > 1 && a[0] == '-') {
            return Refuse("unknown option " + a);
        } else {
            if (haveFile)
                return Refuse("more than one FILE: " + command.file + " and " + a);
            if (a.empty())
                return Refuse("FILE is empty");
            command.file = a;
            haveFile = true;
        }
    }
    if (!haveFile && !command.help && !command.version)
        return Refuse("no FILE given");
    ParsedCommandLine parsed;
    parsed.command = command;
    return parsed;
}
