#pragma once

#include "data/CDataStore.h"
#include "data/Verdicts.h"
#include "platform/files/WriteResult.h"

#include <string>

// The tables as comma-separated text, written to `path` as given (the dialogs
// apply the extension rule first) through a temporary file. On success the
// OPM and loss-test exports record the path in m_OpmPath / m_KavPath.
WriteResult ExportOpmCsv(const std::string& path, CDataStore& store);
WriteResult ExportKav3Csv(const std::string& path, CDataStore& store);
WriteResult ExportKav2Csv(const std::string& path, CDataStore& store);
WriteResult ExportOrlCsv(const std::string& path, CDataStore& store);
// The loss tests in the store's form: three wavelengths before any loss-test
// file, as that table is shown.
WriteResult ExportKavCsv(const std::string& path, CDataStore& store);
// The same with the Limit, Margin and Result columns after the table's own, from the
// verdicts of the same records.
WriteResult ExportKavCsvWithLimits(const std::string& path, CDataStore& store,
                                   const LossTestVerdicts& verdicts);

// The bytes each export writes, for callers that write several files at once.
std::string OpmCsvBytes(const CDataStore& store);
std::string KavCsvBytes(const CDataStore& store, int waveCount, // 3 or 2
                        const LossTestVerdicts* verdicts = nullptr);
std::string KavCsvBytes(const CDataStore& store); // in the store's form
std::string OrlCsvBytes(const CDataStore& store);
// A recorded trace's samples (the trace values after the reference level):
// "Sample,Power(dBm)", then "%d,%.2f" per sample from 1, CR LF line ends.
std::string TraceCsvBytes(const CDataStore& store);
