#include "app/CKAVApp.h"

#include "app/CAboutDlg.h"
#include "app/CKAVDoc.h"
#include "app/CMainFrame.h"
#include "app/UserGuideFiles.h"
#include "app/UserGuideWindow.h"
#include "app/WindowLanguage.h"
#include "platform/AppTitle.h"
#include "platform/ui/Prompts.h"
#include "views/CKAVView.h"
#include "views/DialogRunner.h"

#include <QCoreApplication>

CKAVApp::CKAVApp(AutoTraceFactory autoTraceFactory) : m_AutoTraceFactory(std::move(autoTraceFactory)) {}

CKAVApp::~CKAVApp() = default;

bool CKAVApp::InitInstance(const QStringList& files)
{
    // Where QSettings keeps the program's settings.
    QCoreApplication::setOrganizationName(SettingsOrganization);
    QCoreApplication::setApplicationName(ApplicationTitle);

    m_Document = std::make_unique<CKAVDoc>();
    m_Frame = std::make_unique<CMainFrame>(*m_Document, m_Store, m_AutoTraceFactory);
    m_Frame->SetApplicationHandler([this](CommandId id) { return OnCommand(id); });
    m_Document->OnNewDocument();
    m_Frame->SetCaption(MainCaption);
    m_Frame->RestorePlacement();
    m_Frame->show();

    for (const QString& file : files)
        m_Frame->OpenAnyFile(file);
    return true;
}

bool CKAVApp::OnCommand(CommandId id)
{
    switch (id) {
    case CommandId::AppAbout: {
        CAboutDlg about(m_Frame.get());
        RunDialog(about);
        return true;
    }
    case CommandId::HelpUserGuide:
        ShowUserGuide();
        return true;
    case CommandId::FileNew:
        // The one document is re-initialised; the view keeps its tabs, pages
        // and records.
        m_Document->OnNewDocument();
        m_Frame->View()->OnInitialUpdate();
        return true;
    default:
        return false;
    }
}

UserGuideWindow* CKAVApp::UserGuide() const
{
    return m_UserGuide;
}

void CKAVApp::ShowUserGuide()
{
    if (!m_UserGuide) {
        if (UserGuideFiles::Folder().isEmpty()) {
            Prompts::Current().Message(
                m_Frame.get(), QCoreApplication::translate("CKAVApp", "The user guide is not installed."),
                ApplicationTitle, MessageButtons::Ok, MessageIcon::Warning,
                QCoreApplication::translate("CKAVApp", "Reinstall the program to have it again."));
            return;
        }
        // In the language the window speaks (Help > Language's choice as
        // this run started, else the system's), beside it until closed; the
        // next F1 starts again on the first page.
        const QString speaking = WindowLanguage::Installed();
        const QLocale language = speaking.isEmpty() ? QLocale() : QLocale(speaking);
        m_UserGuide = new UserGuideWindow(UserGuideFiles::FirstPageFile(language), m_Frame.get());
        m_UserGuide->setAttribute(Qt::WA_DeleteOnClose);
    }
    m_UserGuide->show();
    m_UserGuide->raise();
    m_UserGuide->activateWindow();
}
