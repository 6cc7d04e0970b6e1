// The balance of a parts list: hand-computed figures, verdicts and corrections.
#include "analysis/balance.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <optional>
#include <string>
#include <vector>

namespace kalvesta {
namespace {

// x_np = 100 mm, ref_length = 200 mm. Automatic range: 16 % at 100 − 32 = 68 mm,
// 8 % at 100 − 16 = 84 mm; manual 7.5 % at 100 − 15 = 85 mm.
Results Recommendation() {
    Results results;
    results.x_np = 100.0;
    results.ref_length = 200.0;
    results.stability_high = 16.0;
    results.x_cg_high = 68.0;
    results.stability_low = 8.0;
    results.x_cg_low = 84.0;
    results.stability_manual = 7.5;
    results.x_cg_manual = 85.0;
    return results;
}

struct Case {
    const char* what;
    std::vector<Part> parts;
    BalanceQuestion question;
    double mass_g;
    double x_cg_mm;
    Verdict verdict;
    double off_by_mm;
    double target_x_cg_mm;
    double move_to_x_mm;  // of the question's part
    std::optional<double> ballast_g;
    BallastStatus ballast_status;
};

TEST(ComputeBalance, HandComputedCases) {
    const std::vector<Part> inside = {
        {"motor", 100, 0}, {"battery", 300, 60}, {"airframe", 600, 100}};
    const std::vector<Part> nose = {{"motor", 300, -20}, {"servo", 100, 80}, {"airframe", 600, 90}};
    const std::vector<Case> cases = {
        // Σm = 1000, Σm·x = 0 + 18000 + 60000 → x_cg = 78; target 12 % → 100 − 24 = 76.
        {"inside",
         inside,
         {false, std::nullopt, "battery", -50.0},
         1000,
         78.0,
         Verdict::kInside,
         0.0,
         76.0,
         60.0 + (76.0 - 78.0) * 1000.0 / 300.0,
         1000.0 * (76.0 - 78.0) / (-50.0 - 76.0),
         BallastStatus::kOk},
        // Σm·x = −6000 + 8000 + 54000 → x_cg = 56, 68 − 56 = 12 mm ahead of the range.
        {"nose-heavy",
         nose,
         {false, std::nullopt, "motor", 300.0},
         1000,
         56.0,
         Verdict::kNoseHeavy,
         68.0 - 56.0,
         76.0,
         -20.0 + (76.0 - 56.0) * 1000.0 / 300.0,
         1000.0 * (76.0 - 56.0) / (300.0 - 76.0),
         BallastStatus::kOk},
        // Ballast ahead of the target would pull a nose-heavy model further forward.
        {"wrong side",
         nose,
         {false, std::nullopt, "servo", -50.0},
         1000,
         56.0,
         Verdict::kNoseHeavy,
         12.0,
         76.0,
         80.0 + 20.0 * 1000.0 / 100.0,
         0.0,
         BallastStatus::kWrongSide},
        // Manual 7.5 %: range and target at 85; x_cg = (400·80 + 600·96) / 1000 = 89.6.
        {"manual, tail-heavy",
         {{"pack", 400, 80}, {"rest", 600, 96}},
         {true, std::nullopt, "pack", 85.0},
         1000,
         89.6,
         Verdict::kTailHeavy,
         89.6 - 85.0,
         85.0,
         80.0 + (85.0 - 89.6) * 1000.0 / 400.0,
         std::nullopt,
         BallastStatus::kAtTarget},
        // Behind x_np = 100: unstable, 110 − 84 = 26 mm behind the range; target 10 % → 80.
        {"unstable",
         {{"all", 500, 110}},
         {false, 10.0, "all", 0.0},
         500,
         110.0,
         Verdict::kUnstable,
         26.0,
         80.0,
         80.0,
         500.0 * (80.0 - 110.0) / (0.0 - 80.0),
         BallastStatus::kOk},
        // Within 0.05 mm of the range's end is inside; at the target no ballast is needed.
        {"at the edge",
         {{"a", 2, 84.04}},
         {false, 8.0, std::nullopt, 84.04},
         2,
         84.04,
         Verdict::kInside,
         0.0,
         84.0,
         0.0,
         2.0 * (84.0 - 84.04) / (84.04 - 84.0),
         BallastStatus::kWrongSide},
        {"just beyond",
         {{"a", 2, 84.06}},
         {false, std::nullopt, std::nullopt, 84.06},
         2,
         84.06,
         Verdict::kTailHeavy,
         84.06 - 84.0,
         76.0,
         0.0,
         2.0 * (76.0 - 84.06) / (84.06 - 76.0),
         BallastStatus::kWrongSide},
        {"on target",
         {{"a", 2, 76.0}},
         {false, std::nullopt, std::nullopt, 76.0},
         2,
         76.0,
         Verdict::kInside,
         0.0,
         76.0,
         0.0,
         0.0,
         BallastStatus::kOk},
    };
    const Results results = Recommendation();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Balance balance = ComputeBalance(c.parts, &results, c.question);
        ASSERT_EQ(balance.status, BalanceStatus::kComplete);
        EXPECT_DOUBLE_EQ(balance.mass_g, c.mass_g);
        EXPECT_DOUBLE_EQ(balance.x_cg_mm, c.x_cg_mm);
        EXPECT_DOUBLE_EQ(balance.static_margin_percent, (100.0 - c.x_cg_mm) / 200.0 * 100.0);
        EXPECT_EQ(balance.verdict, c.verdict);
        EXPECT_NEAR(balance.off_by_mm, c.off_by_mm, 1e-12);
        EXPECT_DOUBLE_EQ(balance.target_x_cg_mm, c.target_x_cg_mm);
        if (c.question.move_part) {
            ASSERT_TRUE(balance.move);
            EXPECT_EQ(balance.move->status, MoveStatus::kOk);
            EXPECT_NEAR(balance.move->to_x_mm, c.move_to_x_mm, 1e-9);
            EXPECT_DOUBLE_EQ(balance.move->by_mm, balance.move->to_x_mm - balance.move->from_x_mm);
        }
        ASSERT_TRUE(balance.ballast);
        EXPECT_EQ(balance.ballast->status, c.ballast_status);
        if (c.ballast_status == BallastStatus::kOk) {
            EXPECT_NEAR(balance.ballast->mass_g, *c.ballast_g, 1e-9);
        }
    }
}

TEST(ComputeBalance, WhatCannotBeAnswered) {
    const Results results = Recommendation();
    const std::vector<Part> parts = {{"servo", 9, 150}, {"servo", 9, 160}, {"tag", 0, 10}};
    BalanceQuestion question;
    for (const auto& [name, status] :
         {std::pair{"servo", MoveStatus::kSharedName}, std::pair{"Servo", MoveStatus::kUnknownPart},
          std::pair{"tag", MoveStatus::kNoMass}}) {
        question.move_part = name;
        const Balance balance = ComputeBalance(parts, &results, question);
        ASSERT_TRUE(balance.move);
        EXPECT_EQ(balance.move->status, status) << name;
    }
    // Without a neutral point: mass and centre of gravity only, (9·150 + 9·160) / 18.
    const Balance weighed = ComputeBalance(parts, nullptr, question);
    EXPECT_EQ(weighed.status, BalanceStatus::kNoNeutralPoint);
    EXPECT_DOUBLE_EQ(weighed.x_cg_mm, 155.0);
    EXPECT_FALSE(weighed.move);
    EXPECT_EQ(ComputeBalance({}, &results, question).status, BalanceStatus::kNoParts);
    EXPECT_EQ(ComputeBalance({{"a", DBL_MAX, 10}, {"b", DBL_MAX, 10}}, &results, question).status,
              BalanceStatus::kBeyondRange);
}

}  // namespace
}  // namespace kalvesta
