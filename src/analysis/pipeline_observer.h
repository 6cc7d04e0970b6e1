// What the window (or any other caller) hears while the analysis runs: it
// repaints, draws the grid and shows the solve's countdown.
#pragma once

namespace kalvesta {

class PipelineObserver {
public:
    virtual ~PipelineObserver() = default;
    virtual void AircraftPrepared() {}                // after the preparation (the window's views)
    virtual void GridCounted() {}                     // after GRID (the window repaints)
    virtual void LatticeReady() {}                    // after TRAWY2 when not failed (DrawGrid)
    virtual void SolveProgress(int /*remaining*/) {}  // SIMQ902: n − k after step k
};

}  // namespace kalvesta
