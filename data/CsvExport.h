#pragma once

#include "data/CDataStore.h"
#include "data/Verdicts.h"

#include <string>

// The tables as comma-separated text, as Save As CSV and kav-convert write
// them (through the safe write; the dialogs apply the extension rule first).
std::string OpmCsvBytes(const CDataStore& store);
// The loss tests in the store's form: three wavelengths before any loss-test
// file, as that table is shown. With `verdicts` (of the same records), the
// columns of the verdicts too.
std::string KavCsvBytes(const CDataStore& store, const LossTestVerdicts* verdicts = nullptr);
std::string OrlCsvBytes(const CDataStore& store);
// A recorded trace's samples (the trace values after the reference level):
// "Sample,Power(dBm)", then "%d,%.2f" per sample from 1, CR LF line ends.
std::string TraceCsvBytes(const CDataStore& store);
