// Speed of the whole analysis pipeline, of "Calculate" with the figures beside it
// (the caution, the carried-through solve, the fuselage's moment), of the
// refined-lattice check, and of the elimination alone.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <random>
#include <vector>

#include "analysis/added_figures.h"
#include "analysis/calculation.h"
#include "analysis/grid.h"
#include "analysis/influence.h"
#include "analysis/kernels/worker_pool.h"
#include "analysis/pipeline.h"
#include "analysis/refined_check.h"
#include "analysis/solver.h"
#include "files/da4_file.h"
#include "files/da4_format.h"
#include "files/fuselage_csv.h"
#include "model/aircraft_inputs.h"

namespace kalvesta {
namespace {

// The start-up aircraft (426 panels) or, with three_equal_wings, three copies of
// its main wing at different heights (about 1200 panels).
Aircraft BenchAircraft(bool three_equal_wings) {
    AircraftInputs inputs = DefaultAircraftInputs();
    if (three_equal_wings) {
        inputs.wing_count = 3;
        inputs.wings[2] = inputs.wings[1];
        inputs.wings[3] = inputs.wings[1];
        inputs.wing_x_mm = {0, 0, 800, -600};
        inputs.wing_z_mm = {0, 0, 80, 30};
    }
    Aircraft aircraft;
    PrepareForCalculation(aircraft, inputs);
    return aircraft;
}

// The 2958-panel aircraft of bench/data: three surfaces of 1500 mm chord a few
// centimetres apart in height.
Aircraft ThreeLargeSurfaces() {
    const Da4ReadResult read = ReadDa4File(KALVESTA_BENCH_DATA "/three_large_surfaces.da4");
    Aircraft aircraft;
    PrepareForCalculation(aircraft, ApplyDa4Values(read.values, DefaultAircraftInputs()));
    return aircraft;
}

void RunWholePipeline(benchmark::State& state, const Aircraft& prepared) {
    auto data = std::make_unique<AnalysisData>();
    PipelineObserver observer;
    for (auto _ : state) {
        Aircraft aircraft = prepared;
        data->memo.Reset();
        const PipelineOutcome outcome = RunPipeline(aircraft, *data, observer);
        benchmark::DoNotOptimize(outcome);
    }
    state.counters["panels"] = data->lattice.panel_count;
}

// Making the analysis data, as the window does at start: its arrays and the
// worker threads.
void BM_MakeAnalysisData(benchmark::State& state) {
    for (auto _ : state) {
        auto data = std::make_unique<AnalysisData>();
        benchmark::DoNotOptimize(data.get());
    }
}
BENCHMARK(BM_MakeAnalysisData)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PipelineDefaultAircraft(benchmark::State& state) {
    RunWholePipeline(state, BenchAircraft(false));
}
BENCHMARK(BM_PipelineDefaultAircraft)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PipelineThreeEqualWings(benchmark::State& state) {
    RunWholePipeline(state, BenchAircraft(true));
}
BENCHMARK(BM_PipelineThreeEqualWings)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_PipelineThreeLargeSurfaces(benchmark::State& state) {
    RunWholePipeline(state, ThreeLargeSurfaces());
}
BENCHMARK(BM_PipelineThreeLargeSurfaces)->Unit(benchmark::kMillisecond)->UseRealTime();

// The descriptions "Calculate" starts from: the start-up aircraft, the 2958-panel
// three large surfaces, and a 3 m sailplane with a 40 mm gap at the wing's root and
// the tailplane 60 mm above the wing.
AircraftInputs BenchDescription(int64_t which) {
    if (which == 0) {
        return DefaultAircraftInputs();
    }
    const char* file = which == 1 ? KALVESTA_BENCH_DATA "/three_large_surfaces.da4"
                                  : KALVESTA_BENCH_DATA "/sailplane_root_gap.da4";
    return ApplyDa4Values(ReadDa4File(file).values, DefaultAircraftInputs());
}

// What is added to "Calculate": nothing, the caution, the carried-through solve
// (the sailplane's gap), or everything with the sailplane's fuselage.
enum Added : int64_t { kNothing, kCaution, kCarriedThrough, kFuselage };

// "Calculate" as the window and the command line run it, from the description to
// the recommendation, then what `added` says beside it; the analysis data made
// once, as theirs are.
void BM_Calculate(benchmark::State& state) {
    const AircraftInputs description = BenchDescription(state.range(0));
    const auto added = static_cast<Added>(state.range(1));
    const Fuselage fuselage =
        added == kFuselage
            ? ReadFuselageFile(KALVESTA_BENCH_DATA "/sailplane_fuselage.csv").fuselage
            : Fuselage{};
    auto data = std::make_unique<AnalysisData>();
    auto scratch = std::make_unique<AnalysisData>();
    PipelineObserver observer;
    Aircraft aircraft;
    for (auto _ : state) {
        Calculate(description, "7.5", aircraft, *data, observer);
        if (added != kNothing) {
            const AddedFigures figures =
                ComputeAddedFigures(aircraft, *data, fuselage, *scratch, added == kCaution);
            benchmark::DoNotOptimize(figures.caution);
        }
    }
    state.counters["panels"] = data->lattice.panel_count;
}
BENCHMARK(BM_Calculate)
    ->ArgsProduct({{0, 1}, {kNothing, kCaution}})
    ->Args({2, kNothing})
    ->Args({2, kCarriedThrough})
    ->Args({2, kFuselage})
    ->ArgNames({"aircraft", "added"})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime()
    ->UseRealTime();

// The whole refined-lattice check after a calculation, its analysis data made
// once as the window's and the command line's are made per check (not timed).
void RunRefinedCheck(benchmark::State& state, const Aircraft& prepared) {
    Aircraft aircraft = prepared;
    auto data = std::make_unique<AnalysisData>();
    data->memo.Reset();
    PipelineObserver observer;
    RunPipeline(aircraft, *data, observer);
    const Results documented = data->results;
    auto scratch = std::make_unique<AnalysisData>();
    RefinedCheckProgress to_the_end;
    for (auto _ : state) {
        const RefinedCheck check = RunRefinedCheck(aircraft, documented, *scratch, to_the_end);
        benchmark::DoNotOptimize(check.x_np.value);
        state.counters["finest_panels"] = check.lattices.back().panel_count;
    }
}

void BM_RefinedCheckDefaultAircraft(benchmark::State& state) {
    RunRefinedCheck(state, BenchAircraft(false));
}
BENCHMARK(BM_RefinedCheckDefaultAircraft)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RefinedCheckThreeLargeSurfaces(benchmark::State& state) {
    RunRefinedCheck(state, ThreeLargeSurfaces());
}
BENCHMARK(BM_RefinedCheckThreeLargeSurfaces)->Unit(benchmark::kMillisecond)->UseRealTime();

// SIMQ902 alone on a random, diagonally dominant n × n system, with the given
// number of threads; the copy that every run destroys is made outside the timing.
void BM_SIMQ902(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    WorkerPool workers(static_cast<int>(state.range(1)));
    auto solution = std::make_unique<Solution>();
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> uniform(-1.0, 1.0);
    std::vector<double> system;
    for (int i = 1; i <= n; ++i) {
        for (int j = 1; j <= n; ++j) {
            system.push_back(uniform(random) + (i == j ? n : 0.0));
        }
    }
    solution->influence_matrix.Resize(n);
    PipelineObserver observer;
    for (auto _ : state) {
        state.PauseTiming();
        std::copy(system.begin(), system.end(), solution->influence_matrix.data());
        solution->right_hand_side.fill(-1.0);
        state.ResumeTiming();
        const int status =
            SIMQ902(solution->right_hand_side, n, solution->influence_matrix, observer, &workers);
        benchmark::DoNotOptimize(status);
    }
}
BENCHMARK(BM_SIMQ902)
    ->ArgsProduct({{426, 1200, 1218, 3000}, {1, 2}})
    ->ArgNames({"n", "threads"})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

// EINFLUSS alone on the lattice of the three-wing aircraft (1218 panels), with
// the given number of threads.
void BM_EINFLUSS(benchmark::State& state) {
    WorkerPool workers(static_cast<int>(state.range(0)));
    Aircraft aircraft = BenchAircraft(true);
    aircraft.calc_wing_count = aircraft.wing_count;  // as the pipeline sets it
    auto data = std::make_unique<AnalysisData>();
    data->memo.Reset();
    GRID(aircraft, data->lattice, data->memo);
    TRAWY2(aircraft, data->lattice, data->trim_matrix, data->memo);
    for (auto _ : state) {
        EINFLUSS(aircraft.calc_wing_count, data->lattice, data->panel_points,
                 data->solution.influence_matrix, data->memo, &workers);
    }
    state.counters["panels"] = data->lattice.panel_count;
}
BENCHMARK(BM_EINFLUSS)
    ->Arg(1)
    ->Arg(2)
    ->ArgName("threads")
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace kalvesta
