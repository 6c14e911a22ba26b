#pragma once

#include <QTimer>
#include <QWidget>

class CDataStore;
class CGridCtrl;

// The KAV tab: the loss-test table, one grid row per wavelength with the
// record-wide columns merged over the record's rows. The grid holds copies of
// the texts, so an edit in it never reaches the store, a CSV file or a report.
class CKavGridPage : public QWidget
{
    Q_OBJECT

public:
    // How long the window's size must stay put before the grid is rebuilt.
    static constexpr int RebuildDelayMs = 100;

    explicit CKavGridPage(const CDataStore& store, QWidget* parent = nullptr);

    // Rebuilds the grid from the store's list of the given form (3 or 2).
    void FillGrid(int waveCount);
    // FillGrid in the store's form: two wavelengths when the last loss-test
    // file had two, else three.
    void RefreshGrid();
    // After the page has been resized: the grid follows the page at once and
    // is rebuilt from the store once the size has settled, so dragging the
    // window's edge does not refill millions of cells at every step. A page
    // on a hidden tab waits for the tab's own refresh.
    void ResizeGrid();
    bool IsRebuildPending() const { return m_RebuildTimer.isActive(); }

    CGridCtrl* Grid() const { return m_pGrid; }

private:
    void DestroyGrid();
    void RebuildGrid();
    // The page's client rectangle below the band the tab strip needs.
    QRect GridRect() const;

    const CDataStore& m_Store;
    CGridCtrl* m_pGrid = nullptr; // a child of the page
    QTimer m_RebuildTimer;
};
