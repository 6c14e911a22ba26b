#include "jobs/RecordKeys.h"

#include "data/NameDecoding.h"
#include "data/Records.h"
#include "jobs/Sha256.h"

#include <cstring>

std::string JobNameOf(std::string_view bytes)
{
    return NameUtf8(bytes, NameEncoding::Automatic);
}

size_t NameCapacity(int waveCount)
{
    // As SetFieldName keeps them: 19 bytes and a terminator, or all 16.
    return waveCount == 3 ? sizeof(KavRecord3::Cable) - 1 : sizeof(KavRecord2::Cable);
}

std::string TestedText(const KavRecordView& record)
{
    return std::string(record.date, BoundedLength(record.date, record.dateSize)) + " " +
           std::string(record.time, BoundedLength(record.time, record.timeSize));
}

uint64_t TestedKey(std::string_view tested)
{
    // The instrument's dates and times are hexadecimal digits of their
    // binary-coded bytes: each is one nibble, in the text's order.
    constexpr std::string_view Form = "dddd-dd-dd dd:dd:dd";
    if (tested.size() != Form.size())
        return 0;
    uint64_t key = 0;
    for (size_t i = 0; i < Form.size(); ++i) {
        const char c = tested[i];
        if (Form[i] != 'd') {
            if (c != Form[i])
                return 0;
            continue;
        }
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else
            return 0;
        key = key << 4 | digit;
    }
    // One more than the nibbles, so that no real time is 0.
    return key + 1;
}

int64_t FingerprintOf(const KavRecordView& record)
{
    Sha256 hash;
    const auto add = [&hash, &record](const auto* values) {
        hash.Add(reinterpret_cast<const uint8_t*>(values),
                 sizeof(*values) * static_cast<size_t>(record.waveCount));
    };
    const uint8_t waves = static_cast<uint8_t>(record.waveCount);
    hash.Add(&waves, 1);
    add(record.waveLength);
    for (const float* values : {record.lossAB, record.lossBA, record.refAB, record.refBA, record.threshold,
                                record.length, record.orlAB, record.orlBA})
        add(values);
    const std::array<uint8_t, 32> digest = hash.Finish();
    uint64_t bits = 0;
    for (size_t i = 0; i < 8; ++i)
        bits = bits << 8 | digest[i];
    int64_t fingerprint;
    std::memcpy(&fingerprint, &bits, sizeof fingerprint);
    return fingerprint;
}
