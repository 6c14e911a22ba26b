#include "platform/files/QuotedName.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

namespace {
// What bash makes of a quoted name: the name itself, if the quoting is right.
std::string AsBashReadsIt(const std::string& quoted)
{
    setenv("KAV_QUOTED", quoted.c_str(), 1);
    FILE* shell = popen("bash -c 'eval \"printf %s $KAV_QUOTED\"'", "r");
    std::string read;
    char chunk[256];
    for (size_t got; shell != nullptr && (got = std::fread(chunk, 1, sizeof chunk, shell)) != 0;)
        read.append(chunk, got);
    if (shell != nullptr)
        pclose(shell);
    unsetenv("KAV_QUOTED");
    return read;
}
} // namespace

// Quoted names read back as themselves in a shell and hold nothing a
// terminal acts on; names of plain characters stay as they are.
TEST(QuotedName, ReadsBackAsItselfAndHoldsNoControlCharacter)
{
    for (const char* plain : {"out.csv", "/tmp/kav-1/results_2026-03.csv", "a+b=c,d@e:f%g"})
        EXPECT_EQ(QuotedName(plain), plain);
    const std::string names[] = {
        "two words.csv",
        "it's.csv",
        "a\nkav-convert: FAKE MESSAGE",
        "\x1b[2Jred\x1b[0m",
        "tab\there\r",
        u8"Größe 測定.csv",
        std::string("\xc2\x9b") + "31m", // a C1 control, split so "31m" is not read as hex
        "stray \xff byte",
        "",
        "'",
        "-",
    };
    for (const std::string& name : names) {
        const std::string quoted = QuotedName(name);
        for (const char c : quoted)
            EXPECT_TRUE(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F) << quoted;
        EXPECT_EQ(quoted.find("\xc2\x9b"), std::string::npos) << quoted;
        EXPECT_EQ(AsBashReadsIt(quoted), name) << quoted;
    }
}
