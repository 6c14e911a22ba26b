// The Test Limits dialog opening a limit file of 20,000 cables (about
// 560 KB), until it is shown and laid out: at most 1 s.
#include "data/LimitFile.h"
#include "views/CTestLimitsDlg.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {
constexpr int CableCount = 20000;

void BM_LimitsDialogOpensLargeFile(benchmark::State& state)
{
    // Written as compactly as a script writes one.
    std::string text = R"({"method":"budget","cables":{)";
    for (int i = 0; i < CableCount; ++i)
        text += (i == 0 ? "" : ",") + ("\"CABLE-" + std::to_string(i) + "\":{\"connections\":") +
                std::to_string(i % 5) + "}";
    text += "}}";
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("large.kavlimits"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text.data(), static_cast<qint64>(text.size())) < 0) {
        state.SkipWithError("the limit file could not be written");
        return;
    }
    file.close();
    state.counters["bytes"] = static_cast<double>(text.size());
    for (auto _ : state) {
        const LimitFileResult read = ReadLimitFile(path.toStdString());
        CTestLimitsDlg dialog(TestLimits{}, {}, {});
        if (!read.limits) {
            state.SkipWithError(read.error.c_str());
            break;
        }
        dialog.Load(*read.limits);
        dialog.show();
        QApplication::processEvents();
        state.PauseTiming();
        if (dialog.Limits() != read.limits)
            state.SkipWithError("the dialog does not hold the file's limit");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LimitsDialogOpensLargeFile)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();
} // namespace
