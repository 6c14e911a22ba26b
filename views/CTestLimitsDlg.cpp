#include "views/CTestLimitsDlg.h"

#include "data/LimitFile.h"
#include "platform/ui/Prompts.h"
#include "views/CableCountsModel.h"
#include "views/DialogFolders.h"
#include "views/DialogRunner.h"
#include "views/Messages.h"
#include "views/RecordText.h"
#include "views/SaveTarget.h"
#include "views/VerdictSummaryLine.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>

namespace {
const char* const LimitFileFilter =
    QT_TRANSLATE_NOOP("CTestLimitsDlg", "Limit files (*.kavlimits)|*.kavlimits|All Files (*)|*||");
const QString OpenLimitsDialog = QStringLiteral("OpenLimits");
// The wavelengths of the instrument, offered even before a file is read.
constexpr int32_t InstrumentWaveLengths[] = {1310, 1490, 1550};

void ShowFigure(QLineEdit* edit, const std::optional<LimitFigure>& figure)
{
    edit->setText(figure ? QString::fromStdString(figure->typed) : QString());
}

std::optional<LimitFigure> FigureAt(const WaveLengthFigures& figures, int32_t waveLength)
{
    const auto found = figures.find(waveLength);
    return found == figures.end() ? std::nullopt : std::optional<LimitFigure>(found->second);
}

// The figure in `edit`, kept as typed: nothing when it is empty; false, with
// `error` naming the field by `name`, when it is not a figure a limit takes.
// A decimal comma is taken for a point.
bool ReadFigure(const QLineEdit* edit, const QString& name, std::optional<LimitFigure>& out, QString* error)
{
    const QString text = edit->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    out.reset();
    if (text.isEmpty())
        return true;
    out = ReadLimitFigure(text.toStdString());
    if (out)
        return true;
    if (error)
        *error = QCoreApplication::translate(
                     "CTestLimitsDlg", "%1: \"%2\" is not a figure from 0 to %3 with at most six decimals.")
                     .arg(name, edit->text())
                     .arg(LargestFigureUnits);
    return false;
}

QSpinBox* CountBox(QWidget* parent, int lowest)
{
    auto* box = new QSpinBox(parent);
    box->setRange(lowest, LargestCount);
    return box;
}
} // namespace

