#include "tests/cli/KavConvertRun.h"

#include <iostream>
#include <set>
#include <vector>

// kav-convert's outputs for every sample, compared byte for byte with the
// files checked in under tests/cli/golden/, so that any change to a CSV, a
// document, the verdicts or the --info JSON shows as a diff in review. A
// sample with a limit file of its name under tests/cli/limits/ is certified
// against it as well. After a deliberate change, scripts/update-golden.sh
// writes them again. The program's own export and Save As write the same
// files (the view tests compare them).

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
        const std::string ending = ExpectedOf(sample.string()).ending, document = Path("out" + ending);
        const bool lossTest = ending == ".kav";
        const std::string verdicts = lossTest ? " --verdicts " + Quoted(Path("verdicts.csv")) : "";
        const RunResult run = Convert(Quoted(sample.string()) + " --info --csv " + Quoted(Path("out.csv")) +
                                      verdicts + " --document " + Quoted(document));
        ASSERT_EQ(run.status, 0) << stem << ": " << run.err;
        std::vector<std::pair<std::string, std::string>> outputs = {
            {stem + ".json", run.out},
            {stem + ".csv", ReadBytes(Path("out.csv"))},
            {stem + ending, ReadBytes(document)},
        };
        if (lossTest)
            outputs.emplace_back(stem + ".verdicts.csv", ReadBytes(Path("verdicts.csv")));
        const fs::path limits = SourceDir() / "tests" / "cli" / "limits" / (stem + ".kavlimits");
        if (fs::exists(limits)) {
            const RunResult certified =
                Convert(Quoted(sample.string()) + " --info --limits " + Quoted(limits.string()) + verdicts);
            ASSERT_EQ(certified.status, 0) << stem << ": " << certified.err;
            outputs.emplace_back(stem + ".limits.json", certified.out);
            outputs.emplace_back(stem + ".limits.verdicts.csv", ReadBytes(Path("verdicts.csv")));
        }
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
        // The document reads back to the same outputs; a loss-test document
        // keeps the form and the cable groups too.
        const RunResult back =
            Convert(Quoted(document) + " --csv - --document " + Quoted(Path("again" + ending)));
        ASSERT_EQ(back.status, 0) << stem << back.err;
        EXPECT_EQ(back.out, ReadBytes(Path("out.csv"))) << stem;
        EXPECT_EQ(ReadBytes(Path("again" + ending)), ReadBytes(document)) << stem;
        if (ending != ".kav")
            continue;
        EXPECT_EQ(Convert(Quoted(document) + " --info").out, run.out) << stem;
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
