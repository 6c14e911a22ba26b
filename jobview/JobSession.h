#pragma once

#include "data/TestLimits.h"
#include "jobs/Job.h"
#include "jobs/JobResults.h"
#include "jobs/JobState.h"
#include "report/JobPages.h"
#include "views/InfoDialogs.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class QWidget;

// The job the window has open, and every change the window makes to it.
// Each change is told to the user (through the prompts) and followed by a
// fresh read of the job's state; a failure leaves the job as it was.
class JobSession : public QObject
{
    Q_OBJECT

public:
    // `owner`: the window the dialogs and messages belong to.
    explicit JobSession(QWidget* owner);
    ~JobSession() override;

    bool IsOpen() const { return m_Job != nullptr; }
    // Opened to be read only (a file the user may not write).
    bool ReadOnly() const { return m_ReadOnly; }
    const QString& Path() const { return m_Path; }
    const JobState& State() const { return m_State; }
    const TestLimits& Limits() const { return m_Limits; }

    // A new job at `path` with the limit and report header given; it is
    // then open.
    bool Create(const QString& path, const TestLimits& limits, const InfoFields& header);
    bool Open(const QString& path);
    void Close();

    // All the files land in the job together, with a progress window whose
    // Cancel leaves the job as it was; then what became of each is told.
    void Import(const QStringList& paths);
    void EditHeader(HeaderGroup group);
    void EditLimits();
    // The plan from a template or a table the user names.
    void EditPlan();
    // Asks for the new names: the cable's, or with `fibre` the fibre's cable
    // and fiber.
    void Rename(uint32_t cable, std::optional<uint32_t> fibre);
    // `record` holds for its fibre, whose tests disagreed.
    void Choose(uint32_t record);
    void ExportReport();
    void ExportWorkbook();

    // The fibre's tests with their values, for the KAV table; false, having
    // told the user, when they cannot be read.
    bool FibreRecords(uint32_t fibre, std::vector<ResultRun>& runs);

signals:
    // A job was opened or closed, or the open one changed.
    void Changed();

private:
    // Tells the user why `result` failed, naming the job.
    void Tell(const JobResult& result) const;
    // Reads the state after a change; false (told) when it cannot.
    bool Reread();
    bool Loaded(const JobResult& result);
    bool Results(JobResults& results, JobReportFacts& facts);

    QWidget* m_Owner;
    std::unique_ptr<Job> m_Job;
    bool m_ReadOnly = false;
    QString m_Path;
    JobState m_State;
    TestLimits m_Limits;
};
