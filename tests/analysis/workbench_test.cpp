// The results follow the design: a change of the geometry makes them stale, so that
// nothing shows the figures of an aircraft that is no longer the one described; the
// margin and the parts refresh what depends on them.
#include "analysis/workbench.h"

#include <gtest/gtest.h>

#include <functional>

namespace kalvesta {
namespace {

struct AfterCalculate {
    const char* name;
    std::function<void(Design&)> edit;
    bool results_valid;
    BalanceStatus balance;
};

class WorkbenchAfterCalculate : public ::testing::TestWithParam<AfterCalculate> {};

TEST_P(WorkbenchAfterCalculate, KeepsResultsOnlyForTheAircraftDescribed) {
    Workbench bench;
    bench.design().SpliceParts(StepKind::kPartsPaste, 0, 0, {{"Battery", "200", "60"}});
    PipelineObserver quiet;
    ASSERT_EQ(bench.Calculate(quiet, RunPipeline), PipelineOutcome::kCompleted);
    ASSERT_EQ(bench.balance().status, BalanceStatus::kComplete);
    bench.MeasureCentreOfGravity(80.0);

    std::vector<WorkbenchChange> told;
    bench.Listen([&told](const WorkbenchChange& change) { told.push_back(change); });
    GetParam().edit(bench.design());
    EXPECT_EQ(bench.aircraft().results_valid, GetParam().results_valid);
    EXPECT_EQ(bench.balance().status, GetParam().balance);
    EXPECT_EQ(bench.measured_cg_mm().has_value(), GetParam().results_valid);
    ASSERT_FALSE(told.empty());
    EXPECT_TRUE(told.back().balance);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, WorkbenchAfterCalculate,
    ::testing::Values(
        AfterCalculate{"WingBox", [](Design& d) { d.SetWingBox(1, kRootChordBox, 300); }, false,
                       BalanceStatus::kNoNeutralPoint},
        AfterCalculate{"Trapezoids", [](Design& d) { d.SetTrapezoids(2, 2); }, false,
                       BalanceStatus::kNoNeutralPoint},
        AfterCalculate{"Position", [](Design& d) { d.SetPositionZ(2, 10); }, false,
                       BalanceStatus::kNoNeutralPoint},
        AfterCalculate{"WingCount", [](Design& d) { d.SetWingCount(1); }, false,
                       BalanceStatus::kNoNeutralPoint},
        AfterCalculate{"New", [](Design& d) { d.New(); }, false, BalanceStatus::kNoParts},
        AfterCalculate{"Margin", [](Design& d) { d.SetManualMargin(true); }, true,
                       BalanceStatus::kComplete},
        AfterCalculate{"Fuselage",
                       [](Design& d) {
                           d.SetFuselage({{{0, 60}, {900, 20}}});
                       },
                       false, BalanceStatus::kNoNeutralPoint},
        AfterCalculate{"Parts", [](Design& d) { d.SetPartCell(0, 1, "250"); }, true,
                       BalanceStatus::kComplete}),
    [](const ::testing::TestParamInfo<AfterCalculate>& case_info) { return case_info.param.name; });

// With a fuselage described the recommendation is its neutral point's, and the margin
// restabilises it as it does the calculation's.
TEST(Workbench, MarginRestabilisesAndUndoStaysStale) {
    Workbench bench;
    Design& design = bench.design();
    design.SetFuselage({{{-300, 0}, {0, 80}, {900, 20}}});
    PipelineObserver quiet;
    bench.Calculate(quiet, RunPipeline);
    ASSERT_TRUE(bench.added().fuselage && bench.added().caution);
    const Results& fuselage = bench.added().fuselage->results;
    EXPECT_EQ(&bench.recommendation(), &fuselage);
    design.SetManualMargin(true);
    design.SetMarginText("20");
    const double x_cg_20 = bench.analysis().results.x_cg_manual;
    EXPECT_DOUBLE_EQ(fuselage.x_cg_manual, fuselage.x_np - fuselage.ref_length * 20 * 0.01);
    design.SetMarginText("5");
    EXPECT_GT(bench.analysis().results.x_cg_manual, x_cg_20);  // less margin: further aft

    // Undoing a geometry edit brings the inputs back, not the results.
    design.SetWingBox(1, kRootChordBox, 300);
    design.Undo();
    EXPECT_EQ(design.inputs(), DefaultAircraftInputs());
    EXPECT_FALSE(bench.aircraft().results_valid);
}

}  // namespace
}  // namespace kalvesta
