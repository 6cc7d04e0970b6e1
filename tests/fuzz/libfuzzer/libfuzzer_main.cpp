// The libFuzzer entry of one fuzz program: KALVESTA_FUZZ_TARGET names the entry
// function. A broken property is a finding: it is printed and the run aborts.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "fuzz_entries.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::string fault = kalvesta::fuzz::KALVESTA_FUZZ_TARGET(input);
    if (!fault.empty()) {
        std::fprintf(stderr, "property broken: %s\n", fault.c_str());
        std::abort();
    }
    return 0;
}
