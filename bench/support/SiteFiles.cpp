#include "bench/support/SiteFiles.h"

#include "tools/make-samples/ResultFileEncoder.h"
#include "tools/make-samples/SampleSet.h"

#include <cstdlib>
#include <fstream>

namespace {
void Write(const std::string& path, const std::string& bytes)
{
    std::ofstream file(path, std::ios::binary);
    if (!(file << bytes))
        std::abort();
}
} // namespace

SiteFiles WriteSiteFiles(const std::string& folder)
{
    SiteFiles site;
    site.setup.plan = JobPlan{{}, "the site"};
    for (size_t f = 0; f < SiteFileCount; ++f) {
        std::vector<LossTestResult> tests = SampleLossTests(SiteFibresPerFile, 144);
        for (LossTestResult& test : tests) {
            test.cable = "R" + std::to_string(f) + "-" + test.cable;
            site.setup.plan->fibres.push_back({test.cable, test.fiber});
        }
        site.paths.push_back(folder + "/unit-" + std::to_string(f) + ".bin");
        const std::string bytes = EncodeKavResult(ThreeWaveLengths, tests);
        site.bytes += bytes.size();
        Write(site.paths.back(), bytes);
    }
    return site;
}

JobResult CreateSiteJob(const std::string& folder, const std::string& location, std::unique_ptr<Job>& job,
                        SiteFiles* written)
{
    const SiteFiles files = WriteSiteFiles(folder);
    if (written)
        *written = files;
    std::vector<ImportReport> reports;
    JobResult result = Job::Create(location, files.setup, job);
    if (result.ok())
        result = job->Import(files.paths, reports);
    return result;
}

void WriteLargestFile(const std::string& path)
{
    Write(path, EncodeKavResult(ThreeWaveLengths, SampleLossTests(LargestFileTests, 144)));
}
