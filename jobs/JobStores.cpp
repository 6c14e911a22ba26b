#include "jobs/JobStores.h"

#include "jobs/PgJobLocation.h"
#include "jobs/PgJobStore.h"
#include "jobs/SqliteJobStore.h"

#include <filesystem>
#include <iterator>

namespace {
constexpr const char* CorrectionWords[] = {"cable", "fiber", "choice"};

JobResult UnreadableLocation()
{
    return JobFailure(JobStatus::Refused, "the connection string cannot be read");
}
} // namespace

const char* CorrectionWord(CorrectionKind kind)
{
    return CorrectionWords[static_cast<size_t>(kind)];
}

CorrectionKind CorrectionKindOf(std::string_view word)
{
    for (size_t i = 0; i < std::size(CorrectionWords); ++i)
        if (word == CorrectionWords[i])
            return static_cast<CorrectionKind>(i);
    return CorrectionKind::Choice;
}

JobResult OpenJobStore(const std::string& location, const JobOpenOptions& options,
                       std::unique_ptr<JobStore>& store)
{
    if (!IsPgJobLocation(location))
        return SqliteJobStore::Open(location, options, store);
    const std::optional<PgJobLocation> team = ParsePgJobLocation(location);
    return team ? PgJobStore::Open(*team, options, store) : UnreadableLocation();
}

JobResult CreateJobStore(const std::string& location, std::unique_ptr<JobStore>& store)
{
    if (!IsPgJobLocation(location))
        return SqliteJobStore::Create(location, store);
    const std::optional<PgJobLocation> team = ParsePgJobLocation(location);
    return team ? PgJobStore::Create(*team, store) : UnreadableLocation();
}

std::string JobLocationShown(const std::string& location)
{
    return IsPgJobLocation(location) ? PgJobLocationShown(location) : location;
}

std::string JobNameOf(const std::string& location)
{
    if (IsPgJobLocation(location)) {
        const std::optional<PgJobLocation> team = ParsePgJobLocation(location);
        return team ? team->job : "";
    }
    return std::filesystem::u8path(location).filename().u8string();
}
