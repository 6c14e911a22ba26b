#pragma once

#include "views/CommandIds.h"

#include <QObject>
#include <QString>

#include <cstdint>

class CJobPane;
class CKAVView;
class JobSession;
class QDockWidget;
class QMainWindow;
class QMenu;

// The job beside the view's tabs, in a dock the user may move, float or
// close; and the File menu's job commands: new, open, recent, import,
// export and close. The dock shows while a job is open.
class JobDock : public QObject
{
    Q_OBJECT

public:
    JobDock(QMainWindow& frame, CKAVView& view);

    // Carries out a job command; false for any other command.
    bool OnCommand(CommandId id);
    // False for a command that needs an open job while none is.
    bool CommandEnabled(CommandId id) const;

    // Opens the job at `location` (a file's path, or a team job's
    // connection string with job=NAME), as Open Job and Open Team Job do
    // once it is chosen.
    bool OpenJob(const QString& location);
    // File > Recent Jobs, to be placed in the File menu.
    QMenu* RecentJobsMenu() const { return m_RecentMenu; }

    JobSession& Session() const { return *m_Session; }
    CJobPane* Pane() const { return m_Pane; }
    QDockWidget* Dock() const { return m_Dock; }

signals:
    // A job was opened, changed or closed.
    void JobChanged();

private:
    void NewJob();
    void ChooseJob();
    // Asks for a PostgreSQL server and a job's name on it.
    void ChooseTeamJob();
    void ImportFiles();
    void ShowFibre(uint32_t fibre);
    void UpdateRecentJobs();
    void OnChanged();

    QMainWindow& m_Frame;
    CKAVView& m_View;
    JobSession* m_Session;
    QDockWidget* m_Dock;
    CJobPane* m_Pane;
    QMenu* m_RecentMenu;
};
