#include "views/COpmListPage.h"

#include "data/CDataStore.h"
#include "views/RecordText.h"

void COpmListPage::FillFromStore(const CDataStore& store)
{
    std::vector<QStringList> rows;
    const std::vector<OpmRecord>& records = store.GetOpmRecords();
    rows.reserve(records.size());
    for (size_t i = 0; i < records.size(); ++i) {
        const OpmRecord& record = records[i];
        rows.push_back({QString::number(i + 1), RecordText(record.Cable), RecordText(record.Fiber),
                        RecordText(record.Power), RecordText(record.Reference), RecordText(record.WaveLength),
                        RecordText(record.Date), RecordText(record.Time)});
    }
    ReplaceRows(std::move(rows));
}

QStringList COpmListPage::ColumnTitles() const
{
    return {"Record", "Cable", "Fiber", "Power", "Reference", "Wavelength", "Date", "Time"};
}

int COpmListPage::ColumnWidth(int visibleWidth) const
{
    return static_cast<int>(visibleWidth * 0.125);
}
