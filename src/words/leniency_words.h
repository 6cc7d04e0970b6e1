// What the lenient reading of a ".da4" file filled in or kept, in words of a
// catalogue, for a note the user reads after opening it.
#pragma once

#include <string>

#include "files/da4_file.h"
#include "model/aircraft_inputs.h"
#include "texts/catalogue.h"

namespace kalvesta {

// The note for `leniency` of the file `name`, with the counts the design kept
// (`opened`, the design as the file opened): "Opened \"short.da4\" with gaps
// filled: lines from 21 on were missing and read as 0; …". Empty when nothing was
// filled in or kept.
std::string LeniencyNote(const Catalogue& texts, const Da4Leniency& leniency,
                         const std::string& name, const AircraftInputs& opened);

}  // namespace kalvesta
