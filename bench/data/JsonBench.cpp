// Reading JSON objects of many keys, as a limit file of many cables is one:
// every key read is checked against those before it.
#include "data/Json.h"

#include <benchmark/benchmark.h>

#include <string>

namespace {
constexpr int ManyKeys = 100000;

// {"key0": 0, "key1": 1, ...}; with `repeat`, the last key is the first once more.
std::string ObjectOfKeys(int count, bool repeat)
{
    std::string text = "{";
    for (int i = 0; i < count; ++i) {
        const int key = repeat && i == count - 1 ? 0 : i;
        text += (i == 0 ? "\"key" : ", \"key") + std::to_string(key) + "\": " + std::to_string(i);
    }
    return text + "}";
}

// Arg 0: every key read; 1: refused at its last key, given twice.
void BM_JsonManyKeys(benchmark::State& state)
{
    const bool repeat = state.range(0) == 1;
    const std::string text = ObjectOfKeys(ManyKeys, repeat);
    for (auto _ : state) {
        const JsonParseResult parsed = ParseJson(text);
        if (parsed.value.has_value() == repeat ||
            (parsed.value && parsed.value->members.size() != static_cast<size_t>(ManyKeys)))
            state.SkipWithError("not read as expected");
    }
    state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * ManyKeys);
}
BENCHMARK(BM_JsonManyKeys)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
} // namespace
