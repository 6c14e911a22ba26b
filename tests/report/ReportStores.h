#pragma once

#include "data/CDataStore.h"
#include "data/NewRecords.h"
#include "platform/draw/RecordingDrawContext.h"
#include "report/CReportPrinting.h"
#include "report/PrintInfo.h"
#include "report/ReportJob.h"
#include "report/ReportOptions.h"

#include <QString>

#include <string>
#include <vector>

// Stores filled as the decoders fill them, for the report tests.

// OPM readings with fibers "F1", "F2", ...
inline void AddOpmReadings(CDataStore& store, int count)
{
    std::vector<OpmRecord> records = store.GetOpmRecords();
    for (int i = 1; i <= count; ++i)
        records.push_back(NewOpmRecord("CAB", "F" + std::to_string(i), "1310nm", "-5.00dBm", "-3.00dBm",
                                       "2026-03-10", "08:00:00"));
    store.ReplaceOpmRecords(std::move(records));
}

// One loss-test record more, of cable `cable` and fiber `fiber`, the triples
// taken from `values` (LossAB, LossBA, RefAB, RefBA, Threshold, Length,
// OrlAB, OrlBA).
inline void AddLossTest(CDataStore& store, int waveCount, const std::string& cable, const std::string& fiber,
                        const KavTriples& values)
{
    const int32_t waveLengths[3] = {1310, waveCount == 3 ? 1490 : 0, 1550};
    const auto added = [&](auto records, auto newRecord) {
        records.push_back(newRecord(cable, fiber, waveLengths, values, "2026-03-10", "08:00:00"));
        store.ReplaceLossTests(std::move(records));
    };
    if (waveCount == 3)
        added(store.GetKavRecords3(), NewKavRecord3);
    else
        added(store.GetKavRecords2(), NewKavRecord2);
}

// Groups of `sizes` records, cables "C0", "C1", ..., fibers "<cable>/F<n>".
inline void AddGroups(CDataStore& store, int waveCount, const std::vector<int>& sizes)
{
    for (size_t g = 0; g < sizes.size(); ++g)
        for (int i = 0; i < sizes[g]; ++i)
            AddLossTest(store, waveCount, "C" + std::to_string(g),
                        "C" + std::to_string(g) + "/F" + std::to_string(i), KavTriples{});
}

// What page `page` of a `pages`-page job draws.
inline RecordingDrawContext Painted(ReportJob& job, unsigned page, unsigned pages)
{
    RecordingDrawContext dc;
    PrintInfo info;
    info.m_CurrentPage = page;
    info.m_MaxPage = pages;
    job.OnPrint(dc, info);
    return dc;
}

// A report of its own pages only, without the summary that a loss-test
// report ends with.
inline ReportOptions WithoutSummary()
{
    ReportOptions options;
    options.summaryPage = false;
    return options;
}

// The texts a page drew, in order.
inline std::vector<QString> TextsOf(const RecordingDrawContext& dc)
{
    std::vector<QString> texts;
    for (const RecordingDrawContext::Text& text : dc.Texts())
        texts.push_back(text.text);
    return texts;
}
