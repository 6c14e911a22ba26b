#include "CDataStore.h"
#include "FieldText.h"

#include <gtest/gtest.h>

namespace {
const int32_t Waves[3] = {1310, 1490, 1550};

CDataStore::KavTriples NumberedTriples()
{
    CDataStore::KavTriples t{};
    float* all[] = {t.LossAB, t.LossBA, t.RefAB, t.RefBA, t.Threshold, t.Length, t.OrlAB, t.OrlBA};
    for (int q = 0; q < 8; ++q)
        for (int i = 0; i < 3; ++i)
            all[q][i] = static_cast<float>(10 * q + i + 1);
    return t;
}
} // namespace

TEST(DataStore, StartsEmptyWithNoLossTestMode)
{
    const CDataStore store;
    EXPECT_TRUE(store.GetOpmRecords().empty());
    EXPECT_TRUE(store.GetKavRecords3().empty());
    EXPECT_TRUE(store.GetKavRecords2().empty());
    EXPECT_TRUE(store.GetOrlRecords().empty());
    EXPECT_TRUE(store.GetTraceValues().empty());
    EXPECT_EQ(store.m_KavWaveMode, 1);
    EXPECT_TRUE(store.m_OpmPath.empty() && store.m_KavPath.empty() && store.m_OrlPath.empty());
    for (uint8_t b : store.m_Reserved)
        ASSERT_EQ(b, 0);
    EXPECT_EQ(&CDataStore::GetInstance(), &CDataStore::GetInstance());
}

TEST(DataStore, TwoWavelengthRecordKeepsOuterSlotsAndFirstTwoOrlSlots)
{
    CDataStore store;
    const CDataStore::KavTriples t = NumberedTriples();
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

TEST(DataStore, NamesOfSixteenCharactersAreKeptWholeInSixteenByteFields)
{
    CDataStore store;
    const std::string sixteen = "ABCDEFGHIJKLMNOP", fifteen = "ABCDEFGHIJKLMNO";
    store.AddOrlRecord(sixteen, fifteen, "1550nm", "45.32dB", "2026-01-02", "03:04:05");
    store.AddKavRecord2(sixteen, fifteen, Waves, NumberedTriples(), "2026-01-02", "03:04:05");
    EXPECT_EQ(FieldText(store.GetOrlRecords()[0].Cable), sixteen);
    EXPECT_EQ(FieldText(store.GetOrlRecords()[0].Fiber), fifteen);
    EXPECT_EQ(store.GetOrlRecords()[0].Fiber[15], '\0');
    EXPECT_EQ(FieldText(store.GetKavRecords2()[0].Cable), sixteen);
    EXPECT_EQ(FieldText(store.GetKavRecords2()[0].Fiber), fifteen);
}

TEST(DataStore, OverlongTextsAreCutToFitWithTheirTerminator)
{
    CDataStore store;
    const std::string longValue(30, '9');
    store.AddOpmRecord("C", "F", "1310nm", longValue, longValue, "2026-01-02", "03:04:05");
    store.AddOrlRecord("C", "F", "1550nm", longValue, "2026-01-02", "03:04:05");
    EXPECT_EQ(FieldText(store.GetOpmRecords()[0].Power), longValue.substr(0, 19));
    EXPECT_EQ(FieldText(store.GetOpmRecords()[0].Reference), longValue.substr(0, 19));
    EXPECT_EQ(store.GetOpmRecords()[0].Power[19], '\0');
    EXPECT_EQ(FieldText(store.GetOrlRecords()[0].OrlValue), longValue.substr(0, 9));
    EXPECT_EQ(store.GetOrlRecords()[0].Date[0], '2'); // nothing spilled into the next field

    std::string path(300, 'p');
    CDataStore::SetPath(store.m_OpmPath, path);
    EXPECT_EQ(store.m_OpmPath, path.substr(0, 254));
}
