// Which registers the vectorised loops of the analysis use: the widest the
// processor offers (AVX-512, else AVX2), AVX2 at most, or the baseline every
// x86-64 (and any other processor) has. All give the same bits; tests run all.
#pragma once

namespace kalvesta {

enum class VectorWidth { kWidest, kAvx2, kBaseline };

}  // namespace kalvesta
