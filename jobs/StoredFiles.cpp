#include "jobs/StoredFiles.h"

#include "data/FieldText.h"
#include "data/RecordKinds.h"
#include "jobs/RecordKeys.h"
#include "platform/files/FileBytes.h"
#include "platform/files/QuotedName.h"

LoadOutcome LoadStoredFile(const StoredFile& file, std::vector<uint8_t> bytes, CDataStore& store)
{
    FileBytes kept;
    kept.bytes = std::move(bytes);
    // A document is known by its name's ending, so the name it came with
    // goes along.
    return LoadRecognizedFile(RecognizeFileBytes(std::move(kept), file.name), store);
}

JobResult LoadJobFile(JobStore& job, const StoredFile& file, CDataStore& store)
{
    std::vector<uint8_t> bytes;
    if (JobResult read = job.ReadFileBytes(file.id, bytes); !read.ok())
        return read;
    const LoadOutcome loaded = LoadStoredFile(file, std::move(bytes), store);
    if (loaded.result != DecodeResult::Ok ||
        DataOf(RecordKindOf(loaded.kind)).recordCount(store) != static_cast<size_t>(file.records))
        return JobFailure(JobStatus::Damaged, "the kept file " + file.name + " no longer loads");
    return {};
}

namespace {
template <typename Record>
std::vector<Record> Renamed(std::vector<Record> records, const std::vector<RecordNaming>& namings)
{
    for (const RecordNaming& naming : namings) {
        Record& record = records[static_cast<size_t>(naming.number)];
        if (naming.cable)
            SetFieldName(record.Cable, *naming.cable);
        if (naming.fiber)
            SetFieldName(record.Fiber, *naming.fiber);
    }
    return records;
}
} // namespace

JobResult NameRecords(CDataStore& store, const std::vector<RecordNaming>& namings)
{
    const size_t capacity = NameCapacity(store.KavWaveCount());
    for (const RecordNaming& naming : namings)
        for (const std::optional<std::string>& name : {naming.cable, naming.fiber})
            if (name && name->size() > capacity)
                // Both limits: a job's files of the other form may hold less.
                return JobFailure(JobStatus::Refused,
                                  QuotedName(*name) + " is longer than a record's name holds: " +
                                      std::to_string(NameCapacity(3)) + " bytes at three wavelengths, " +
                                      std::to_string(NameCapacity(2)) + " at two");
    if (namings.empty())
        return {};
    if (store.KavWaveCount() == 3)
        store.ReplaceLossTests(Renamed(store.GetKavRecords3(), namings));
    else
        store.ReplaceLossTests(Renamed(store.GetKavRecords2(), namings));
    return {};
}
