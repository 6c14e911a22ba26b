#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

// The files kav-convert writes. Each output is named by its option's OUT:
// a path, or "-" for standard output.
struct OutputRequest
{
    const char* option; // "--csv", as messages name the output
    const std::optional<std::string>& path;
    std::function<std::string()> bytes; // made only when the output is written
};

// FILE is "-" for standard input.
// Refuses, before anything is read or written, an output that is the input
// `file` itself or the same file as another output, whatever links or hard
// links lie between the names; a device such as /dev/null may be named more
// than once. `inputName` is what the usage error calls the input. The usage
// error, or nothing.
std::optional<std::string> SameFileConflict(const std::string& file,
                                            const std::vector<OutputRequest>& outputs,
                                            const std::string& inputName = "FILE");

struct OutputFailure
{
    std::string name;   // the output that failed, as given
    std::string reason; // why, and which outputs were written before it
};

// Stages every requested output before any target is touched, then commits
// them; an output that names standard output (also as /dev/stdout or the
// file it is redirected to) is written there, after what was printed before.
std::optional<OutputFailure> WriteOutputs(const std::vector<OutputRequest>& outputs);
