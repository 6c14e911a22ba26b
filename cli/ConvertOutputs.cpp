#include "cli/ConvertOutputs.h"

#include "data/OutputBatch.h"
#include "platform/files/FileSystem.h"
#include "platform/files/QuotedName.h"

namespace {
const char* const StandardName = "-";

PathTarget Examine(const std::string& path, StandardStream stream)
{
    return path == StandardName ? ExamineStream(stream) : ExaminePath(path);
}

bool IsStandardOutput(const std::string& path)
{
    if (path == StandardName)
        return true;
    const std::string identity = ExaminePath(path).identity;
    return !identity.empty() && identity == ExamineStream(StandardStream::Output).identity;
}

bool SameFile(const PathTarget& a, const PathTarget& b)
{
    return !a.identity.empty() && a.identity == b.identity && a.type != PathTarget::Type::Device;
}

std::string Named(const OutputRequest& output)
{
    return std::string(output.option) + " " + QuotedName(*output.path);
}
} // namespace

std::optional<std::string> SameFileConflict(const std::string& file,
                                            const std::vector<OutputRequest>& outputs,
                                            const std::string& inputName)
{
    const PathTarget input = Examine(file, StandardStream::Input);
    std::vector<std::pair<const OutputRequest*, PathTarget>> earlier;
    for (const OutputRequest& output : outputs) {
        if (!output.path)
            continue;
        const PathTarget target = Examine(*output.path, StandardStream::Output);
        if (SameFile(target, input))
            return Named(output) + " is " + inputName + " itself";
        for (const auto& [other, otherTarget] : earlier)
            if (SameFile(target, otherTarget))
                return Named(output) + " is the same file as " + Named(*other);
        earlier.emplace_back(&output, target);
    }
    return std::nullopt;
}

std::optional<OutputFailure> WriteOutputs(const std::vector<OutputRequest>& outputs)
{
    OutputBatch batch;
    for (const OutputRequest& output : outputs) {
        if (!output.path)
            continue;
        const std::string& path = *output.path;
        const WriteResult staged = IsStandardOutput(path) ? batch.StageStandardOutput(path, output.bytes())
                                                          : batch.Stage(path, output.bytes());
        if (!staged.ok())
            return OutputFailure{path, "cannot be written: " + staged.reason};
    }
    const OutputBatch::CommitOutcome committed = batch.CommitAll();
    if (committed.failure.ok())
        return std::nullopt;
    std::string reason = "cannot be written: " + committed.failure.reason;
    if (!committed.committed.empty()) {
        std::string names;
        for (const std::string& name : committed.committed)
            names += (names.empty() ? "" : ", ") + QuotedName(name);
        reason += " (" + names + (committed.committed.size() == 1 ? " was" : " were") +
                  " written already and cannot be taken back)";
    }
    return OutputFailure{committed.failure.path, reason};
}
