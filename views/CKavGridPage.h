#pragma once

#include "views/LossTableColumns.h"

#include <QWidget>

#include <array>

class CDataStore;
class CGridCtrl;

// The loss-test table's column widths, in pixels.
struct ColumnWidths
{
    // What the column's title and longest text need in the grid's font.
    std::array<int, LossTableColumnCount> text{};
    // The design's width, or the text's where it needs more.
    std::array<int, LossTableColumnCount> wanted{};
};

// The KAV tab: the loss-test table, one grid row per wavelength with the
// record-wide columns merged over the record's rows. The table is for reading:
// its cells are not edited, and a copy takes the titles and every record's
// cable along.
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

    CGridCtrl* Grid() const { return m_pGrid; }

private:
    // The page's client rectangle below the band the tab strip needs.
    QRect GridRect() const;

    const CDataStore& m_Store;
    CGridCtrl* m_pGrid = nullptr; // a child of the page
    ColumnWidths m_Widths;        // of the records last filled in
    bool m_Filled = false;
};
