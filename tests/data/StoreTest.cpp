#include "data/CDataStore.h"
#include "data/FieldText.h"
#include "data/NewRecords.h"
#include "data/ResultFileDecoders.h"
#include "tests/data/TestFiles.h"
#include "tools/make-samples/SampleSet.h"

#include <gtest/gtest.h>

// Names of sixteen characters fill their sixteen-byte fields whole, from a
// result file as from the program; every other text is cut to fit with its
// terminator and spills into no other field.
TEST(DataStore, TextsAreCutToFitButSixteenCharacterNamesAreKeptWhole)
{
    const std::string sixteen = "ABCDEFGHIJKLMNOP", fifteen = "ABCDEFGHIJKLMNO", longValue(30, '9');
    CDataStore store;
    store.ReplaceOrlRecords({NewOrlRecord(sixteen, fifteen, "1550nm", longValue, "2026-01-02", "03:04:05")});
    store.ReplaceOpmRecords(
        {NewOpmRecord("C", "F", "1310nm", longValue, longValue, "2026-01-02", "03:04:05")});
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
}
