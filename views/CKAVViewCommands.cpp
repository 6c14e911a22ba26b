#include "views/CKAVView.h"

#include "data/CDataStore.h"
#include "data/CsvExport.h"
#include "data/Documents.h"
#include "data/FileLoading.h"
#include "platform/ui/Prompts.h"
#include "trace/CTracePage.h"
#include "views/CKavGridPage.h"
#include "views/COpmListPage.h"
#include "views/COrlListPage.h"
#include "views/DialogFolders.h"
#include "views/KavTabActive.h"
#include "views/Messages.h"
#include "views/RecordText.h"
#include "views/SaveTarget.h"
#include "views/Tabs.h"

namespace {
// The instrument's files have no ending on Linux and macOS, and "*" takes
// every file on every system.
const QString OpenFilter = "Open Files (*.bin)|*.bin|"
                           "Program documents (*.opm *.kav *.orl *.trace)|*.opm;*.kav;*.orl;*.trace|"
                           "All Files (*)|*||";

int TabOfKind(FileKind kind)
{
    switch (RecordKindOf(kind)) {
    case RecordKind::Opm:
        return TabOpm;
    case RecordKind::Kav:
        return TabKav;
    case RecordKind::Trace:
        return TabTrace;
    case RecordKind::Orl:
        break;
    }
    return TabOrl;
}

using FileWriter = WriteResult (*)(const std::string&, CDataStore&);

void ExportCsv(QWidget* owner, const QString& filter, FileWriter exporter, CDataStore& store)
{
    const std::optional<std::string> target = ChooseSaveTarget(owner, filter, OutputKind::Csv);
    if (target)
        ReportCsvWriteResult(owner, exporter(*target, store));
}

void SaveDocument(QWidget* owner, const QString& filter, OutputKind kind, FileWriter writer,
                  CDataStore& store)
{
    const std::optional<std::string> target = ChooseSaveTarget(owner, filter, kind);
    if (target)
        ReportDocumentWriteResult(owner, writer(*target, store));
}
} // namespace

const CKAVView::Handler* CKAVView::HandlersOf(CommandId id)
{
    // What each command does on each tab, by tab index; null does nothing.
    struct Row
    {
        CommandId id;
        Handler byTab[TabCount];
    };
    static const Row Table[] = {
        {CommandId::FileOpen, {&CKAVView::Open, &CKAVView::Open, &CKAVView::Open, nullptr, &CKAVView::Open}},
        {CommandId::FileSave,
         {&CKAVView::SaveOpmCsv, &CKAVView::SaveKavCsv, nullptr, nullptr, &CKAVView::SaveOrlCsv}},
        {CommandId::FileSaveAsCsv,
         {&CKAVView::SaveOpmCsv, &CKAVView::SaveKavCsv, nullptr, nullptr, &CKAVView::SaveOrlCsv}},
        {CommandId::FileSaveAs,
         {&CKAVView::SaveOpmDocument, &CKAVView::SaveKavDocument, &CKAVView::SaveTraceDocument, nullptr,
          &CKAVView::SaveOrlDocument}},
        {CommandId::FilePrint,
         {&CKAVView::PrintReport, &CKAVView::PrintReport, &CKAVView::PrintPagePicture,
          &CKAVView::PrintPagePicture, &CKAVView::PrintReport}},
        {CommandId::FilePrintPreview,
         {&CKAVView::PreviewReport, &CKAVView::PreviewReport, &CKAVView::PrintPagePicture,
          &CKAVView::PrintPagePicture, &CKAVView::PreviewReport}},
        {CommandId::FilePrintSetup,
         {&CKAVView::PrintSetup, &CKAVView::PrintSetup, &CKAVView::PrintSetup, &CKAVView::PrintSetup,
          &CKAVView::PrintSetup}},
        {CommandId::FileExportPdf,
         {&CKAVView::ExportPdf, &CKAVView::ExportPdf, nullptr, nullptr, &CKAVView::ExportPdf}},
    };
    for (const Row& row : Table)
        if (row.id == id)
            return row.byTab;
    return nullptr;
}

bool CKAVView::OnCommand(CommandId id)
{
    const Handler* handlers = HandlersOf(id);
    if (!handlers)
        return false;
    const int tab = SelectedTab();
    if (id == CommandId::FileOpen)
        g_KavTabActive = tab;
    if (tab >= 0 && tab < TabCount && handlers[tab])
        (this->*handlers[tab])();
    return true;
}

