#include "data/LimitFile.h"
#include "data/Json.h"
#include "tests/data/TestFiles.h"

#include <gtest/gtest.h>

// Limit files as a contractor writes them by hand, and as the program writes
// them; the JSON reader beneath refuses whatever is not strict JSON.

TEST(LimitFile, ReadsEveryKeyAndWritesItBack)
{
    const std::string text = "\xEF\xBB\xBF" // as an editor on Windows saves it
                             R"({"method": "budget", "preset": "iso-11801-os2",
        "attenuation": {"1490": 0.3}, "fixed": {"1310": 1.015},
        "connectorLoss": 0.50, "spliceLoss": 0, "connections": 2, "splices": 4.0,
        "warningBand": 25e-3,
        "cables": {"C\u00e2ble 1": {"connections": 9999, "fixed": {"1550": 2}},
                   "\u5149\u7f06-01": {"splices": 0, "attenuation": {"1310": 0.35}}}})";
    const LimitFileResult read = ParseLimitFile(text);
    ASSERT_TRUE(read.limits) << read.error;
    const TestLimits& l = *read.limits;
    EXPECT_EQ(l.method, LimitMethod::Budget);
    EXPECT_EQ(l.preset, "iso-11801-os2");
    // Figures are exact decimals, kept as typed; 0 is a figure.
    EXPECT_EQ(l.attenuation, (WaveLengthFigures{{1490, Figure("0.3")}}));
    EXPECT_EQ(l.fixed.at(1310).millionths, 1015000);
    EXPECT_EQ(l.connectorLoss->typed, "0.50");
    EXPECT_EQ(l.spliceLoss->millionths, 0);
    EXPECT_EQ(l.connections, 2);
    EXPECT_EQ(l.splices, 4);
    EXPECT_EQ(l.warningBand.millionths, 25000);
    ASSERT_EQ(l.cables.size(), 2u);
    // Cable names are keyed as they are shown, in UTF-8.
    const CableLimits& own = l.cables.at("C\xC3\xA2"
                                         "ble 1");
    EXPECT_EQ(own.connections, 9999);
    EXPECT_FALSE(own.splices);
    EXPECT_EQ(own.fixed, (WaveLengthFigures{{1550, Figure("2")}}));

    // A cable's own 0 splices is a figure, not a figure left out.
    EXPECT_EQ(FiguresFor(l, "\xE5\x85\x89\xE7\xBC\x86-01").splices, 0);
    EXPECT_EQ(LimitName(l), "iso-11801-os2");

    ScratchFolder folder;
    const std::string path = folder.File("contract.kavlimits");
    ASSERT_TRUE(SaveLimitFile(path, l).ok());
    const LimitFileResult back = ReadLimitFile(path);
    ASSERT_TRUE(back.limits) << back.error;
    EXPECT_TRUE(*back.limits == l);
    for (const char* typed :
         {"\"C\\u00e2ble 1\": {", "\"1310\": 1.015", "\"connectorLoss\": 0.50,", "\"warningBand\": 25e-3"})
        EXPECT_NE(ReadBytes(path).find(typed), std::string::npos) << typed;

    const LimitFileResult empty = ParseLimitFile("{}");
    ASSERT_TRUE(empty.limits);
    EXPECT_TRUE(*empty.limits == TestLimits());
    EXPECT_EQ(LimitName(*empty.limits), "instrument");
}

TEST(LimitFile, RefusalsNameTheKeyAtFault)
{
    const std::pair<const char*, const char*> refused[] = {
        {R"({"method": "budget", "warningBand": "0.5"})", "key warningBand: a number from 0 to 1000"},
        {R"({"spliceLoss": -0.1})", "key spliceLoss: a number from 0 to 1000"},
        {R"({"fixed": {"1310": 1000.01}})", "key fixed.1310: a number from 0 to 1000"},
        {R"({"attenuation": {"1310": 0.0000001}})", "key attenuation.1310: a number from 0 to 1000 with"},
        {R"({"connections": 1.5})", "key connections: a whole number"},
        {R"({"cables": {"C": {"splices": 10000}}})", "key cables.C.splices: a whole number from 0 to 9999"},
        {R"({"method": "Budget"})", "key method: one of instrument, fixed, budget"},
        {R"({"preset": "tia-568"})", "key preset: one of tia-568.3-d-isp, tia-568.3-d-osp,"},
        {R"({"margin": 1})", "key margin: not a key of a limit file"},
        {R"({"fixed": {"1310nm": 1}})", "key fixed.1310nm: a wavelength in nm"},
        {R"({"fixed": {"01310": 1}})", "key fixed.01310: a wavelength in nm"},
        {R"({"attenuation": [0.5]})", "key attenuation: an object of wavelengths"},
        {R"({"cables": {"C1": {"splices": null}}})", "key cables.C1.splices: a whole number"},
        {R"({"cables": {"C1": {"preset": "iso-11801-os2"}}})", "key cables.C1.preset: not a key of a cable"},
        {R"({"splices": 1, "splices": 2})", "not JSON: line 1, column 16: the key splices is given twice"},
        {"[1, 2]", "the file holds no JSON object"},
        {"{\"method\": \"fixed\",\n \"fixed\": {\"1310\": 1,}}", "not JSON: line 2, column 22: a key"},
        {R"({"warningBand": 1e999})", "not JSON: line 1, column 17: a number beyond"},
        {"{\"cables\": {\"\xE2\x82\": {}}}", "not JSON: line 1, column 14: text that is not UTF-8"},
        {R"({"method": "fixed"} x)", "not JSON: line 1, column 21: more text"},
    };
    for (const auto& [text, error] : refused) {
        const LimitFileResult read = ParseLimitFile(text);
        EXPECT_FALSE(read.limits) << text;
        EXPECT_EQ(read.error.rfind(error, 0), 0u) << text << "\n gave: " << read.error;
    }

    ScratchFolder folder;
    EXPECT_EQ(ReadLimitFile(folder.Path()).error.rfind("cannot be read: ", 0), 0u);
    EXPECT_FALSE(ReadLimitFile(folder.File("missing.kavlimits")).limits);
}

TEST(Json, StringsRoundTripThroughEscapesAndNestingIsBounded)
{
    // A surrogate pair, an escaped control character and a plain UTF-8 byte
    // sequence read back as UTF-8 and are written as ASCII escapes.
    const JsonParseResult parsed = ParseJson(R"(["\ud83d\ude00\t\/", "√"])");
    ASSERT_TRUE(parsed.value) << parsed.error;
    EXPECT_EQ(parsed.value->items[0].text, "\xF0\x9F\x98\x80\t/");
    EXPECT_EQ(JsonDocument(*parsed.value), "[\n  \"\\ud83d\\ude00\\u0009/\",\n  \"\\u221a\"\n]\n");
    for (const char* bad : {R"("\ud83d")", R"("\ude00")", "\"a\nb\"", "\"\xC0\xAF\"", "01", "-", "1.", "tru"})
        EXPECT_FALSE(ParseJson(bad).value) << bad;
    EXPECT_TRUE(ParseJson(std::string(64, '[') + std::string(64, ']')).value);
    EXPECT_EQ(ParseJson(std::string(65, '[') + std::string(65, ']')).error,
              "line 1, column 65: nested too deeply");
}
