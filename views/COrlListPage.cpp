#include "views/COrlListPage.h"

#include "data/CDataStore.h"
#include "views/RecordText.h"

void COrlListPage::FillFromStore(const CDataStore& store)
{
    std::vector<QStringList> rows;
    const std::vector<OrlRecord>& records = store.GetOrlRecords();
    rows.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const OrlRecord& record = records[i];
        rows.push_back({QString::number(i + 1), RecordText(record.Cable), RecordText(record.Fiber),
                        RecordText(record.WaveLength), RecordText(record.OrlValue), RecordText(record.Date),
                        RecordText(record.Time)});
    }
    ReplaceRows(std::move(rows));
}

QStringList COrlListPage::ColumnTitles() const
{
    return {"Record", "Cable", "Fiber", "Wavelength", "ORL Value", "Date", "Time"};
}

int COrlListPage::ColumnWidth(int visibleWidth) const
{
    return visibleWidth / 7;
}
