// What the command line tells a builder: where to balance in a sentence, in inches
// and ounces when asked (JSON stays in mm and g), the lift along the span and the
// tail volumes, and the balance template, whose check bar is measured on the PDF
// rendered by pdftoppm.
#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace {

using namespace kalvesta::cli_testing;

TEST_F(Cli, PlainAnswerInMillimetresOrInchesAndJsonInMillimetres) {
    const std::string parts = PathOf("parts.csv");
    std::ofstream(parts) << "part,mass_g,x_mm\nmotor,110,-60\nairframe,698,93.5\n";
    const Outcome mm = Run({"--parts", parts});
    ASSERT_EQ(mm.exit_status, 0) << mm.err;
    // x_cg 49.79 and 71.55 mm behind Wing-1's root leading edge at x = 0.
    for (const char* line :
         {"Balance the model 50 to 72 mm behind the leading edge of Wing-1's root (static "
          "margin 16 to 8 %).\n",
          "  tail volume V             0.148 (small: model aircraft typically have 0.35 to 0.70)\n",
          "  Highest local lift at 29 % of the half-span (y = 158 mm): this wing stalls from the "
          "root first.\n",
          "The 2 parts weigh 808.0 g"}) {
        EXPECT_NE(mm.out.find(line), std::string::npos) << line << "\n" << mm.out;
    }
    const Outcome inches = Run({"--parts", parts, "--units", "in", "--mass-units=oz"});
    ASSERT_EQ(inches.exit_status, 0) << inches.err;
    // 49.79 / 25.4 = 1.960, 71.55 / 25.4 = 2.817; 808 g / 28.3495 = 28.50 oz.
    for (const char* line :
         {"Balance the model 1.96 to 2.82 in behind", "  span b                    43.307 in\n",
          "  area s                    460.35 in^2\n", "  x_cg (16%)                1.960 in\n",
          "The 2 parts weigh 28.50 oz"}) {
        EXPECT_NE(inches.out.find(line), std::string::npos) << line << "\n" << inches.out;
    }
    // A manual margin is one position.
    EXPECT_NE(Run({"--margin", "12"})
                  .out.find("Balance the model 61 mm behind the leading edge "
                            "of Wing-1's root (static margin 12.0 %)."),
              std::string::npos);

    const Outcome json = Run({"--json"});
    const Outcome json_inches = Run({"--json", "--units", "in", "--mass-units", "oz"});
    EXPECT_EQ(json_inches.out, json.out);
    EXPECT_EQ(TextAt(json.out, "units"), R"({"length":"mm","area":"mm^2","mass":"g"})");
}

TEST_F(Cli, JsonCarriesTheStripsAndTheTailVolume) {
    const Outcome run = Run({"--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const auto document = nlohmann::json::parse(run.out);
    const auto& wing1 = document["wings"][0];
    const auto& wing2 = document["wings"][1];
    EXPECT_TRUE(wing1["volume_coefficient"].is_null());
    // V = S_t (x_ac,t − x_ac,1) / (S_1 lm_1), from the figures beside it.
    EXPECT_DOUBLE_EQ(wing2["volume_coefficient"].get<double>(),
                     wing2["s"].get<double>() *
                         (wing2["x_ac"].get<double>() - wing1["x_ac"].get<double>()) /
                         (wing1["s"].get<double>() * wing1["lm"].get<double>()));
    for (const auto& wing : {wing1, wing2}) {
        const auto& strips = wing["strips"];
        ASSERT_EQ(strips.size(), wing["span_count"].get<size_t>());
        // One half, root to tip, each strip's middle inside it.
        double edge = 0.0;
        for (const auto& strip : strips) {
            EXPECT_NEAR(strip["y_mm"].get<double>(), edge + strip["dy_mm"].get<double>() / 2, 1e-9);
            edge += strip["dy_mm"].get<double>();
            EXPECT_GT(strip["chord_mm"].get<double>(), 0.0);
            EXPECT_GT(strip["cl_per_CL"].get<double>(), 0.0);
        }
        EXPECT_NEAR(edge, wing["b"].get<double>() / 2, 1e-9);
    }
}

// The longest run of dark pixels of the thickest dark bar of a PGM picture (P5,
// 8 bits): the check bar, 2 mm tall, where every other long line is thin.
size_t CheckBarLength(const std::string& pgm) {
    size_t width = 0;
    size_t height = 0;
    int depth = 0;
    int header = 0;
    if (std::sscanf(pgm.c_str(), "P5 %zu %zu %d%n", &width, &height, &depth, &header) != 3 ||
        depth != 255) {
        return 0;
    }
    const std::string_view pixels = std::string_view(pgm).substr(static_cast<size_t>(header) + 1);
    if (pixels.size() < width * height) {
        return 0;
    }
    size_t best = 0;
    size_t rows_in_bar = 0;
    for (size_t y = 0; y < height; ++y) {
        size_t run = 0;
        size_t longest = 0;
        for (size_t x = 0; x < width; ++x) {
            run = static_cast<unsigned char>(pixels[y * width + x]) < 128 ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        // Rows of one bar hold runs within a pixel of each other.
        rows_in_bar = longest > width / 4 && longest + 1 >= best && longest <= best + 1
                          ? rows_in_bar + 1
                          : (longest > width / 4 ? 1 : 0);
        if (longest > width / 4 && rows_in_bar == 1) {
            best = longest;
        }
        if (rows_in_bar >= 10) {
            return best;
        }
    }
    return 0;
}

TEST_F(Cli, BalanceTemplateIsTrueToSizeAndRunsOnOverSheets) {
    const std::string pdf = PathOf("template.pdf");
    const Outcome run = Run({"--template", pdf, "--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    // 254 dots per inch: 10 per mm. The start-up wing's root chord of 310 mm with
    // its room ahead and behind takes two A4 sheets.
    const std::string prefix = PathOf("sheet");
    ASSERT_EQ(Run({"-r", "254", "-gray", pdf, prefix}, "/usr/bin/pdftoppm").exit_status, 0);
    EXPECT_TRUE(fs::exists(prefix + "-2.pgm"));
    EXPECT_FALSE(fs::exists(prefix + "-3.pgm"));
    const size_t bar = CheckBarLength(FileContents(prefix + "-1.pgm"));
    const double bar_mm = static_cast<double>(bar) / 10.0;
    EXPECT_NEAR(bar_mm, 100.0, 0.5);
    std::printf("check bar: %zu pixels at 254 dpi = %.1f mm\n", bar, bar_mm);

    const std::string letter = PathOf("letter.pdf");
    ASSERT_EQ(Run({"--template", letter, "--paper", "letter", "--units", "in"}).exit_status, 0);
    const Outcome info = Run({letter}, "/usr/bin/pdfinfo");
    EXPECT_NE(info.out.find("612 x 792 pts (letter)"), std::string::npos) << info.out;
}

}  // namespace
