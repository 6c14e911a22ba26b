#include "data/ResultFrame.h"

bool HasSignature(ByteSpan bytes, const char* signature)
{
    ByteReader reader(bytes);
    char field[ResultSignatureSize];
    reader.Read(field, sizeof field);
    std::string text;
    for (char c : field)
        if (c != 0)
            text += c;
    return text == signature;
}

ResultRecordCounts CountResultRecords(ByteSpan bytes, size_t recordSize)
{
    ByteReader reader(bytes, ResultSignatureSize);
    ResultRecordCounts counts;
    counts.declared = reader.U16();
    const size_t held = bytes.size > ResultHeaderSize ? (bytes.size - ResultHeaderSize) / recordSize : 0;
    counts.whole = held < static_cast<size_t>(counts.declared) ? static_cast<int>(held) : counts.declared;
    return counts;
}
