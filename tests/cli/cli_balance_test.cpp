// The balance on the command line: figures from a parts list, the parts saved and
// opened beside the design, and the parts or options it refuses.
#include <string>
#include <vector>

#include "cli_fixture.h"

namespace {

using namespace kalvesta::cli_testing;

class CliBalance : public Cli {
protected:
    // Five parts of 808 g: Σ m·x = −6600 − 3000 + 200 + 1080 + 67600 = 59280.
    std::string FiveParts() {
        const std::string path = PathOf("five.csv");
        std::ofstream(path) << "part,mass_g,x_mm\nmotor,110,-60\nbattery,150,-20\n"
                               "receiver,10,20\nservo,18,60\nairframe,520,130\n";
        return path;
    }
};

TEST_F(CliBalance, FiguresMoveAndBallast) {
    const Outcome run = Run({"--parts", FiveParts(), "--move", "battery", "--ballast-at", "-80",
                             "--target-margin", "10", "--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    const double x_np = NumberAt(run.out, {"x_np"});
    const double lm = NumberAt(run.out, {"ref_length"});
    const double x_cg = 59280.0 / 808.0;
    const double target = x_np - lm * 10.0 * 0.01;
    EXPECT_EQ(NumberAt(run.out, {"balance", "mass_g"}), 808.0);
    EXPECT_DOUBLE_EQ(NumberAt(run.out, {"balance", "x_cg_mm"}), x_cg);
    EXPECT_DOUBLE_EQ(NumberAt(run.out, {"balance", "static_margin_percent"}),
                     (x_np - x_cg) / lm * 100.0);
    EXPECT_DOUBLE_EQ(NumberAt(run.out, {"balance", "target_x_cg_mm"}), target);
    // 73.37 mm lies behind the automatic range's aft end, x_cg at 8 %.
    EXPECT_EQ(TextAt(run.out, "verdict"), "\"tail_heavy\"");
    EXPECT_DOUBLE_EQ(NumberAt(run.out, {"move", "to_x_mm"}),
                     -20.0 + (target - x_cg) * 808.0 / 150.0);
    EXPECT_DOUBLE_EQ(NumberAt(run.out, {"ballast", "mass_g"}),
                     808.0 * (target - x_cg) / (-80.0 - target));

    // The same in sentences; ballast behind the target is refused with the reason.
    const Outcome report = Run({"--parts", FiveParts(), "--ballast-at", "200"});
    for (const char* sentence :
         {"  The 5 parts weigh 808.0 g; the centre of gravity lies at x = 73.37 mm.\n",
          "  The recommended range is x = 49.79 to 71.55 mm (margins 16 to 8 %).\n",
          "  That is a static margin of 7.33 %: tail-heavy by 1.82 mm.\n",
          "  For the target margin of 12.00 % the centre of gravity belongs at x = 60.67 mm.\n",
          "  Ballast at x = 200.00 mm: none can help, it lies on the wrong side"}) {
        EXPECT_NE(report.out.find(sentence), std::string::npos) << report.out;
    }
}

TEST_F(CliBalance, PartsTravelWithTheDesign) {
    const std::string da4 = PathOf("plane.da4");
    ASSERT_EQ(Run({"--save", PathOf("bare.da4")}).exit_status, 0);
    ASSERT_EQ(Run({"--parts", FiveParts(), "--save", da4}).exit_status, 0);
    // The design file is the same as without parts; its parts lie beside it.
    EXPECT_EQ(FileContents(da4), FileContents(PathOf("bare.da4")));
    EXPECT_FALSE(fs::exists(PathOf("bare.parts.csv")));
    const std::string saved = FileContents(PathOf("plane.parts.csv"));
    EXPECT_EQ(saved.rfind("part,mass_g,x_mm\r\nmotor,110,-60\r\n", 0), 0u);

    // Opened again, the design brings its parts; saved again, they are unchanged.
    const Outcome reopened = Run({da4, "--save", PathOf("again.da4"), "--json"});
    EXPECT_EQ(NumberAt(reopened.out, {"balance", "mass_g"}), 808.0);
    EXPECT_EQ(FileContents(PathOf("again.parts.csv")), saved);
    // Saved without parts, the design leaves a parts file there alone: it was not read.
    ASSERT_EQ(Run({"--save", da4}).exit_status, 0);
    EXPECT_EQ(FileContents(PathOf("plane.parts.csv")), saved);
}

TEST_F(CliBalance, RefusesWhatItCannotUse) {
    const std::string parts = FiveParts();
    const std::string shared = PathOf("shared.csv");
    std::ofstream(shared) << "part,mass_g,x_mm\nservo,9,60\nservo,9,62\n";
    const std::string bad = PathOf("bad.csv");
    std::ofstream(bad) << "part,mass_g,x_mm\nmotor,110,-60\nbattery,,-20\n";
    const std::string empty = PathOf("empty.csv");
    std::ofstream(empty) << "part,mass_g,x_mm\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--parts", parts, "--move", "tail"}, "--move: no part is named \"tail\""},
        {{"--parts", shared, "--move", "servo"}, "--move: several parts are named \"servo\""},
        {{"--ballast-at", "10"}, "need the parts: give them with --parts"},
        {{"--parts", bad}, "Cannot read \"" + bad + "\": line 3: mass_g \"\" is not a number"},
        {{"--parts", empty}, "\"" + empty + "\" lists no parts: the total mass is 0"},
        {{"--parts", dir_.string()}, "Cannot open \"" + dir_.string() + "\": Is a directory"},
        {{parts}, "is a parts list, not a design"},
        {{"--parts", parts, "--target-margin", "abc"}, "--target-margin takes a margin"},
    };
    for (const auto& [args, message] : cases) {
        const Outcome refused = Run(args);
        EXPECT_EQ(refused.exit_status, 2) << message;
        EXPECT_EQ(refused.out, "");
        EXPECT_NE(refused.err.find(message), std::string::npos) << refused.err;
    }

    // A design the calculation refuses: weighed, but no margin without a neutral point.
    const std::string flat = PathOf("flat.da4");
    std::ofstream(flat) << "   1\r\n   1\r\n";
    const Outcome failed = Run({flat, "--parts", parts, "--json"});
    EXPECT_EQ(failed.exit_status, 1);
    EXPECT_EQ(NumberAt(failed.out, {"balance", "mass_g"}), 808.0);
    EXPECT_EQ(TextAt(failed.out, "static_margin_percent"), "null");
    EXPECT_NE(Run({flat, "--parts", parts}).out.find("need a neutral point"), std::string::npos);
}

}  // namespace
