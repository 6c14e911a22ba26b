#include "KavConvertRun.h"

#include <algorithm>
#include <iostream>
#include <set>
#include <vector>

// kav-convert's outputs for every sample, compared byte for byte with the
// files checked in under tests/cli/golden/, so that any change to a CSV, a
// document or the --info JSON shows as a diff in review. After a deliberate
// change, scripts/update-golden.sh writes them again.

namespace {
namespace fs = std::filesystem;

fs::path GoldenDir()
{
    return SourceDir() / "tests" / "cli" / "golden";
}

// "opm", "kav", "orl" or "trace": the kind --info names first.
std::string KindOf(const std::string& info)
{
    const std::string key = "{\"kind\":\"";
    if (info.rfind(key, 0) != 0)
        return "";
    return info.substr(key.size(), info.find('"', key.size()) - key.size());
}

std::vector<fs::path> Samples()
{
    std::vector<fs::path> samples;
    for (const fs::directory_entry& entry : fs::directory_iterator(SourceDir() / "samples"))
        if (entry.path().extension() == ".bin")
            samples.push_back(entry.path());
    std::sort(samples.begin(), samples.end());
    return samples;
}
} // namespace

TEST_F(KavConvert, EverySampleGivesItsGoldenOutputs)
{
    const bool update = std::getenv("KAV_UPDATE_GOLDEN") != nullptr;
    const std::vector<fs::path> samples = Samples();
    ASSERT_FALSE(samples.empty());
    std::set<std::string> names;
    for (const fs::path& sample : samples) {
        const std::string stem = sample.stem().string();
        const RunResult run = Convert(Quoted(sample.string()) + " --info --csv " + Quoted(Path("out.csv")) +
                                      " --document " + Quoted(Path("out.document")));
        ASSERT_EQ(run.status, 0) << stem << ": " << run.err;
        const std::string kind = KindOf(run.out);
        ASSERT_FALSE(kind.empty()) << run.out;
        const std::pair<std::string, std::string> outputs[] = {
            {stem + ".json", run.out},
            {stem + ".csv", ReadFile(Path("out.csv"))},
            {stem + "." + kind, ReadFile(Path("out.document"))},
        };
        for (const auto& [name, bytes] : outputs) {
            names.insert(name);
            const fs::path golden = GoldenDir() / name;
            if (update)
                WriteFile(golden, bytes);
            ASSERT_TRUE(fs::exists(golden)) << golden << " is missing; scripts/update-golden.sh writes it";
            EXPECT_TRUE(ReadFile(golden) == bytes)
                << name << " differs from what kav-convert writes for " << sample.filename()
                << "; after a deliberate change, scripts/update-golden.sh writes it again";
        }
    }
    // A golden file without its sample would pin nothing.
    for (const fs::directory_entry& entry : fs::directory_iterator(GoldenDir())) {
        const std::string name = entry.path().filename().string();
        if (name == ".gitattributes" || names.count(name) != 0)
            continue;
        if (update)
            fs::remove(entry.path());
        else
            ADD_FAILURE() << name << " belongs to no sample";
    }
    if (update)
        std::cout << "golden files written to " << GoldenDir() << "\n";
}
