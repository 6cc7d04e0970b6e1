// Writing the lattice of a calculation as an AVL geometry file.
#include "files/avl_export.h"

#include <array>

#include "files/file_writer.h"
#include "model/decimal_text.h"
#include "model/number_format.h"

namespace kalvesta {
namespace {

// Surface names by role at the start-up positions: main wing, tailplane, canard.
constexpr std::array<std::string_view, kMaxWings + 1> kSurfaceNames = {"", "Wing", "Tail",
                                                                       "Canard"};

// Ten decimals, sign kept: 0.1 µm, far below what moves a neutral point.
std::string TenDecimals(double value) {
    return DecimalFixed(value, 10);
}

// Three decimals without trailing zeros ("297000", "271.975"): reference values,
// which scale coefficients but do not move the neutral point.
std::string Reference(double value) {
    std::string text = FormatFixed(value, 3);
    while (text.back() == '0') {
        text.pop_back();
    }
    if (text.back() == '.') {
        text.pop_back();
    }
    return text;
}

// The span of the reference surface: the one whose area and chord WIRBEL_ERG took.
double ReferenceSpan(const Aircraft& aircraft, const Results& results) {
    for (size_t w = 1; w <= static_cast<size_t>(aircraft.calc_wing_count); ++w) {
        if (results.wing_s[w] == results.ref_area && results.wing_lm[w] == results.ref_length) {
            return results.wing_b[w];
        }
    }
    return results.wing_b[1];
}

// "Xle Yle Zle Chord Ainc", followed by one uniform strip to the next section
// unless it is the tip.
std::string Section(double x_le, double x_te, double y, const std::string& z, bool tip) {
    return "SECTION\n" + TenDecimals(x_le) + " " + TenDecimals(y) + " " + z + " " +
           TenDecimals(x_te - x_le) + " 0.0" + (tip ? "\n" : " 1 0.0\n");
}

std::string Surface(const Lattice& lattice, size_t w) {
    const auto n_c = static_cast<size_t>(lattice.chord_count[w]);
    const auto strips = static_cast<size_t>(lattice.span_count[w]);
    const std::string z = FormatShortest(lattice.surface_z[w]);
    std::string text =
        "SURFACE\n" + std::string(kSurfaceNames[w]) + "\n" + std::to_string(n_c) + " 0.0\n";
    // Edge 1 of every strip, then edge 2 of the tip strip.
    for (size_t k = 1; k <= strips; ++k) {
        text += Section(lattice.grid_x1[1][k][w], lattice.grid_x1[n_c + 1][k][w],
                        lattice.vortex_y1[k][w], z, false);
    }
    text += Section(lattice.grid_x2[1][strips][w], lattice.grid_x2[n_c + 1][strips][w],
                    lattice.vortex_y2[strips][w], z, true);
    return text;
}

}  // namespace

std::string FormatAvlFile(const Aircraft& aircraft, const Lattice& lattice, const Results& results,
                          std::string_view source_file) {
    const std::string source =
        source_file.empty() ? std::string("the start-up aircraft") : std::string(source_file);
    const std::string title =
        source_file.empty() ? std::string("Start-up aircraft") : std::string(source_file);
    std::string text = "# Written by Kalvesta4 from " + source + "\n";
    text += title + ", on the program's own lattice (mm)\n";
    text += "0.0\n";      // Mach
    text += "1 0 0.0\n";  // symmetric about y = 0: right halves only
    text += Reference(results.ref_area) + " " + Reference(results.ref_length) + " " +
            Reference(ReferenceSpan(aircraft, results)) + "\n";
    text += "0.0 0.0 0.0\n";  // moment reference point
    for (size_t w = 1; w <= static_cast<size_t>(aircraft.calc_wing_count); ++w) {
        if (lattice.span_count[w] > 0) {
            text += Surface(lattice, w);
        }
    }
    return text;
}

FileResult WriteAvlFile(const std::string& path, const Aircraft& aircraft, const Lattice& lattice,
                        const Results& results, std::string_view source_file) {
    return WriteFileContents(path, FormatAvlFile(aircraft, lattice, results, source_file));
}

}  // namespace kalvesta
