#pragma once

#include "data/CDataStore.h"
#include "data/Verdicts.h"

#include <string>

// The verdicts as comma-separated text: the header
// "Cable,Fiber,Wavelength(nm),Direction,Loss(dB),Limit(dB),Margin(dB),Verdict",
// then one line per record, wavelength and direction (A->B before B->A) in
// record order, Loss, Limit and Margin with two decimals or empty where there
// is no value. Quoting and line ends are those of the table's CSV.
std::string VerdictsCsvBytes(const CDataStore& store, const LossTestVerdicts& verdicts);
