#include "CKAVView.h"

#include "CDataStore.h"
#include "CKavGridPage.h"
#include "COpmListPage.h"
#include "COrlListPage.h"
#include "CTracePage.h"
#include "CsvExport.h"
#include "Documents.h"
#include "FileKind.h"
#include "KavTabActive.h"
#include "Messages.h"
#include "Prompts.h"
#include "RecordText.h"
#include "ResultFileDecoders.h"
#include "SaveTarget.h"
#include "Tabs.h"

namespace {
const QString OpenFilter = "Open Files (*.bin)|*.bin|All Files(*.*)|*.*||";

int TabOfKind(FileKind kind)
{
    switch (kind) {
    case FileKind::OpmResult:
    case FileKind::OpmDocument:
        return TabOpm;
    case FileKind::KavResult:
    case FileKind::KavDocument:
        return TabKav;
    case FileKind::TraceResult:
    case FileKind::TraceDocument:
        return TabTrace;
    case FileKind::OrlResult:
    case FileKind::OrlDocument:
        return TabOrl;
    case FileKind::Unknown:
        break;
    }
    return -1;
}

// A chosen file named like the tab's own document is read as one.
bool HasDocumentEnding(int tab, const QString& path)
{
    return TabOfKind(DocumentKindOfEnding(ToFileSystemPath(path))) == tab;
}

bool IsDocument(FileKind kind)
{
    return kind == FileKind::OpmDocument || kind == FileKind::KavDocument ||
           kind == FileKind::TraceDocument || kind == FileKind::OrlDocument;
}

int WaveCountOfMode(int32_t mode)
{
    if (mode == CDataStore::KavModeThree)
        return 3;
    if (mode == CDataStore::KavModeTwo)
        return 2;
    return 0;
}

using ResultDecoder = DecodeResult (*)(const std::string&, CDataStore&, RowSink*);
using DocumentReader = DecodeResult (*)(const std::string&, CDataStore&);
using FileWriter = WriteResult (*)(const std::string&, CDataStore&);

// A result file writes its rows into the page as it is decoded; a document
// fills the store, so the page is refilled from there.
DecodeResult ReadIntoList(const QString& path, bool asDocument, CReportListPage& page, ResultDecoder decode,
                          DocumentReader readDocument, CDataStore& store)
{
    if (!asDocument)
        return decode(ToFileSystemPath(path), store, &page);
    const DecodeResult result = readDocument(ToFileSystemPath(path), store);
    if (result == DecodeResult::Ok)
        page.FillFromStore(store);
    return result;
}

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
    };
    for (const Row& row : Table) {
        if (row.id == id)
            return row.byTab;
    }
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

bool CKAVView::OpenRecognizedFile(const QString& path)
{
    const Recognition recognition = RecognizeFile(ToFileSystemPath(path));
    if (!recognition.readable) {
        ShowNotReadable(this, path);
        return false;
    }
    const int tab = TabOfKind(recognition.kind);
    if (tab < 0) {
        ShowNotRecognized(this, path);
        return false;
    }
    if (!SelectTab(tab))
        return false;
    const DecodeResult result = ReadOnTab(tab, path, IsDocument(recognition.kind));
    ReportReadResult(this, result, path, false);
    return result == DecodeResult::Ok;
}

void CKAVView::Open()
{
    const std::optional<QString> path = Prompts::Current().OpenFile(this, OpenFilter);
    if (!path)
        return;
    const int tab = SelectedTab();
    ReportReadResult(this, ReadOnTab(tab, *path, HasDocumentEnding(tab, *path)), *path, true);
}

DecodeResult CKAVView::ReadOnTab(int tab, const QString& path, bool asDocument)
{
    switch (tab) {
    case TabOpm:
        return ReadIntoList(path, asDocument, *m_OpmPage, &DecodeOpmFile, &ReadOpmDocument, m_Store);
    case TabKav:
        return ReadKav(path, asDocument);
    case TabTrace:
        return ReadTrace(path, asDocument);
    case TabOrl:
        return ReadIntoList(path, asDocument, *m_OrlPage, &DecodeOrlFile, &ReadOrlDocument, m_Store);
    default:
        return DecodeResult::CannotOpen;
    }
}

DecodeResult CKAVView::ReadKav(const QString& path, bool asDocument)
{
    if (asDocument) {
        const DecodeResult result = ReadKavDocument(ToFileSystemPath(path), m_Store);
        if (result == DecodeResult::Ok)
            SetKavWaveCount(WaveCountOfMode(m_Store.m_KavWaveMode));
        return result;
    }
    const KavDecodeOutcome outcome = DecodeKavFile(ToFileSystemPath(path), m_Store);
    if (outcome.result == DecodeResult::Ok && outcome.waveCount != 0)
        SetKavWaveCount(outcome.waveCount);
    else if (outcome.result == DecodeResult::Ok)
        m_KavPage->RefreshGrid();
    return outcome.result;
}

void CKAVView::SetKavWaveCount(int waveCount)
{
    m_KavWaveCount = waveCount;
    m_KavPage->m_KavWaveCount = waveCount;
    m_KavPage->RefreshGrid();
}

DecodeResult CKAVView::ReadTrace(const QString& path, bool asDocument)
{
    DecodeResult result = DecodeResult::Ok;
    if (asDocument)
        result = ReadTraceDocument(ToFileSystemPath(path), m_Store);
    else if (!m_TracePage->OpenRecordedTrace(path))
        return DecodeResult::Ok; // the page has told the user what it refused
    if (result == DecodeResult::Ok)
        m_TracePage->update();
    return result;
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

void CKAVView::PrintReport() {}

void CKAVView::PreviewReport() {}

void CKAVView::PrintPagePicture() {}
