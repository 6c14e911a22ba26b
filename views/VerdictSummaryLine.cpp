#include "views/VerdictSummaryLine.h"

#include "data/CDataStore.h"
#include "data/LossTestRules.h"
#include "report/NameText.h"

#include <QHBoxLayout>
#include <QLabel>

VerdictSummaryLine::VerdictSummaryLine(QWidget* parent)
    : QWidget(parent), m_Counts(new QLabel(this)), m_NotCertified(new QLabel(this)),
      m_Worst(new QLabel(this)), m_Limit(new QLabel(this))
{
    // Said in the colour of a warning: these results are not certified.
    m_NotCertified->setStyleSheet(QStringLiteral("color: #a05a00; font-weight: bold"));
    m_NotCertified->setToolTip(tr("Wavelengths the limit has no figure for: give them one in Test Limits"));
    m_Worst->setTextFormat(Qt::RichText);
    m_Worst->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_Worst->setToolTip(tr("Selects the fibre with the worst margin in the table"));
    connect(m_Worst, &QLabel::linkActivated, this, &VerdictSummaryLine::WorstMarginClicked);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(24);
    layout->addWidget(m_Counts);
    layout->addWidget(m_NotCertified);
    layout->addWidget(m_Worst);
    layout->addWidget(m_Limit);
    layout->addStretch(1);
    hide();
}

QString WaveLengthList(const std::vector<int32_t>& waveLengths)
{
    QStringList texts;
    for (const int32_t waveLength : waveLengths)
        texts << VerdictSummaryLine::tr("%1 nm").arg(waveLength);
    return texts.join(QStringLiteral(", "));
}

void VerdictSummaryLine::ShowSummary(const CDataStore& store, const LossTestVerdicts& verdicts,
                                     const CertificationSummary& summary, const TestLimits& limits)
{
    // Before a loss test there is nothing to sum up.
    setVisible(store.KavRecordCount() != 0);
    if (isHidden())
        return;
    const VerdictCounts& n = summary.fibres;
    QString counts = tr("%1: %2, %3, %4, %5")
                         .arg(tr("%n fibres", nullptr, static_cast<int>(n.Total())),
                              tr("%n passed", nullptr, static_cast<int>(n.pass)),
                              tr("%n warnings", nullptr, static_cast<int>(n.warning)),
                              tr("%n failed", nullptr, static_cast<int>(n.fail)),
                              tr("%n incomplete", nullptr, static_cast<int>(n.incomplete)));
    if (n.noVerdict != 0)
        counts += tr(", %n without a certified wavelength", nullptr, static_cast<int>(n.noVerdict));
    m_Counts->setText(counts);
    m_NotCertified->setVisible(!verdicts.NotCertified().empty());
    m_NotCertified->setText(tr("Not certified: %1").arg(WaveLengthList(verdicts.NotCertified())));
    if (summary.worst) {
        const KavRecordView record = KavRecordAt(store, summary.worst->record);
        std::string margin;
        AppendHundredths(margin, summary.worstMargin);
        const QString text =
            tr("Worst margin %1 dB: %2 %3, %4 nm %5")
                .arg(QString::fromStdString(margin), NameText(CableOf(record)), NameText(FiberOf(record)))
                .arg(record.waveLength[summary.worst->wave])
                .arg(QString::fromLatin1(DirectionText(summary.worst->direction)));
        m_Worst->setText(QStringLiteral("<a href=\"worst\">%1</a>").arg(text.toHtmlEscaped()));
    } else {
        m_Worst->setText(tr("No margin: no loss has a limit"));
    }
    m_Limit->setText(tr("Limit: %1").arg(QString::fromStdString(LimitName(limits))));
}
