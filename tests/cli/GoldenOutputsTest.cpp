#include "KavConvertRun.h"

#include <iostream>
#include <set>

// kav-convert's outputs for every sample, compared byte for byte with the
// files checked in under tests/cli/golden/, so that any change to a CSV, a
// document or the --info JSON shows as a diff in review. After a deliberate
// change, scripts/update-golden.sh writes them again.

TEST_F(KavConvert, EverySampleGivesItsGoldenOutputs)
{
    namespace fs = std::filesystem;
    const fs::path goldenDir = SourceDir() / "tests" / "cli" / "golden";
    const bool update = std::getenv("KAV_UPDATE_GOLDEN") != nullptr;
    std::set<std::string> names;
    for (const fs::directory_entry& entry : fs::directory_iterator(SourceDir() / "samples")) {
        const fs::path sample = entry.path();
        if (sample.extension() != ".bin")
            continue;
        const std::string stem = sample.stem().string();
        const RunResult run = Convert(Quoted(sample.string()) + " --info --csv " + Quoted(Path("out.csv")) +
                                      " --document " + Quoted(Path("out.document")));
        ASSERT_EQ(run.status, 0) << stem << ": " << run.err;
        const std::pair<std::string, std::string> outputs[] = {
            {stem + ".json", run.out},
            {stem + ".csv", ReadBytes(Path("out.csv"))},
            {stem + ExpectedOf(sample.string()).ending, ReadBytes(Path("out.document"))},
        };
        for (const auto& [name, bytes] : outputs) {
            names.insert(name);
            const fs::path golden = goldenDir / name;
            if (update)
                WriteBytes(golden.string(), bytes);
            ASSERT_TRUE(fs::exists(golden)) << golden << " is missing; scripts/update-golden.sh writes it";
            EXPECT_TRUE(ReadBytes(golden) == bytes)
                << name << " differs from what kav-convert writes for " << sample.filename()
                << "; after a deliberate change, scripts/update-golden.sh writes it again";
        }
    }
    ASSERT_FALSE(names.empty());
    // A golden file without its sample would pin nothing.
    for (const fs::directory_entry& entry : fs::directory_iterator(goldenDir)) {
        const std::string name = entry.path().filename().string();
        if (name == ".gitattributes" || names.count(name) != 0)
            continue;
        if (update)
            fs::remove(entry.path());
        else
            ADD_FAILURE() << name << " belongs to no sample";
    }
    if (update)
        std::cout << "golden files written to " << goldenDir << "\n";
}
