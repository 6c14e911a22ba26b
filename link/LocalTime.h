#pragma once

#include "link/LinkClock.h"

#include <cstdint>
#include <string>

// Arithmetic on the local date and time of the proleptic Gregorian calendar,
// so that a reading's time follows from the time its trace started and the
// steady milliseconds since, across midnight and the end of a month or year.

// `time` moved on by `ms` (back when negative).
LocalDateTime AddMilliseconds(const LocalDateTime& time, int64_t ms);

// From `from` to `to`, in milliseconds (negative when `to` is earlier).
int64_t MillisecondsBetween(const LocalDateTime& from, const LocalDateTime& to);

// ISO 8601 without a zone: "2017-06-01T09:05:07", or "2017-06-01T09:05:07.500"
// with the milliseconds.
std::string IsoDateTimeText(const LocalDateTime& time, bool withMilliseconds = false);

// "09:05:07": the time of day alone.
std::string TimeOfDayText(const LocalDateTime& time);
