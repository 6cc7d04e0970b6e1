// The recommended range measured from Wing-1's root leading edge.
#include "analysis/balance_answer.h"

namespace kalvesta {

BalanceAnswer PlainBalanceAnswer(const Aircraft& aircraft, const Results& results,
                                 bool manual_margin) {
    BalanceAnswer answer;
    answer.range = RecommendedRange(results, manual_margin);
    answer.datum_x_mm = aircraft.wing_x_mm[1];
    answer.front_behind_mm = answer.range.front_x_mm - answer.datum_x_mm;
    answer.aft_behind_mm = answer.range.aft_x_mm - answer.datum_x_mm;
    return answer;
}

}  // namespace kalvesta
