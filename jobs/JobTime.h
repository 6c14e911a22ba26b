#pragma once

#include <cstdint>
#include <functional>
#include <string>

// When a job was changed: seconds since 1970-01-01 UTC, from a clock the
// caller hands in (tests and reproducible runs fix it).
using JobClock = std::function<int64_t()>;

// The system's clock.
JobClock SystemClock();

// "2026-05-01T09:30:00Z", as the job keeps its times.
std::string JobTimeText(int64_t seconds);
// "2026-05-01 09:30 UTC", as reports show a kept time; other text as it is.
std::string JobTimeShown(const std::string& kept);
