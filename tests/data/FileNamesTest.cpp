#include "FileNames.h"
#include "FileKind.h"
#include "SampleSet.h"
#include "TestFiles.h"

#include <gtest/gtest.h>

TEST(FileNames, ExtensionRuleOfTheSaveDialogs)
{
    EXPECT_EQ(ApplyExtensionRule("/d/report", OutputKind::Csv), "/d/report.csv");
    EXPECT_EQ(ApplyExtensionRule("/d/report.CSV", OutputKind::Csv), "/d/report.CSV");
    EXPECT_EQ(ApplyExtensionRule("/d/report.Csv", OutputKind::Csv), std::nullopt);
    EXPECT_EQ(ApplyExtensionRule("/d/report.txt", OutputKind::Csv), std::nullopt);
    EXPECT_EQ(ApplyExtensionRule("/d/data.csv.bak", OutputKind::Csv), std::nullopt);
    EXPECT_EQ(ApplyExtensionRule("/d.x/result", OutputKind::OpmDocument), "/d.x/result.opm");
    EXPECT_EQ(ApplyExtensionRule("/d/result.Opm", OutputKind::OpmDocument), std::nullopt);
    EXPECT_EQ(ApplyExtensionRule("/d/result.OPM", OutputKind::OpmDocument), "/d/result.OPM");
    EXPECT_EQ(ApplyExtensionRule("/d/a.b.opm", OutputKind::OpmDocument), "/d/a.b.opm");
    EXPECT_EQ(ApplyExtensionRule("/d/log.trace", OutputKind::TraceDocument), "/d/log.trace");
    EXPECT_EQ(ApplyExtensionRule("/d/log.TRACE", OutputKind::TraceDocument), "/d/log.TRACE");
    EXPECT_EQ(ApplyExtensionRule("/d/x.kav", OutputKind::OrlDocument), std::nullopt);
}

TEST(FileKind, ContentFirstThenTheDocumentEnding)
{
    TempDir dir;
    const uint16_t waves[3] = {1310, 1490, 1550};
    const std::pair<std::string, FileKind> cases[] = {
        {EncodeOpmResult({}), FileKind::OpmResult},
        {EncodeOrlResult({}), FileKind::OrlResult},
        {EncodeKavResult(waves, {}), FileKind::KavResult},
        {EncodeTraceResult(TraceRecording{}), FileKind::TraceResult},
    };
    for (const auto& [bytes, kind] : cases) {
        // A result file is known by its content whatever its name says.
        const std::string path = dir.File("file.kav");
        WriteBytes(path, bytes);
        EXPECT_EQ(RecognizeFile(path).kind, kind);
    }
    const std::string noise(40, 'x');
    for (const auto& [name, kind] :
         std::vector<std::pair<std::string, FileKind>>{{"a.opm", FileKind::OpmDocument},
                                                       {"a.ORL", FileKind::OrlDocument},
                                                       {"a.Kav", FileKind::KavDocument},
                                                       {"a.trace", FileKind::TraceDocument},
                                                       {"a.bin", FileKind::Unknown},
                                                       {"opm", FileKind::Unknown}}) {
        WriteBytes(dir.File(name), noise);
        EXPECT_EQ(RecognizeFile(dir.File(name)).kind, kind) << name;
    }
    TraceRecording wrongMark;
    wrongMark.mark = 166;
    WriteBytes(dir.File("t.bin"), EncodeTraceResult(wrongMark));
    EXPECT_EQ(RecognizeFile(dir.File("t.bin")).kind, FileKind::Unknown);

    const Recognition missing = RecognizeFile(dir.File("missing.opm"));
    EXPECT_FALSE(missing.readable);
}
