#include "CsvExport.h"
#include "ResultFileDecoders.h"
#include "SampleSet.h"
#include "TestFiles.h"
#include "TraceFile.h"

#include <gtest/gtest.h>

#include <sstream>

#if defined(__unix__) || defined(__APPLE__)
#include <csignal>
#include <sys/resource.h>
#endif

namespace {
const char* const KavHeader = "Cable,Fiber,Wavelength(nm),LossA->B(dB),LossB->A(dB),AVER,ReferenceA->B(dBm),"
                              "ReferenceB->A(dBm),Threshold(dB),PowerA->B(dBm),PowerB->A(dBm),Pass/Fail,"
                              "Length(km),ORL A->B(dB),ORL B->A(dB),Date,Time\r\n";

std::vector<std::string> Lines(const std::string& csv)
{
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t end; (end = csv.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(csv.substr(start, end - start));
    EXPECT_EQ(start, csv.size()) << "every line ends in CR LF";
    return lines;
}

std::vector<std::string> Fields(const std::string& line)
{
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    return fields;
}

CDataStore::KavTriples Triples()
{
    CDataStore::KavTriples t{};
    for (int i = 0; i < 3; ++i) {
        t.LossAB[i] = 0.5f + i;
        t.LossBA[i] = 0.7f + i;
        t.RefAB[i] = -10.0f;
        t.RefBA[i] = -7.25f;
        t.Threshold[i] = 2.0f;
        t.Length[i] = 1.5f;
        t.OrlAB[i] = 40.0f + i;
        t.OrlBA[i] = 50.0f + i;
    }
    return t;
}
} // namespace

TEST(CsvExport, EmptyListsGiveNothingOrTheHeaderAlone)
{
    TempDir dir;
    CDataStore store;
    ASSERT_TRUE(ExportOpmCsv(dir.File("opm.csv"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("opm.csv")), "");
    ASSERT_TRUE(ExportOrlCsv(dir.File("orl.csv"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("orl.csv")), "Cable,Fiber,Wavelength(nm),ORL Value(dB),Date,Time\r\n");
    ASSERT_TRUE(ExportKav3Csv(dir.File("kav.csv"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("kav.csv")), KavHeader);
    EXPECT_EQ(store.m_KavPath, dir.File("kav.csv"));
    EXPECT_EQ(store.m_OpmPath, dir.File("opm.csv"));
}

TEST(CsvExport, LossTestLinesFollowTheValueRules)
{
    const int32_t waves[3] = {1310, 1490, 1550};
    CDataStore::KavTriples t = Triples();
    t.LossAB[0] = -1.0f;
    CDataStore store;
    store.AddKavRecord3("CAB-01", "F001", waves, t, "2026-05-06", "07:08:09");
    const std::vector<std::string> lines = Lines(KavCsvBytes(store, 3));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0] + "\r\n", KavHeader);
    EXPECT_EQ(lines[1], "CAB-01,F001,1310,N/A," + Printed("%.2f", 0.7f) + "," + Printed("%.2f", 0.7f) +
                            ",-10.00,-7.25,2.00,N/A," + Printed("%.2f", double(-7.25f) - double(0.7f)) +
                            ",Pass, ,40.00,50.00,2026-05-06,07:08:09");
    const std::vector<std::string> last = Fields(lines[3]);
    ASSERT_EQ(last.size(), 17u);
    EXPECT_EQ(last[2], "1550");
    EXPECT_EQ(last[5], Printed("%.2f", float(2.5f + 2.7f) / 2));
    EXPECT_EQ(last[11], "Fail");
    EXPECT_EQ(last[12], "1.500");
    EXPECT_EQ(Fields(lines[2])[12], " ");

    store.AddKavRecord2("CAB-02", "F002", waves, Triples(), "2026-05-06", "07:08:09");
    const std::vector<std::string> two = Lines(KavCsvBytes(store, 2));
    ASSERT_EQ(two.size(), 3u);
    EXPECT_EQ(Fields(two[1])[12], " ");
    EXPECT_EQ(Fields(two[2])[12], "1.500");
    EXPECT_EQ(Fields(two[2])[2], "1550");
}

TEST(CsvExport, OpmAndOrlLinesHoldTheStoredTexts)
{
    CDataStore store;
    DecodeOpmBytes(SpanOf(EncodeOpmResult(SampleOpmReadings(3))), store, nullptr);
    const OpmRecord& r = store.GetOpmRecords()[1];
    const std::vector<std::string> lines = Lines(OpmCsvBytes(store));
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0], "Cable,Fiber,WaveLength,Reference,Power,Date,Time");
    EXPECT_EQ(lines[2], std::string(r.Cable) + "," + r.Fiber + "," + r.WaveLength + "," + r.Reference + "," +
                            r.Power + "," + r.Date + "," + r.Time);

