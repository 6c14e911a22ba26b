#pragma once

#include <string>

// The date and time line of a loss-test record in the report, from the
// stored date "YYYY-MM-DD" and time "hh:mm:ss": in ISO 8601, "YYYY-MM-DD
// hh:mm:ss", or in the instrument's form, "(DD/MM/YYYY hh:mm:ss AM)" before
// noon; from noon the hour less 12 and PM, so 12:30:05 reads 00:30:05 PM.
// Texts of another shape are cut where they end, never read past.
std::string RecordDateTimeText(const std::string& date, const std::string& time, bool instrumentForm);
