// Closing the root gaps, and the calculation on the aircraft so closed.
#include "analysis/carried_through.h"

#include "analysis/stability.h"
#include "model/check.h"
#include "model/planform.h"

namespace kalvesta {

double RootGapWidth(const Aircraft& aircraft, int wing) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
    return 2.0 * aircraft.plan_y[0][static_cast<size_t>(wing)];
}

bool HasRootGap(const Aircraft& aircraft) {
    for (int w = 1; w <= aircraft.calc_wing_count; ++w) {
        if (RootGapWidth(aircraft, w) > 0.0) {
            return true;
        }
    }
    return false;
}

Aircraft CarriedThroughAircraft(const Aircraft& calculated) {
    KALVESTA_CHECK(calculated.calc_wing_count >= 0 && calculated.calc_wing_count <= kMaxWings);
    Aircraft carried = calculated;
    for (size_t w = 1; w <= static_cast<size_t>(calculated.calc_wing_count); ++w) {
        const int32_t stations = calculated.station_count[w];
        KALVESTA_CHECK(stations >= 1 && stations < kMaxPlanStations);
        if (!(calculated.plan_y[0][w] > 0.0)) {
            continue;
        }
        // Every station one place out; the new root is the old one moved to y = 0.
        for (auto k = static_cast<size_t>(stations); k >= 1; --k) {
            carried.plan_x[k][w] = calculated.plan_x[k - 1][w];
            carried.plan_y[k][w] = calculated.plan_y[k - 1][w];
            carried.plan_c[k][w] = calculated.plan_c[k - 1][w];
        }
        carried.plan_y[0][w] = 0.0;
        carried.station_count[w] = stations + 1;

        const PlanformValues gross = NTRAP_SPEZIAL(static_cast<int>(w), stations + 1,
                                                   carried.plan_x, carried.plan_y, carried.plan_c);
        carried.wing_b[w] = gross.b;
        carried.wing_s[w] = gross.s;
        carried.wing_lm[w] = gross.lm;
        carried.wing_r25[w] = gross.s == 0.0 ? 0.0 : gross.r25 - calculated.wing_x_mm[w];
        carried.wing_lam[w] = gross.lam;
    }
    return carried;
}

CarriedThrough SolveCarriedThrough(const Aircraft& calculated, const Results& documented,
                                   AnalysisData& data, WorkerPool& workers) {
    CarriedThrough carried;
    carried.aircraft = CarriedThroughAircraft(calculated);
    data.memo.Reset();
    PipelineObserver quiet;
    carried.outcome = RunPipelineWithWorkers(carried.aircraft, data, quiet, workers);
    if (HasResults(carried.outcome)) {
        carried.results = data.results;
        ComputeStability(carried.aircraft.calc_wing_count, documented.stability_manual,
                         carried.results);
        carried.x_np_shift_mm = carried.results.x_np - documented.x_np;
    }
    return carried;
}

}  // namespace kalvesta
