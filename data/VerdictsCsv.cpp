#include "data/VerdictsCsv.h"

#include "data/CsvField.h"
#include "data/LossTestRules.h"

namespace {
void AppendValue(std::string& out, int32_t hundredths)
{
    if (hundredths != NoHundredths)
        AppendHundredths(out, hundredths);
}
} // namespace

std::string VerdictsCsvBytes(const CDataStore& store, const LossTestVerdicts& verdicts)
{
    std::string out =
        std::string("Cable,Fiber,Wavelength(nm),Direction,Loss(dB),Limit(dB),Margin(dB),Verdict") +
        CsvLineEnd;
    out.reserve(out.size() + verdicts.RecordCount() * static_cast<size_t>(verdicts.WaveCount()) * 2 * 64);
    std::string waveLength, loss, limit, margin;
    for (size_t k = 0; k < verdicts.RecordCount(); ++k) {
        const KavRecordView record = KavRecordAt(store, k);
        for (int i = 0; i < verdicts.WaveCount(); ++i) {
            const WaveVerdict& wave = verdicts.At(k, i);
            waveLength = std::to_string(record.waveLength[i]);
            limit.clear();
            AppendValue(limit, wave.limit);
            for (const Direction d : Directions) {
                loss.clear();
                AppendValue(loss, wave.Loss(d));
                margin.clear();
                if (wave.HasMargin(d))
                    AppendHundredths(margin, wave.Margin(d));
                AppendCsvLine(out, {CableOf(record), FiberOf(record), waveLength, DirectionText(d), loss,
                                    limit, margin, VerdictText(wave.VerdictOf(d))});
            }
        }
    }
    return out;
}
