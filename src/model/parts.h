// The parts of a model that make up its weight: each part's name, mass and the x of
// its own centre of gravity, and the rules a row of them must follow wherever it is
// typed or read.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "texts/catalogue.h"

namespace kalvesta {

// x is on the aircraft's axis: from x = 0 of the top view (where the wings'
// positions x are measured from), positive towards the tail.
struct Part {
    std::string name;
    double mass_g = 0.0;
    double x_mm = 0.0;
    friend bool operator==(const Part&, const Part&) = default;
};

// What is wrong with a row; kNone for a good one.
enum class PartRowProblem {
    kNone,
    kEmptyName,        // the name is empty or blanks only
    kMassNotANumber,   // mass_g is no number
    kMassNotPositive,  // mass_g is 0 or negative
    kXNotANumber,      // x_mm is no number
};

struct PartRow {
    PartRowProblem problem = PartRowProblem::kNone;
    Part part;  // complete when problem is kNone
};

// One row from its three texts. Blanks around each text are dropped. A number is
// an optional sign, digits with an optional fraction and an optional exponent,
// finite and within the double range, nothing else; with `decimal_comma` a ","
// may stand for the ".".
PartRow ReadPartRow(std::string_view name, std::string_view mass_g, std::string_view x_mm,
                    bool decimal_comma);

// What a description calls the mass and the x: the file's columns unless the
// caller names them as it shows them.
struct PartFieldNames {
    std::string_view mass = "mass_g";
    std::string_view x = "x_mm";
};

// The problem, naming the field and the text at fault: `mass_g "-3" is not more
// than 0`. Only for a row with a problem.
Message DescribePartRowProblem(PartRowProblem problem, std::string_view mass_g,
                               std::string_view x_mm, PartFieldNames names = {});

// A number by the row rule above, or nothing.
std::optional<double> ReadPartNumber(std::string_view text, bool decimal_comma);

// The text without the blanks (spaces, tabs) at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace kalvesta
