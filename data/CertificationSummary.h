#pragma once

#include "data/Verdicts.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// What a certified file comes to: how many fibres passed, warned, failed or
// have no verdict, and the worst margin with where it is.

struct VerdictCounts
{
    size_t pass = 0, warning = 0, fail = 0, noVerdict = 0;

    void Add(Verdict verdict);
    size_t Total() const { return pass + warning + fail + noVerdict; }
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
};

CertificationSummary Summarize(const LossTestVerdicts& verdicts);
