#include "data/FileNames.h"

#include <gtest/gtest.h>

TEST(FileNames, ExtensionRuleOfTheSaveDialogs)
{
    EXPECT_EQ(ApplyExtensionRule("/d/report", OutputKind::Csv), "/d/report.csv");
    EXPECT_EQ(ApplyExtensionRule("/d/report.CSV", OutputKind::Csv), "/d/report.CSV");
    EXPECT_EQ(ApplyExtensionRule("/d/report.Csv", OutputKind::Csv), std::nullopt);
    EXPECT_EQ(ApplyExtensionRule("/d/report.txt", OutputKind::Csv), std::nullopt);
    EXPECT_EQ(ApplyExtensionRule("/d/data.csv.bak", OutputKind::Csv), std::nullopt);
    EXPECT_EQ(ApplyExtensionRule("/d.x/result", OutputKind::OpmDocument), "/d.x/result.opm");
    EXPECT_EQ(ApplyExtensionRule("/d/result.Opm", OutputKind::OpmDocument), std::nullopt);
    EXPECT_EQ(ApplyExtensionRule("/d/result.OPM", OutputKind::OpmDocument), "/d/result.OPM");
    EXPECT_EQ(ApplyExtensionRule("/d/a.b.opm", OutputKind::OpmDocument), "/d/a.b.opm");
    EXPECT_EQ(ApplyExtensionRule("/d/log.trace", OutputKind::TraceDocument), "/d/log.trace");
    EXPECT_EQ(ApplyExtensionRule("/d/log.TRACE", OutputKind::TraceDocument), "/d/log.TRACE");
    EXPECT_EQ(ApplyExtensionRule("/d/x.kav", OutputKind::OrlDocument), std::nullopt);
}
