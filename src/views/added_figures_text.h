// The figures a calculation adds beside its documented ones, in sentences of a
// catalogue, for the window's results and the summary page: with a fuselage, the
// neutral point as calculated, carried through the fuselage and with the
// fuselage's own moment (each shift in mm and in % of the mean chord) and the
// recommended centre of gravity taken from the last; without one, what the gaps at
// the centre line cost; and the caution where the answer depends on the lattice.
#pragma once

#include <string>
#include <vector>

#include "analysis/added_figures.h"
#include "model/aircraft.h"
#include "model/fuselage.h"
#include "texts/catalogue.h"

namespace kalvesta {

// The sentences for a calculation with results on `aircraft` whose figures are
// `calculated`, the added figures `added` for `fuselage`, the recommendation in the
// margin mode chosen; nothing when there is nothing to add. Lengths in mm.
std::vector<std::string> AddedFigureSentences(const Aircraft& aircraft, const Results& calculated,
                                              const AddedFigures& added, const Fuselage& fuselage,
                                              bool manual_margin, const Catalogue& texts);

// `text` broken at blanks into lines of at most `columns` characters (UTF-8 code
// points); a word longer than a line stands alone on its line.
std::vector<std::string> WrapText(const std::string& text, int columns);

}  // namespace kalvesta
