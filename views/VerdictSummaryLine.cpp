#include "views/VerdictSummaryLine.h"

#include "data/CDataStore.h"
#include "data/LossTestRules.h"
#include "report/NameText.h"

#include <QHBoxLayout>
#include <QLabel>

VerdictSummaryLine::VerdictSummaryLine(QWidget* parent)
    : QWidget(parent), m_Counts(new QLabel(this)), m_Worst(new QLabel(this)), m_Limit(new QLabel(this))
{
    m_Worst->setTextFormat(Qt::RichText);
    m_Worst->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_Worst->setToolTip(tr("Selects the fibre with the worst margin in the table"));
    connect(m_Worst, &QLabel::linkActivated, this, &VerdictSummaryLine::WorstMarginClicked);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->setSpacing(24);
    layout->addWidget(m_Counts);
    layout->addWidget(m_Worst);
    layout->addWidget(m_Limit);
    layout->addStretch(1);
    hide();
}

void VerdictSummaryLine::ShowSummary(const CDataStore& store, const CertificationSummary& summary,
                                     const TestLimits& limits)
{
    // Before a loss test there is nothing to sum up.
    setVisible(store.KavRecordCount() != 0);
    if (isHidden())
        return;
    const VerdictCounts& n = summary.fibres;
    m_Counts->setText(tr("%1 fibres: %2 passed, %3 warnings, %4 failed, %5 no verdict")
                          .arg(n.Total())
                          .arg(n.pass)
                          .arg(n.warning)
                          .arg(n.fail)
                          .arg(n.noVerdict));
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
