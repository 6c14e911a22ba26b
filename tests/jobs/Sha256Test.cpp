#include "jobs/Sha256.h"

#include <gtest/gtest.h>

// The digests of FIPS 180-2's examples, the message handed over in pieces
// of every size from 1 to 200 bytes so that each way through the buffer is
// taken.
TEST(Sha256, GivesTheStandardsDigests)
{
    const struct
    {
        std::string message;
        const char* digest;
    } cases[] = {
        {"", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
        {"abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
        {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
         "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
        {std::string(1000000, 'a'), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
    };
    for (const auto& c : cases)
        for (const size_t piece : {size_t(1), size_t(63), size_t(64), size_t(200)}) {
            Sha256 hash;
            const auto* bytes = reinterpret_cast<const uint8_t*>(c.message.data());
            for (size_t at = 0; at < c.message.size(); at += piece)
                hash.Add(bytes + at, std::min(piece, c.message.size() - at));
            const std::array<uint8_t, 32> digest = hash.Finish();
            EXPECT_EQ(HexText(digest.data(), digest.size()), c.digest) << c.message.size() << " in " << piece;
        }
}
