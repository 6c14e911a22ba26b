#include "report/JobPages.h"

#include "jobs/JobTime.h"
#include "jobs/Sha256.h"
#include "report/ColumnHeading.h"
#include "report/ReportText.h"

#include <QStringList>

namespace {
// Fibres with the lowest margins that the attention page names.
constexpr size_t LowestMarginCount = 10;

// Each cable's counts in two tables, as wide as the cables' pages.
constexpr ColumnHeading CompletenessColumns[] = {
    {QT_TRANSLATE_NOOP("Report", "Cable"), 160, true}, {QT_TRANSLATE_NOOP("Report", "Planned"), 80},
    {QT_TRANSLATE_NOOP("Report", "Tested"), 80},       {QT_TRANSLATE_NOOP("Report", "Missing"), 80},
    {QT_TRANSLATE_NOOP("Report", "Unplanned"), 100},   {QT_TRANSLATE_NOOP("Report", "Retested"), 100},
    {QT_TRANSLATE_NOOP("Report", "Conflicts"), 120}};
constexpr ColumnHeading VerdictColumns[] = {{QT_TRANSLATE_NOOP("Report", "Cable"), 160, true},
                                            {QT_TRANSLATE_NOOP("Report", "Pass"), 80},
                                            {QT_TRANSLATE_NOOP("Report", "Warning"), 80},
                                            {QT_TRANSLATE_NOOP("Report", "Fail"), 80},
                                            {QT_TRANSLATE_NOOP("Report", "Incomplete"), 100}};
constexpr ColumnHeading FibreColumns[] = {{QT_TRANSLATE_NOOP("Report", "Cable"), 160, true},
                                          {QT_TRANSLATE_NOOP("Report", "Fiber"), 160, true}};
constexpr ColumnHeading TestColumns[] = {{QT_TRANSLATE_NOOP("Report", "Cable"), 160, true},
                                         {QT_TRANSLATE_NOOP("Report", "Fiber"), 160, true},
                                         {QT_TRANSLATE_NOOP("Report", "Record"), 120},
                                         {QT_TRANSLATE_NOOP("Report", "Tested"), 200}};
constexpr ColumnHeading ConflictColumns[] = {{QT_TRANSLATE_NOOP("Report", "Cable"), 160, true},
                                             {QT_TRANSLATE_NOOP("Report", "Fiber"), 160, true},
                                             {QT_TRANSLATE_NOOP("Report", "Records"), 200},
                                             {QT_TRANSLATE_NOOP("Report", "Tested"), 200}};
constexpr ColumnHeading SupersededColumns[] = {
    {QT_TRANSLATE_NOOP("Report", "Cable"), 120, true}, {QT_TRANSLATE_NOOP("Report", "Fiber"), 100, true},
    {QT_TRANSLATE_NOOP("Report", "Record"), 80},       {QT_TRANSLATE_NOOP("Report", "Tested"), 170},
    {QT_TRANSLATE_NOOP("Report", "Verdict"), 100},     {QT_TRANSLATE_NOOP("Report", "Why"), 150}};
constexpr ColumnHeading CorrectionColumns[] = {{QT_TRANSLATE_NOOP("Report", "Record"), 100},
                                               {QT_TRANSLATE_NOOP("Report", "Cable as imported"), 155, true},
                                               {QT_TRANSLATE_NOOP("Report", "Fiber as imported"), 155, true},
                                               {QT_TRANSLATE_NOOP("Report", "Cable"), 155, true},
                                               {QT_TRANSLATE_NOOP("Report", "Fiber"), 155, true}};

QString VerdictWord(JobVerdict verdict)
{
    switch (verdict) {
    case JobVerdict::Pass:
        return ReportText("Report", "Pass");
    case JobVerdict::Warning:
        return ReportText("Report", "Warning");
    case JobVerdict::Incomplete:
        return ReportText("Report", "Incomplete");
    case JobVerdict::Fail:
        break;
    }
    return ReportText("Report", "Fail");
}
} // namespace

JobPages::JobPages(const JobState& state, const JobResults& results, const JobReportFacts& facts,
                   int pageBottom)
    : m_State(state), m_Results(results)
{
    AddResult(facts);
    m_Front.AddPageBreak();
    AddAttention();
    AddAppendix();
    m_Front.Paginate(pageBottom);
    m_Appendix.Paginate(pageBottom);
}

QString JobPages::Name(uint32_t name) const
{
    return QString::fromStdString(m_State.Name(name));
}

