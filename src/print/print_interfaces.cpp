// Capabilities lookups with their out-of-range rule.
#include "print/print_interfaces.h"

namespace kalvesta {

int TCapabilities::ResolutionX(int i) const {
    return i >= 0 && i < ResolutionCount() ? resolutions[static_cast<size_t>(i)].dpi_x : 0;
}

int TCapabilities::ResolutionY(int i) const {
    return i >= 0 && i < ResolutionCount() ? resolutions[static_cast<size_t>(i)].dpi_y : 0;
}

}  // namespace kalvesta
