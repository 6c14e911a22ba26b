#pragma once

#include "jobs/Job.h"

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// A data centre's site as the job benchmarks build it: 40 units' files of
// 5,000 loss tests each, every file on cables of its own, so that the job
// holds 200,000 different fibres, all of them planned.
constexpr size_t SiteFileCount = 40;
constexpr size_t SiteFibresPerFile = 5000;

struct SiteFiles
{
    std::vector<std::string> paths; // the files written, in order
    JobSetup setup;                 // a plan of every fibre they test
    size_t bytes = 0;               // the files' bytes together
};

// Writes the files into `folder`, which exists; aborts where it cannot.
SiteFiles WriteSiteFiles(const std::string& folder);
// Writes the files into `folder` and imports them into a new job at
// `location` (a file or a server's), planned to the last fibre; `job` is
// left open on it.
JobResult CreateSiteJob(const std::string& folder, const std::string& location, std::unique_ptr<Job>& job,
                        SiteFiles* written = nullptr);

// The largest file the instrument writes: 65,535 three-wavelength tests.
constexpr size_t LargestFileTests = 65535;
void WriteLargestFile(const std::string& path);
