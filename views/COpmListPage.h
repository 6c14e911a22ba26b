#pragma once

#include "CReportListPage.h"

class CDataStore;

// The OPM tab: one row per OPM reading.
class COpmListPage : public CReportListPage
{
    Q_OBJECT

public:
    using CReportListPage::CReportListPage;

    // One row per record of the store's OPM list, numbered from 1.
    void FillFromStore(const CDataStore& store);

protected:
    QStringList ColumnTitles() const override;
    int ColumnWidth(int pageWidth) const override;
};
