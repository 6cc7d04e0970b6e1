// The command line's questions beyond the calculation: the static margin of a
// measured centre of gravity, the AVL export and the refined-lattice check (their
// answers without results are the refused aircraft's test).
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace {

using namespace kalvesta::cli_testing;

TEST_F(Cli, StaticMarginOfAMeasuredCentreOfGravity) {
    const Outcome run = Run({"--cg", "62", "--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const double x_np = NumberAt(run.out, {"x_np"});
    const double ref_length = NumberAt(run.out, {"ref_length"});
    // (x_np − x) / ref_length × 100: about 11.5 % for x = 62 mm.
    EXPECT_EQ(NumberAt(run.out, {"static_margin"}), (x_np - 62.0) / ref_length * 100.0);
    EXPECT_NEAR(NumberAt(run.out, {"static_margin"}), 11.51, 5e-3);

    // Read like the margin box: the number at the start of the text, "." decimals.
    const Outcome comma = Run({"--cg=62,5", "--json"});
    EXPECT_EQ(NumberAt(comma.out, {"static_margin"}), NumberAt(run.out, {"static_margin"}));
    const Outcome report = Run({"--cg", "100.5"});
    EXPECT_NE(report.out.find("static margin             -2.65 % at x_cg 100.50 mm"),
              std::string::npos)
        << report.out;
    EXPECT_EQ(TextAt(Run({"--json"}).out, "static_margin"), "") << "only asked for";
}

TEST_F(Cli, ExportAvlWritesTheFileNamingItsSource) {
    const std::string avl = PathOf("plane.avl");
    const Outcome run = Run({"--export-avl", avl, "--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    // The file itself is read back in the export's own tests; here: written, and
    // its comment names the program and the source.
    EXPECT_EQ(FileContents(avl).rfind("# Written by Kalvesta4 from the start-up aircraft\n", 0),
              0u);

    // A file given by name is named in the comment and the title.
    const std::string da4 = PathOf("saved.da4");
    ASSERT_EQ(Run({"--save", da4}).exit_status, 0);
    ASSERT_EQ(Run({da4, "--export-avl", avl}).exit_status, 0);
    EXPECT_EQ(FileContents(avl).rfind("# Written by Kalvesta4 from " + da4 + "\n" + da4 +
                                          ", on the program's own lattice (mm)\n",
                                      0),
              0u);
}

TEST_F(Cli, RefineAddsTheConvergenceStudyAndKeepsTheFigures) {
    const Outcome plain = Run({"--json"});
    const Outcome run = Run({"--refine", "--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    // Everything the calculation reports stays as it was; "refined" comes last.
    const std::string figures = plain.out.substr(0, plain.out.size() - 3);
    EXPECT_EQ(run.out.rfind(figures + ",\n  \"refined\": {", 0), 0u) << run.out;
    EXPECT_EQ(TextAt(run.out, "converged"), "true");
    EXPECT_EQ(TextAt(run.out, "verdict"), "\"negligible\"");
    EXPECT_LT(NumberAt(run.out, {"refined", "x_np_uncertainty_mm"}), 0.01);
    for (const std::string panels : {"480", "1080", "2430"}) {
        EXPECT_NE(run.out.find("{\"panel_count\": " + panels + ", \"x_np\": "), std::string::npos)
            << panels;
    }
    const double change = NumberAt(run.out, {"refined", "x_np_change_mm"});
    EXPECT_EQ(change, NumberAt(run.out, {"refined", "x_np"}) - NumberAt(run.out, {"x_np"}));
    EXPECT_EQ(NumberAt(run.out, {"x_np_change_percent"}),
              change / NumberAt(run.out, {"ref_length"}) * 100.0);

    // A study whose finest lattice would not fit says why.
    const std::string slender = PathOf("slender.da4");
    std::ofstream(slender) << "   1\r\n   1\r\n  80\r\n  80\r\n   0\r\n   0\r\n   0\r\n   0\r\n"
                              "2960\r\n";
    const std::string reason =
        "the finest lattice would need 333 strips on the half of Wing-1, more than 299";
    EXPECT_NE(Run({slender, "--refine", "--json"})
                  .out.find("\"refined\": {\"refused\": \"" + reason + "\"}"),
              std::string::npos);
    EXPECT_NE(Run({slender, "--refine"}).out.find("  refused: " + reason + "\n"),
              std::string::npos);
}

TEST_F(Cli, FuselageAddsItsMomentToTheCarriedThroughAircraft) {
    // The start-up aircraft with a 40 mm root offset on its wing: line 8 of its file.
    const std::string da4 = PathOf("gap.da4");
    ASSERT_EQ(Run({"--save", da4}).exit_status, 0);
    std::string saved = FileContents(da4);
    ASSERT_EQ(saved.substr(42, 6), "   0\r\n");
    std::ofstream(da4) << saved.replace(42, 4, "  40");
    const std::string body = PathOf("body.csv");
    std::ofstream(body) << "x_mm;width_mm\n-250;60\n-100;80\n250;80\n880;25\n";
    const std::string avl = PathOf("carried.avl");

    const Outcome run = Run({da4, "--fuselage", body, "--json", "--export-avl", avl});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const double carried = NumberAt(run.out, {"carried_through", "x_np"});
    EXPECT_LT(carried, NumberAt(run.out, {"x_np"}));
    const double shift = NumberAt(run.out, {"fuselage", "x_np_shift_mm"});
    EXPECT_LT(shift, 0.0) << "a fuselage is destabilising";
    EXPECT_EQ(NumberAt(run.out, {"fuselage", "x_np"}), carried + shift);
    EXPECT_EQ(NumberAt(run.out, {"fuselage", "x_cg", "high"}),
              carried + shift - NumberAt(run.out, {"carried_through", "ref_length"}) * 16.0 * 0.01);
    EXPECT_EQ(NumberAt(run.out, {"fuselage", "fineness"}), 1130.0 / 80.0);
    EXPECT_EQ(TextAt(run.out, "caution"), "null");
    // The carried-through lattice: the wing's first section on the centre line.
    EXPECT_NE(FileContents(avl).find("\nSECTION\n0.0000000000 0.0000000000 0 310.0000000000"),
              std::string::npos);

    EXPECT_NE(Run({da4, "--fuselage", body})
                  .out.find("Centre of gravity (from x_np with the "
                            "fuselage)\n"),
              std::string::npos);
    // Saved with the design, the fuselage needs no --fuselage again.
    const std::string with_body = PathOf("with_body.da4");
    ASSERT_EQ(Run({da4, "--fuselage", body, "--save", with_body}).exit_status, 0);
    EXPECT_TRUE(FileContents(with_body).ends_with(
        "\r\n[fuselage] 4\r\nx_mm,width_mm\r\n-250,60\r\n-100,80\r\n250,80\r\n880,25\r\n"));
    EXPECT_EQ(TextAt(Run({with_body, "--json"}).out, "fuselage"), TextAt(run.out, "fuselage"));
    EXPECT_EQ(TextAt(Run({"--json"}).out, "carried_through"), "") << "no gap, no fuselage";
    std::ofstream(body) << "x_mm,width_mm\n0,10\n-5,10\n";
    const Outcome bad = Run({"--fuselage", body});
    EXPECT_EQ(bad.exit_status, 2);
    EXPECT_NE(bad.err.find("line 3: x_mm -5 is not aft of the station before it (0)"),
              std::string::npos)
        << bad.err;
}

TEST_F(Cli, BadCentreOfGravityOrAvlFileExitWithTwo) {
    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--cg", "abc"},
                                               {"--cg", ""},
                                               {"--cg", "-."},
                                               {"--cg"},
                                               {"--export-avl", ""},
                                               {"--units", "cm"},
                                               {"--mass-units", "kg"},
                                               {"--paper", "a3"},
                                               {"--template", "balance.png"}}) {
        const Outcome bad = Run(args);
        EXPECT_EQ(bad.exit_status, 2) << args[0];
        EXPECT_EQ(bad.out, "");
        EXPECT_NE(bad.err.find(args[0]), std::string::npos) << bad.err;
    }
    const std::string missing_folder = PathOf("missing/plane.avl");
    const Outcome unwritable = Run({"--export-avl", missing_folder});
    EXPECT_EQ(unwritable.exit_status, 2);
    EXPECT_NE(
        unwritable.err.find("Cannot write \"" + missing_folder + "\": No such file or directory"),
        std::string::npos)
        << unwritable.err;
}

}  // namespace
