#include "link/LocalTime.h"

#include <cstdio>

namespace {
constexpr int64_t MsPerDay = 86400000;

// Days since 1970-01-01 of a civil date; valid for every year the
// instrument's clock can show (after H. Hinnant's days_from_civil).
int64_t DaysFromCivil(int64_t year, int64_t month, int64_t day)
{
    year -= month <= 2 ? 1 : 0;
    const int64_t era = (year >= 0 ? year : year - 399) / 400;
    const int64_t yearOfEra = year - era * 400;
    const int64_t dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void CivilFromDays(int64_t days, LocalDateTime& time)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const int64_t dayOfEra = days - era * 146097;
    const int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const int64_t monthIndex = (5 * dayOfYear + 2) / 153;
    time.day = static_cast<int>(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
    time.month = static_cast<int>(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
    time.year = static_cast<int>(yearOfEra + era * 400 + (time.month <= 2 ? 1 : 0));
}

int64_t MsSinceEpoch(const LocalDateTime& t)
{
    const int64_t msOfDay = ((int64_t(t.hour) * 60 + t.minute) * 60 + t.second) * 1000 + t.millisecond;
    return DaysFromCivil(t.year, t.month, t.day) * MsPerDay + msOfDay;
}
} // namespace

LocalDateTime AddMilliseconds(const LocalDateTime& time, int64_t ms)
{
    const int64_t total = MsSinceEpoch(time) + ms;
    int64_t days = total / MsPerDay;
    int64_t msOfDay = total % MsPerDay;
    if (msOfDay < 0) {
        msOfDay += MsPerDay;
        --days;
    }
    LocalDateTime moved;
    CivilFromDays(days, moved);
    moved.hour = static_cast<int>(msOfDay / 3600000);
    moved.minute = static_cast<int>(msOfDay / 60000 % 60);
    moved.second = static_cast<int>(msOfDay / 1000 % 60);
    moved.millisecond = static_cast<int>(msOfDay % 1000);
    return moved;
}

int64_t MillisecondsBetween(const LocalDateTime& from, const LocalDateTime& to)
{
    return MsSinceEpoch(to) - MsSinceEpoch(from);
}

std::string IsoDateTimeText(const LocalDateTime& t, bool withMilliseconds)
{
    char text[48];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    std::string iso = text;
    if (withMilliseconds) {
        std::snprintf(text, sizeof text, ".%03d", t.millisecond);
        iso += text;
    }
    return iso;
}

std::string TimeOfDayText(const LocalDateTime& t)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d", t.hour, t.minute, t.second);
    return text;
}
