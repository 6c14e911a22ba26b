#include "views/COrlListPage.h"

#include "data/CDataStore.h"
#include "data/RecordColumns.h"

void COrlListPage::FillFromStore(const CDataStore& store)
{
    FillRows(OrlColumns, store.GetOrlRecords());
}

QStringList COrlListPage::ColumnTitles() const
{
    return TitlesOf(OrlColumns);
}