void JobPages::AddResult(const JobReportFacts& facts)
{
    const JobCounts& t = m_State.Totals();
    const InfoFields& header = facts.header;
    m_Front.AddText(ReportText("Report", "Job: %1").arg(QString::fromStdString(facts.jobName)));
    m_Front.AddText(
        ReportText("Report", "Result: %1")
            .arg(m_State.Complete() ? ReportText("Report", "PASS") : ReportText("Report", "FAIL")));
    if (!header.JobId.empty() || !header.Customer.empty() || !header.Contractor.empty())
        m_Front.AddText(ReportText("Report", "Job ID: %1   Customer: %2   Contractor: %3")
                            .arg(QString::fromStdString(header.JobId),
                                 QString::fromStdString(header.Customer),
                                 QString::fromStdString(header.Contractor)));
    m_Front.AddText(ReportText("Report", "Limit: %1").arg(QString::fromStdString(facts.limitName)));
    m_Front.AddSection(ReportText("Report", "Completeness"));
    m_Front.AddText(ReportText("Report", "Planned: %1   Tested: %2   Missing: %3   Unplanned: %4   Files: %5")
                        .arg(t.planned)
                        .arg(t.tested)
                        .arg(t.missing)
                        .arg(t.unplanned)
                        .arg(t.files));
    m_Front.AddText(
        ReportText("Report",
                   "Pass: %1   Warning: %2   Fail: %3   Incomplete: %4   Conflicts: %5   Retested: %6")
            .arg(t.pass)
            .arg(t.warning)
            .arg(t.fail)
            .arg(t.incomplete)
            .arg(t.conflicts)
            .arg(t.retested));
    const auto counts = [this](size_t row, std::initializer_list<size_t JobCounts::*> which) {
        const JobCable& cable = m_State.Cables()[row];
        std::vector<QString> texts{Name(cable.name)};
        for (size_t JobCounts::*count : which)
            texts.push_back(QString::number(cable.counts.*count));
        return texts;
    };
    m_Front.AddSection(ReportText("Report", "Completeness by cable"));
    m_Front.AddTable(ColumnsOf(CompletenessColumns), m_State.Cables().size(), [counts](size_t row) {
        return counts(row, {&JobCounts::planned, &JobCounts::tested, &JobCounts::missing,
                            &JobCounts::unplanned, &JobCounts::retested, &JobCounts::conflicts});
    });
    m_Front.AddSection(ReportText("Report", "Verdicts by cable"));
    m_Front.AddTable(ColumnsOf(VerdictColumns), m_State.Cables().size(), [counts](size_t row) {
        return counts(row, {&JobCounts::pass, &JobCounts::warning, &JobCounts::fail, &JobCounts::incomplete});
    });
}

void JobPages::AddFibres(FlowPages& flow, const QString& title, std::vector<uint32_t> rows,
                         std::vector<FlowPages::Column> columns,
                         std::vector<QString> (JobPages::*texts)(uint32_t) const)
{
    flow.AddSection(title);
    if (rows.empty()) {
        flow.AddText(ReportText("Report", "None."));
        return;
    }
    m_Rows.push_back(std::move(rows));
    const size_t table = m_Rows.size() - 1;
    flow.AddTable(std::move(columns), m_Rows[table].size(),
                  [this, table, texts](size_t row) { return (this->*texts)(m_Rows[table][row]); });
}

void JobPages::AddAttention()
{
    // The current record of each fibre a filter keeps.
    const auto currentOf = [this](FibreFilter filter) {
        std::vector<uint32_t> records;
        for (const uint32_t f : m_State.Fibres(filter))
            records.push_back(*m_State.CurrentRecord(f));
        return records;
    };
    AddFibres(m_Front, ReportText("Report", "Failed fibres"), currentOf(FibreFilter::Failed),
              ColumnsOf(FibreMarginColumns), &JobPages::FibreMargin);
    AddFibres(m_Front, ReportText("Report", "Missing fibres"), m_State.Fibres(FibreFilter::Missing),
              ColumnsOf(FibreColumns), &JobPages::FibreName);
    AddFibres(m_Front, ReportText("Report", "Incomplete fibres"), currentOf(FibreFilter::Incomplete),
              ColumnsOf(TestColumns), &JobPages::FibreTest);
    AddFibres(m_Front, ReportText("Report", "Conflicts"), m_State.Fibres(FibreFilter::Conflicts),
              ColumnsOf(ConflictColumns), &JobPages::Conflict);
    AddFibres(m_Front, ReportText("Report", "Lowest margins"),
              LowestMargins(m_State, m_Results, LowestMarginCount), ColumnsOf(FibreMarginColumns),
              &JobPages::FibreMargin);
}

