#include "CKavGridPage.h"

CKavGridPage::CKavGridPage(QWidget* parent) : QWidget(parent) {}

void CKavGridPage::FillGrid(int waveCount)
{
    Q_UNUSED(waveCount);
}

void CKavGridPage::RefreshGrid()
{
    FillGrid(m_KavWaveCount == 2 ? 2 : 3);
}

void CKavGridPage::DestroyGrid() {}
