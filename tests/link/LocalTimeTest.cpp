#include "link/LocalTime.h"

#include <gtest/gtest.h>

// Moving a time on carries into the next second, day, month and year, and
// back; the difference of two times undoes it.
TEST(LinkTime, MovingOnCarriesAcrossDaysMonthsAndYears)
{
    struct Case
    {
        LocalDateTime from;
        int64_t ms;
        const char* expected;
    };
    const Case cases[] = {
        {{2017, 6, 1, 9, 5, 7, 0}, 500, "2017-06-01T09:05:07.500"},
        {{2017, 6, 1, 23, 59, 59, 750}, 250, "2017-06-02T00:00:00.000"},
        {{2017, 6, 30, 12, 0, 0, 0}, 86400000, "2017-07-01T12:00:00.000"},
        {{2020, 2, 28, 23, 59, 59, 500}, 1000, "2020-02-29T00:00:00.500"}, // a leap year
        {{2021, 2, 28, 23, 59, 59, 500}, 1000, "2021-03-01T00:00:00.500"},
        {{2017, 12, 31, 23, 0, 0, 0}, 3600000, "2018-01-01T00:00:00.000"},
        {{2018, 1, 1, 0, 0, 0, 0}, -1, "2017-12-31T23:59:59.999"},
    };
    for (const Case& c : cases) {
        const LocalDateTime moved = AddMilliseconds(c.from, c.ms);
        EXPECT_EQ(IsoDateTimeText(moved, true), c.expected);
        EXPECT_EQ(MillisecondsBetween(c.from, moved), c.ms) << c.expected;
    }
    EXPECT_EQ(IsoDateTimeText({2017, 6, 1, 9, 5, 7, 500}), "2017-06-01T09:05:07");
    EXPECT_EQ(TimeOfDayText({2017, 6, 1, 9, 5, 7, 500}), "09:05:07");
}