void JobPages::AddAppendix()
{
    std::vector<uint32_t> superseded, corrected;
    for (uint32_t f = 0; f < m_State.Fibres().size(); ++f)
        for (auto [r, end] = m_State.RecordsOf(f); r != end; ++r) {
            const RecordRole role = m_State.Records()[*r].role;
            if (role == RecordRole::Superseded || role == RecordRole::NotChosen)
                superseded.push_back(*r);
        }
    for (uint32_t r = 0; r < m_State.Records().size(); ++r)
        if (m_State.Records()[r].Renamed())
            corrected.push_back(r);
    AddFibres(m_Appendix, ReportText("Report", "Superseded tests"), std::move(superseded),
              ColumnsOf(SupersededColumns), &JobPages::Superseded);
    AddFibres(m_Appendix, ReportText("Report", "Corrections"), std::move(corrected),
              ColumnsOf(CorrectionColumns), &JobPages::Correction);
    m_Appendix.AddSection(ReportText("Report", "Imported files"));
    const std::vector<StoredFile>& files = m_State.Files();
    for (size_t i = 0; i < files.size(); ++i) {
        const StoredFile& file = files[i];
        const auto* hash = reinterpret_cast<const uint8_t*>(file.sha256.data());
        m_Appendix.AddText(
            ReportText("Report", "%1. %2   imported %3   %4 records")
                .arg(i + 1)
                .arg(QString::fromStdString(file.name), QString::fromStdString(JobTimeShown(file.importedAt)))
                .arg(file.records));
        m_Appendix.AddText(QStringLiteral("      SHA-256 ") +
                           QString::fromStdString(HexText(hash, file.sha256.size())));
    }
    if (files.empty())
        m_Appendix.AddText(ReportText("Report", "None."));
}

std::vector<QString> JobPages::FibreName(uint32_t fibre) const
{
    const JobFibre& f = m_State.Fibres()[fibre];
    return {Name(m_State.Cables()[f.cable].name), Name(f.fiber)};
}

std::vector<QString> JobPages::FibreMargin(uint32_t record) const
{
    std::vector<QString> texts = FibreName(m_State.Records()[record].fibre);
    const std::optional<RecordCertification>& certified = m_Results.certified[record];
    if (!certified || !certified->worst)
        return texts;
    const RecordMargin& worst = *certified->worst;
    texts.insert(texts.end(), {QString::fromStdString(MarginText(worst.hundredths)),
                               QString::number(worst.waveLength), QString::fromLatin1(worst.direction)});
    return texts;
}

std::vector<QString> JobPages::FibreTest(uint32_t record) const
{
    std::vector<QString> texts = FibreName(m_State.Records()[record].fibre);
    texts.push_back(QString::fromStdString(m_State.RecordReference(record)));
    texts.push_back(QString::fromStdString(std::string(m_State.Records()[record].Tested())));
    return texts;
}

std::vector<QString> JobPages::Conflict(uint32_t fibre) const
{
    std::vector<QString> texts = FibreName(fibre);
    QStringList references;
    QString tested;
    for (auto [r, end] = m_State.RecordsOf(fibre); r != end; ++r)
        if (m_State.Records()[*r].role == RecordRole::Conflicting) {
            references << QString::fromStdString(m_State.RecordReference(*r));
            tested = QString::fromStdString(std::string(m_State.Records()[*r].Tested()));
        }
    texts.push_back(references.join(QStringLiteral(", ")));
    texts.push_back(tested);
    return texts;
}

std::vector<QString> JobPages::Superseded(uint32_t record) const
{
    std::vector<QString> texts = FibreTest(record);
    const JobRecord& r = m_State.Records()[record];
    texts.push_back(VerdictWord(r.verdict));
    texts.push_back(r.role == RecordRole::NotChosen ? ReportText("Report", "not chosen")
                                                    : ReportText("Report", "superseded"));
    return texts;
}

std::vector<QString> JobPages::Correction(uint32_t record) const
{
    const JobRecord& r = m_State.Records()[record];
    return {QString::fromStdString(m_State.RecordReference(record)), Name(r.importedCable),
            Name(r.importedFiber), Name(r.cable), Name(r.fiber)};
}
