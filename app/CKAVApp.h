#pragma once

#include "data/CDataStore.h"
#include "views/AutoTraceControl.h"
#include "views/CommandIds.h"

#include <QPointer>
#include <QStringList>

#include <memory>

class CKAVDoc;
class CMainFrame;
class UserGuideWindow;

// The application: starts the program, owns the store of measurements, the
// document and the main window, and handles About, the user guide and New.
class CKAVApp
{
public:
    // Who keeps the program's settings, by QSettings' organisation name.
    static constexpr const char* SettingsOrganization = "Local AppWizard-Generated Applications";

    explicit CKAVApp(AutoTraceFactory autoTraceFactory);
    ~CKAVApp();

    // Settings identity, document, frame and view, a new document, the
    // caption; shows the window where it was last closed (from the settings
    // in force, ProgramSettings::Current()) and opens `files` on the tabs of
    // their kinds.
    bool InitInstance(const QStringList& files);

    CMainFrame* MainFrame() const { return m_Frame.get(); }
    CKAVDoc& Document() const { return *m_Document; }
    // The guide's window while Help > User Guide has it open.
    UserGuideWindow* UserGuide() const;

    bool OnCommand(CommandId id);

private:
    AutoTraceFactory m_AutoTraceFactory;
    CDataStore m_Store; // the program's one, which only the view changes
    std::unique_ptr<CKAVDoc> m_Document;
    std::unique_ptr<CMainFrame> m_Frame;
    QPointer<UserGuideWindow> m_UserGuide; // a child window of m_Frame, gone when closed

    void ShowUserGuide();
};
