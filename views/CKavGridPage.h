#pragma once

#include "data/CertificationSummary.h"
#include "data/LossTestRules.h"
#include "data/TestLimits.h"
#include "data/Verdicts.h"
#include "views/LossTableColumns.h"

#include <QRgb>
#include <QWidget>

#include <array>
#include <string>
#include <vector>

class CDataStore;
class CGridCtrl;
class VerdictSummaryLine;

// The loss-test table's column widths, in pixels, of the columns it shows.
struct ColumnWidths
{
    // What the column's title (in the semi-bold face a focused column's title takes)
    // and longest text need in the grid's font.
    std::array<int, LossTableColumnCount> text{};
    // The design's width, or the text's where it needs more.
    std::array<int, LossTableColumnCount> wanted{};
};

// The background of a loss cell by its verdict (VerdictFill): red for Fail,
// amber for Warning, grey-blue for Incomplete, the grid's own otherwise. All
// are light, so the table's black text stays readable on them, also in the
// focus cell.
QRgb VerdictColour(Verdict verdict);

// The KAV tab: the loss-test table, one grid row per wavelength with the
// record-wide columns merged over the record's rows, and above it the line
// that sums up the verdicts against the chosen limit. The table is for
// reading: its cells are not edited, and a copy takes the titles and every
// record's cable along. Each loss cell is coloured by its verdict; the user
// may add the Limit, Margin and Result columns, which come after Wavelength.
// Under a limit of the user's the Pass/Fail column is titled as the
// instrument's.
//
// The verdicts are worked out once per change of the records or of the
// limit, never while painting.
class CKavGridPage : public QWidget
{
    Q_OBJECT

public:
    explicit CKavGridPage(const CDataStore& store, QWidget* parent = nullptr);

    // Refills the table from the store's loss tests, in the store's form,
    // from the top: the view calls it when a file has been loaded.
    void FillGrid();
    // As the tab comes up: the first time the table is filled; after that
    // the store has not changed, and the table stays where the user left it
    // (top row, horizontal position, selection).
    void ShowGrid();
    // After the page has been resized: the grid follows the page and its
    // columns are fitted again; its cells, position and selection stay.
    void ResizeGrid();

    // The limit the verdicts are against. A new one recolours the table and
    // rewrites the summary line and the limit columns; the table
    // keeps its place.
    void SetLimits(const TestLimits& limits);
    const TestLimits& Limits() const { return m_Limits; }
    // The columns of the verdicts (Limit, Margin and Result) among the
    // table's own; the table's copy takes them too while they are shown.
    void ShowLimitColumns(bool shown);
    bool LimitColumnsShown() const { return m_LimitColumns; }
    // The grid column that shows `value`, or -1 while it is not shown.
    int ColumnOf(LossValue value) const;

    // The verdicts of the records the table shows, and their summary.
    const LossTestVerdicts& Verdicts() const { return m_Verdicts; }
    const CertificationSummary& Summary() const { return m_Summary; }

    // Selects the record with the worst margin, all its rows, with the focus
    // on the loss that has it, and scrolls it into view.
    void SelectWorstMargin();

    CGridCtrl* Grid() const { return m_pGrid; }
    VerdictSummaryLine* SummaryLine() const { return m_SummaryLine; }

private:
    // The page's client rectangle below the band that holds the summary line.
    QRect GridRect() const;
    QRect SummaryLineRect() const;
    int BandHeight() const;
    // Works out the verdicts of the store's records against the limit, and
    // shows them in the summary line and, once the table is filled, in it.
    void Certify();
    // The titles, texts and widths of the shown columns from `first` on,
    // but for the texts and widths of the verdicts' columns.
    void WriteColumns(int first);
    // The loss cells' colours, the Pass/Fail column's title (whose verdict it
    // is under the limit) and the texts and widths of the verdicts' columns
    // that are shown.
    void ShowVerdicts();

    const CDataStore& m_Store;
    CGridCtrl* m_pGrid = nullptr; // a child of the page
    VerdictSummaryLine* m_SummaryLine;
    ShownLossColumns m_Shown; // since the last fill
    ColumnWidths m_Widths;    // of the records last filled in
    // Each shown column's longest text, whose width the column needs.
    std::vector<std::string> m_Longest;
    bool m_Filled = false;
    TestLimits m_Limits;
    bool m_LimitColumns = false;
    LossTestVerdicts m_Verdicts;
    CertificationSummary m_Summary;
};
