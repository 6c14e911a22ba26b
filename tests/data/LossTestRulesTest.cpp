#include "data/LossTestRules.h"
#include "tests/data/TestFiles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// The rules of the values that the golden files' samples never reach.

namespace {
KavRecord3 Record(float lossAB, float lossBA)
{
    KavRecord3 r{};
    for (int i = 0; i < 3; ++i) {
        r.LossAB[i] = lossAB;
        r.LossBA[i] = lossBA;
        r.RefAB[i] = -10.0f;
        r.Threshold[i] = 1.5f;
        r.Length[i] = 0.5f;
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
}

TEST(LossTestRules, ShownRangeAndReceivedPower)
{
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const std::pair<float, const char*> losses[] = {
        {98.0f, "98.00"}, {98.01f, "N/A"}, {-0.01f, "N/A"}, {nan, "N/A"}, {inf, "N/A"}};
    for (const auto& [value, text] : losses)
        EXPECT_EQ(LossText(value), text) << value;

    const KavRecord3 r = Record(1.25f, -1.0f);
    EXPECT_EQ(Cell(r, KavColumn::PowerB), "-11.25");
    EXPECT_EQ(Cell(r, KavColumn::PowerA), "N/A");
    EXPECT_EQ(Cell(r, KavColumn::LossBA), "N/A");
    // No loss at all is a loss shown, so the power arrives whole.
    EXPECT_EQ(Cell(Record(0.0f, 0.0f), KavColumn::PowerB), "-10.00");
}

TEST(LossTestRules, VerdictAndLength)
{
    EXPECT_TRUE(Passes(1.5f, 1.2f, 1.5f));
    EXPECT_FALSE(Passes(1.5f, 1.2f, 1.51f));
    EXPECT_FALSE(Passes(std::nanf(""), 1.2f, 1.2f));
    EXPECT_EQ(Cell(Record(1.2f, 1.51f), KavColumn::Verdict), "Fail");

    KavRecord3 r = Record(1.0f, 1.0f);
    for (const float length : {-1.0f, std::nanf("")}) {
        r.Length[2] = length;
        EXPECT_EQ(Cell(r, KavColumn::Length), "N/A") << length;
    }
    r.Length[2] = 1.5f;
    r.Length[0] = -1.0f; // only the last element counts
    EXPECT_EQ(Cell(r, KavColumn::Length), "1.500");
}
