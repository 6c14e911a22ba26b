#pragma once

#include <QWidget>

// The KAV tab: the loss-test table. Its grid is built by the loss-test table
// work; until then the page shows nothing and keeps the wave count that the
// view and the CSV export rely on.
class CKavGridPage : public QWidget
{
    Q_OBJECT

public:
    explicit CKavGridPage(QWidget* parent = nullptr);

    // Rebuilds the grid from the store's list of the given form (3 or 2).
    void FillGrid(int waveCount);
    // FillGrid in the two-wavelength form when m_KavWaveCount is 2, else three.
    void RefreshGrid();
    // Forgets the grid so that the next fill builds one sized to the page.
    void DestroyGrid();

    int m_KavWaveCount = 0; // the store's KavWaveCount(), set by the view with its own
};
