#include "data/LossTestRules.h"

#include "data/FixedDecimal.h"

namespace {
// NaN fails every comparison, so it is outside every range.
bool Shown(float v)
{
    return v >= 0.0f && v <= 98.0f;
}

bool Averaged(float v)
{
    return v > 0.0f && v < 99.0f;
}

void AppendLoss(std::string& out, float v)
{
    if (Shown(v))
        AppendFixed(out, v, 2);
    else
        out += "N/A";
}

// Received power: the reference less the loss, both widened to double.
void AppendPower(std::string& out, float reference, float loss)
{
    if (Shown(loss))
        AppendFixed(out, static_cast<double>(reference) - static_cast<double>(loss), 2);
    else
        out += "N/A";
}

// A length that is not a number is no length either.
bool LengthShown(float length)
{
    return !(length < 0.0f || length != length);
}

template <typename Record> KavRecordView MakeView(const Record& r, int waveCount)
{
    return KavRecordView{waveCount, r.Cable,  sizeof r.Cable, r.Fiber,       sizeof r.Fiber, r.WaveLength,
                         r.LossAB,  r.LossBA, r.RefAB,        r.RefBA,       r.Threshold,    r.Length,
                         r.OrlAB,   r.OrlBA,  r.Date,         sizeof r.Date, r.Time,         sizeof r.Time};
}
} // namespace

KavRecordView ViewOf(const KavRecord3& record)
{
    return MakeView(record, 3);
}

KavRecordView ViewOf(const KavRecord2& record)
{
    return MakeView(record, 2);
}

KavRecordView KavRecordAt(const CDataStore& store, size_t index)
{
    return store.KavWaveCount() == 2 ? ViewOf(store.GetKavRecords2()[index])
                                     : ViewOf(store.GetKavRecords3()[index]);
}

std::string LossText(float value)
{
    std::string text;
    AppendLoss(text, value);
    return text;
}

float AverageLoss(float lossAB, float lossBA)
{
    if (!Shown(lossAB) && Averaged(lossBA))
        return lossBA;
    if (!Shown(lossBA) && Averaged(lossAB))
        return lossAB;
    if (Averaged(lossAB) && Averaged(lossBA))
        return (lossAB + lossBA) / 2;
    return -1.0f;
}

bool Passes(float threshold, float lossAB, float lossBA)
{
    return threshold >= lossAB && threshold >= lossBA;
}

std::optional<int32_t> ShownLossHundredths(float value)
{
    if (!Shown(value))
        return std::nullopt;
    return static_cast<int32_t>(*ScaledFixed(value, 2)); // at most 9800
}

std::optional<int64_t> ShownLengthMetres(const KavRecordView& record)
{
    const float length = record.length[record.waveCount - 1];
    if (!LengthShown(length))
        return std::nullopt;
    return ScaledFixed(length, 3);
}

void AppendKavCellText(std::string& out, const KavRecordView& record, int wave, KavColumn column)
{
    switch (column) {
    case KavColumn::Cable:
        out += CableOf(record);
        break;
    case KavColumn::Fiber:
        out += FiberOf(record);
        break;
    case KavColumn::WaveLength:
        out += std::to_string(record.waveLength[wave]);
        break;
    case KavColumn::LossAB:
        AppendLoss(out, record.lossAB[wave]);
        break;
    case KavColumn::LossBA:
        AppendLoss(out, record.lossBA[wave]);
        break;
    case KavColumn::AverageLoss: {
        const float average = AverageLoss(record.lossAB[wave], record.lossBA[wave]);
        if (average < 0.0f)
            out += "N/A";
        else
            AppendFixed(out, average, 2);
        break;
    }
    case KavColumn::RefAB:
        AppendFixed(out, record.refAB[wave], 2);
        break;
    case KavColumn::RefBA:
        AppendFixed(out, record.refBA[wave], 2);
        break;
    case KavColumn::Threshold:
        AppendFixed(out, record.threshold[wave], 2);
        break;
    case KavColumn::PowerB:
        AppendPower(out, record.refAB[wave], record.lossAB[wave]);
        break;
    case KavColumn::PowerA:
        AppendPower(out, record.refBA[wave], record.lossBA[wave]);
        break;
    case KavColumn::Verdict:
        out += Passes(record.threshold[wave], record.lossAB[wave], record.lossBA[wave]) ? "Pass" : "Fail";
        break;
    case KavColumn::Length: {
        const float length = record.length[record.waveCount - 1];
        if (LengthShown(length))
            AppendFixed(out, length, 3);
        else
            out += "N/A";
        break;
    }
    case KavColumn::OrlAB:
        AppendLoss(out, record.orlAB[wave]);
        break;
    case KavColumn::OrlBA:
        AppendLoss(out, record.orlBA[wave]);
        break;
    case KavColumn::Date:
        out.append(record.date, BoundedLength(record.date, record.dateSize));
        break;
    case KavColumn::Time:
        out.append(record.time, BoundedLength(record.time, record.timeSize));
        break;
    }
}

std::string KavCellText(const KavRecordView& record, int wave, KavColumn column)
{
    std::string text;
    AppendKavCellText(text, record, wave, column);
    return text;
}
