#include "LossTestRules.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace {
KavRecord3 Record(float lossAB, float lossBA)
{
    KavRecord3 r{};
    std::strcpy(r.Cable, "CAB-01");
    std::strcpy(r.Fiber, "F001");
    std::strcpy(r.Date, "2026-05-06");
    std::strcpy(r.Time, "07:08:09");
    for (int i = 0; i < 3; ++i) {
        r.WaveLength[i] = 1310 + 120 * i;
        r.LossAB[i] = lossAB;
        r.LossBA[i] = lossBA;
        r.RefAB[i] = -10.0f;
        r.RefBA[i] = -7.5f;
        r.Threshold[i] = 1.5f;
        r.Length[i] = 0.5f;
        r.OrlAB[i] = 45.0f;
        r.OrlBA[i] = 99.0f;
    }
    return r;
}

std::string Cell(const KavRecord3& r, KavColumn column)
{
    return KavCellText(ViewOf(r), 0, column);
}
} // namespace

TEST(LossTestRules, AverageLossByItsFourRules)
{
    EXPECT_EQ(Printed("%.2f", AverageLoss(0.5f, 0.7f)), "0.60");
    EXPECT_EQ(AverageLoss(99.5f, 0.7f), 0.7f);
    EXPECT_EQ(AverageLoss(0.7f, 98.5f), 0.7f);
    EXPECT_EQ(AverageLoss(-1.0f, -1.0f), -1.0f);
    EXPECT_EQ(AverageLoss(0.0f, 0.7f), -1.0f);
    EXPECT_EQ(AverageLoss(std::nanf(""), 0.7f), 0.7f);
    EXPECT_EQ(Cell(Record(0.0f, 0.7f), KavColumn::AverageLoss), "N/A");
    EXPECT_EQ(Cell(Record(0.0f, 0.7f), KavColumn::LossAB), "0.00");
    EXPECT_EQ(Cell(Record(0.5f, 0.7f), KavColumn::AverageLoss), Printed("%.2f", (0.5f + 0.7f) / 2));
}

TEST(LossTestRules, ShownRangeAndReceivedPower)
{
    EXPECT_EQ(LossText(98.0f), "98.00");
    EXPECT_EQ(LossText(98.01f), "N/A");
    EXPECT_EQ(LossText(-0.01f), "N/A");
    EXPECT_EQ(LossText(std::numeric_limits<float>::quiet_NaN()), "N/A");
    EXPECT_EQ(LossText(std::numeric_limits<float>::infinity()), "N/A");

    const KavRecord3 r = Record(1.25f, -1.0f);
    EXPECT_EQ(Cell(r, KavColumn::PowerB), Printed("%.2f", double(-10.0f) - double(1.25f)));
    EXPECT_EQ(Cell(r, KavColumn::PowerB), "-11.25");
    EXPECT_EQ(Cell(r, KavColumn::PowerA), "N/A");
    EXPECT_EQ(Cell(r, KavColumn::LossBA), "N/A");
    EXPECT_EQ(Cell(r, KavColumn::OrlBA), "N/A");
    EXPECT_EQ(Cell(r, KavColumn::OrlAB), "45.00");
    EXPECT_EQ(Cell(r, KavColumn::RefBA), "-7.50");
    EXPECT_EQ(Cell(r, KavColumn::WaveLength), "1310");
    EXPECT_EQ(KavCellText(ViewOf(r), 2, KavColumn::WaveLength), "1550");
}

TEST(LossTestRules, VerdictAndLength)
{
    EXPECT_TRUE(Passes(1.5f, 1.2f, 1.5f));
    EXPECT_FALSE(Passes(1.5f, 1.2f, 1.51f));
    EXPECT_FALSE(Passes(std::nanf(""), 1.2f, 1.2f));
    EXPECT_EQ(Cell(Record(1.2f, 1.5f), KavColumn::Verdict), "Pass");
    EXPECT_EQ(Cell(Record(1.2f, 1.51f), KavColumn::Verdict), "Fail");

    KavRecord3 r = Record(1.0f, 1.0f);
    EXPECT_EQ(Cell(r, KavColumn::Length), "0.500");
    r.Length[2] = -1.0f;
    EXPECT_EQ(Cell(r, KavColumn::Length), "N/A");
    r.Length[2] = 1.5f;
    r.Length[0] = -1.0f; // only the last element counts
    EXPECT_EQ(Cell(r, KavColumn::Length), "1.500");
}
