#include "link/TraceText.h"

#include <gtest/gtest.h>

TEST(LinkText, PowerLimitsCompareTheFloatWithTheDoubleLimits)
{
    EXPECT_EQ(PowerText(-79.9f), "Low"); // the float lies just below -79.9
    EXPECT_EQ(PowerText(-80.5f), "Low");
    EXPECT_EQ(PowerText(-79.8f), "-79.80");
    EXPECT_EQ(PowerText(28.9f), "28.90"); // the float lies just below 28.9
    EXPECT_EQ(PowerText(29.0f), "High");
    EXPECT_EQ(PowerText(-12.345f), "-12.35");
}
