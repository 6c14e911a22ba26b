#include "data/CsvExport.h"
#include "data/NewRecords.h"
#include "tests/data/TestFiles.h"

#include <gtest/gtest.h>

// The exports of records are pinned by the golden files of kav-convert.

TEST(CsvExport, EmptyListsGiveNothingOrTheHeaderAloneAndFieldsAreQuotedAsNeeded)
{
    CDataStore store;
    EXPECT_EQ(OpmCsvBytes(store), "");
    EXPECT_EQ(OrlCsvBytes(store), "Cable,Fiber,Wavelength(nm),ORL Value(dB),Date,Time\r\n");
    EXPECT_EQ(KavCsvBytes(store).rfind("Cable,Fiber,Wavelength(nm),", 0), 0u);

    // A field holding a separator, a quote, or a line break of either half
    // is quoted, its quotes doubled.
    store.ReplaceOrlRecords({NewOrlRecord("CAB 100%", "F,1", "1550nm", "45.32dB", "2026-05-06", "07:08:09"),
                             NewOrlRecord("say \"hi\"", "F2", "1550nm", "45.32dB", "2026-05-06", "07:08:09"),
                             NewOrlRecord("C\rR", "L\nF", "1550nm", "45.32dB", "2026-05-06", "07:08:09")});
    const std::string csv = OrlCsvBytes(store);
    EXPECT_EQ(csv.substr(csv.find("\r\n") + 2), "CAB 100%,\"F,1\",1550nm,45.32dB,2026-05-06,07:08:09\r\n"
                                                "\"say \"\"hi\"\"\",F2,1550nm,45.32dB,2026-05-06,07:08:09\r\n"
                                                "\"C\rR\",\"L\nF\",1550nm,45.32dB,2026-05-06,07:08:09\r\n");
}
