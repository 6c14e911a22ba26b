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
                                          int wave)
{
    if (column.value.ofVerdict)
        return std::nullopt;
    return KavCellNumber(record, wave, column.value.record);
}
