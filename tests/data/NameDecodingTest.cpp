#include "data/NameDecoding.h"
#include "platform/Gb18030.h"

#include <gtest/gtest.h>

#include <iostream>

// Names read as the window, the reports and kav-convert show them.

namespace {
// "Kabel-Ü-ß-é" as its code points written out by hand in UTF-8.
const std::string KabelUtf8 = "Kabel-\xC3\x9C-\xC3\x9F-\xC3\xA9";
// The same name in Latin-1, one byte a letter.
const std::string KabelLatin1 = "Kabel-\xDC-\xDF-\xE9";
// "光缆A" (optical cable A) in GB18030 (code page 936): 0xB9E2 and 0xC0C2,
// from the GB2312 table; and the same in UTF-8 (U+5149, U+7F06).
const std::string CableGb = "\xB9\xE2\xC0\xC2"
                            "A";
const std::string CableUtf8 = "\xE5\x85\x89\xE7\xBC\x86"
                              "A";
// A system without GB18030 (Wine before version 9) reads such names as
// Latin-1; the tests say which they check.
bool ReadsGb18030()
{
    if (!SystemReadsGb18030())
        std::cout << "note: this system has no GB18030 converter; its fall-back is checked\n";
    return SystemReadsGb18030();
}
} // namespace

TEST(NameDecoding, Utf8ThenGb18030ThenLatin1)
{
    EXPECT_EQ(NameUtf8("CAB-01", NameEncoding::Automatic), "CAB-01");
    EXPECT_EQ(NameUtf8(KabelUtf8, NameEncoding::Automatic), KabelUtf8);
    if (!ReadsGb18030()) {
        EXPECT_EQ(NameUtf8(CableGb, NameEncoding::Automatic), NameUtf8(CableGb, NameEncoding::Latin1));
        return;
    }
    EXPECT_EQ(NameUtf8(CableGb, NameEncoding::Automatic), CableUtf8);
    // 0xDC 0x2D is no GB18030 character (its second byte is below 0x40).
    EXPECT_EQ(NameUtf8(KabelLatin1, NameEncoding::Automatic), KabelUtf8);
    // A lead byte alone at the end is no character either.
    EXPECT_EQ(NameUtf8("F\xB9", NameEncoding::Automatic), "F\xC2\xB9");
    // A four-byte GB18030 sequence: 0x81308130 is U+0080.
    EXPECT_EQ(NameUtf8("\x81\x30\x81\x30", NameEncoding::Automatic), "\xC2\x80");
}

TEST(NameDecoding, AForcedEncodingReadsEveryNameSoAndMarksWhatItCannotRead)
{
    const std::string replacement = "\xEF\xBF\xBD";
    EXPECT_EQ(NameUtf8(KabelUtf8, NameEncoding::Latin1),
              "Kabel-\xC3\x83\xC2\x9C-\xC3\x83\xC2\x9F-\xC3\x83\xC2\xA9");
    EXPECT_EQ(NameUtf8(CableGb, NameEncoding::Latin1), "\xC2\xB9\xC3\xA2\xC3\x80\xC3\x82"
                                                       "A");
    EXPECT_EQ(NameUtf8(KabelLatin1, NameEncoding::Utf8),
              "Kabel-" + replacement + "-" + replacement + "-" + replacement);
    EXPECT_EQ(NameUtf8(KabelLatin1, NameEncoding::Gb18030),
              "Kabel-" + replacement + "-" + replacement + "-" + replacement);
    const std::string unread = replacement + replacement + replacement + replacement + "A";
    EXPECT_EQ(NameUtf8(CableGb, NameEncoding::Gb18030), ReadsGb18030() ? CableUtf8 : unread);

    // The encoding in force serves every reader until it is set again.
    SetNameEncoding(NameEncoding::Latin1);
    EXPECT_EQ(NameUtf8(KabelUtf8), NameUtf8(KabelUtf8, NameEncoding::Latin1));
    SetNameEncoding(NameEncoding::Automatic);
    EXPECT_EQ(NameUtf8(KabelUtf8), KabelUtf8);
}

TEST(NameDecoding, TheSettingsWords)
{
    for (const NameEncoding e :
         {NameEncoding::Automatic, NameEncoding::Utf8, NameEncoding::Gb18030, NameEncoding::Latin1})
        EXPECT_EQ(NameEncodingOfWord(NameEncodingWord(e)), e);
    EXPECT_EQ(NameEncodingOfWord("GB18030"), NameEncoding::Gb18030);
    EXPECT_EQ(NameEncodingOfWord("cp936"), std::nullopt);
}