    store.AddOrlRecord("CAB 100%", "F,1", "1550nm", "45.32dB", "2026-05-06", "07:08:09");
    store.AddOrlRecord("say \"hi\"", "F2", "1550nm", "45.32dB", "2026-05-06", "07:08:09");
    const std::vector<std::string> orl = Lines(OrlCsvBytes(store));
    ASSERT_EQ(orl.size(), 3u);
    EXPECT_EQ(orl[1], "CAB 100%,\"F,1\",1550nm,45.32dB,2026-05-06,07:08:09");
    EXPECT_EQ(orl[2], "\"say \"\"hi\"\"\",F2,1550nm,45.32dB,2026-05-06,07:08:09");
}

TEST(CsvExport, TraceSamplesNumberedFromOne)
{
    CDataStore store;
    const TraceRecording trace = SampleTrace(4);
    ReadTraceBytes(SpanOf(EncodeTraceResult(trace)), store);
    const std::vector<std::string> lines = Lines(TraceCsvBytes(store));
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0], "Sample,Power(dBm)");
    for (size_t i = 0; i < 4; ++i)
        EXPECT_EQ(lines[i + 1], std::to_string(i + 1) + "," + Printed("%.2f", trace.samples[i]));
}

TEST(CsvExport, UnwritableTargetReportsCannotOpen)
{
    TempDir dir;
    CDataStore store;
    const WriteResult result = ExportOrlCsv(dir.File("nowhere/x.csv"), store);
    EXPECT_EQ(result.status, WriteResult::Status::CannotOpen);
    EXPECT_TRUE(dir.Names().empty());
}

#if defined(__unix__) || defined(__APPLE__)
// A disk that fills up while the file is written: the process may write no
// more than a few bytes per file, as on a full disk.
class FullDisk
{
public:
    explicit FullDisk(rlim_t bytes)
    {
        getrlimit(RLIMIT_FSIZE, &m_Saved);
        m_SavedSignal = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_Saved;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FullDisk()
    {
        setrlimit(RLIMIT_FSIZE, &m_Saved);
        std::signal(SIGXFSZ, m_SavedSignal);
    }

private:
    rlimit m_Saved{};
    void (*m_SavedSignal)(int) = SIG_DFL;
};

TEST(CsvExport, WriteFailureReportsTheReasonAndKeepsTheEarlierFile)
{
    TempDir dir;
    const std::string path = dir.File("results.csv");
    WriteBytes(path, "earlier export\r\n");
    CDataStore store;
    for (int i = 0; i < 50; ++i)
        store.AddOrlRecord("CAB-01", "F001", "1550nm", "45.32dB", "2026-03-10", "08:00:00");

    WriteResult result;
    {
        FullDisk full(64);
        result = ExportOrlCsv(path, store);
    }
    EXPECT_EQ(result.status, WriteResult::Status::WriteFailed);
    EXPECT_FALSE(result.reason.empty());
    EXPECT_EQ(ReadBytes(path), "earlier export\r\n");
    EXPECT_EQ(dir.Names(), std::vector<std::string>{"results.csv"}); // no temporary file left
}
#endif
