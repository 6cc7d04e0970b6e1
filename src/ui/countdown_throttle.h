// Which counts of the solve's countdown reach the screen. Repainting the label
// after every elimination step would cost more than the steps themselves on a
// large lattice, so a count is shown only when enough time has passed since the
// last one shown; the first count and the final 0 are always shown, so the
// label starts at once and ends at "0".
#pragma once

#include <chrono>

namespace kalvesta {

class CountdownThrottle {
public:
    using Clock = std::chrono::steady_clock;
    // At most 125 counts a second, faster than a screen refreshes: a fluent
    // countdown for a fraction of a millisecond of repaints per solve.
    static constexpr Clock::duration kInterval = std::chrono::milliseconds(8);

    // True when `remaining` is to be shown now (and then counts as shown).
    bool Due(int remaining, Clock::time_point now) {
        if (shown_any_ && remaining != 0 && now - last_shown_ < kInterval) {
            return false;
        }
        shown_any_ = true;
        last_shown_ = now;
        return true;
    }

private:
    bool shown_any_ = false;
    Clock::time_point last_shown_{};
};

}  // namespace kalvesta