CTestLimitsDlg::CTestLimitsDlg(const TestLimits& limits, const std::vector<std::string>& cables,
                               const std::vector<int32_t>& waveLengths, QWidget* parent)
    : QDialog(parent), m_Method(new QComboBox(this)), m_Preset(new QComboBox(this)),
      m_WaveBox(new QWidget(this)), m_ConnectorLoss(new QLineEdit(this)), m_SpliceLoss(new QLineEdit(this)),
      m_Connections(CountBox(this, 0)), m_Splices(CountBox(this, 0)), m_WarningBand(new QLineEdit(this)),
      m_CableTable(new QTableView(this)),
      m_CableCounts(new CableCountsModel({tr("Cable"), tr("Connections"), tr("Splices")}, tr("all"), this)),
      m_Warning(new QLabel(this)), m_FileCables(cables), m_FileWaveLengths(waveLengths),
      m_Open(new QPushButton(tr("Open..."), this)), m_Save(new QPushButton(tr("Save As..."), this))
{
    setWindowTitle(tr("Test Limits"));
    m_Method->addItem(tr("Instrument threshold of each record"),
                      QString::fromLatin1(MethodName(LimitMethod::Instrument)));
    m_Method->addItem(tr("Fixed limit per wavelength"), QString::fromLatin1(MethodName(LimitMethod::Fixed)));
    m_Method->addItem(tr("Loss budget"), QString::fromLatin1(MethodName(LimitMethod::Budget)));
    m_Preset->addItem(tr("None: own figures only"), QString());
    for (const BudgetPreset& preset : BudgetPresets())
        m_Preset->addItem(QString::fromLatin1(preset.name), QString::fromLatin1(preset.name));

    auto* method = new QFormLayout;
    method->addRow(tr("&Method:"), m_Method);
    method->addRow(tr("&Preset:"), m_Preset);

    auto* waveGrid = new QGridLayout(m_WaveBox);
    waveGrid->setContentsMargins(0, 0, 0, 0);
    waveGrid->addWidget(new QLabel(tr("Wavelength"), m_WaveBox), 0, 0);
    waveGrid->addWidget(new QLabel(tr("Fixed limit (dB)"), m_WaveBox), 0, 1);
    waveGrid->addWidget(new QLabel(tr("Attenuation (dB/km)"), m_WaveBox), 0, 2);
    for (const int32_t waveLength : InstrumentWaveLengths)
        AddWaveLength(waveLength);
    for (const int32_t waveLength : waveLengths)
        AddWaveLength(waveLength);

    auto* budget = new QFormLayout;
    budget->addRow(tr("&Connector loss (dB):"), m_ConnectorLoss);
    budget->addRow(tr("&Splice loss (dB):"), m_SpliceLoss);
    budget->addRow(tr("Co&nnections:"), m_Connections);
    budget->addRow(tr("Sp&lices:"), m_Splices);
    budget->addRow(tr("&Warning band (dB):"), m_WarningBand);
    m_WarningBand->setToolTip(tr("A margin at or above 0 but below the band is a warning"));
    m_Method->setToolTip(tr("What a loss is certified against"));
    m_Preset->setToolTip(tr("A cabling standard's figures for the loss budget"));
    m_ConnectorLoss->setToolTip(tr("The loss the budget allows for each connection"));
    m_SpliceLoss->setToolTip(tr("The loss the budget allows for each splice"));
    m_Connections->setToolTip(tr("The connections of every cable without counts of its own"));
    m_Splices->setToolTip(tr("The splices of every cable without counts of its own"));
    m_Open->setToolTip(tr("Reads the limit from a limit file"));
    m_Save->setToolTip(tr("Writes the limit to a limit file"));

    m_CableTable->setModel(m_CableCounts);
    m_CableTable->setItemDelegate(new CableCountDelegate(tr("all"), LargestCount, m_CableTable));
    m_CableTable->setEditTriggers(QAbstractItemView::AllEditTriggers);
    m_CableTable->horizontalHeader()->setSectionResizeMode(CableCountsModel::CableColumn,
                                                           QHeaderView::Stretch);
    m_CableTable->verticalHeader()->hide();
    m_CableTable->setToolTip(tr("A cable's own counts; \"all\" takes the counts for all cables"));
    m_CableCounts->AddCables(cables);
    auto* cableBox = new QGroupBox(tr("Counts per cable"), this);
    auto* cableLayout = new QVBoxLayout(cableBox);
    cableLayout->addWidget(m_CableTable);

    auto* figures = new QGroupBox(tr("Figures"), this);
    auto* figuresLayout = new QVBoxLayout(figures);
    figuresLayout->addWidget(m_WaveBox);
    figuresLayout->addLayout(budget);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->addButton(m_Open, QDialogButtonBox::ActionRole);
    buttons->addButton(m_Save, QDialogButtonBox::ActionRole);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    m_Open->setAutoDefault(false);
    m_Save->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &CTestLimitsDlg::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_Open, &QPushButton::clicked, this, &CTestLimitsDlg::OpenLimitFile);
    connect(m_Save, &QPushButton::clicked, this, &CTestLimitsDlg::SaveLimitFile);

    m_Warning->setObjectName(QStringLiteral("limitWarning"));
    m_Warning->setWordWrap(true);
    m_Warning->setStyleSheet(QStringLiteral("color: #a05a00; font-weight: bold"));
    m_Warning->hide();

    // Two columns, so that the dialog fits a small screen at a large scale.
    auto* left = new QVBoxLayout;
    left->addLayout(method);
    left->addWidget(figures);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(cableBox, 1);
    right->addWidget(m_Warning);
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns, 1);
    layout->addWidget(buttons);

    connect(m_Method, qOverload<int>(&QComboBox::currentIndexChanged), this, &CTestLimitsDlg::UpdateFields);
    connect(m_Preset, qOverload<int>(&QComboBox::currentIndexChanged), this, &CTestLimitsDlg::UpdateFields);
    Load(limits);
}

void CTestLimitsDlg::AddWaveLength(int32_t waveLength)
{
    if (waveLength <= 0 || m_Waves.count(waveLength))
        return;
    auto* grid = static_cast<QGridLayout*>(m_WaveBox->layout());
    const int row = grid->rowCount();
    WaveRow edits{new QLineEdit(m_WaveBox), new QLineEdit(m_WaveBox)};
    edits.fixed->setObjectName(QStringLiteral("fixed%1").arg(waveLength));
    edits.attenuation->setObjectName(QStringLiteral("attenuation%1").arg(waveLength));
    grid->addWidget(new QLabel(tr("%1 nm").arg(waveLength), m_WaveBox), row, 0);
    edits.fixed->setToolTip(tr("The largest loss allowed at %1 nm, in dB").arg(waveLength));
    edits.attenuation->setToolTip(
        tr("The fibre's loss per kilometre at %1 nm, for the budget").arg(waveLength));
    grid->addWidget(edits.fixed, row, 1);
    grid->addWidget(edits.attenuation, row, 2);
    for (QLineEdit* edit : {edits.fixed, edits.attenuation})
        connect(edit, &QLineEdit::textChanged, this, &CTestLimitsDlg::UpdateWarning);
    m_Waves[waveLength] = edits;
}

