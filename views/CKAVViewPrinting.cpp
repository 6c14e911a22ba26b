#include "views/CKAVView.h"

#include "data/CDataStore.h"
#include "platform/AppTitle.h"
#include "platform/files/SafeFileWriter.h"
#include "platform/ui/ProgramSettings.h"
#include "platform/ui/Prompts.h"
#include "report/CReportPrinting.h"
#include "report/ReportPdf.h"
#include "views/CKavGridPage.h"
#include "views/COpmListPage.h"
#include "views/COrlListPage.h"
#include "views/CPrintPreview.h"
#include "views/CWindowPrinter.h"
#include "views/Messages.h"
#include "views/RecordText.h"
#include "views/ReportOptionsDialog.h"
#include "views/SaveTarget.h"
#include "views/Tabs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace {
namespace PrinterKeys {
const QString Name = QStringLiteral("Printer/Name");
const QString Paper = QStringLiteral("Printer/Paper");
const QString Orientation = QStringLiteral("Printer/Orientation");
} // namespace PrinterKeys

// Progress through the pages of a job, told to the user's progress dialog;
// `painted` counts the pages painted so far.
PageProgress ProgressOf(ProgressPrompt& prompt, unsigned& painted)
{
    return [&prompt, &painted](unsigned done, unsigned) {
        painted = done;
        return prompt.Advance(static_cast<int>(done));
    };
}
} // namespace

ReportKind CKAVView::SelectedReport() const
{
    const KindTab* kindTab = KindTabOfTab(SelectedTab());
    return kindTab ? ReportKindOf(kindTab->kind, m_Store.KavWaveCount()) : ReportKind::None;
}

void CKAVView::KeepLastCable(CReportPrinting& job, unsigned lastPage)
{
    if (const std::optional<std::string> cable = job.CableIdOfPage(lastPage)) {
        InfoFields fields = m_Store.GetInfoFields();
        fields.CableId = *cable;
        m_Store.SetInfoFields(fields);
    }
}

QPrinter& CKAVView::Printer()
{
    if (!m_Printer) {
        m_Printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        RestorePrinter(*m_Printer);
        UseReportMargins();
    }
    return *m_Printer;
}

void CKAVView::RestorePrinter(QPrinter& printer)
{
    const ProgramSettings& settings = ProgramSettings::Current();
    const QString name = settings.Value(PrinterKeys::Name).toString();
    if (!name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(name))
        printer.setPrinterName(name);
    bool paperKnown = false, orientationKnown = false;
    const int paper = settings.Value(PrinterKeys::Paper).toInt(&paperKnown);
    const int orientation = settings.Value(PrinterKeys::Orientation).toInt(&orientationKnown);
    if (!paperKnown || !orientationKnown || paper < 0 || paper >= QPageSize::LastPageSize ||
        paper == QPageSize::Custom)
        return;
    printer.setPageSize(QPageSize(static_cast<QPageSize::PageSizeId>(paper)));
    printer.setPageOrientation(orientation == QPageLayout::Landscape ? QPageLayout::Landscape
                                                                     : QPageLayout::Portrait);
    m_PaperChosen = true;
}

void CKAVView::UseReportMargins()
{
    const double inch = ReportMarginInches;
    m_Printer->setPageMargins(QMarginsF(inch, inch, inch, inch), QPageLayout::Inch);
}

ReportOptions CKAVView::JobOptions()
{
    ReadRememberedLogo(this, m_ReportOptions);
    ReportOptions options = m_ReportOptions;
    options.sourceFile = ToFileSystemPath(QFileInfo(FileOfTab(SelectedTab())).fileName());
    options.limits = m_KavPage->Limits();
    return options;
}

void CKAVView::EditOptions()
{
    const NameEncoding before = NameEncodingInForce();
    if (!EditReportOptions(this, m_ReportOptions) || NameEncodingInForce() == before)
        return;
    m_OpmPage->FillFromStore(m_Store);
    m_OrlPage->FillFromStore(m_Store);
    m_KavPage->FillGrid();
}

CPrintPreview* CKAVView::Preview() const
{
    return m_Preview;
}

bool CKAVView::HasPages(CReportPrinting& job, QWidget* owner)
{
    if (job.PageCount() > 0)
        return true;
    Prompts::Current().Message(owner, tr("No Data"), ApplicationTitle, MessageButtons::Ok,
                               MessageIcon::Information);
    return false;
}

bool CKAVView::OnPreparePrinting(QWidget* owner, unsigned pageCount)
{
    return Prompts::Current().PrintDialog(owner, Printer(), 1, static_cast<int>(pageCount));
}

void CKAVView::OnEndPrinting()
{
    if (QWidget* main = window())
        main->repaint();
}

void CKAVView::PrintReport()
{
    PrintReportOf(SelectedReport(), this);
}

