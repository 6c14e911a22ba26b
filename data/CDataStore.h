#pragma once

#include "data/CableGroups.h"
#include "data/InfoFields.h"
#include "data/Records.h"

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

// Every measurement the program shows, prints, exports or saves. The program
// has exactly one, reached through GetInstance(); tests build their own.
// Decoders replace the records of their own kind only.
class CDataStore
{
public:
    static constexpr int32_t KavModeNone = 1; // no loss-test file decoded yet
    static constexpr int32_t KavModeThree = 1490;
    static constexpr int32_t KavModeTwo = 0;
    static constexpr size_t PathCapacity = 255; // paths keep at most 254 characters

    static CDataStore& GetInstance();

    void AddOpmRecord(const std::string& cable, const std::string& fiber, const std::string& waveLength,
                      const std::string& power, const std::string& reference, const std::string& date,
                      const std::string& time);
    void AddOrlRecord(const std::string& cable, const std::string& fiber, const std::string& waveLength,
                      const std::string& orlValue, const std::string& date, const std::string& time);

    // The eight float triples in file order: LossAB, LossBA, RefAB, RefBA,
    // Threshold, Length, OrlAB, OrlBA.
    struct KavTriples
    {
        float LossAB[3], LossBA[3], RefAB[3], RefBA[3], Threshold[3], Length[3], OrlAB[3], OrlBA[3];
    };
    void AddKavRecord3(const std::string& cable, const std::string& fiber, const int32_t waveLength[3],
                       const KavTriples& values, const std::string& date, const std::string& time);
    // Keeps elements 1 and 3 of the wavelength, loss, reference, threshold and
    // length triples, and elements 1 and 2 of the two ORL triples.
    void AddKavRecord2(const std::string& cable, const std::string& fiber, const int32_t waveLength[3],
                       const KavTriples& values, const std::string& date, const std::string& time);

    // Decoders know their record count up front; reserving it keeps the lists
    // at their records' own size.
    void ReserveOpmRecords(size_t count) { m_OpmRecords.reserve(count); }
    void ReserveKavRecords3(size_t count) { m_KavRecords3.reserve(count); }
    void ReserveKavRecords2(size_t count) { m_KavRecords2.reserve(count); }
    void ReserveOrlRecords(size_t count) { m_OrlRecords.reserve(count); }

    void ClearOpm();
    void ClearKav();
    void ClearOrl();

    const std::vector<OpmRecord>& GetOpmRecords() const { return m_OpmRecords; }
    const std::vector<KavRecord3>& GetKavRecords3() const { return m_KavRecords3; }
    const std::vector<KavRecord2>& GetKavRecords2() const { return m_KavRecords2; }
    const std::vector<OrlRecord>& GetOrlRecords() const { return m_OrlRecords; }

    // The loss-test form, decided by m_KavWaveMode alone: 3 or 2 wavelengths
    // per record of the last loss-test file or document read, 0 before any.
    // The view, the grid page, the reports and kav-convert all read it here;
    // none keeps a copy.
    int KavWaveCount() const;
    // The records of the list that form selects.
    size_t KavRecordCount() const;

    void ClearTraceValues() { m_TraceValues.clear(); }
    const std::vector<float>& GetTraceValues() const { return m_TraceValues; }

    // Stores path cut to PathCapacity - 1 characters.
    static void SetPath(std::string& member, const std::string& path);

    int32_t m_KavWaveMode = KavModeNone;
    std::string m_OpmPath, m_KavPath, m_OrlPath, m_TracePath;
    std::array<uint8_t, 600> m_Reserved{};

    CableGroups m_CableGroups;
    InfoFields m_InfoFields;

    // Documents read back restore whole lists at once.
    void ReplaceOpmRecords(std::vector<OpmRecord> records) { m_OpmRecords = std::move(records); }
    void ReplaceKavRecords3(std::vector<KavRecord3> records) { m_KavRecords3 = std::move(records); }
    void ReplaceKavRecords2(std::vector<KavRecord2> records) { m_KavRecords2 = std::move(records); }
    void ReplaceOrlRecords(std::vector<OrlRecord> records) { m_OrlRecords = std::move(records); }
    void ReplaceTraceValues(std::vector<float> values) { m_TraceValues = std::move(values); }

private:
    std::vector<float> m_TraceValues;
    std::vector<OpmRecord> m_OpmRecords;
    std::vector<KavRecord3> m_KavRecords3;
    std::vector<KavRecord2> m_KavRecords2;
    std::vector<OrlRecord> m_OrlRecords;
};
