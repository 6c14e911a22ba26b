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

class QTimer;
class QWidget;

// The job the window has open, and every change the window makes to it.
// Each change is told to the user (through the prompts) and followed by a
// fresh read of the job's state; a failure leaves the job as it was. A team
// job is read again on a timer, since others import into it; when its
// server goes away, the last state read stays shown and a reconnection is
// offered.
class JobSession : public QObject
{
    Q_OBJECT

public:
    // `owner`: the window the dialogs and messages belong to.
    explicit JobSession(QWidget* owner);
    ~JobSession() override;

    // How often a team job is read again.
    static constexpr int RefreshMilliseconds = 30000;

    bool IsOpen() const { return m_Job != nullptr; }
    // Opened to be read only (a file the user may not write, a role that
    // may only read); ReadOnlyReason says why.
    bool ReadOnly() const { return m_ReadOnly; }
    const QString& ReadOnlyReason() const { return m_ReadOnlyReason; }
    // The connection to a team job's server was lost: the state is the last
    // one read, and nothing can be changed until a reconnection.
    bool Lost() const { return m_Lost; }
    // Changes may be made now.
    bool Writable() const { return IsOpen() && !m_ReadOnly && !m_Lost; }
    bool IsTeamJob() const;
    // The job's location as it may be shown and remembered: a file's path,
    // or a team job's connection string without any password.
    const QString& Path() const { return m_Path; }
    // The job's own name: the file's name, or the team job's.
    QString Name() const;
    const JobState& State() const { return m_State; }
    const TestLimits& Limits() const { return m_Limits; }

    // A new job at `path` with the limit and report header given; it is
    // then open.
    bool Create(const QString& path, const TestLimits& limits, const InfoFields& header);
    // `location`: a job file's path, or a team job's connection string with
    // job=NAME. The password a server asks for is asked of the user.
    bool Open(const QString& location);
    void Close();
    // Reads the job again, as others may have changed it; `asked` by the
    // user, a lost connection is tried again. Unasked (the timer's), the
    // job is read only when its audit log has grown: every change to a job
    // is audited, and the log is a few rows where a job may hold 200,000
    // fibres.
    void Refresh(bool asked);
    // Opens the job again where its connection was lost; false, having told
    // why, when it cannot.
    bool Reconnect();

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
    // Tells the user why `result` failed, naming the job; a lost
    // connection is offered to be made again.
    void Tell(const JobResult& result);
    JobResult OpenAt(std::unique_ptr<Job>& job, JobAccess access);
    void ConnectionLost(const JobResult& result);
    // Reads the state after a change; false (told) when it cannot.
    bool Reread();
    // The id of the audit log's last entry (0: none).
    JobResult LastAudit(int64_t& id);
    bool Loaded(const JobResult& result);
    bool Results(JobResults& results, JobReportFacts& facts);

    QWidget* m_Owner;
    std::unique_ptr<Job> m_Job;
    bool m_ReadOnly = false;
    QString m_ReadOnlyReason;
    bool m_Lost = false;
    // Kept for this run only, to read a team job again: the location as
    // given (it may hold a password) and the password typed, never shown,
    // logged or remembered.
    std::string m_Location;
    std::string m_Password;
    QString m_Path;
    QTimer* m_RefreshTimer;
    JobState m_State;
    TestLimits m_Limits;
    // LastAudit as it was before m_State was read (-1: never read).
    int64_t m_StateAudit = -1;
};
