#include "data/HeaderFile.h"

#include "tests/support/ScratchFolder.h"

#include <gtest/gtest.h>

// Header files: the fields of the loss-test report's header, test
// information included, keyed by their names.

TEST(HeaderFile, EveryFieldWrittenAndReadBack)
{
    InfoFields fields;
    int n = 0;
    for (const InfoFieldInfo& info : InfoFieldTable)
        fields.*info.field = std::string(info.name).substr(0, 4) + std::to_string(++n);
    fields.OperatorB = "Li Wei \xE6\x9D\x8E\xE4\xBC\x9F"; // 李伟, UTF-8
    fields.ReferenceMethod = "3";                         // jumpers
    ScratchFolder dir;
    const std::string path = dir.File("job.kavheader");
    ASSERT_TRUE(SaveHeaderFile(path, fields).ok());
    const std::string bytes = ReadBytes(path);
    // One member a line, keyed by the field's name, in the report's order.
    EXPECT_NE(bytes.find("\"JobId\": \"JobI1\""), std::string::npos) << bytes;
    EXPECT_LT(bytes.find("\"Customer\""), bytes.find("\"OperatorB\""));
    const HeaderFileResult read = ReadHeaderFile(path);
    ASSERT_TRUE(read.fields) << read.error;
    for (const InfoFieldInfo& info : InfoFieldTable)
        EXPECT_EQ((*read.fields).*info.field, fields.*info.field) << info.name;
}

TEST(HeaderFile, AFileNamesWhatIsWrongAndGivesNothing)
{
    const HeaderFileResult some = ParseHeaderFile(R"({"Customer": "City Net"})");
    ASSERT_TRUE(some.fields);
    EXPECT_EQ(some.fields->Customer, "City Net");
    EXPECT_EQ(some.fields->JobId, "");

    const std::pair<const char*, const char*> refused[] = {
        {R"({"Customer": "City Net", "Colour": "red"})", "Colour: "},
        {R"({"JobId": 7})", "JobId: "},
        {R"({"Reason": "123456789012345678901234567890123456789012345678901"})", "Reason: "},
        {R"({"JobId": "123456789012345678901"})", "JobId: "},
        {R"(["JobId"])", "object"},
        {R"({"JobId": "a",})", "line 1"},
        {R"({"ReferenceMethod": "4"})", "\"ReferenceMethod\": 1, 2 or 3"},
    };
    for (const auto& [text, named] : refused) {
        const HeaderFileResult result = ParseHeaderFile(text);
        EXPECT_FALSE(result.fields) << text;
        EXPECT_NE(result.error.find(named), std::string::npos) << text << ": " << result.error;
    }
    // Fifty characters fit the reason; twenty of another script fit a name.
    EXPECT_TRUE(
        ParseHeaderFile(R"({"Reason": "12345678901234567890123456789012345678901234567890"})").fields);
    std::string twenty;
    for (int i = 0; i < 20; ++i)
        twenty += "\xE6\x9D\x8E";
    EXPECT_TRUE(ParseHeaderFile("{\"OperatorA\": \"" + twenty + "\"}").fields);

    ScratchFolder dir;
    EXPECT_NE(ReadHeaderFile(dir.File("missing.kavheader")).error.find("cannot be read"), std::string::npos);
}
