#pragma once

#include "data/FileLoading.h"
#include "data/InfoFields.h"
#include "platform/files/WriteResult.h"
#include "platform/ui/PixelRect.h"
#include "report/ReportKind.h"
#include "report/ReportOptions.h"
#include "views/AutoTraceControl.h"
#include "views/CommandIds.h"
#include "views/Tabs.h"

#include <QPointer>
#include <QWidget>

#include <memory>
#include <vector>

class CDataStore;
class CKavGridPage;
class CPrintPreview;
class CReportPrinting;
class QPrinter;
class COpmListPage;
class COrlListPage;
class CTracePage;
class FixedTabBar;

// The program's only view: a tab control with the five pages, the layout
// that scales with the window, and the commands that act on the selected tab.
class CKAVView : public QWidget
{
    Q_OBJECT

public:
    CKAVView(CDataStore& store, AutoTraceFactory autoTraceFactory, QWidget* parent = nullptr);
    ~CKAVView() override;

    // The form's size at creation: 742 x 398 dialog units in pixels.
    static QSize FormSize();
    // The smallest size at which both trace pages keep their controls and
    // chart texts apart and whole (the other pages scroll); the form's size
    // before the initial update. While a trace tab is selected the view
    // keeps to it, and a smaller window scrolls the view.
    QSize MinimumFormSize() const;

    // Inserts the tabs, creates the pages and records the layout. Only the
    // first call does anything.
    void OnInitialUpdate();

    // Carries out a command on the selected tab. False when the view does not
    // handle the command at all, so that it goes on to the next handler.
    bool OnCommand(CommandId id);
    // False for a command of the view that has no work on the selected tab
    // (Open on AUTOTRACE, Save on KAV before any loss-test file ...), which
    // the menu and the toolbar then grey; true for every other command.
    bool CommandEnabled(CommandId id) const;

    int SelectedTab() const;
    // Selects `tab` as the user would; false when the user refused to leave a
    // running live trace.
    bool SelectTab(int tab);
    // The next tab (step 1) or the previous one (-1), round the ends.
    void SelectNeighbourTab(int step);

    // A file chosen in Open on any tab, given on the command line or dropped
    // on the window: selects the tab of its kind and reads it there. False
    // when it was not read.
    bool OpenRecognizedFile(const QString& path);
    // Shows the loss tests of `records` on the KAV tab in place of those it
    // held, as from a file called `source` (which the caption names), and
    // selects the tab.
    void ShowLossTestsFrom(const CDataStore& records, const QString& source);
    // The file last read on `tab`; empty while the tab shows none.
    QString FileOfTab(int tab) const;
    // The file last written from `tab` in this run (a CSV file, a workbook,
    // a document or a PDF); empty before the first.
    QString SavedFileOfTab(int tab) const;

    // What the program holds. Only the view changes it: files it loads, the
    // information the user types (through SetInfoFields), and the cable a
    // print leaves in the information.
    const CDataStore& Store() const { return m_Store; }
    void SetInfoFields(const InfoFields& fields);
    FixedTabBar* TabBar() const { return m_TabBar; }
    COpmListPage* OpmPage() const { return m_OpmPage; }
    CKavGridPage* KavPage() const { return m_KavPage; }
    CTracePage* TracePage() const { return m_TracePage; }
    QWidget* AutoTracePage() const;
    COrlListPage* OrlPage() const { return m_OrlPage; }
    QWidget* PageOfTab(int tab) const;

    // The report of the selected tab: OPM, ORL, or the loss-test report in
    // the form of the last loss-test file; none on the trace tabs.
    ReportKind SelectedReport() const;
    // The printer, paper and orientation that the next print, preview and
    // PDF export use; print setup changes them.
    QPrinter& Printer();
    // The print preview while it is open.
    CPrintPreview* Preview() const;
    // What the user chose about every report, as the next print, preview
    // and PDF use it.
    const ReportOptions& Options() const { return m_ReportOptions; }
    // Runs the report options dialog; names read anew are shown anew.
    void EditOptions();

signals:
    // After every tab change, also a refused one (then with the AUTOTRACE tab).
    void TabChanged(int tab);
    // What CommandEnabled answers may have changed.
    void CommandStatesChanged();
    // A file was read on the tab of its kind.
    void FileOpened(const QString& path);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    using Handler = void (CKAVView::*)();

    // Where a resize to `window` puts the tab control, the pages and the
    // trace charts.
    struct ViewLayout
    {
        PixelRect tabControl;
        PixelRect pages;
        QRect chart;
    };
    ViewLayout LayoutFor(const PixelRect& window) const;
    QSize FittingFormSize() const;

