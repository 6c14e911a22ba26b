#include "jobs/JobTime.h"

#include <chrono>
#include <cstdio>

namespace {
struct CivilDate
{
    int64_t year;
    unsigned month, day;
};

// The proleptic Gregorian date of a day counted from 1970-01-01 (Howard
// Hinnant's civil_from_days), free of the C library's time zone and locale.
CivilDate CivilFromDays(int64_t days)
{
    days += 719468;
    const int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const auto dayOfEra = static_cast<unsigned>(days - era * 146097);
    const unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const unsigned shifted = (5 * dayOfYear + 2) / 153;
    const unsigned day = dayOfYear - (153 * shifted + 2) / 5 + 1;
    const unsigned month = shifted < 10 ? shifted + 3 : shifted - 9;
    return {static_cast<int64_t>(yearOfEra) + era * 400 + (month <= 2 ? 1 : 0), month, day};
}
} // namespace

JobClock SystemClock()
{
    return [] {
        return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                        std::chrono::system_clock::now().time_since_epoch())
                                        .count());
    };
}

std::string JobTimeText(int64_t seconds)
{
    const int64_t days = (seconds >= 0 ? seconds : seconds - 86399) / 86400;
    const int64_t inDay = seconds - days * 86400;
    const CivilDate date = CivilFromDays(days);
    char text[40];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02d:%02d:%02dZ", static_cast<long long>(date.year),
                  date.month, date.day, static_cast<int>(inDay / 3600), static_cast<int>(inDay / 60 % 60),
                  static_cast<int>(inDay % 60));
    return text;
}

std::string JobTimeShown(const std::string& kept)
{
    // "YYYY-MM-DDThh:mm:ssZ"
    if (kept.size() != 20 || kept[10] != 'T' || kept[19] != 'Z')
        return kept;
    return kept.substr(0, 10) + " " + kept.substr(11, 5) + " UTC";
}
