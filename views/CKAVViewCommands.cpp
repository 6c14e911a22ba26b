#include "views/CKAVView.h"

#include "data/CDataStore.h"
#include "data/CsvExport.h"
#include "data/FileLoading.h"
#include "data/RecordKinds.h"
#include "platform/files/SafeFileWriter.h"
#include "platform/ui/Prompts.h"
#include "trace/CTracePage.h"
#include "views/CKavGridPage.h"
#include "views/CReportListPage.h"
#include "views/DialogFolders.h"
#include "views/Messages.h"
#include "views/RecordText.h"
#include "views/SaveTarget.h"
#include "views/Tabs.h"
#include "workbook/Workbook.h"

#include <QFileInfo>

namespace {
// The instrument's files have no ending on Linux and macOS, and "*" takes
// every file on every system.
const char* const OpenFilter = QT_TRANSLATE_NOOP("CKAVView", "Open Files (*.bin)|*.bin|"
                                                             "Program documents (*.opm *.kav *.orl *.trace)|"
                                                             "*.opm;*.kav;*.orl;*.trace|All Files (*)|*||");
} // namespace

// In the order of RecordKind.
const CKAVView::KindTab CKAVView::KindTabs[] = {
    {RecordKind::Opm, TabOpm, QT_TRANSLATE_NOOP("CKAVView", "OPM File(*.csv) | *.csv||"),
     QT_TRANSLATE_NOOP("CKAVView", "OPM File(*.opm) | *.opm||"), &CKAVView::ShowListDocument},
    {RecordKind::Kav, TabKav, QT_TRANSLATE_NOOP("CKAVView", "KAV File(*.csv) | *.csv||"),
     QT_TRANSLATE_NOOP("CKAVView", "KAV File(*.kav) | *.kav||"), &CKAVView::ShowLossTests},
    {RecordKind::Orl, TabOrl, QT_TRANSLATE_NOOP("CKAVView", "ORL File(*.csv) | *.csv||"),
     QT_TRANSLATE_NOOP("CKAVView", "ORL File(*.orl) | *.orl||"), &CKAVView::ShowListDocument},
    {RecordKind::Trace, TabTrace, nullptr, QT_TRANSLATE_NOOP("CKAVView", "TRACE File(*.trace) | *.trace ||"),
     &CKAVView::ShowRecordedTrace},
};

const CKAVView::KindTab& CKAVView::KindTabOf(RecordKind kind)
{
    return KindTabs[static_cast<size_t>(kind)];
}

const CKAVView::KindTab* CKAVView::KindTabOfTab(int tab)
{
    for (const KindTab& row : KindTabs)
        if (row.tab == tab)
            return &row;
    return nullptr;
}

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
        {CommandId::FileSave, {&CKAVView::SaveCsv, &CKAVView::SaveCsv, nullptr, nullptr, &CKAVView::SaveCsv}},
        {CommandId::FileSaveAsCsv,
         {&CKAVView::SaveCsv, &CKAVView::SaveCsv, nullptr, nullptr, &CKAVView::SaveCsv}},
        {CommandId::FileSaveAsExcel,
         {&CKAVView::SaveWorkbook, &CKAVView::SaveWorkbook, nullptr, nullptr, &CKAVView::SaveWorkbook}},
        {CommandId::FileSaveAs,
         {&CKAVView::SaveDocument, &CKAVView::SaveDocument, &CKAVView::SaveDocument, nullptr,
          &CKAVView::SaveDocument}},
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
        {CommandId::FileReportOptions,
         {&CKAVView::EditOptions, &CKAVView::EditOptions, &CKAVView::EditOptions, &CKAVView::EditOptions,
          &CKAVView::EditOptions}},
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
    if (tab >= 0 && tab < TabCount && handlers[tab] && CommandEnabled(id))
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
    // An export of an empty table would write an empty file without a word,
    // and the loss-test exports need to know their form, which the first
    // file gives.
    if (id == CommandId::FileSave || id == CommandId::FileSaveAsCsv || id == CommandId::FileSaveAsExcel) {
        if (tab == TabOpm)
            return !m_Store.GetOpmRecords().empty();
        if (tab == TabOrl)
            return !m_Store.GetOrlRecords().empty();
        if (tab == TabKav)
            return m_Store.KavWaveCount() != 0 && m_Store.KavRecordCount() != 0;
    }
    return true;
}

QString CKAVView::FileOfTab(int tab) const
{
    return tab >= 0 && tab < TabCount ? m_TabFiles[tab] : QString();
}

QString CKAVView::SavedFileOfTab(int tab) const
{
    return tab >= 0 && tab < TabCount ? m_SavedFiles[tab] : QString();
}

const WriteResult& CKAVView::KeepSaved(int tab, const WriteResult& result)
{
    if (result.ok())
        m_SavedFiles[tab] = FromFileSystemPath(result.path);
    return result;
}

void CKAVView::SetInfoFields(const InfoFields& fields)
{
    m_Store.SetInfoFields(fields);
}