    void OnTabChange(int tab);
    // Asks before leaving a running live trace; false (and the AUTOTRACE tab
    // selected again) when the user refuses.
    bool LeaveAutoTrace(int tab);
    void BringUpPage(int tab);
    void ShowOnly(QWidget* page);
    // The selected tab's page brought up again at the end of a resize.
    void RefreshPage();

    // Asks for a file and reads it on the tab of its kind.
    void Open();
    // Loads a file of the kind of `tab` and shows it there; says why not
    // otherwise. False when nothing was loaded.
    bool ReadOnTab(int tab, const RecognizedFile& file, const QString& path);
    // `path` is now the file of `tab`.
    void ShowOpened(int tab, const QString& path);
    // What a file loaded on `tab` changes on its page, by the kind of record.
    void ShowListDocument(int tab, const LoadOutcome& outcome, const QString& path);
    void ShowLossTests(int tab, const LoadOutcome& outcome, const QString& path);
    void ShowRecordedTrace(int tab, const LoadOutcome& outcome, const QString& path);

    // The selected tab's table as CSV or as a workbook, and its records as a
    // document.
    void SaveCsv();
    void SaveWorkbook();
    void SaveDocument();
    // `result`, once the file it wrote is kept as the one last saved from `tab`.
    const WriteResult& KeepSaved(int tab, const WriteResult& result);

    // The report of the selected tab: printed through the print dialog,
    // previewed, or written to a PDF file the user names. A report of no
    // pages says "No Data".
    void PrintReport();
    void PreviewReport();
    void ExportPdf();
    // The picture of the trace tab's page.
    void PrintPagePicture();
    void PrintSetup();
    // What every print, preview and PDF of the report is made with: the
    // report options with their logo read anew, the name of the selected
    // tab's file, and the limit the KAV tab shows for the summary pages. A
    // remembered logo that can no longer be used is dropped, and said.
    ReportOptions JobOptions();
    // Print and preview place the page as the PDF does: quarter-inch
    // margins, where the printer can print there.
    void UseReportMargins();
    // The printer, paper and orientation chosen in an earlier run.
    void RestorePrinter(QPrinter& printer);

    // The print steps the view takes itself; the report's own steps (begin,
    // prepare each page, print it) are CReportPrinting's.
    bool OnPreparePrinting(QWidget* owner, unsigned pageCount);
    void OnEndPrinting();
    // Prints `kind` on the printer after the print dialog, owned by `owner`.
    void PrintReportOf(ReportKind kind, QWidget* owner);
    // False, after saying "No Data", when the report has no pages.
    bool HasPages(CReportPrinting& job, QWidget* owner);
    // Where a print, a preview or an export ends: the Cable ID information
    // field keeps the cable of the last loss-test page painted, as the
    // header of that page showed it. Painting itself changes nothing.
    void KeepLastCable(CReportPrinting& job, unsigned lastPage);

    static const Handler* HandlersOf(CommandId id);

    // What the view does for each kind of record, one row per kind; the data
    // and the report keep tables of their own by the same kinds.
    struct KindTab
    {
        RecordKind kind;
        int tab;                    // the tab that shows, opens and saves it
        const char* csvFilter;      // Save As CSV's and Save As Excel's dialogs; null where the tab
                                    // exports neither
        const char* documentFilter; // Save As's dialog
        void (CKAVView::*showLoaded)(int tab, const LoadOutcome& outcome, const QString& path);
    };
    static const KindTab KindTabs[];
    static const KindTab& KindTabOf(RecordKind kind);
    static const KindTab* KindTabOfTab(int tab); // null on AUTOTRACE

    CDataStore& m_Store;
    AutoTraceFactory m_AutoTraceFactory;
    FixedTabBar* m_TabBar;
    COpmListPage* m_OpmPage = nullptr;
    CKavGridPage* m_KavPage = nullptr;
    std::unique_ptr<AutoTraceControl> m_AutoTrace;
    CTracePage* m_TracePage = nullptr;
    COrlListPage* m_OrlPage = nullptr;
    QWidget* m_Pages[TabCount] = {}; // by tab
    // The view, the tab control, the page area and the TRACE chart as laid
    // out at the initial update; every resize scales from them.
    std::vector<PixelRect> m_PageRects;
    QSize m_MinimumFormSize;             // taken once the layout is recorded
    std::unique_ptr<QPrinter> m_Printer; // made when first needed
    bool m_PaperChosen = false;          // print setup chose the paper, in this run or an earlier one
    ReportOptions m_ReportOptions;
    QPointer<CPrintPreview> m_Preview; // cleared when the preview closes
    QString m_TabFiles[TabCount];
    QString m_SavedFiles[TabCount];
};
