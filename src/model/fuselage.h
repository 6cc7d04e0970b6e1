// A fuselage seen from above: its outline as stations from nose to tail, each an x
// on the aircraft's axis and the fuselage's width there, its axis at Wing-1's
// height; and the rules an outline must follow wherever it is typed or read.
// An outline without stations means that no fuselage is described.
#pragma once

#include <string_view>
#include <vector>

namespace kalvesta {

// x is on the aircraft's axis like a part's: from x = 0 of the top view (where the
// wings' positions are measured from), positive towards the tail. Between two
// stations the width runs linearly.
struct FuselageStation {
    double x_mm = 0.0;
    double width_mm = 0.0;
    friend bool operator==(const FuselageStation&, const FuselageStation&) = default;
};

struct Fuselage {
    std::vector<FuselageStation> stations;  // nose to tail; empty: no fuselage

    bool Described() const { return !stations.empty(); }
    friend bool operator==(const Fuselage&, const Fuselage&) = default;
};

// An outline takes at most this many stations: some tens describe any fuselage,
// and the moment's strips, each of which sees every panel, grow with them.
inline constexpr int kMaxFuselageStations = 500;

// What is wrong with one station's row; kNone for a good one.
enum class StationRowProblem {
    kNone,
    kXNotANumber,      // x_mm is no number
    kWidthNotANumber,  // width_mm is no number
    kWidthNegative,    // width_mm is below 0
};

struct StationRow {
    StationRowProblem problem = StationRowProblem::kNone;
    FuselageStation station;  // complete when problem is kNone
};

// One station from its two texts, each a number by the parts rows' rule
// (ReadPartNumber: blanks around it dropped, with `decimal_comma` a "," for the ".").
StationRow ReadStationRow(std::string_view x_mm, std::string_view width_mm, bool decimal_comma);

// What is wrong with an outline as a whole; kNone for a usable one (or none at all).
enum class OutlineProblem {
    kNone,
    kOneStation,       // a single station has no length
    kTooManyStations,  // `station` is one more than kMaxFuselageStations
    kNotNoseToTail,    // `station` lies no further aft than the one before it
    kNegativeWidth,    // `station` has a width below 0 (or one that is no number)
    kNoWidth,          // every width is 0
    kWiderThanLong,    // the greatest width exceeds the length: no slender body
};

struct OutlineCheck {
    OutlineProblem problem = OutlineProblem::kNone;
    int station = 0;  // 1-based, for the problems of one station
};

// The outline's problem, the first station at fault first; an empty outline is
// usable (no fuselage).
OutlineCheck CheckOutline(const Fuselage& fuselage);

// What `next` breaks as the station after those of `so_far`: kTooManyStations,
// kNegativeWidth or kNotNoseToTail; kNone when it may follow them. (The rules on
// the whole outline are CheckOutline's.)
OutlineProblem CheckNextStation(const Fuselage& so_far, const FuselageStation& next);

// The figures of a usable outline: length = last x − first x, the greatest width,
// fineness = length / greatest width (at least 1).
struct FuselageSize {
    double length_mm = 0.0;
    double max_width_mm = 0.0;
    double fineness = 0.0;
};
FuselageSize SizeOf(const Fuselage& fuselage);

// The width at x by the straight lines between the stations; 0 outside the outline.
double WidthAt(const Fuselage& fuselage, double x_mm);

}  // namespace kalvesta
