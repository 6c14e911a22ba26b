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

// A length that is not a number is no length either.
bool LengthShown(float length)
{
    return !(length < 0.0f || length != length);
}

// What a column of figures shows: the value with its decimals, or "N/A".
struct Figure
{
    std::optional<double> value;
    int decimals;
};

Figure LossFigure(float v)
{
    return {Shown(v) ? std::optional<double>(v) : std::nullopt, 2};
}

// Received power: the reference less the loss, both widened to double.
Figure PowerFigure(float reference, float loss)
{
    return {Shown(loss) ? std::optional<double>(static_cast<double>(reference) - static_cast<double>(loss))
                        : std::nullopt,
            2};
}

// Nothing for the columns that show no figure.
inline std::optional<Figure> FigureOf(const KavRecordView& record, int wave, KavColumn column)
{
    switch (column) {
    case KavColumn::LossAB:
        return LossFigure(record.lossAB[wave]);
    case KavColumn::LossBA:
        return LossFigure(record.lossBA[wave]);
    case KavColumn::AverageLoss: {
        const float average = AverageLoss(record.lossAB[wave], record.lossBA[wave]);
        return Figure{average < 0.0f ? std::nullopt : std::optional<double>(average), 2};
    }
    case KavColumn::RefAB:
        return Figure{record.refAB[wave], 2};
    case KavColumn::RefBA:
        return Figure{record.refBA[wave], 2};
    case KavColumn::Threshold:
        return Figure{record.threshold[wave], 2};
    case KavColumn::PowerB:
        return PowerFigure(record.refAB[wave], record.lossAB[wave]);
    case KavColumn::PowerA:
        return PowerFigure(record.refBA[wave], record.lossBA[wave]);
    case KavColumn::Length: {
        const float length = record.length[record.waveCount - 1];
        return Figure{LengthShown(length) ? std::optional<double>(length) : std::nullopt, 3};
    }
    case KavColumn::OrlAB:
        return LossFigure(record.orlAB[wave]);
    case KavColumn::OrlBA:
        return LossFigure(record.orlBA[wave]);
    case KavColumn::Cable:
    case KavColumn::Fiber:
    case KavColumn::WaveLength:
    case KavColumn::Verdict:
    case KavColumn::Date:
    case KavColumn::Time:
        break;
    }
    return std::nullopt;
}

void AppendFigure(std::string& out, const Figure& figure)
{
    if (figure.value)
        AppendFixed(out, *figure.value, figure.decimals);
    else
        out += "N/A";
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
    AppendFigure(text, LossFigure(value));
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
        return;
    case KavColumn::Fiber:
        out += FiberOf(record);
        return;
    case KavColumn::WaveLength:
        out += std::to_string(record.waveLength[wave]);
        return;
    case KavColumn::Verdict:
        out += Passes(record.threshold[wave], record.lossAB[wave], record.lossBA[wave]) ? "Pass" : "Fail";
        return;
    case KavColumn::Date:
        out.append(record.date, BoundedLength(record.date, record.dateSize));
        return;
    case KavColumn::Time:
        out.append(record.time, BoundedLength(record.time, record.timeSize));
        return;
    default:
        break;
    }
    if (const std::optional<Figure> figure = FigureOf(record, wave, column))
        AppendFigure(out, *figure);
}

std::optional<ShownNumber> KavCellNumber(const KavRecordView& record, int wave, KavColumn column)
{
    if (column == KavColumn::WaveLength)
        return ScaledNumber(record.waveLength[wave], 0);
    const std::optional<Figure> figure = FigureOf(record, wave, column);
    if (!figure || !figure->value)
        return std::nullopt;
    return ShownNumberOf(*figure->value, figure->decimals);
}

std::string KavCellText(const KavRecordView& record, int wave, KavColumn column)
{
    std::string text;
    AppendKavCellText(text, record, wave, column);
    return text;
}
