#pragma once

#include <QPageSize>

#include <optional>
#include <string>

// What kav-convert and kav-job share in setting up a report.

// The paper --page-size names, or the locale's.
QPageSize ReportPaper(const std::optional<std::string>& pageSize);

// Why the report's language cannot be spoken (its translations are not
// where the program looks), or nothing; once the Gui is up.
std::optional<std::string> ReportLanguageProblem(const std::string& language);
