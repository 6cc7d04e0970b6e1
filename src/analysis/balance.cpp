// Mass, centre of gravity, margin, verdict and corrections of a parts list.
#include "analysis/balance.h"

#include <cmath>

#include "analysis/stability.h"

namespace kalvesta {
namespace {

// How far x_cg lies outside [front, aft], and on which side.
void Judge(Balance& balance, double x_np) {
    balance.off_by_mm = 0.0;
    balance.verdict = Verdict::kInside;
    if (balance.x_cg_mm < balance.front_x_mm - kInsideToleranceMm) {
        balance.verdict = Verdict::kNoseHeavy;
        balance.off_by_mm = balance.front_x_mm - balance.x_cg_mm;
    } else if (balance.x_cg_mm > balance.aft_x_mm + kInsideToleranceMm) {
        balance.verdict = Verdict::kTailHeavy;
        balance.off_by_mm = balance.x_cg_mm - balance.aft_x_mm;
    }
    if (balance.x_cg_mm > x_np) {
        balance.verdict = Verdict::kUnstable;
    }
}

// by = (x_target − x_cg) · M / m_part, to = x_part + by.
PartMove Move(const std::vector<Part>& parts, const std::string& name, const Balance& balance) {
    PartMove move;
    move.part = name;
    const PartLookup found = FindPart(parts, name);
    move.status = found.status;
    if (found.status != MoveStatus::kOk) {
        return move;
    }
    const Part& part = parts[found.index];
    move.from_x_mm = part.x_mm;
    if (!(part.mass_g > 0.0)) {
        move.status = MoveStatus::kNoMass;
        return move;
    }
    move.by_mm = (balance.target_x_cg_mm - balance.x_cg_mm) * balance.mass_g / part.mass_g;
    move.to_x_mm = part.x_mm + move.by_mm;
    return move;
}

// m = M · (x_target − x_cg) / (x_ballast − x_target).
Ballast BallastAt(double x_mm, const Balance& balance) {
    Ballast ballast;
    ballast.x_mm = x_mm;
    const double shift = balance.target_x_cg_mm - balance.x_cg_mm;
    if (shift == 0.0) {
        return ballast;
    }
    const double mass = balance.mass_g * shift / (x_mm - balance.target_x_cg_mm);
    if (x_mm == balance.target_x_cg_mm || !std::isfinite(mass)) {
        ballast.status = BallastStatus::kAtTarget;
    } else if (mass < 0.0) {
        ballast.status = BallastStatus::kWrongSide;
    } else {
        ballast.mass_g = mass;
    }
    return ballast;
}

}  // namespace

PartLookup FindPart(const std::vector<Part>& parts, std::string_view name) {
    PartLookup lookup;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (parts[i].name != name) {
            continue;
        }
        if (lookup.status == MoveStatus::kOk) {
            lookup.status = MoveStatus::kSharedName;
            return lookup;
        }
        lookup = {MoveStatus::kOk, i};
    }
    return lookup;
}

Balance ComputeBalance(const std::vector<Part>& parts, const Results* results,
                       const BalanceQuestion& question) {
    Balance balance;
    double mass = 0.0;
    double moment = 0.0;
    for (const Part& part : parts) {
        mass += part.mass_g;
        moment += part.mass_g * part.x_mm;
    }
    if (mass == 0.0) {
        return balance;
    }
    if (!std::isfinite(mass) || !std::isfinite(moment)) {
        balance.status = BalanceStatus::kBeyondRange;
        return balance;
    }
    balance.status = BalanceStatus::kNoNeutralPoint;
    balance.mass_g = mass;
    balance.x_cg_mm = moment / mass;
    if (results == nullptr) {
        return balance;
    }

    balance.status = BalanceStatus::kComplete;
    balance.static_margin_percent = StaticMarginPercent(*results, balance.x_cg_mm);
    const CentreOfGravityRange range = RecommendedRange(*results, question.manual_margin);
    balance.front_margin_percent = range.front_margin_percent;
    balance.aft_margin_percent = range.aft_margin_percent;
    balance.front_x_mm = range.front_x_mm;
    balance.aft_x_mm = range.aft_x_mm;
    Judge(balance, results->x_np);

    balance.target_margin_percent = question.target_margin_percent.value_or(
        (range.front_margin_percent + range.aft_margin_percent) / 2.0);
    balance.target_x_cg_mm = CentreOfGravityAtMargin(*results, balance.target_margin_percent);
    if (question.move_part) {
        balance.move = Move(parts, *question.move_part, balance);
    }
    if (question.ballast_x_mm) {
        balance.ballast = BallastAt(*question.ballast_x_mm, balance);
    }
    return balance;
}

}  // namespace kalvesta
