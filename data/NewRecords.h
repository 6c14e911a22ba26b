#pragma once

#include "data/Records.h"

#include <cstdint>
#include <string>

// A record made from the texts and values a decoder reads, every text cut to
// fit its field (see FieldText.h).

OpmRecord NewOpmRecord(const std::string& cable, const std::string& fiber, const std::string& waveLength,
                       const std::string& power, const std::string& reference, const std::string& date,
                       const std::string& time);
OrlRecord NewOrlRecord(const std::string& cable, const std::string& fiber, const std::string& waveLength,
                       const std::string& orlValue, const std::string& date, const std::string& time);

// The eight float triples of a loss-test result, in file order.
struct KavTriples
{
    float LossAB[3], LossBA[3], RefAB[3], RefBA[3], Threshold[3], Length[3], OrlAB[3], OrlBA[3];
};
KavRecord3 NewKavRecord3(const std::string& cable, const std::string& fiber, const int32_t waveLength[3],
                         const KavTriples& values, const std::string& date, const std::string& time);
// Keeps elements 1 and 3 of the wavelength, loss, reference, threshold and
// length triples, and elements 1 and 2 of the two ORL triples.
KavRecord2 NewKavRecord2(const std::string& cable, const std::string& fiber, const int32_t waveLength[3],
                         const KavTriples& values, const std::string& date, const std::string& time);
