// The aircraft as an input file of a full vortex-lattice program (AVL): the right
// halves of the surfaces, symmetric about y = 0, with a section at every strip
// edge of the calculation's own lattice, so that the program solves exactly the
// strips and chordwise panels this one solved.
#pragma once

#include <string>
#include <string_view>

#include "analysis/lattice.h"
#include "analysis/results.h"
#include "files/da4_file.h"
#include "model/aircraft.h"

namespace kalvesta {

// The file text (lines ended by "\n", lengths in mm) for the aircraft, lattice and
// results of a completed calculation. `source_file` names the aircraft file in the
// comment line and the title; empty for the start-up aircraft.
std::string FormatAvlFile(const Aircraft& aircraft, const Lattice& lattice, const Results& results,
                          std::string_view source_file);

// Writes FormatAvlFile's text to `path` by the program's one file writer (an earlier
// file is replaced only once the new text is complete); a failure names the file and
// the reason.
FileResult WriteAvlFile(const std::string& path, const Aircraft& aircraft, const Lattice& lattice,
                        const Results& results, std::string_view source_file);

}  // namespace kalvesta
