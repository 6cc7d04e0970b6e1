// Speed of reading a long parts list and weighing it.
#include <benchmark/benchmark.h>

#include <string>

#include "analysis/balance.h"
#include "files/parts_csv.h"

namespace kalvesta {
namespace {

// A spreadsheet's export of `rows` parts in the European dialect, the slower one.
std::string PartsText(int rows) {
    std::string text = "\xEF\xBB\xBFpart;mass_g;x_mm\r\n";
    for (int i = 0; i < rows; ++i) {
        text +=
            "\"servo " + std::to_string(i) + "\";9,5;" + std::to_string(i % 900 - 100) + ",25\r\n";
    }
    return text;
}

void BM_ReadAndWeighParts(benchmark::State& state) {
    const std::string text = PartsText(static_cast<int>(state.range(0)));
    const Results results{};
    for (auto _ : state) {
        const PartsReadResult read = ParsePartsCsv(text, "bench.parts.csv");
        if (!read.result.ok()) {
            state.SkipWithError(FileMessage(read.result, Catalogue()).c_str());
            break;
        }
        benchmark::DoNotOptimize(ComputeBalance(read.parts, &results, BalanceQuestion{}));
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(text.size()));
}
// The longest list a parts file may hold.
BENCHMARK(BM_ReadAndWeighParts)->Arg(kMaxCsvRows)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvesta
