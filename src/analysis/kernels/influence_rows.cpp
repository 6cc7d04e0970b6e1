// The influence matrix's rows, a pack of horseshoes at a time and the rest one
// by one; every element comes from the one horseshoe formula in horseshoe.h.
#include "analysis/kernels/influence_rows.h"

#include "analysis/kernels/double_packs.h"
#include "analysis/kernels/horseshoe.h"

namespace kalvesta {
namespace {

// Horseshoe j, and its mirror image, seen from the control point (px, py, pz):
// r_x and r_z are shared, r_y = P_y − E_y directly and P_y + E_y in the image.
template <class Number>
__attribute__((always_inline)) inline void Element(const double& px, const double& py,
                                                   const double& pz, const Number& x1,
                                                   const Number& x2, const Number& y1,
                                                   const Number& y2, const Number& z,
                                                   Number& element) {
    const Number dx1 = px - x1;
    const Number dx2 = px - x2;
    const Number dz = pz - z;
    Number direct;
    Number image;
    horseshoe::Downwash<Number>(dx1, py - y1, dz, dx2, py - y2, dz, direct);
    horseshoe::Downwash<Number>(dx2, py + y2, dz, dx1, py + y1, dz, image);
    element = direct + image;
}

template <class Pack>
__attribute__((always_inline)) inline void FillRowWith(const PanelPoints& points, size_t n,
                                                       size_t i, double* row) {
    constexpr size_t kLanes = sizeof(Pack) / sizeof(double);
    const double px = points.control_x[i];
    const double py = points.control_y[i];
    const double pz = points.z[i];
    size_t j = 0;
    for (; j + kLanes <= n; j += kLanes) {
        Pack x1, x2, y1, y2, z, element;
        Load(x1, &points.vortex_x1[j]);
        Load(x2, &points.vortex_x2[j]);
        Load(y1, &points.vortex_y1[j]);
        Load(y2, &points.vortex_y2[j]);
        Load(z, &points.z[j]);
        Element<Pack>(px, py, pz, x1, x2, y1, y2, z, element);
        Store(row + j, element);
    }
    for (; j < n; ++j) {
        Element<double>(px, py, pz, points.vortex_x1[j], points.vortex_x2[j], points.vortex_y1[j],
                        points.vortex_y2[j], points.z[j], row[j]);
    }
}

#if defined(__x86_64__)
void FillRowBaseline(const PanelPoints& points, size_t n, size_t i, double* row) {
    FillRowWith<Pack2>(points, n, i, row);
}
__attribute__((target("avx2"))) void FillRowAvx2(const PanelPoints& points, size_t n, size_t i,
                                                 double* row) {
    FillRowWith<Pack4>(points, n, i, row);
}
__attribute__((target("avx512f"))) void FillRowAvx512(const PanelPoints& points, size_t n, size_t i,
                                                      double* row) {
    FillRowWith<Pack8>(points, n, i, row);
}
#elif defined(__wasm_simd128__)
void FillRowBaseline(const PanelPoints& points, size_t n, size_t i, double* row) {
    FillRowWith<Pack2>(points, n, i, row);
}
#else
void FillRowBaseline(const PanelPoints& points, size_t n, size_t i, double* row) {
    FillRowWith<double>(points, n, i, row);
}
#endif

}  // namespace

FillInfluenceRow SelectInfluenceRowFiller(VectorWidth width) {
#if defined(__x86_64__)
    if (width == VectorWidth::kWidest && __builtin_cpu_supports("avx512f")) {
        return FillRowAvx512;
    }
    if (width != VectorWidth::kBaseline && __builtin_cpu_supports("avx2")) {
        return FillRowAvx2;
    }
#endif
    (void)width;
    return FillRowBaseline;
}

}  // namespace kalvesta
