#include "tests/link/VirtualLinkRig.h"
#include "tests/support/ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

// The CSV log of a trace that changes wavelength, reads below and above the
// range and has its reference set on the page, compared byte for byte with
// tests/link/golden/trace-log.csv; after a deliberate change of the format,
// scripts/update-golden.sh writes it again. The text log beside it keeps its
// own lines (the acquisition's test checks them).
TEST(LinkCsvLog, LogOfATraceGivesItsGoldenFile)
{
    ScratchFolder folder;
    VirtualLinkRig rig(folder.File("COMData.txt"));
    rig.instrument->SetReference(-3.2f);
    rig.instrument->SetPower(-15.0f);
    rig.instrument->SetDrift(0.25f);
    rig.instrument->SetScript(
        {{3, 1550}, {1, 1550, SimulatedPower::Low}, {2, 1310}, {1, 1310, SimulatedPower::High}, {2, 1550}},
        false);
    rig.trace.Trace();
    rig.trace.SetSaving(true);
    rig.Advance(1500);
    ASSERT_TRUE(rig.trace.SetReference()); // -14.50 dBm at 1550 nm
    rig.Advance(3000);
    rig.trace.Stop();
    ASSERT_TRUE(rig.ui.messages.empty());
    EXPECT_EQ(CCsvTraceLog::PathBeside(folder.File("COMData.txt")), folder.File("COMData.csv"));

    const std::filesystem::path golden =
        std::filesystem::path(std::getenv("KAV_SOURCE_DIR")) / "tests" / "link" / "golden" / "trace-log.csv";
    const std::string written = ReadBytes(folder.File("COMData.csv"));
    if (std::getenv("KAV_UPDATE_GOLDEN"))
        WriteBytes(golden.string(), written);
    EXPECT_TRUE(ReadBytes(golden.string()) == written)
        << written << "differs from " << golden << "; after a deliberate change, scripts/update-golden.sh "
        << "writes it again";
}
