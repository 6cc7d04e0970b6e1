// Margins, recommended centre-of-gravity positions and the margin text.
#include "analysis/stability.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <utility>

#include "analysis/balance_answer.h"
#include "model/text_to_double.h"

namespace kalvesta {
namespace {

Results NeutralPoint(double x_np, double ref_length) {
    Results results;
    results.x_np = x_np;
    results.ref_length = ref_length;
    return results;
}

TEST(ComputeStability, OneSurfaceUsesFourAndEightPercent) {
    // x_np = 300, lm = 200: 300 − 200 × 8 % = 284, 300 − 200 × 4 % = 292.
    Results results = NeutralPoint(300.0, 200.0);
    ComputeStability(1, 7.5, results);
    EXPECT_EQ(results.stability_high, 8.0);
    EXPECT_EQ(results.stability_low, 4.0);
    EXPECT_DOUBLE_EQ(results.x_cg_high, 284.0);
    EXPECT_DOUBLE_EQ(results.x_cg_low, 292.0);
    // Manual 7.5 %: 300 − 15 = 285.
    EXPECT_EQ(results.stability_manual, 7.5);
    EXPECT_DOUBLE_EQ(results.x_cg_manual, 285.0);
}

TEST(ComputeStability, SeveralSurfacesUseEightAndSixteenPercent) {
    Results results = NeutralPoint(300.0, 200.0);
    ComputeStability(2, 0.0, results);
    EXPECT_EQ(results.stability_high, 16.0);
    EXPECT_EQ(results.stability_low, 8.0);
    EXPECT_DOUBLE_EQ(results.x_cg_high, 268.0);
    EXPECT_DOUBLE_EQ(results.x_cg_low, 284.0);
    EXPECT_EQ(results.x_cg_manual, 300.0);  // an empty margin box gives x_np
}

TEST(ComputeStability, OperationOrderIsLengthTimesMarginThenHundredth) {
    Results results = NeutralPoint(93.3, 271.975);
    ComputeStability(3, 7.3, results);
    EXPECT_EQ(results.x_cg_manual, 93.3 - 271.975 * 7.3 * 0.01);
    EXPECT_EQ(results.x_cg_high, 93.3 - 271.975 * 16.0 * 0.01);
}

TEST(ComputeStability, AbsurdMarginStaysFinite) {
    Results results = NeutralPoint(100.0, 300.0);
    ComputeStability(2, DBL_MAX, results);
    EXPECT_EQ(results.x_cg_manual, -DBL_MAX);
    ComputeStability(2, -DBL_MAX, results);
    EXPECT_EQ(results.x_cg_manual, DBL_MAX);
}

TEST(PlainBalanceAnswer, MeasuresTheRangeFromTheRootLeadingEdgeOfWingOne) {
    // Two surfaces, x_np = 300, lm = 200: the range 268 to 284 (16 to 8 %) and 285
    // at 7.5 %, Wing-1's root leading edge at x = 50.
    Results results = NeutralPoint(300.0, 200.0);
    ComputeStability(2, 7.5, results);
    Aircraft aircraft;
    aircraft.wing_x_mm[1] = 50;
    const BalanceAnswer range = PlainBalanceAnswer(aircraft, results, false);
    EXPECT_DOUBLE_EQ(range.front_behind_mm, 218.0);
    EXPECT_DOUBLE_EQ(range.aft_behind_mm, 234.0);
    EXPECT_EQ(range.range.front_margin_percent, 16.0);
    EXPECT_EQ(range.range.aft_margin_percent, 8.0);
    EXPECT_FALSE(range.IsOnePosition());
    const BalanceAnswer manual = PlainBalanceAnswer(aircraft, results, true);
    EXPECT_DOUBLE_EQ(manual.front_behind_mm, 235.0);
    EXPECT_TRUE(manual.IsOnePosition());
    EXPECT_EQ(manual.range.front_margin_percent, 7.5);
}

using TextCase = std::pair<std::string, double>;
class MarginText : public testing::TestWithParam<TextCase> {};

TEST_P(MarginText, LongestNumberAtTheStart) {
    const auto& [text, expected] = GetParam();
    const double value = TextToDouble(text);
    EXPECT_EQ(value, expected) << '"' << text << '"';
    EXPECT_EQ(std::signbit(value), std::signbit(expected)) << '"' << text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, MarginText,
    testing::Values(TextCase{"7.5", 7.5}, TextCase{"", 0.0}, TextCase{"12", 12.0},
                    TextCase{"-3.25", -3.25}, TextCase{"+4", 4.0}, TextCase{"  8.", 8.0},
                    TextCase{".5", 0.5}, TextCase{"1e1", 10.0}, TextCase{"2.5E-1", 0.25},
                    TextCase{"1e", 1.0}, TextCase{"1e+", 1.0}, TextCase{"7,5", 7.0},
                    TextCase{"7.5%", 7.5}, TextCase{"12a", 12.0}, TextCase{"-", 0.0},
                    TextCase{".", 0.0}, TextCase{"-.e5", 0.0}, TextCase{"abc", 0.0},
                    TextCase{"inf", 0.0}, TextCase{"nan", 0.0}, TextCase{"0x10", 0.0},
                    TextCase{"1e400", DBL_MAX}, TextCase{"-1e400", -DBL_MAX},
                    TextCase{"1e-400", 0.0}, TextCase{"-1e-400", -0.0},
                    TextCase{"0.000001e310", 1e304}, TextCase{"1e99999999999999", DBL_MAX}));

}  // namespace
}  // namespace kalvesta
