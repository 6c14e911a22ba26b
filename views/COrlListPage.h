#pragma once

#include "views/CReportListPage.h"

// The ORL tab: one row per return-loss reading.
class COrlListPage : public CReportListPage
{
    Q_OBJECT

public:
    using CReportListPage::CReportListPage;

    void FillFromStore(const CDataStore& store) override;

protected:
    QStringList ColumnTitles() const override;
};
