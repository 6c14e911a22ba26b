// workbook_probe FOLDER: writes into FOLDER a loss-test and an OPM result
// file holding what the samples lack (names that look like formulas or
// escapes or hold control characters and Latin-1 letters, values that are not numbers,
// dates whose digits are not decimal, OPM units that differ from reading to
// reading), and the workbook of each, made under the locale the environment
// names, as the program takes it. Prints the decimal point of that locale.
// check_workbooks.py compares the workbooks with kav-convert's CSV.
#include "data/FileLoading.h"
#include "tools/make-samples/ResultFileEncoder.h"
#include "tools/make-samples/SampleSet.h"
#include "workbook/Workbook.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <limits>

namespace {
std::vector<LossTestResult> AwkwardLossTests()
{
    std::vector<LossTestResult> tests = SampleLossTests(6, 3);
    tests[0].cable = "=1+1";
    tests[0].fiber = "@SUM(A1)";
    tests[1].cable = "+CAB";
    tests[1].fiber = "-F2_x0041_";     // what a spreadsheet would read as an escape
    tests[2].cable = "Kabel \xC4\xDF"; // Latin-1 letters
    tests[2].fiber = "F\x01"
                     "3\x1F"; // control characters
    tests[3].refAB[0] = std::numeric_limits<float>::quiet_NaN();
    tests[3].lossAB[1] = 99.5f; // shown "N/A", averaged
    tests[3].length[2] = -1.0f;
    tests[4].threshold[0] = 0.1f; // fails
    // Bytes that are no binary-coded decimal, and a time past midnight.
    const uint8_t date[4] = {0x20, 0x2A, 0x13, 0x45};
    const uint8_t time[4] = {0x25, 0x61, 0x00, 0x00};
    std::copy(date, date + 4, tests[5].stamp.date);
    std::copy(time, time + 4, tests[5].stamp.time);
    return tests;
}

std::vector<OpmReading> AwkwardReadings()
{
    std::vector<OpmReading> readings = SampleOpmReadings(5);
    readings[1].unit = 3; // mW
    readings[2].rangeStatus = -1;
    readings[3].power = 1e30f; // written in exponent form
    readings[4].cable = "-1";
    return readings;
}

bool WriteWorkbook(const std::string& folder, const std::string& stem, const std::string& bytes,
                   RecordKind kind)
{
    const std::string input = folder + "/" + stem + ".bin";
    std::ofstream(input, std::ios::binary) << bytes;
    CDataStore store;
    if (LoadFile(input, store).result != DecodeResult::Ok) {
        std::fprintf(stderr, "workbook_probe: cannot read %s\n", input.c_str());
        return false;
    }
    const WriteResult written =
        ExportWorkbook(folder + "/" + stem + ".xlsx", store, kind, {stem + ".bin", {}});
    if (!written.ok())
        std::fprintf(stderr, "workbook_probe: %s: %s\n", stem.c_str(), written.reason.c_str());
    return written.ok();
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: workbook_probe FOLDER\n");
        return 2;
    }
    std::setlocale(LC_ALL, "");
    std::printf("%s\n", std::localeconv()->decimal_point);
    const std::string folder = argv[1];
    const bool written =
        WriteWorkbook(folder, "awkward-kav", EncodeKavResult(ThreeWaveLengths, AwkwardLossTests()),
                      RecordKind::Kav) &&
        WriteWorkbook(folder, "awkward-opm", EncodeOpmResult(AwkwardReadings()), RecordKind::Opm);
    return written ? 0 : 1;
}