bool CKAVView::CommandEnabled(CommandId id) const
{
    const Handler* handlers = HandlersOf(id);
    const int tab = SelectedTab();
    if (!handlers || tab < 0 || tab >= TabCount)
        return true;
    if (!handlers[tab])
        return false;
    // The loss-test export needs to know its form, which the first file gives.
    if (tab == TabKav && (id == CommandId::FileSave || id == CommandId::FileSaveAsCsv))
        return m_KavWaveCount != 0;
    return true;
}

QString CKAVView::FileOfTab(int tab) const
{
    return tab >= 0 && tab < TabCount ? m_TabFiles[tab] : QString();
}

bool CKAVView::OpenRecognizedFile(const QString& path)
{
    const RecognizedFile file = RecognizeFile(ToFileSystemPath(path));
    if (file.status != DecodeResult::Ok) {
        ReportLoadOutcome(this, LoadRecognizedFile(file, m_Store), path);
        return false;
    }
    const int tab = TabOfKind(file.kind);
    return SelectTab(tab) && ReadOnTab(tab, file, path);
}

void CKAVView::Open()
{
    const QString dialogKind = OpenDialogKind(SelectedTab());
    const std::optional<QString> path = Prompts::Current().OpenFile(this, OpenFilter, LastFolder(dialogKind));
    if (!path)
        return;
    RememberFolder(dialogKind, *path);
    // Read by content, as a drop is: a file of another kind goes to its own tab.
    OpenRecognizedFile(*path);
}

bool CKAVView::ReadOnTab(int tab, const RecognizedFile& file, const QString& path)
{
    LoadOptions options;
    if (tab == TabOpm)
        options.rows = m_OpmPage;
    else if (tab == TabOrl)
        options.rows = m_OrlPage;
    const LoadOutcome outcome = LoadRecognizedFile(file, m_Store, options);
    if (outcome.result != DecodeResult::Ok) {
        ReportLoadOutcome(this, outcome, path);
        return false;
    }
    ShowLoaded(outcome, path);
    ShowOpened(tab, path);
    // A short file's notice comes once its records are on the screen.
    ReportLoadOutcome(this, outcome, path);
    return true;
}

void CKAVView::ShowOpened(int tab, const QString& path)
{
    m_TabFiles[tab] = path;
    emit FileOpened(path);
}

void CKAVView::ShowLoaded(const LoadOutcome& outcome, const QString& path)
{
    switch (outcome.kind) {
    case FileKind::OpmDocument:
        m_OpmPage->FillFromStore(m_Store);
        break;
    case FileKind::OrlDocument:
        m_OrlPage->FillFromStore(m_Store);
        break;
    case FileKind::KavResult:
    case FileKind::KavDocument:
        UpdateKavWaveCount();
        break;
    case FileKind::TraceResult:
    case FileKind::TraceDocument:
        m_TracePage->ShowTrace(path, outcome.trace);
        break;
    default:
        break; // a result file's rows were written into its list as it was decoded
    }
}

void CKAVView::UpdateKavWaveCount()
{
    m_KavWaveCount = m_Store.KavWaveCount();
    m_KavPage->FillGrid();
    emit CommandStatesChanged();
}

void CKAVView::SaveOpmCsv()
{
    ExportCsv(this, "OPM File(*.csv) | *.csv||", &ExportOpmCsv, m_Store);
}

void CKAVView::SaveKavCsv()
{
    if (m_KavWaveCount == 3)
        ExportCsv(this, "KAV File(*.csv) | *.csv||", &ExportKav3Csv, m_Store);
    else if (m_KavWaveCount == 2)
        ExportCsv(this, "KAV File(*.csv) | *.csv||", &ExportKav2Csv, m_Store);
}

void CKAVView::SaveOrlCsv()
{
    ExportCsv(this, "ORL File(*.csv) | *.csv||", &ExportOrlCsv, m_Store);
}

void CKAVView::SaveOpmDocument()
{
    SaveDocument(this, "OPM File(*.opm) | *.opm||", OutputKind::OpmDocument, &WriteOpmDocument, m_Store);
}

void CKAVView::SaveKavDocument()
{
    SaveDocument(this, "KAV File(*.kav) | *.kav||", OutputKind::KavDocument, &WriteKavDocument, m_Store);
}

void CKAVView::SaveTraceDocument()
{
    SaveDocument(this, "TRACE File(*.trace) | *.trace ||", OutputKind::TraceDocument, &WriteTraceDocument,
                 m_Store);
}

void CKAVView::SaveOrlDocument()
{
    SaveDocument(this, "ORL File(*.orl) | *.orl||", OutputKind::OrlDocument, &WriteOrlDocument, m_Store);
}