QLineEdit* CTestLimitsDlg::FixedLimit(int32_t waveLength) const
{
    const auto found = m_Waves.find(waveLength);
    return found == m_Waves.end() ? nullptr : found->second.fixed;
}

QLineEdit* CTestLimitsDlg::Attenuation(int32_t waveLength) const
{
    const auto found = m_Waves.find(waveLength);
    return found == m_Waves.end() ? nullptr : found->second.attenuation;
}

void CTestLimitsDlg::Load(const TestLimits& limits)
{
    m_Method->setCurrentIndex(m_Method->findData(QString::fromLatin1(MethodName(limits.method))));
    m_Preset->setCurrentIndex(std::max(0, m_Preset->findData(QString::fromStdString(limits.preset))));
    for (const WaveLengthFigures* figures : {&limits.fixed, &limits.attenuation})
        for (const auto& [waveLength, figure] : *figures)
            AddWaveLength(waveLength);
    for (const auto& [waveLength, edits] : m_Waves) {
        ShowFigure(edits.fixed, FigureAt(limits.fixed, waveLength));
        ShowFigure(edits.attenuation, FigureAt(limits.attenuation, waveLength));
    }
    ShowFigure(m_ConnectorLoss, limits.connectorLoss);
    ShowFigure(m_SpliceLoss, limits.spliceLoss);
    m_Connections->setValue(limits.connections);
    m_Splices->setValue(limits.splices);
    ShowFigure(m_WarningBand, limits.warningBand);
    m_CableFigures.clear();
    std::vector<std::string> named;
    named.reserve(limits.cables.size());
    for (const auto& [cable, own] : limits.cables) {
        named.push_back(cable);
        if (!own.fixed.empty() || !own.attenuation.empty())
            m_CableFigures.emplace_hint(m_CableFigures.end(), cable,
                                        CableLimits{std::nullopt, std::nullopt, own.fixed, own.attenuation});
    }
    m_CableCounts->AddCables(named);
    m_CableCounts->SetCounts([&limits](const std::string& cable) {
        const auto own = limits.cables.find(cable);
        if (own == limits.cables.end())
            return std::pair(CableCountsModel::All, CableCountsModel::All);
        return std::pair(own->second.connections.value_or(CableCountsModel::All),
                         own->second.splices.value_or(CableCountsModel::All));
    });
    UpdateFields();
}

std::optional<TestLimits> CTestLimitsDlg::Limits(QString* error) const
{
    TestLimits limits;
    limits.method =
        MethodNamed(m_Method->currentData().toString().toStdString()).value_or(LimitMethod::Instrument);
    limits.preset = m_Preset->currentData().toString().toStdString();
    for (const auto& [waveLength, edits] : m_Waves) {
        std::optional<LimitFigure> fixed, attenuation;
        if (!ReadFigure(edits.fixed, tr("Fixed limit at %1 nm").arg(waveLength), fixed, error) ||
            !ReadFigure(edits.attenuation, tr("Attenuation at %1 nm").arg(waveLength), attenuation, error))
            return std::nullopt;
        if (fixed)
            limits.fixed[waveLength] = *fixed;
        if (attenuation)
            limits.attenuation[waveLength] = *attenuation;
    }
    std::optional<LimitFigure> band;
    if (!ReadFigure(m_ConnectorLoss, tr("Connector loss"), limits.connectorLoss, error) ||
        !ReadFigure(m_SpliceLoss, tr("Splice loss"), limits.spliceLoss, error) ||
        !ReadFigure(m_WarningBand, tr("Warning band"), band, error))
        return std::nullopt;
    limits.warningBand = band.value_or(LimitFigure());
    limits.connections = m_Connections->value();
    limits.splices = m_Splices->value();
    for (const std::string& cable : m_CableCounts->Cables()) {
        CableLimits own;
        const auto figures = m_CableFigures.find(cable);
        if (figures != m_CableFigures.end())
            own = figures->second;
        if (const int connections = m_CableCounts->Count(cable, CableCountsModel::ConnectionsColumn);
            connections != CableCountsModel::All)
            own.connections = connections;
        if (const int splices = m_CableCounts->Count(cable, CableCountsModel::SplicesColumn);
            splices != CableCountsModel::All)
            own.splices = splices;
        if (!(own == CableLimits{}))
            limits.cables[cable] = own;
    }
    // What is remembered and saved must read back as it is.
    const LimitFileResult check = ParseLimitFile(LimitFileBytes(limits));
    if (!check.limits) {
        if (error)
            *error = QString::fromStdString(check.error);
        return std::nullopt;
    }
    return limits;
}

