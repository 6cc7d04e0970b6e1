// UTF-8 well-formedness, for text that comes from files and leaves in JSON.
#pragma once

#include <cstddef>
#include <string_view>

namespace kalvesta {

// Length of the well-formed UTF-8 sequence at the start of `text` (1 to 4), or 0
// for a malformed, overlong, surrogate or out-of-range sequence.
size_t Utf8SequenceLength(std::string_view text);

// Whether the whole of `text` is well-formed UTF-8.
bool IsUtf8(std::string_view text);

}  // namespace kalvesta
