#pragma once

#include "link/ReadingStatistics.h"

#include <QRect>

#include <optional>
#include <vector>

// Two cursors on a recorded trace, each at a sample, and what they read: the
// time and power at each, the differences between them and the statistics
// of the samples from one to the other.
struct TraceCursorReadout
{
    // From the recording's start; nothing for a trace without times.
    std::optional<double> secondsA, secondsB;
    float powerA = 0.0f;
    float powerB = 0.0f;
    std::optional<double> deltaDb; // B - A, when both have a number
    CReadingStatistics between;    // the samples from A to B, both included
};

// `plotValues` holds the zero line's level, then the samples; the samples
// span `recordedSeconds` from the first to the last (below 0: unknown).
// sampleA and sampleB count from 0 and lie within the samples.
TraceCursorReadout ReadTraceCursors(const std::vector<float>& plotValues, int sampleA, int sampleB,
                                    int recordedSeconds);

// Where the recorded chart draws sample `sample` of `sampleCount` across
// `chart`, and the sample drawn nearest to x.
int RecordedSampleX(const QRect& chart, int sampleCount, int sample);
int RecordedSampleAt(const QRect& chart, int sampleCount, int x);
