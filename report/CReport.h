#pragma once

#include "data/LossTestRules.h"
#include "data/Records.h"
#include "data/TestLimits.h"
#include "data/Verdicts.h"
#include "report/PrintInfo.h"
#include "report/ReportBrand.h"

#include <QPoint>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class CDataStore;
class DrawContext;

// What the loss-test report's table shows besides the instrument's columns.
struct KavReportTable
{
    // Certifies each wavelength: its limit, and each direction's margin and
    // result.
    TestLimits limits;
    // Records' dates as the instrument shows them rather than in ISO 8601.
    bool instrumentDates = false;
};

// The printed reports of the OPM, ORL and loss-test tables: their page counts
// and the painters of one page, drawing in report coordinates (1440 x 900
// units, 110 per inch across and 100 down, from the top-left corner of the
// printable area). A report serves one print job, preview or export: the
// loss-test page table is built from the store's cable groups at first use.
// Painting only reads the store: a print, a preview or a PDF changes nothing
// in it. What one painter tells another (a page's cable, where its table
// starts) travels as arguments.
class CReport
{
public:
    // `brand` heads the loss-test report in place of the maker's name.
    explicit CReport(const CDataStore& store, ReportBrand brand = {}, KavReportTable table = {});

    // The report coordinates on `dc` for its resolution, shrunk by the
    // job's scale factor.
    static void PrepareReportDC(DrawContext& dc, const PrintInfo& info);

    unsigned GetOpmPrintPages() const;
    unsigned GetOrlPrintPages() const;
    unsigned GetKav2PrintPages();
    unsigned GetKav3PrintPages();

    // Each paints the page info.m_CurrentPage of a job of info.m_MaxPage pages.
    void PrintOpmPage(DrawContext& dc, const PrintInfo& info) const;
    void PrintOrlPage(DrawContext& dc, const PrintInfo& info) const;
    void PrintKav2Page(DrawContext& dc, const PrintInfo& info);
    void PrintKav3Page(DrawContext& dc, const PrintInfo& info);

    // The bottom-right corner of the fullest page of each report, in report
    // units: what must fit on the paper.
    static QPoint OpmLayoutEnd();
    static QPoint OrlLayoutEnd();
    static QPoint KavLayoutEnd(int waveCount);
    // Where the loss-test table and its header block start.
    static constexpr int KavTableLeft = 80;

    // The job, cable and system block at the head of the first page of the
    // cable `cableId` (shown as the CableId information field); returns the
    // y at which the table may begin.
    int32_t PrintReportHeader(DrawContext& dc, const std::string& cableId) const;

    // What a page's footer says besides its number.
    struct PageFooter
    {
        int left;  // the layout's left edge
        int top;   // below the fullest page's content
        int right; // the layout's right edge
        QString fileName;
        QString printedAt;
        std::optional<std::string> cableId; // on a loss-test page
    };
    static constexpr int FooterHeight = 10;
    // "Page n of N", the file's name and the page's cable, and the time of
    // printing, on one line.
    static void PrintPageFooter(DrawContext& dc, const PrintInfo& info, const PageFooter& footer);

    // The company's name and logo of `brand` (or the maker's name without
    // them) in the right half of the title line that starts at `top`, as
    // the loss-test header and the stability certificate head their pages.
    static void PrintBrand(DrawContext& dc, const ReportBrand& brand, int top);

    // The cable whose group owns loss-test page `page` of the form
    // `waveCount`, as its header shows it in the CableId information field;
    // nothing when no group owns the page.
    std::optional<std::string> KavCableOfPage(unsigned page, int waveCount);

private:
    // The loss-test pages: records a group's first page and a continuation
    // page hold.
    struct KavPaging
    {
        int firstPage;
        int continuationPage;
    };
    // A cable's first page holds what the header block, test information
    // included, leaves room for on A4 without shrinking the page.
    static constexpr KavPaging Kav2Paging{3, 13};
    static constexpr KavPaging Kav3Paging{2, 10};
    static KavPaging PagingOf(int waveCount);
    static unsigned GroupPages(int records, KavPaging paging);

    // The cable group and records of a loss-test page.
    struct KavPage
    {
        int32_t group;
        int32_t first; // the first record's index
        int32_t end;   // one past the last record's index
        bool startsGroup;
    };
    int32_t KavRecordCount(int waveCount) const;
    unsigned KavPrintPages(int waveCount);
    // Nothing when no group owns `page`.
    std::optional<KavPage> FindKavPage(unsigned page, int waveCount);
    // The group's cable name as the CableId information field holds text.
    std::string CableIdOf(const KavPage& page) const;
    // The running page total after each group, built at first use.
    const std::vector<unsigned>& GroupPageEnds(int waveCount);
    void PrintKavPage(DrawContext& dc, const PrintInfo& info, int waveCount);
    // One record block whose first sub-row is `firstSubRow`, counted from the
    // page's first record (0, 3, 6, ... for two wavelengths; 0, 4, 8, ...
    // for three), below the heading row that starts at `headingTop` (the
    // header's bottom on a cable's first page, 60 on the others): the
    // instrument's columns, then the limit's from `verdicts`, the record's
    // one per wavelength (none where null).
    void PrintKavRecord(DrawContext& dc, int firstSubRow, const KavRecordView& record,
                        const WaveVerdict* verdicts, int headingTop) const;
    const LossTestVerdicts& KavVerdicts(int waveCount);

    const CDataStore& m_Store;
    ReportBrand m_Brand;
    KavReportTable m_Table;
    LossTestVerdicts m_Verdicts; // of the records last printed
    // What m_GroupPageEnds was built for.
    struct PageTableKey
    {
        int waveCount;
        int32_t recordCount;
        int32_t groupCount;
        bool operator==(const PageTableKey& other) const
        {
            return waveCount == other.waveCount && recordCount == other.recordCount &&
                   groupCount == other.groupCount;
        }
    };
    std::vector<unsigned> m_GroupPageEnds;
    std::optional<PageTableKey> m_PageTableKey;
};
