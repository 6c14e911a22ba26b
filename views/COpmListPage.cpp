#include "views/COpmListPage.h"

#include "data/CDataStore.h"
#include "data/RecordColumns.h"

void COpmListPage::FillFromStore(const CDataStore& store)
{
    FillRows(OpmColumns, store.GetOpmRecords());
}

QStringList COpmListPage::ColumnTitles() const
{
    return TitlesOf(OpmColumns);
}
