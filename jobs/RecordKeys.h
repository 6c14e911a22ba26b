#pragma once

#include "data/LossTestRules.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// What a job knows a loss-test record by: its cable and fiber as the
// program shows them, when it was tested, and its values.

// A name as the job keys it: read as the window reads names by default
// (UTF-8, else GB18030, else Latin-1), whatever a setting forces, so that a
// job's fibres never change with a setting.
std::string JobNameOf(std::string_view bytes);
// The most bytes a record of `waveCount` wavelengths holds in a name.
size_t NameCapacity(int waveCount);

// "YYYY-MM-DD hh:mm:ss": the record's date and time as it holds them.
std::string TestedText(const KavRecordView& record);
// The time in one number that orders as the text does; 0 (before every
// other) for a text that is not a date and a time.
uint64_t TestedKey(std::string_view tested);

// Equal for records of equal values at every wavelength (names and times
// aside), different for any other two but by a chance of 2^-64.
int64_t FingerprintOf(const KavRecordView& record);
