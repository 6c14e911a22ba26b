#pragma once

#include "data/Verdicts.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CDataStore;

// What a certified file comes to: how many fibres passed, warned, are
// incomplete, failed or have no certified wavelength at all, and the worst
// margin with where it is.

struct VerdictCounts
{
    size_t pass = 0, warning = 0, incomplete = 0, fail = 0;
    size_t noVerdict = 0; // fibres of which the limit certifies no wavelength

    void Add(Verdict verdict);
    void Add(const VerdictCounts& other);
    size_t Total() const { return pass + warning + incomplete + fail + noVerdict; }
};

// One direction at one wavelength of one record.
struct VerdictPlace
{
    size_t record;
    int wave;
    Direction direction;
};

struct CertificationSummary
{
    VerdictCounts fibres; // by each fibre's verdict
    // The smallest margin of the file: of equal ones the first in record
    // order, then wavelength order, then A->B before B->A. Nothing when no
    // direction has a margin.
    std::optional<VerdictPlace> worst;
    int64_t worstMargin = 0; // hundredths of a dB, when there is a worst

    // Adds the summary of records that all come after this one's.
    void Include(const CertificationSummary& later);
};

CertificationSummary Summarize(const LossTestVerdicts& verdicts);
// Of the records [first, end) at the wavelength indexes [firstWave, endWave)
// only: each fibre counted by its worst verdict there.
CertificationSummary SummarizePart(const LossTestVerdicts& verdicts, size_t first, size_t end, int firstWave,
                                   int endWave);

// One cable's fibres, wherever in the file they are.
struct CableSummary
{
    std::string cable; // as it is shown (UTF-8)
    CertificationSummary summary;
};
// Every cable of the store's loss tests, in the order they first appear.
std::vector<CableSummary> SummarizeByCable(const CDataStore& store, const LossTestVerdicts& verdicts);
