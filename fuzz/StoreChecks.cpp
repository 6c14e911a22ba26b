#include "fuzz/StoreChecks.h"

#include "data/CsvExport.h"
#include "data/Documents.h"

#include <cstdlib>
#include <string>

namespace {
using Writer = std::string (*)(const CDataStore&);
using Reader = DecodeResult (*)(ByteSpan, CDataStore&);

void CheckRoundTrip(const CDataStore& store, Writer write, Reader read)
{
    const std::string bytes = write(store);
    CDataStore copy;
    if (read({reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size()}, copy) != DecodeResult::Ok ||
        write(copy) != bytes)
        std::abort();
}
} // namespace

void CheckStore(const CDataStore& store)
{
    OpmCsvBytes(store);
    OrlCsvBytes(store);
    KavCsvBytes(store);
    TraceCsvBytes(store);
    CheckRoundTrip(store, OpmDocumentBytes, ReadOpmDocumentBytes);
    CheckRoundTrip(store, OrlDocumentBytes, ReadOrlDocumentBytes);
    CheckRoundTrip(store, KavDocumentBytes, ReadKavDocumentBytes);
    CheckRoundTrip(store, TraceDocumentBytes, ReadTraceDocumentBytes);
}
