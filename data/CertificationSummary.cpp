#include "data/CertificationSummary.h"

void VerdictCounts::Add(Verdict verdict)
{
    switch (verdict) {
    case Verdict::Pass:
        ++pass;
        break;
    case Verdict::Warning:
        ++warning;
        break;
    case Verdict::Fail:
        ++fail;
        break;
    case Verdict::None:
        ++noVerdict;
        break;
    }
}

CertificationSummary Summarize(const LossTestVerdicts& verdicts)
{
    CertificationSummary summary;
    for (size_t k = 0; k < verdicts.RecordCount(); ++k) {
        summary.fibres.Add(verdicts.FibreVerdict(k));
        for (int i = 0; i < verdicts.WaveCount(); ++i) {
            const WaveVerdict& wave = verdicts.At(k, i);
            for (const Direction d : Directions) {
                // Strictly smaller, so that the first of equal margins stays.
                if (wave.HasMargin(d) && (!summary.worst || wave.Margin(d) < summary.worstMargin)) {
                    summary.worst = VerdictPlace{k, i, d};
                    summary.worstMargin = wave.Margin(d);
                }
            }
        }
    }
    return summary;
}
