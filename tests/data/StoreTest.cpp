#include "CDataStore.h"
#include "FieldText.h"
#include "ResultFileDecoders.h"
#include "SampleSet.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

namespace {
const int32_t Waves[3] = {1310, 1490, 1550};
} // namespace

TEST(DataStore, StartsEmptyWithNoLossTestMode)
{
    const CDataStore store;
    EXPECT_TRUE(store.GetOpmRecords().empty() && store.GetOrlRecords().empty());
    EXPECT_EQ(store.KavRecordCount() + store.GetTraceValues().size(), 0u);
    EXPECT_EQ(store.m_KavWaveMode, 1);
    EXPECT_TRUE(store.m_OpmPath.empty() && store.m_KavPath.empty() && store.m_OrlPath.empty());
    EXPECT_EQ(&CDataStore::GetInstance(), &CDataStore::GetInstance());
}

TEST(DataStore, TwoWavelengthRecordKeepsOuterSlotsAndFirstTwoOrlSlots)
{
    CDataStore::KavTriples t{};
    float* all[] = {t.LossAB, t.LossBA, t.RefAB, t.RefBA, t.Threshold, t.Length, t.OrlAB, t.OrlBA};
    for (int q = 0; q < 8; ++q)
        for (int i = 0; i < 3; ++i)
            all[q][i] = static_cast<float>(10 * q + i + 1);
    CDataStore store;
    store.AddKavRecord2("C1", "F1", Waves, t, "2026-01-02", "03:04:05");
    const KavRecord2& r = store.GetKavRecords2().at(0);
    EXPECT_EQ(r.WaveLength[0], Waves[0]);
    EXPECT_EQ(r.WaveLength[1], Waves[2]);
    EXPECT_EQ(r.LossAB[1], t.LossAB[2]);
    EXPECT_EQ(r.Threshold[0], t.Threshold[0]);
    EXPECT_EQ(r.Length[1], t.Length[2]);
    EXPECT_EQ(r.OrlAB[1], t.OrlAB[1]);
    EXPECT_EQ(r.OrlBA[0], t.OrlBA[0]);
}

// Names of sixteen characters fill their sixteen-byte fields whole, from a
// result file as from the program; every other text is cut to fit with its
// terminator and spills into no other field.
TEST(DataStore, TextsAreCutToFitButSixteenCharacterNamesAreKeptWhole)
{
    const std::string sixteen = "ABCDEFGHIJKLMNOP", fifteen = "ABCDEFGHIJKLMNO", longValue(30, '9');
    CDataStore store;
    store.AddOrlRecord(sixteen, fifteen, "1550nm", longValue, "2026-01-02", "03:04:05");
    store.AddOpmRecord("C", "F", "1310nm", longValue, longValue, "2026-01-02", "03:04:05");
    std::vector<LossTestResult> results(1);
    results[0].cable = sixteen;
    DecodeKavBytes(SpanOf(EncodeKavResult(TwoWaveLengths, results)), store);

    const OrlRecord& orl = store.GetOrlRecords()[0];
    EXPECT_EQ(FieldText(orl.Cable), sixteen);
    EXPECT_EQ(FieldText(orl.Fiber), fifteen);
    EXPECT_EQ(FieldText(store.GetKavRecords2().at(0).Cable), sixteen);
    EXPECT_EQ(FieldText(orl.OrlValue), longValue.substr(0, sizeof orl.OrlValue - 1));
    EXPECT_EQ(FieldText(orl.Date), "2026-01-02");
    const OpmRecord& opm = store.GetOpmRecords()[0];
    EXPECT_EQ(FieldText(opm.Power), longValue.substr(0, sizeof opm.Power - 1));
    EXPECT_EQ(FieldText(opm.Reference), FieldText(opm.Power));

    const std::string path(300, 'p');
    CDataStore::SetPath(store.m_OpmPath, path);
    EXPECT_EQ(store.m_OpmPath, path.substr(0, 254));
}
