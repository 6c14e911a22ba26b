#include "app/CKAVApp.h"

#include "app/CAboutDlg.h"
#include "app/CKAVDoc.h"
#include "app/CMainFrame.h"
#include "data/CDataStore.h"
#include "platform/AppTitle.h"
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
    m_Frame = std::make_unique<CMainFrame>(*m_Document, CDataStore::GetInstance(), m_AutoTraceFactory);
    m_Frame->SetApplicationHandler([this](CommandId id) { return OnCommand(id); });
    m_Document->OnNewDocument();
    m_Frame->SetCaption(MainCaption);
    m_Frame->RestorePlacement();
    m_Frame->show();

    for (const QString& file : files)
        m_Frame->View()->OpenRecognizedFile(file);
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
