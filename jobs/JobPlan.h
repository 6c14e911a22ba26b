#pragma once

#include <optional>
#include <string>
#include <vector>

// The fibres a job expects, cable by cable.

struct PlanFibre
{
    std::string cable, fiber; // UTF-8
};

struct JobPlan
{
    std::vector<PlanFibre> fibres; // in order; a fibre named twice counts once
    std::string source;            // what it was made from, for the audit log
};

struct PlanReading
{
    std::optional<JobPlan> plan; // nothing: refused
    std::string error;           // why, and where
};

// A plan as kav-job takes it: a path ending in .csv or .xlsx (in any letter
// case) is read as a table with a Cable and a Fiber column (PlanFromRows);
// anything else is a template (PlanFromTemplate).
PlanReading ReadPlan(const std::string& plan);

// "CAB-{01..12}/F{001..144}": the cable part before the first "/", the
// fiber part after it, each a text with ranges {first..last} of numbers
// (written as wide as the wider end when an end starts with 0) or of single
// letters, every cable with every fiber, in order.
PlanReading PlanFromTemplate(const std::string& text);

// A table whose first row that is not empty names its columns: the one
// called Cable and the one called Fiber (or Fibre), in any letter case, give
// each later row's fibre. Names are read as record names are (UTF-8, else
// GB18030, else Latin-1), spaces around them dropped; empty rows are passed.
PlanReading PlanFromRows(const std::vector<std::vector<std::string>>& rows, const std::string& source);
