#include "report/RecordDateTime.h"

#include <cstdio>
#include <cstdlib>

namespace {
// Up to `count` characters from `from`, none past the end.
std::string Part(const std::string& text, size_t from, size_t count)
{
    return from < text.size() ? text.substr(from, count) : std::string();
}

std::string Last(const std::string& text, size_t count)
{
    return text.size() > count ? text.substr(text.size() - count) : text;
}
} // namespace

std::string RecordDateTimeText(const std::string& date, const std::string& time, bool instrumentForm)
{
    if (!instrumentForm)
        return Part(date, 0, 10) + " " + Part(time, 0, 8);
    const std::string datePart = Last(date, 2) + "/" + Part(date, 5, 2) + "/" + Part(date, 0, 4);
    const int hour = std::atoi(Part(time, 0, 2).c_str());
    if (hour < 12)
        return "(" + datePart + " " + Part(time, 0, 8) + " AM)";
    char hourText[16];
    std::snprintf(hourText, sizeof hourText, "%02d", hour - 12);
    return "(" + datePart + " " + hourText + Last(Part(time, 0, 8), 6) + " PM)";
}
