// The AVL export read back: sections at every strip edge, counts, heights and
// reference values, and the start-up aircraft as the reference file has it.
#include "files/avl_export.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "../analysis/test_aircraft.h"
#include "support/pipeline_run.h"
#include "support/temp_folder.h"

namespace kalvesta {
namespace {

// What an AVL reader takes from the file: data lines only, numbers as numbers.
struct AvlSurface {
    std::string name;
    int chord_count = 0;
    std::vector<std::vector<double>> sections;  // Xle Yle Zle Chord Ainc [Nspan Sspace]
};

struct AvlFile {
    std::string title;
    std::vector<std::vector<double>> header;  // Mach; symmetry; Sref Cref Bref; Xref..
    std::vector<AvlSurface> surfaces;
};

std::vector<double> Numbers(const std::string& line) {
    std::istringstream in(line);
    std::vector<double> numbers;
    for (double value = 0.0; in >> value;) {
        numbers.push_back(value);
    }
    return numbers;
}

AvlFile ReadAvl(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line[0] != '#' && line[0] != '!') {
            lines.push_back(line);
        }
    }
    AvlFile file;
    size_t i = 0;
    file.title = lines.at(i++);
    for (int h = 0; h < 4; ++h) {
        file.header.push_back(Numbers(lines.at(i++)));
    }
    while (i < lines.size()) {
        EXPECT_EQ(lines[i++], "SURFACE");
        AvlSurface surface;
        surface.name = lines.at(i++);
        surface.chord_count = static_cast<int>(Numbers(lines.at(i++)).at(0));
        while (i < lines.size() && lines[i] == "SECTION") {
            surface.sections.push_back(Numbers(lines.at(i + 1)));
            i += 2;
        }
        file.surfaces.push_back(surface);
    }
    return file;
}

struct Exported : testing_support::PipelineRun {
    Aircraft aircraft;
    std::string text;

    explicit Exported(Aircraft prepared, std::string_view source = "")
        : aircraft(std::move(prepared)) {
        EXPECT_EQ(Calculate(aircraft), PipelineOutcome::kCompleted);
        text = FormatAvlFile(aircraft, data->lattice, results(), source);
    }
};

TEST(FormatAvlFile, StartUpAircraftAsTheReferenceFileHasIt) {
    const Exported exported(testing_support::DefaultAircraft(2));
    const std::string reference_path =
        std::string(KALVESTA_SOURCE_DIR) + "/tests/files/data/start-up-aircraft.avl";
    const std::string reference_text = FileContents(reference_path);
    ASSERT_FALSE(reference_text.empty()) << reference_path;
    const AvlFile reference = ReadAvl(reference_text);
    const AvlFile file = ReadAvl(exported.text);

    EXPECT_EQ(exported.text.rfind("# Written by Kalvesta4 from the start-up aircraft\n", 0), 0u);
    EXPECT_EQ(file.title, reference.title);
    EXPECT_EQ(file.header, reference.header);
    ASSERT_EQ(file.surfaces.size(), 2u);
    for (size_t s = 0; s < 2; ++s) {
        EXPECT_EQ(file.surfaces[s].name, reference.surfaces[s].name);
        EXPECT_EQ(file.surfaces[s].chord_count, reference.surfaces[s].chord_count);
        // Ten decimals either way; the reference writes its root y as −0.
        EXPECT_EQ(file.surfaces[s].sections, reference.surfaces[s].sections) << "surface " << s;
    }
}

TEST(FormatAvlFile, SectionsAtEveryStripEdgeOfEveryTrapezoid) {
    // Three surfaces, the first of two trapezoids, the third at the first's
    // height (so the lattice lifts it by 0.666 mm); named by the source file.
    testing_support::TestWing wing = testing_support::Trapezoid(300, 250, 200, 20);
    wing.trapezoids = 2;
    wing.inputs.span[1] = 300;
    wing.inputs.chord[1] = 120;
    wing.inputs.le_x[1] = 100;
    testing_support::TestWing tail = testing_support::Rectangle(150, 80);
    tail.x_mm = 700;
    tail.z_mm = 40;
    testing_support::TestWing canard = testing_support::Rectangle(120, 60);
    canard.x_mm = -250;
    const Exported exported(testing_support::PreparedAircraft({wing, tail, canard}), "c.da4");
    const Lattice& lattice = exported.data->lattice;
    const Results& results = exported.data->results;
    const AvlFile file = ReadAvl(exported.text);

    EXPECT_EQ(file.title, "c.da4, on the program's own lattice (mm)");
    ASSERT_EQ(file.header.at(2).size(), 3u);
    EXPECT_NEAR(file.header[2][0], results.ref_area, 5e-4);
    EXPECT_NEAR(file.header[2][1], results.ref_length, 5e-4);
    EXPECT_EQ(file.header[2][2], 1200.0);  // the reference wing's span
    ASSERT_EQ(file.surfaces.size(), 3u);
    const double heights[] = {0.0, 40.0, 0.666};
    for (size_t s = 0; s < 3; ++s) {
        const size_t w = s + 1;
        const AvlSurface& surface = file.surfaces[s];
        const auto strips = static_cast<size_t>(lattice.span_count[w]);
        EXPECT_EQ(surface.chord_count, lattice.chord_count[w]);
        ASSERT_EQ(surface.sections.size(), strips + 1) << "surface " << w;
        for (size_t k = 1; k <= strips + 1; ++k) {
            const std::vector<double>& section = surface.sections[k - 1];
            const bool tip = k == strips + 1;
            // One uniform strip to the next section, none after the tip.
            EXPECT_EQ(section.size(), tip ? 5u : 7u);
            const double y = tip ? lattice.vortex_y2[strips][w] : lattice.vortex_y1[k][w];
            const double x_le = tip ? lattice.grid_x2[1][strips][w] : lattice.grid_x1[1][k][w];
            EXPECT_NEAR(section[0], x_le, 1e-10);
            EXPECT_NEAR(section[1], y, 1e-10);
            EXPECT_EQ(section[2], heights[s]);
        }
    }
    // The kink of wing 1 at y = 300 mm is a section, with its chord of 200 mm.
    const auto kink = static_cast<size_t>(lattice.trap_span_count[1][1]);
    EXPECT_NEAR(file.surfaces[0].sections[kink][1], 300.0, 1e-10);
    EXPECT_NEAR(file.surfaces[0].sections[kink][3], 200.0, 1e-10);
}

}  // namespace
}  // namespace kalvesta
