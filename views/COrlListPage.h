#pragma once

#include "CReportListPage.h"

class CDataStore;

// The ORL tab: one row per return-loss reading.
class COrlListPage : public CReportListPage
{
    Q_OBJECT

public:
    using CReportListPage::CReportListPage;

    // One row per record of the store's ORL list, numbered from 1.
    void FillFromStore(const CDataStore& store);

protected:
    QStringList ColumnTitles() const override;
    int ColumnWidth(int pageWidth) const override;
};
