#pragma once

#include "data/CertificationSummary.h"
#include "data/TestLimits.h"

#include <QWidget>

class CDataStore;
class QLabel;

// "1490 nm, 1625 nm", as the window writes a list of wavelengths.
QString WaveLengthList(const std::vector<int32_t>& waveLengths);

// The line above the KAV table that sums up its verdicts: the fibres by
// verdict, the wavelengths the limit does not certify, the worst margin with its cable, fiber, wavelength and
// direction, and the limit's name. The worst margin is a link that takes the table to its record.
class VerdictSummaryLine : public QWidget
{
    Q_OBJECT

public:
    explicit VerdictSummaryLine(QWidget* parent = nullptr);

    // What the summary of the store's loss tests says, against `limits`;
    // hidden before any loss test.
    void ShowSummary(const CDataStore& store, const LossTestVerdicts& verdicts,
                     const CertificationSummary& summary, const TestLimits& limits);

    QLabel* Counts() const { return m_Counts; }
    QLabel* NotCertified() const { return m_NotCertified; }
    QLabel* WorstMargin() const { return m_Worst; }
    QLabel* Limit() const { return m_Limit; }

signals:
    void WorstMarginClicked();

private:
    QLabel* m_Counts;
    QLabel* m_NotCertified;
    QLabel* m_Worst;
    QLabel* m_Limit;
};
