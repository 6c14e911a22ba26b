#pragma once

#include "views/CReportListPage.h"

// The OPM tab: one row per OPM reading.
class COpmListPage : public CReportListPage
{
    Q_OBJECT

public:
    using CReportListPage::CReportListPage;

    void FillFromStore(const CDataStore& store) override;

protected:
    QStringList ColumnTitles() const override;
};
