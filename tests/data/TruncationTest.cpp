#include "Documents.h"
#include "FieldText.h"
#include "ResultFileDecoders.h"
#include "SampleSet.h"
#include "TestFiles.h"

#include <functional>

#include <gtest/gtest.h>

namespace {
// What a decode left in the store, as the documents and groups show it.
using DecodeToText = std::function<std::string(const std::string& bytes)>;

std::string AfterOpm(const std::string& bytes)
{
    CDataStore store;
    const DecodeResult result = DecodeOpmBytes(SpanOf(bytes), store, nullptr);
    return std::to_string(static_cast<int>(result)) + OpmDocumentBytes(store);
}

std::string AfterOrl(const std::string& bytes)
{
    CDataStore store;
    const DecodeResult result = DecodeOrlBytes(SpanOf(bytes), store, nullptr);
    return std::to_string(static_cast<int>(result)) + OrlDocumentBytes(store);
}

std::string AfterKav(const std::string& bytes)
{
    CDataStore store;
    const KavDecodeOutcome outcome = DecodeKavBytes(SpanOf(bytes), store);
    std::string text = std::to_string(static_cast<int>(outcome.result)) + KavDocumentBytes(store);
    for (const std::string& name : store.m_CableGroups.CableGroupNames)
        text += "|" + name;
    return text;
}
} // namespace

// Bytes missing at the end of a result file read as zero: a file cut anywhere
// decodes as the whole file with everything from the cut on set to zero.
TEST(ResultFiles, FileCutAtEveryByteReadsMissingBytesAsZero)
{
    const uint16_t waves[3] = {1310, 1490, 1550};
    const std::pair<std::string, DecodeToText> files[] = {
        {EncodeOpmResult(SampleOpmReadings(3)), AfterOpm},
        {EncodeOrlResult(SampleOrlReadings(3)), AfterOrl},
        {EncodeKavResult(waves, SampleLossTests(3, 2)), AfterKav},
    };
    for (const auto& [whole, decode] : files) {
        for (size_t cut = 0; cut <= whole.size(); ++cut) {
            std::string padded = whole.substr(0, cut);
            padded.resize(whole.size(), '\0');
            ASSERT_EQ(decode(whole.substr(0, cut)), decode(padded)) << cut;
        }
    }
}

// A short file that claims the largest count decodes every missing record,
// exactly as if the zeros were there.
TEST(ResultFiles, AShortFileWithTheLargestCountReadsAsZeroPadded)
{
    const uint16_t waves[3] = {1310, 0, 1550};
    const std::pair<std::string, DecodeToText> files[] = {
        {EncodeOpmResult(SampleOpmReadings(2)), AfterOpm},
        {EncodeOrlResult(SampleOrlReadings(2)), AfterOrl},
        {EncodeKavResult(waves, SampleLossTests(2, 1)), AfterKav},
    };
    const size_t recordSizes[] = {56, 52, 136};
    for (size_t f = 0; f < 3; ++f) {
        std::string file = files[f].first;
        file[14] = file[15] = '\xFF';
        // Cut inside the second record, so one record is partly there.
        file.resize(32 + recordSizes[f] + recordSizes[f] / 2);
        std::string padded = file;
        padded.resize(32 + recordSizes[f] * 65535, '\0');
        EXPECT_EQ(files[f].second(file), files[f].second(padded)) << f;
    }
}

TEST(ResultFiles, RecordsMissingWhollyReadAsEmptyTexts)
{
    CDataStore store;
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(3)).substr(0, 32)), store, nullptr);
    ASSERT_EQ(store.GetOpmRecords().size(), 3u);
    const OpmRecord& r = store.GetOpmRecords()[2];
    EXPECT_EQ((std::vector<std::string>{FieldText(r.Cable), FieldText(r.WaveLength), FieldText(r.Power),
                                        FieldText(r.Reference), FieldText(r.Date), FieldText(r.Time)}),
              (std::vector<std::string>{"", "0nm", "0.00 ", "0.00 ", "0000-00-00", "00:00:00"}));
}
