#include "data/CsvExport.h"
#include "tests/data/TestFiles.h"

#include <gtest/gtest.h>

// The exports of records are pinned by the golden files of kav-convert.

TEST(CsvExport, EmptyListsGiveNothingOrTheHeaderAloneAndFieldsAreQuotedAsNeeded)
{
    ScratchFolder dir;
    CDataStore store;
    ASSERT_TRUE(ExportOpmCsv(dir.File("opm.csv"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("opm.csv")), "");
    ASSERT_TRUE(ExportOrlCsv(dir.File("orl.csv"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("orl.csv")), "Cable,Fiber,Wavelength(nm),ORL Value(dB),Date,Time\r\n");
    ASSERT_TRUE(ExportKav3Csv(dir.File("kav.csv"), store).ok());
    EXPECT_EQ(ReadBytes(dir.File("kav.csv")).rfind("Cable,Fiber,Wavelength(nm),", 0), 0u);
    EXPECT_EQ(store.m_KavPath, dir.File("kav.csv"));
    EXPECT_EQ(store.m_OpmPath, dir.File("opm.csv"));

    // A field holding a separator, a quote, or a line break of either half
    // is quoted, its quotes doubled.
    store.AddOrlRecord("CAB 100%", "F,1", "1550nm", "45.32dB", "2026-05-06", "07:08:09");
    store.AddOrlRecord("say \"hi\"", "F2", "1550nm", "45.32dB", "2026-05-06", "07:08:09");
    store.AddOrlRecord("C\rR", "L\nF", "1550nm", "45.32dB", "2026-05-06", "07:08:09");
    const std::string csv = OrlCsvBytes(store);
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), "CAB 100%,\"F,1\",1550nm,45.32dB,2026-05-06,07:08:09\r\n"
                                                "\"say \"\"hi\"\"\",F2,1550nm,45.32dB,2026-05-06,07:08:09\r\n"
                                                "\"C\rR\",\"L\nF\",1550nm,45.32dB,2026-05-06,07:08:09\r\n");
}
