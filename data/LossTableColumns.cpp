#include "data/LossTableColumns.h"

ShownLossColumns LossColumnsShown(bool verdicts)
{
    ShownLossColumns shown;
    for (const LossTableColumn& column : LossTableColumns)
        if (verdicts || !column.value.ofVerdict)
            shown.push_back(&column);
    return shown;
}

ShownLossColumns LossColumnsInGrid(bool verdicts)
{
    ShownLossColumns shown;
    for (const LossTableColumn& column : LossTableColumns) {
        if (column.value.ofVerdict)
            continue;
        shown.push_back(&column);
        if (verdicts && column.value == GridVerdictsAfter)
            for (const LossTableColumn& verdict : LossTableColumns)
                if (verdict.value.ofVerdict)
                    shown.push_back(&verdict);
    }
    return shown;
}

int ColumnOf(const ShownLossColumns& shown, LossValue value)
{
    for (size_t col = 0; col < shown.size(); ++col)
        if (shown[col]->value == value)
            return static_cast<int>(col);
    return -1;
}

void AppendLossCellText(std::string& out, const LossTableColumn& column, const KavRecordView& record,
                        int wave, const WaveVerdict* verdict)
{
    if (!column.value.ofVerdict)
        AppendKavCellText(out, record, wave, column.value.record);
    else if (verdict)
        AppendLimitCellText(out, *verdict, column.value.verdict);
}

std::optional<ShownNumber> LossCellNumber(const LossTableColumn& column, const KavRecordView& record,
                                          int wave, const WaveVerdict* verdict)
{
    if (!column.value.ofVerdict)
        return KavCellNumber(record, wave, column.value.record);
    if (!verdict)
        return std::nullopt;
    const std::optional<int64_t> hundredths = LimitCellHundredths(*verdict, column.value.verdict);
    return hundredths ? std::optional<ShownNumber>(ScaledNumber(*hundredths, 2)) : std::nullopt;
}
