// The balance of a model from its parts: total mass, centre of gravity, its static
// margin and a verdict against the recommended range; and, for a target margin,
// where one part must go or how much ballast a chosen place needs.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/results.h"
#include "model/parts.h"

namespace kalvesta {

// A centre of gravity this close to the recommended range (mm) counts as inside:
// no ruler or balance stand resolves less, and a target reached by the corrections
// lands within rounding of it.
inline constexpr double kInsideToleranceMm = 0.05;

struct BalanceQuestion {
    bool manual_margin = false;                   // the range is the manual margin alone
    std::optional<double> target_margin_percent;  // default: the middle of the range
    std::optional<std::string> move_part;         // the part to move to the target
    std::optional<double> ballast_x_mm;           // where ballast would go
};

enum class BalanceStatus {
    kNoParts,         // nothing to weigh: the total mass is 0
    kBeyondRange,     // the sums leave the double range
    kNoNeutralPoint,  // mass and centre of gravity only: no results to weigh them against
    kComplete,
};

enum class Verdict { kInside, kNoseHeavy, kTailHeavy, kUnstable };

enum class MoveStatus {
    kOk,
    kUnknownPart,  // no part has that name
    kSharedName,   // more than one part has it
    kNoMass,       // the part weighs nothing, so moving it changes nothing
};

struct PartMove {
    MoveStatus status = MoveStatus::kUnknownPart;
    std::string part;
    double from_x_mm = 0.0;
    double to_x_mm = 0.0;
    double by_mm = 0.0;
};

enum class BallastStatus {
    kOk,
    kAtTarget,   // at the target itself ballast cannot move the centre of gravity
    kWrongSide,  // it would move the centre of gravity away from the target
};

struct Ballast {
    BallastStatus status = BallastStatus::kOk;
    double x_mm = 0.0;
    double mass_g = 0.0;  // 0 when refused
};

struct Balance {
    BalanceStatus status = BalanceStatus::kNoParts;
    double mass_g = 0.0;   // from kNoNeutralPoint on
    double x_cg_mm = 0.0;  // from kNoNeutralPoint on
    // The rest with kComplete only.
    double static_margin_percent = 0.0;
    // The recommended range: the automatic margins or the manual one (front has the
    // larger margin, so the smaller x).
    double front_margin_percent = 0.0;
    double aft_margin_percent = 0.0;
    double front_x_mm = 0.0;
    double aft_x_mm = 0.0;
    Verdict verdict = Verdict::kInside;
    double off_by_mm = 0.0;  // how far outside the range; 0 inside
    double target_margin_percent = 0.0;
    double target_x_cg_mm = 0.0;
    std::optional<PartMove> move;    // when asked
    std::optional<Ballast> ballast;  // when asked
};

struct PartLookup {
    MoveStatus status = MoveStatus::kUnknownPart;  // kOk, kUnknownPart or kSharedName
    size_t index = 0;                              // of the part, with kOk
};

// The one part called `name`.
PartLookup FindPart(const std::vector<Part>& parts, std::string_view name);

// The balance of `parts` against `results` (nullptr: no calculation has given a
// neutral point), in row order:
//   M = Σ m,  x_cg = Σ (m · x) / M,  static margin = (x_np − x_cg) / ref_length × 100;
//   verdict: unstable when x_cg lies behind x_np, else nose- or tail-heavy by the
//   distance to the range's nearer end, else inside;
//   x_target = x_np − ref_length × target × 0.01;
//   move:    by = (x_target − x_cg) · M / m_part,  to = x_part + by;
//   ballast: m = M · (x_target − x_cg) / (x_ballast − x_target), refused when the
//   ballast lies at the target or on the side that moves x_cg away from it.
Balance ComputeBalance(const std::vector<Part>& parts, const Results* results,
                       const BalanceQuestion& question);

}  // namespace kalvesta
