#pragma once

#include "platform/files/WriteResult.h"
#include "report/StabilityCertificate.h"

#include <QString>

#include <cstdint>
#include <string>
#include <vector>

class CLiveTrace;
class CStabilityRun;
class QWidget;
struct ReportOptions;
struct TimedReading;

// What the bench of the live trace writes: a stability run's certificate,
// and readings as a trace document that the TRACE page opens.

// The certificate's facts of `run`, a run of `trace`; `program` names the
// program and its version, `log` the log the run went to (empty: none).
StabilityCertificateFacts CertificateFactsOf(const CLiveTrace& trace, const CStabilityRun& run,
                                             const QString& program, const QString& log);

// The certificate as a one-page PDF at `path`, whole or not at all.
WriteResult WriteCertificatePdf(const std::string& path, const StabilityCertificateFacts& facts,
                                const ReportOptions& options);
// The certificate through the print dialog; false when the user cancelled
// or the printer refused the page.
bool PrintCertificate(QWidget* owner, const StabilityCertificateFacts& facts, const ReportOptions& options);

// The readings at `wavelength` as a trace document: `reference` as its
// zero line, then each reading's power as the instrument sent it.
WriteResult WriteTraceDocumentOf(const std::string& path, const std::vector<TimedReading>& readings,
                                 uint16_t wavelength, float reference);
