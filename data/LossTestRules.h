#pragma once

#include "data/CDataStore.h"
#include "data/FieldText.h"
#include "data/FixedDecimal.h"
#include "data/Records.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The texts of a loss-test record at one wavelength, shared by the grid, the
// CSV export and the report, so all three always agree.

// The values a loss-test record shows at one wavelength, one per column of
// the table (LossTableColumns.h).
enum class KavColumn
{
    Cable,
    Fiber,
    WaveLength,
    LossAB,
    LossBA,
    AverageLoss,
    RefAB,
    RefBA,
    Threshold,
    PowerB, // received power at B = RefAB - LossAB
    PowerA, // received power at A = RefBA - LossBA
    Verdict,
    Length, // the last Length element
    OrlAB,
    OrlBA,
    Date,
    Time,
};

// A read-only view of either record form.
struct KavRecordView
{
    int waveCount; // 3 or 2
    const char* cable;
    size_t cableSize;
    const char* fiber;
    size_t fiberSize;
    const int32_t* waveLength;
    const float *lossAB, *lossBA, *refAB, *refBA, *threshold, *length, *orlAB, *orlBA;
    const char* date;
    size_t dateSize;
    const char* time;
    size_t timeSize;
};

KavRecordView ViewOf(const KavRecord3& record);
KavRecordView ViewOf(const KavRecord2& record);
// Record `index` of the store's list of its current loss-test form.
KavRecordView KavRecordAt(const CDataStore& store, size_t index);

inline std::string_view CableOf(const KavRecordView& record)
{
    return std::string_view(record.cable, BoundedLength(record.cable, record.cableSize));
}

inline std::string_view FiberOf(const KavRecordView& record)
{
    return std::string_view(record.fiber, BoundedLength(record.fiber, record.fiberSize));
}

// "%.2f" when 0 <= v <= 98, otherwise "N/A" (NaN included).
std::string LossText(float value);
// The average loss by its four rules; -1 when none applies.
float AverageLoss(float lossAB, float lossBA);
bool Passes(float threshold, float lossAB, float lossBA);

// A loss as the table shows it, in whole hundredths of a dB; nothing where
// it shows "N/A".
std::optional<int32_t> ShownLossHundredths(float value);
// The record's length as the table shows it, in metres (thousandths of a
// km); nothing where it shows "N/A" or is too large to be a length.
std::optional<int64_t> ShownLengthMetres(const KavRecordView& record);

// The text of `column` for wavelength index `wave` (0 .. waveCount - 1).
std::string KavCellText(const KavRecordView& record, int wave, KavColumn column);
// The same, appended to out (the CSV export's hot path).
void AppendKavCellText(std::string& out, const KavRecordView& record, int wave, KavColumn column);
// The number that text shows, for the outputs that keep numbers as numbers;
// nothing where it shows none ("N/A", a name) or too many digits for one.
std::optional<ShownNumber> KavCellNumber(const KavRecordView& record, int wave, KavColumn column);
