#include "data/LossTableColumns.h"

ShownLossColumns LossColumnsShown(bool verdicts)
{
    ShownLossColumns shown;
    for (const LossTableColumn& column : LossTableColumns)
        if (verdicts || !column.value.ofVerdict)
            shown.push_back(&column);
    return shown;
}

void AppendLossCellText(std::string& out, const LossTableColumn& column, const KavRecordView& record,
                        int wave, const WaveVerdict* verdict)
{
    if (!column.value.ofVerdict)
        AppendKavCellText(out, record, wave, column.value.record);
    else if (verdict)
        AppendLimitCellText(out, *verdict, column.value.verdict);
}
