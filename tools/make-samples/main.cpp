// Writes the synthetic sample files of samples/ into the folder given:
//   make-samples DIR
#include "tools/make-samples/SampleSet.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {
bool WriteFile(const std::string& folder, const char* name, const std::string& bytes)
{
    const std::string path = folder + "/" + name;
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.close();
    if (out.fail()) {
        std::fprintf(stderr, "make-samples: %s: cannot be written\n", path.c_str());
        return false;
    }
    std::printf("%s (%zu bytes)\n", path.c_str(), bytes.size());
    return true;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make-samples DIR\n");
        return 2;
    }
    const std::string folder = argv[1];
    const bool ok = WriteFile(folder, "opm-readings.bin", EncodeOpmResult(SampleOpmReadings(24))) &&
                    WriteFile(folder, "orl-readings.bin", EncodeOrlResult(SampleOrlReadings(16))) &&
                    WriteFile(folder, "kav-three-wavelengths.bin",
                              EncodeKavResult(ThreeWaveLengths, SampleLossTests(12, 4))) &&
                    WriteFile(folder, "kav-two-wavelengths.bin",
                              EncodeKavResult(TwoWaveLengths, SampleLossTests(9, 3))) &&
                    WriteFile(folder, "trace-1550nm.bin", EncodeTraceResult(SampleTrace(600)));
    return ok ? 0 : 1;
}
