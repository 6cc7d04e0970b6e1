// Packs of two, four or eight doubles for the analysis' vectorised loops. Every
// operation on a pack is the IEEE operation on each element, exactly as in
// scalar code (no fused multiply-add: -ffp-contract=off), so a lane's result has
// the same bits as the scalar computation. Functions that use Pack4 or Pack8 are
// compiled for AVX2 or AVX-512 with a target attribute and chosen at run time;
// in WebAssembly (-msimd128) Pack2 is its 128-bit vector.
#pragma once

#include <cmath>
#include <cstddef>
#include <cstring>

#if defined(__x86_64__)
#include <immintrin.h>
#endif
#if defined(__wasm_simd128__)
#include <wasm_simd128.h>
#endif

namespace kalvesta {

using Pack2 = double __attribute__((vector_size(16)));
using Pack4 = double __attribute__((vector_size(32)));
using Pack8 = double __attribute__((vector_size(64)));

// Unaligned loads and stores of a pack (passed by reference: no vector crosses
// a function boundary, where the calling convention would depend on the target).
template <class Pack>
__attribute__((always_inline)) inline void Load(Pack& pack, const double* from) {
    std::memcpy(&pack, from, sizeof(Pack));
}

template <class Pack>
__attribute__((always_inline)) inline void Store(double* to, const Pack& pack) {
    std::memcpy(to, &pack, sizeof(Pack));
}

// The first `count` doubles of a pack (count below the pack's size): loaded with
// zeros after them, stored without touching the memory after them. Nothing past
// `count` is read or written, so a row's last columns need no scalar loop.
template <class Pack>
__attribute__((always_inline)) inline void LoadFirst(Pack& pack, const double* from, size_t count) {
    pack = Pack{};
    std::memcpy(&pack, from, count * sizeof(double));
}

template <class Pack>
__attribute__((always_inline)) inline void StoreFirst(double* to, const Pack& pack, size_t count) {
    std::memcpy(to, &pack, count * sizeof(double));
}

#if defined(__x86_64__)
// Lane masks of the first `count` lanes.
__attribute__((target("avx2"))) inline __m256i FirstLanes4(size_t count) {
    const __m256i lanes = _mm256_setr_epi64x(0, 1, 2, 3);
    return _mm256_cmpgt_epi64(_mm256_set1_epi64x(static_cast<long long>(count)), lanes);
}
inline __mmask8 FirstLanes8(size_t count) {
    return static_cast<__mmask8>((1u << count) - 1u);
}
__attribute__((target("avx2"))) inline void LoadFirst(Pack4& pack, const double* from,
                                                      size_t count) {
    pack = reinterpret_cast<Pack4>(_mm256_maskload_pd(from, FirstLanes4(count)));
}
__attribute__((target("avx2"))) inline void StoreFirst(double* to, const Pack4& pack,
                                                       size_t count) {
    _mm256_maskstore_pd(to, FirstLanes4(count), reinterpret_cast<__m256d>(pack));
}
__attribute__((target("avx512f"))) inline void LoadFirst(Pack8& pack, const double* from,
                                                         size_t count) {
    pack = reinterpret_cast<Pack8>(_mm512_maskz_loadu_pd(FirstLanes8(count), from));
}
__attribute__((target("avx512f"))) inline void StoreFirst(double* to, const Pack8& pack,
                                                          size_t count) {
    _mm512_mask_storeu_pd(to, FirstLanes8(count), reinterpret_cast<__m512d>(pack));
}
#endif

// Correctly rounded square roots: of a double, and of each element of a pack
// (results through a reference as well: see Load).
inline void SquareRoot(const double& value, double& root) {
    root = std::sqrt(value);
}

#if defined(__x86_64__)
// The intrinsic's source register is left undefined on purpose; gcc takes that
// for a read of an uninitialised value.
#if !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
__attribute__((always_inline)) inline void SquareRoot(const Pack2& pack, Pack2& root) {
    root = reinterpret_cast<Pack2>(_mm_sqrt_pd(reinterpret_cast<__m128d>(pack)));
}
__attribute__((target("avx2"))) inline void SquareRoot(const Pack4& pack, Pack4& root) {
    root = reinterpret_cast<Pack4>(_mm256_sqrt_pd(reinterpret_cast<__m256d>(pack)));
}
__attribute__((target("avx512f"))) inline void SquareRoot(const Pack8& pack, Pack8& root) {
    root = reinterpret_cast<Pack8>(_mm512_sqrt_pd(reinterpret_cast<__m512d>(pack)));
}
#if !defined(__clang__)
#pragma GCC diagnostic pop
#endif
#endif

#if defined(__wasm_simd128__)
__attribute__((always_inline)) inline void SquareRoot(const Pack2& pack, Pack2& root) {
    root = reinterpret_cast<Pack2>(wasm_f64x2_sqrt(reinterpret_cast<v128_t>(pack)));
}
#endif

}  // namespace kalvesta
