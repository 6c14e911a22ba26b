#pragma once

#include <string>

// What kav-convert and kav-job tell a script: one exit status per outcome,
// and one line on standard error per failure, headed by the program's name.
enum ExitStatus
{
    Done = 0,
    CheckFailed = 1, // kav-job status --require-complete: the job is not complete
    UsageError = 2,
    CannotRead = 3,
    Refused = 4,
    CannotWrite = 5
};

class CommandOutput
{
public:
    CommandOutput(const char* program, const char* usage) : m_Program(program), m_Usage(usage) {}

    // "program: subject: text"; `subject` is what it is about, a file's name
    // quoted.
    void Tell(const std::string& subject, const std::string& text) const;
    int Fail(int status, const std::string& subject, const std::string& reason) const;
    // The error and the usage, on one line.
    int FailUsage(const std::string& error) const;
    // A line on standard output: a full disk or a closed pipe behind it is a
    // failure like any other output's.
    int PrintLine(const std::string& text) const;

private:
    const char* m_Program;
    const char* m_Usage;
};
