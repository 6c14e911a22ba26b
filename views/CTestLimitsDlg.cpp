#include "views/CTestLimitsDlg.h"

#include "data/Json.h"
#include "data/LimitFile.h"
#include "platform/ui/Prompts.h"
#include "views/CableCountsModel.h"
#include "views/DialogFolders.h"
#include "views/DialogRunner.h"
#include "views/Messages.h"
#include "views/RecordText.h"
#include "views/SaveTarget.h"

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

#include <cmath>

namespace {
const char* const LimitFileFilter =
    QT_TRANSLATE_NOOP("CTestLimitsDlg", "Limit files (*.kavlimits)|*.kavlimits|All Files (*)|*||");
const QString OpenLimitsDialog = QStringLiteral("OpenLimits");
constexpr int LargestCount = 9999;
// The wavelengths of the instrument, offered even before a file is read.
constexpr int32_t InstrumentWaveLengths[] = {1310, 1490, 1550};

// In its shortest exact form, as a limit file holds it.
QString FigureText(double figure)
{
    std::string text;
    AppendJsonNumber(text, figure);
    return QString::fromStdString(text);
}

void ShowFigure(QLineEdit* edit, const std::optional<double>& figure)
{
    edit->setText(figure ? FigureText(*figure) : QString());
}

std::optional<double> FigureAt(const WaveLengthFigures& figures, int32_t waveLength)
{
    const auto found = figures.find(waveLength);
    return found == figures.end() ? std::nullopt : std::optional<double>(found->second);
}

// The figure in `edit`: nothing when it is empty; false, with `error` naming
// the field by `name`, when it is not a number of 0 or more. A decimal comma
// is taken for a point.
bool ReadFigure(const QLineEdit* edit, const QString& name, std::optional<double>& out, QString* error)
{
    const QString text = edit->text().trimmed().replace(QLatin1Char(','), QLatin1Char('.'));
    out.reset();
    if (text.isEmpty())
        return true;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (ok && std::isfinite(value) && value >= 0) {
        out = value;
        return true;
    }
    if (error)
        *error = QCoreApplication::translate("CTestLimitsDlg", "%1: \"%2\" is not a figure of 0 or more.")
                     .arg(name, edit->text());
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

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(method);
    layout->addWidget(figures);
    layout->addWidget(cableBox);
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
    m_WarningBand->setText(FigureText(limits.warningBand));
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
        std::optional<double> fixed, attenuation;
        if (!ReadFigure(edits.fixed, tr("Fixed limit at %1 nm").arg(waveLength), fixed, error) ||
            !ReadFigure(edits.attenuation, tr("Attenuation at %1 nm").arg(waveLength), attenuation, error))
            return std::nullopt;
        if (fixed)
            limits.fixed[waveLength] = *fixed;
        if (attenuation)
            limits.attenuation[waveLength] = *attenuation;
    }
    std::optional<double> band;
    if (!ReadFigure(m_ConnectorLoss, tr("Connector loss"), limits.connectorLoss, error) ||
        !ReadFigure(m_SpliceLoss, tr("Splice loss"), limits.spliceLoss, error) ||
        !ReadFigure(m_WarningBand, tr("Warning band"), band, error))
        return std::nullopt;
    limits.warningBand = band.value_or(0.0);
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
        const std::optional<double> fromPreset =
            preset ? FigureAt(preset->attenuation, waveLength) : std::nullopt;
        edits.attenuation->setPlaceholderText(fromPreset ? FigureText(*fromPreset) : QString());
    }
    m_ConnectorLoss->setPlaceholderText(FigureText(preset ? preset->connectorLoss : 0.0));
    m_SpliceLoss->setPlaceholderText(FigureText(preset ? preset->spliceLoss : 0.0));
    for (QWidget* field : {static_cast<QWidget*>(m_ConnectorLoss), static_cast<QWidget*>(m_SpliceLoss),
                           static_cast<QWidget*>(m_Connections), static_cast<QWidget*>(m_Splices),
                           static_cast<QWidget*>(m_CableTable)})
        field->setEnabled(budget);
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
