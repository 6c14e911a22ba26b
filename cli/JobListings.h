#pragma once

#include "jobs/JobState.h"

#include <cstdint>
#include <string>

// What kav-job status and history print. Names are quoted as file names are
// on the terminal, so that a name cannot forge a line; the JSON writes them
// in plain ASCII escapes.

// "PASS: planned 3, tested 4, ..." for the job, then "CABLE: planned ..." for
// each cable, a line each.
std::string StatusText(const JobState& state);

// The fibre's state, then a line per record: the current one (or the
// disagreeing ones) first, the others latest first.
std::string HistoryText(const JobState& state, uint32_t fibre);
// The same as one JSON object: "cable", "fiber", "planned", "state",
// "retested", and "records", each with "record", "tested", "verdict",
// "role", "file", "imported" (when the file was), "importedCable" and
// "importedFiber" (the names the record holds).
std::string HistoryJson(const JobState& state, uint32_t fibre);
