#pragma once

#include "data/LossTestRules.h"
#include "data/Records.h"
#include "report/PrintInfo.h"

#include <QPoint>

#include <cstdint>
#include <optional>
#include <vector>

class CDataStore;
class DrawContext;

// The printed reports of the OPM, ORL and loss-test tables: their page counts
// and the painters of one page, drawing in report coordinates (1440 x 900
// units, 110 per inch across and 100 down, from the top-left corner of the
// printable area). A report serves one print job, preview or export: the
// loss-test page table is built from the store's cable groups at first use.
//
// Painting reads the store, except for what the loss-test report has always
// written: each page stores its cable's name into the CableId information
// field and the header's bottom into m_HeaderBottom.
class CReport
{
public:
    explicit CReport(CDataStore& store);

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

    // One record block whose first sub-row is `firstSubRow`, counted from the
    // page's first record (0, 3, 6, ... for two wavelengths; 0, 4, 8, ...
    // for three).
    void PrintKav2Record(DrawContext& dc, int firstSubRow, const KavRecord2& record) const;
    void PrintKav3Record(DrawContext& dc, int firstSubRow, const KavRecord3& record) const;

    // The bottom-right corner of the fullest page of each report, in report
    // units: what must fit on the paper.
    static QPoint OpmLayoutEnd();
    static QPoint OrlLayoutEnd();
    static QPoint KavLayoutEnd(int waveCount);

    // The job, cable and system block at the head of a cable's first page;
    // returns the y at which the table may begin.
    int32_t PrintReportHeader(DrawContext& dc) const;

    // The loss-test pages: records a group's first page and a continuation
    // page hold.
    struct KavPaging
    {
        int firstPage;
        int continuationPage;
    };
    static constexpr KavPaging Kav2Paging{5, 13};
    static constexpr KavPaging Kav3Paging{4, 10};
    static unsigned GroupPages(int records, KavPaging paging);

    // The cable group and records of a loss-test page.
    struct KavPage
    {
        int32_t group;
        int32_t first; // the first record's index
        int32_t end;   // one past the last record's index
        bool startsGroup;
    };
    // Nothing when no group owns `page`.
    std::optional<KavPage> FindKavPage(unsigned page, int32_t recordCount, KavPaging paging);

private:
    unsigned KavPrintPages(int32_t recordCount, KavPaging paging);
    // The running page total after each group, built at first use.
    const std::vector<unsigned>& GroupPageEnds(int32_t recordCount, KavPaging paging);
    void PrintKavPage(DrawContext& dc, const PrintInfo& info, int waveCount);
    void PrintKavRecord(DrawContext& dc, int firstSubRow, const KavRecordView& record) const;

    CDataStore& m_Store;
    bool m_PageStartsGroup = false; // the page being painted is its cable's first
    // What m_GroupPageEnds was built for.
    struct PageTableKey
    {
        int firstPage;
        int32_t recordCount;
        int32_t groupCount;
        bool operator==(const PageTableKey& other) const
        {
            return firstPage == other.firstPage && recordCount == other.recordCount &&
                   groupCount == other.groupCount;
        }
    };
    std::vector<unsigned> m_GroupPageEnds;
    std::optional<PageTableKey> m_PageTableKey;
};
