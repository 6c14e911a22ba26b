#pragma once

#include "data/CableGroups.h"
#include "data/InfoFields.h"
#include "data/Records.h"

#include <array>
#include <cstdint>
#include <vector>

// Every measurement the program shows, prints, exports or saves. The program
// keeps one, which the application owns and hands to the view; a job, a
// kav-convert run or a test loads files into a store of its own. Everything
// else reads it: the tables, exports, reports and documents take it const.
// Its lists change only through the few operations below, each of which
// replaces what one loading of a file replaces.
class CDataStore
{
public:
    static constexpr int32_t KavModeNone = 1; // no loss-test file decoded yet
    static constexpr int32_t KavModeThree = 1490;
    static constexpr int32_t KavModeTwo = 0;
    // The block at the head of OPM documents, kept as a document brought it.
    using ReservedBlock = std::array<uint8_t, 600>;

    const std::vector<OpmRecord>& GetOpmRecords() const { return m_OpmRecords; }
    const std::vector<OrlRecord>& GetOrlRecords() const { return m_OrlRecords; }
    const std::vector<KavRecord3>& GetKavRecords3() const { return m_KavRecords3; }
    const std::vector<KavRecord2>& GetKavRecords2() const { return m_KavRecords2; }
    // A recorded trace: its reference level, then its samples (dBm).
    const std::vector<float>& GetTraceValues() const { return m_TraceValues; }
    const ReservedBlock& GetReserved() const { return m_Reserved; }

    // Which loss-test list is current: KavModeThree, KavModeTwo, KavModeNone
    // before any, or whatever word a loss-test document holds.
    int32_t KavWaveMode() const { return m_KavWaveMode; }
    // The loss-test form, decided by the mode alone: 3 or 2 wavelengths per
    // record of the last loss-test file or document read, 0 before any. The
    // view, the grid page, the reports and kav-convert all read it here;
    // none keeps a copy.
    int KavWaveCount() const;
    // The records of the list that form selects.
    size_t KavRecordCount() const;
    // The runs of loss tests of one cable, always those of the current list.
    const CableGroups& GetCableGroups() const { return m_CableGroups; }

    // The job, cable and system information of the loss-test report.
    const InfoFields& GetInfoFields() const { return m_InfoFields; }
    void SetInfoFields(const InfoFields& fields) { m_InfoFields = fields; }

    // Each replaces one kind's records whole, as a file or document of the
    // kind brings them; the other kinds stay.
    void ReplaceOpmRecords(std::vector<OpmRecord> records);
    // An OPM document also brings the block at its head.
    void ReplaceOpmRecords(std::vector<OpmRecord> records, const ReservedBlock& reserved);
    void ReplaceOrlRecords(std::vector<OrlRecord> records);
    // The loss tests in their form (the mode follows it), the other form's
    // list emptied and the cable groups rebuilt from the records.
    void ReplaceLossTests(std::vector<KavRecord3> records);
    void ReplaceLossTests(std::vector<KavRecord2> records);
    // No loss tests at all, under `mode` (a document of no known form keeps
    // its word).
    void ClearLossTests(int32_t mode);
    void ReplaceTraceValues(std::vector<float> values);

private:
    int32_t m_KavWaveMode = KavModeNone;
    ReservedBlock m_Reserved{};
    std::vector<float> m_TraceValues;
    std::vector<OpmRecord> m_OpmRecords;
    std::vector<KavRecord3> m_KavRecords3;
    std::vector<KavRecord2> m_KavRecords2;
    std::vector<OrlRecord> m_OrlRecords;
    CableGroups m_CableGroups;
    InfoFields m_InfoFields;
};
