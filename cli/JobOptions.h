#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

// kav-job COMMAND JOB ...:
//   new JOB [--limits FILE] [--header FILE] [--plan PLAN]
//   plan JOB PLAN
//   import JOB FILE...
//   status JOB [--json] [--require-complete]
//   report JOB [--pdf OUT] [--xlsx OUT] [--verdicts OUT] [--page-size A4|Letter]
//              [--language en|zh_CN] [--company TEXT] [--logo FILE]
//   rename JOB --cable OLD NEW [--fiber OLD NEW]
//   history JOB CABLE FIBER [--json]
//   choose JOB CABLE FIBER RECORD
//   copy JOB DESTINATION
//   server-init CONNINFO
// JOB is a job file's name, or a team job's: a PostgreSQL connection
// string with job=NAME.
// or --help, or --version. Options and operands may come in any order;
// after "--" every argument is an operand. OUT "-" is standard output.
enum class JobCommand
{
    New,
    Plan,
    Import,
    Status,
    Report,
    Rename,
    History,
    Choose,
    Copy,
    ServerInit,
};

struct JobOptions
{
    JobCommand command = JobCommand::Status;
    std::string job;
    std::vector<std::string> operands; // after JOB
    // Each option given, with its values ("--cable" has two, "--json" none).
    std::map<std::string, std::vector<std::string>> given;
    bool help = false;
    bool version = false;

    bool Has(const std::string& option) const { return given.count(option) != 0; }
    // An option's first value.
    std::optional<std::string> Value(const std::string& option) const;
};

struct ParsedJobOptions
{
    std::optional<JobOptions> options; // nothing: a usage error
    std::string error;
};

ParsedJobOptions ParseJobOptions(const std::vector<std::string>& arguments);

extern const char* const JobUsageText;