void CKAVView::PrintReportOf(ReportKind kind, QWidget* owner)
{
    CReportPrinting job(m_Store, kind, JobOptions());
    if (!HasPages(job, owner))
        return;
    const unsigned pages = job.PageCount();
    if (!OnPreparePrinting(owner, pages))
        return;
    QPrinter& printer = Printer();
    // The print dialog may have chosen another printer.
    UseReportMargins();
    const bool range = printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0;
    const unsigned from = range ? static_cast<unsigned>(printer.fromPage()) : 1;
    const unsigned to = range ? std::min(static_cast<unsigned>(printer.toPage()), pages) : pages;
    printer.setDocName(QCoreApplication::translate("Report", ReportTitle(kind)));

    const std::unique_ptr<ProgressPrompt> progress = Prompts::Current().Progress(
        owner, tr("Printing %1...").arg(QCoreApplication::translate("Report", ReportTitle(kind))),
        static_cast<int>(to >= from ? to - from + 1 : 0));
    QPainter painter;
    PageLoopResult result = PageLoopResult::Failed;
    unsigned painted = 0;
    if (painter.begin(&printer)) {
        result = PrintReportPages(painter, printer, job, from, to, ProgressOf(*progress, painted));
        if (result != PageLoopResult::Done)
            printer.abort();
        painter.end();
    }
    if (painted > 0)
        KeepLastCable(job, from + painted - 1);
    if (result == PageLoopResult::Failed)
        ReportPrintFailure(owner);
    OnEndPrinting();
}

void CKAVView::PreviewReport()
{
    const ReportKind kind = SelectedReport();
    const ReportOptions options = JobOptions();
    CReportPrinting job(m_Store, kind, options);
    if (!HasPages(job, this))
        return;
    if (m_Preview)
        m_Preview->close();
    m_Preview = new CPrintPreview(
        m_Store, kind, options, Printer().pageLayout(),
        [this, kind](QWidget* owner) { PrintReportOf(kind, owner); }, this);
    connect(m_Preview, &CPrintPreview::Closing, this, [this, kind, options](unsigned lastPainted) {
        CReportPrinting closed(m_Store, kind, options);
        KeepLastCable(closed, lastPainted);
    });
    connect(m_Preview, &QObject::destroyed, this, &CKAVView::OnEndPrinting);
    m_Preview->show();
}

void CKAVView::ExportPdf()
{
    const ReportKind kind = SelectedReport();
    CReportPrinting job(m_Store, kind, JobOptions());
    if (!HasPages(job, this))
        return;
    const std::optional<std::string> target =
        ChooseSaveTarget(this, tr("PDF File(*.pdf) | *.pdf||"), OutputKind::Pdf);
    if (!target)
        return;
    std::unique_ptr<ProgressPrompt> progress = Prompts::Current().Progress(
        this, tr("Writing %1...").arg(QCoreApplication::translate("Report", ReportTitle(kind))),
        static_cast<int>(job.PageCount()));
    const QPageSize paper = m_PaperChosen ? Printer().pageLayout().pageSize() : DefaultReportPaper();
    const QPageLayout::Orientation orientation =
        m_PaperChosen ? Printer().pageLayout().orientation() : QPageLayout::Portrait;
    unsigned painted = 0;
    const ReportPdfResult pdf = ReportPdf(job, paper, orientation, ProgressOf(*progress, painted));
    if (painted > 0)
        KeepLastCable(job, painted);
    // The pages are done: the progress window closes before any message.
    progress.reset();
    if (pdf.result == PageLoopResult::Cancelled)
        return;
    const WriteResult written =
        pdf.result == PageLoopResult::Done
            ? WriteFileSafely(*target, pdf.bytes.toStdString())
            : WriteResult{IoRefusal(IoStatus::Failed, "the report could not be painted"), *target};
    ReportDocumentWriteResult(this, KeepSaved(SelectedTab(), written));
}

void CKAVView::PrintSetup()
{
    QPrinter& printer = Printer();
    if (!Prompts::Current().PageSetup(this, printer, [this](QWidget*) { EditOptions(); }))
        return;
    m_PaperChosen = true;
    UseReportMargins();
    ProgramSettings& settings = ProgramSettings::Current();
    settings.SetValue(PrinterKeys::Name, printer.printerName());
    settings.SetValue(PrinterKeys::Paper, static_cast<int>(printer.pageLayout().pageSize().id()));
    settings.SetValue(PrinterKeys::Orientation, static_cast<int>(printer.pageLayout().orientation()));
}

void CKAVView::PrintPagePicture()
{
    CWindowPrinter printer(nullptr, nullptr);
    printer.PrintWindowImage(PageOfTab(SelectedTab()), true, true, Printer().pageLayout().orientation());
}
