#pragma once

#include "data/CDataStore.h"
#include "data/TestLimits.h"
#include "data/Verdicts.h"
#include "workbook/SheetTable.h"

#include <string>

// The sheets of a workbook, each the table of the program that it shows,
// filled from the store when the sheet is written. They keep references to
// what they are given.

// The OPM and ORL lists, with the record's number.
SheetTable OpmSheet(const CDataStore& store);
SheetTable OrlSheet(const CDataStore& store);
// The loss-test table: a row per wavelength, each with its record's Cable,
// Fiber, Length, Date and Time; its loss cells coloured by their verdict
// against `limits`, and its Pass/Fail titled as the instrument's under a
// limit of the user's.
SheetTable LossTestSheet(const CDataStore& store, const LossTestVerdicts& verdicts, const TestLimits& limits);
// The verdicts as kav-convert --verdicts writes them.
SheetTable VerdictsSheet(const CDataStore& store, const LossTestVerdicts& verdicts);
// One row: the file, the limit, the fibres by verdict and the worst margin
// with where it is.
SheetTable SummarySheet(const CDataStore& store, const LossTestVerdicts& verdicts, const TestLimits& limits,
                        const std::string& fileName);
