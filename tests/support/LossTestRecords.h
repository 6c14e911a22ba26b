#pragma once

#include "tools/make-samples/ResultFileEncoder.h"

#include <string>

// A loss of `loss` dB both ways at all three wavelengths, against the
// instrument's threshold of 1.50 dB, tested on May `day` 2026 at `hour`:
// the record the job tests and benchmarks build their units' files from.
inline LossTestResult LossTest(const std::string& cable, const std::string& fiber, float loss, int day,
                               int hour = 9)
{
    LossTestResult test;
    test.cable = cable;
    test.fiber = fiber;
    for (int i = 0; i < 3; ++i) {
        test.lossAB[i] = test.lossBA[i] = loss;
        test.refAB[i] = test.refBA[i] = -3.0f;
        test.threshold[i] = 1.5f;
        test.length[i] = 1.0f;
        test.orlAB[i] = test.orlBA[i] = 45.0f;
    }
    test.stamp = MakeStamp(2026, 5, day, hour, 0, 0);
    return test;
}