void CTestLimitsDlg::UpdateFields()
{
    const auto method = MethodNamed(m_Method->currentData().toString().toStdString());
    const bool fixed = method == LimitMethod::Fixed;
    const bool budget = method == LimitMethod::Budget;
    const BudgetPreset* preset = FindBudgetPreset(m_Preset->currentData().toString().toStdString());
    m_Preset->setEnabled(budget);
    for (const auto& [waveLength, edits] : m_Waves) {
        edits.fixed->setEnabled(fixed);
        edits.attenuation->setEnabled(budget);
        const std::optional<LimitFigure> fromPreset =
            preset ? FigureAt(preset->attenuation, waveLength) : std::nullopt;
        edits.attenuation->setPlaceholderText(fromPreset ? QString::fromStdString(fromPreset->typed)
                                                         : QString());
    }
    const LimitFigure none;
    m_ConnectorLoss->setPlaceholderText(
        QString::fromStdString((preset ? preset->connectorLoss : none).typed));
    m_SpliceLoss->setPlaceholderText(QString::fromStdString((preset ? preset->spliceLoss : none).typed));
    for (QWidget* field : {static_cast<QWidget*>(m_ConnectorLoss), static_cast<QWidget*>(m_SpliceLoss),
                           static_cast<QWidget*>(m_Connections), static_cast<QWidget*>(m_Splices),
                           static_cast<QWidget*>(m_CableTable)})
        field->setEnabled(budget);
    UpdateWarning();
}

void CTestLimitsDlg::UpdateWarning()
{
    const std::optional<TestLimits> limits = Limits();
    std::vector<int32_t> left;
    QStringList unmatched;
    if (limits && !m_FileCables.empty()) {
        left = NotCertifiedOf(*limits, m_FileCables, m_FileWaveLengths);
        for (const auto& [cable, own] : limits->cables)
            if (std::find(m_FileCables.begin(), m_FileCables.end(), cable) == m_FileCables.end())
                unmatched << QStringLiteral("\u201C%1\u201D").arg(QString::fromStdString(cable));
    }
    // The field that would certify a wavelength left out is marked.
    const QString marked = QStringLiteral("background: #fde9c4");
    for (const auto& [waveLength, edits] : m_Waves) {
        const bool uncertified = std::find(left.begin(), left.end(), waveLength) != left.end();
        const bool fixed = limits && limits->method == LimitMethod::Fixed;
        edits.fixed->setStyleSheet(uncertified && fixed ? marked : QString());
        edits.attenuation->setStyleSheet(uncertified && !fixed ? marked : QString());
    }
    QStringList lines;
    if (!left.empty())
        lines << tr("Not certified: %1. Give each a figure, or its results stay not certified.")
                     .arg(WaveLengthList(left));
    if (!unmatched.isEmpty())
        lines << tr("No cable of the file is named %1.").arg(unmatched.join(QStringLiteral(", ")));
    m_Warning->setText(lines.join(QLatin1Char('\n')));
    m_Warning->setVisible(!lines.isEmpty());
}

void CTestLimitsDlg::accept()
{
    QString error;
    if (!Limits(&error)) {
        ReportLimitsRefused(this, error);
        return;
    }
    QDialog::accept();
}

void CTestLimitsDlg::OpenLimitFile()
{
    const std::optional<QString> path =
        Prompts::Current().OpenFile(this, tr(LimitFileFilter), LastFolder(OpenLimitsDialog));
    if (!path)
        return;
    RememberFolder(OpenLimitsDialog, *path);
    const LimitFileResult read = ReadLimitFile(ToFileSystemPath(*path));
    if (!read.limits) {
        ReportLimitFileRefused(this, *path, QString::fromStdString(read.error));
        return;
    }
    Load(*read.limits);
}

void CTestLimitsDlg::SaveLimitFile()
{
    QString error;
    const std::optional<TestLimits> limits = Limits(&error);
    if (!limits) {
        ReportLimitsRefused(this, error);
        return;
    }
    const std::optional<std::string> target = ChooseSaveTarget(this, tr(LimitFileFilter), OutputKind::Limits);
    if (target)
        ReportDocumentWriteResult(this, ::SaveLimitFile(*target, *limits));
}

std::optional<TestLimits> EditTestLimits(QWidget* owner, const TestLimits& limits,
                                         const std::vector<std::string>& cables,
                                         const std::vector<int32_t>& waveLengths)
{
    CTestLimitsDlg dialog(limits, cables, waveLengths, owner);
    if (RunDialog(dialog) != QDialog::Accepted)
        return std::nullopt;
    return dialog.Limits();
}
