#pragma once

#include "data/ByteReader.h"
#include "data/Results.h"

#include <cstddef>
#include <string>

// The frame the instrument's OPM, KAV and ORL result files share: a 32-byte
// header starting with a 14-byte signature and the 16-bit record count, then
// fixed-size records.
constexpr size_t ResultHeaderSize = 32;
constexpr size_t ResultSignatureSize = 14;
constexpr size_t MaxResultRecords = 65535;
constexpr size_t OpmResultRecordSize = 56;
constexpr size_t KavResultRecordSize = 136;
constexpr size_t OrlResultRecordSize = 52;

constexpr const char* OpmSignature = "kav12.opmsave";
constexpr const char* KavSignature = "kav12.kavsave";
constexpr const char* OrlSignature = "kav12.orlsave";

// The signature text with its zero bytes left out, compared exactly.
bool HasSignature(ByteSpan bytes, const char* signature);

ResultRecordCounts CountResultRecords(ByteSpan bytes, size_t recordSize);