bool CKAVView::OpenRecognizedFile(const QString& path)
{
    const RecognizedFile file = RecognizeFile(ToFileSystemPath(path));
    if (file.status != DecodeResult::Ok) {
        ReportLoadOutcome(this, LoadRecognizedFile(file, m_Store), path);
        return false;
    }
    const int tab = KindTabOf(RecordKindOf(file.kind)).tab;
    return SelectTab(tab) && ReadOnTab(tab, file, path);
}

void CKAVView::Open()
{
    const QString dialogKind = OpenDialogKind(SelectedTab());
    const std::optional<QString> path =
        Prompts::Current().OpenFile(this, tr(OpenFilter), LastFolder(dialogKind));
    if (!path)
        return;
    RememberFolder(dialogKind, *path);
    // Read by content, as a drop is: a file of another kind goes to its own tab.
    OpenRecognizedFile(*path);
}

bool CKAVView::ReadOnTab(int tab, const RecognizedFile& file, const QString& path)
{
    const KindTab& kindTab = *KindTabOfTab(tab);
    const RecordKindData& kindData = DataOf(kindTab.kind);
    LoadOptions options;
    // A file of another kind is refused with "File error!".
    options.accepted = {kindData.resultFile, kindData.document};
    options.rows = dynamic_cast<RowSink*>(PageOfTab(tab));
    const LoadOutcome outcome = LoadRecognizedFile(file, m_Store, options);
    if (outcome.result != DecodeResult::Ok) {
        ReportLoadOutcome(this, outcome, path);
        return false;
    }
    (this->*kindTab.showLoaded)(tab, outcome, path);
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

void CKAVView::ShowListDocument(int tab, const LoadOutcome& outcome, const QString&)
{
    // A result file's rows were written into the list as it was decoded.
    if (IsDocument(outcome.kind))
        static_cast<CReportListPage*>(PageOfTab(tab))->FillFromStore(m_Store);
}

void CKAVView::ShowLossTests(int, const LoadOutcome&, const QString&)
{
    m_KavPage->FillGrid();
    emit CommandStatesChanged();
}

void CKAVView::ShowLossTestsFrom(const CDataStore& records, const QString& source)
{
    // The cable groups follow the records as the source's did.
    if (records.KavWaveMode() == CDataStore::KavModeThree)
        m_Store.ReplaceLossTests(records.GetKavRecords3());
    else if (records.KavWaveMode() == CDataStore::KavModeTwo)
        m_Store.ReplaceLossTests(records.GetKavRecords2());
    else
        m_Store.ClearLossTests(records.KavWaveMode());
    m_TabFiles[TabKav] = source;
    SelectTab(TabKav);
    ShowLossTests(TabKav, {}, source);
    emit TabChanged(TabKav);
}

void CKAVView::ShowRecordedTrace(int, const LoadOutcome& outcome, const QString& path)
{
    m_TracePage->ShowTrace(path, outcome.trace);
}

void CKAVView::SaveCsv()
{
    const int tab = SelectedTab();
    const KindTab& kindTab = *KindTabOfTab(tab);
    const std::optional<std::string> target = ChooseSaveTarget(this, tr(kindTab.csvFilter), OutputKind::Csv);
    if (!target)
        return;
    // The loss-test CSV carries what the table shows: the Limit, Margin and Result
    // columns too while they are shown.
    const std::string bytes = kindTab.kind == RecordKind::Kav && m_KavPage->LimitColumnsShown()
                                  ? KavCsvBytes(m_Store, &m_KavPage->Verdicts())
                                  : DataOf(kindTab.kind).csvBytes(m_Store);
    ReportExportWriteResult(this, KeepSaved(tab, WriteFileSafely(*target, bytes)));
}

void CKAVView::SaveWorkbook()
{
    const int tab = SelectedTab();
    const KindTab& kindTab = *KindTabOfTab(tab);
    const std::optional<std::string> target =
        ChooseSaveTarget(this, tr("Excel Workbook(*.xlsx) | *.xlsx||"), OutputKind::Workbook);
    if (!target)
        return;
    // A loss test's verdicts are those of the window, against its limit.
    const WorkbookSource source{QFileInfo(m_TabFiles[tab]).fileName().toStdString(), m_KavPage->Limits()};
    // In percent: the largest workbooks have more rows than a bar counts.
    std::unique_ptr<ProgressPrompt> progress =
        Prompts::Current().Progress(this, tr("Writing the workbook..."), 100);
    const WorkbookOutcome made =
        WorkbookBytes(m_Store, kindTab.kind, source, [&progress](size_t done, size_t total) {
            return progress->AdvancePercent(done, total);
        });
    // The sheets are done: the progress window closes before any message.
    progress.reset();
    if (made.cancelled)
        return;
    ReportExportWriteResult(this, KeepSaved(tab, WriteWorkbook(*target, made)));
}

void CKAVView::SaveDocument()
{
    const int tab = SelectedTab();
    const KindTab& kindTab = *KindTabOfTab(tab);
    const RecordKindData& kindData = DataOf(kindTab.kind);
    const std::optional<std::string> target =
        ChooseSaveTarget(this, tr(kindTab.documentFilter), kindData.documentOutput);
    if (target)
        ReportDocumentWriteResult(this,
                                  KeepSaved(tab, WriteFileSafely(*target, kindData.documentBytes(m_Store))));
}
