// The balance on the command line: figures from a parts list, the parts saved and
// opened with the design, and the parts or options it refuses.
#include <unistd.h>

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

TEST_F(CliBalance, PartsTravelInTheDesignsFile) {
    const std::string da4 = PathOf("plane.da4");
    ASSERT_EQ(Run({"--save", PathOf("bare.da4")}).exit_status, 0);
    ASSERT_EQ(Run({"--parts", FiveParts(), "--save", da4}).exit_status, 0);
    // The design's 53 lines as without parts, then its parts, in the one file.
    const std::string bare = FileContents(PathOf("bare.da4"));
    const std::string saved = FileContents(da4);
    EXPECT_EQ(saved.rfind(bare + "[parts] 5\r\npart,mass_g,x_mm\r\nmotor,110,-60\r\n", 0), 0u);
    EXPECT_EQ(EntriesIn(dir_), 5u);  // the two designs, the parts list, stdout, stderr

    // Opened again, the design brings its parts; saved again, the file is the same,
    // and written to standard output too.
    const Outcome reopened = Run({da4, "--save", PathOf("again.da4"), "--json"});
    EXPECT_EQ(NumberAt(reopened.out, {"balance", "mass_g"}), 808.0);
    EXPECT_EQ(FileContents(PathOf("again.da4")), saved);
    EXPECT_EQ(Run({da4, "--save", "-"}).out, saved);
    // A device takes the one file and gets nothing beside it.
    ASSERT_EQ(Run({da4, "--save", "/dev/null"}).exit_status, 0);
    EXPECT_FALSE(fs::exists("/dev/null.parts.csv"));

    // A design saved before, with its parts in a file beside it: they come along, and
    // go into the design's file when it is saved; a design saved there without parts
    // states that it has none, so that the old list is not taken for it again.
    fs::copy_file(FiveParts(), PathOf("bare.parts.csv"));
    EXPECT_EQ(NumberAt(Run({PathOf("bare.da4"), "--json"}).out, {"balance", "mass_g"}), 808.0);
    ASSERT_EQ(Run({"--save", PathOf("bare.da4")}).exit_status, 0);
    EXPECT_EQ(FileContents(PathOf("bare.da4")), bare + "[parts] 0\r\npart,mass_g,x_mm\r\n");
    EXPECT_EQ(Run({PathOf("bare.da4"), "--json"}).out.find("balance"), std::string::npos);
}

// Another user plants a link where a design's parts list would stand, in a folder
// everyone may write (sticky, as /tmp): root's save writes the one file it names,
// and root's open refuses the link instead of reading the file it points to.
TEST_F(CliBalance, PlantedLinkBesideADesignIsNeverFollowed) {
    if (::geteuid() != 0) {
        GTEST_SKIP() << "another user's link in root's way needs root";
    }
    const std::string victim = PathOf("victim");
    std::ofstream(victim) << "part,mass_g,x_mm\nlead,1000,900\n";
    const fs::path shared = dir_ / "shared";
    fs::create_directory(shared);
    ASSERT_EQ(::chmod(shared.c_str(), 01777), 0);
    const std::string link = (shared / "out.parts.csv").string();
    ASSERT_EQ(::symlink(victim.c_str(), link.c_str()), 0);
    ASSERT_EQ(::lchown(link.c_str(), 65534, 65534), 0);

    const std::string out = (shared / "out.da4").string();
    ASSERT_EQ(Run({"--parts", FiveParts(), "--save", out}).exit_status, 0);
    EXPECT_EQ(FileContents(victim), "part,mass_g,x_mm\nlead,1000,900\n");
    EXPECT_EQ(NumberAt(Run({out, "--json"}).out, {"balance", "mass_g"}), 808.0);

    const std::string legacy = (shared / "legacy.da4").string();
    ASSERT_EQ(Run({"--save", legacy}).exit_status, 0);
    ASSERT_EQ(::rename(link.c_str(), (shared / "legacy.parts.csv").c_str()), 0);
    const Outcome refused = Run({legacy});
    EXPECT_EQ(refused.exit_status, 2);
    EXPECT_NE(refused.err.find("legacy.parts.csv\": a symbolic link stands there"),
              std::string::npos)
        << refused.err;
}

TEST_F(CliBalance, RefusesWhatItCannotUse) {
    const std::string parts = FiveParts();
    const std::string shared = PathOf("shared.csv");
    std::ofstream(shared) << "part,mass_g,x_mm\nservo,9,60\nservo,9,62\n";
    const std::string bad = PathOf("bad.csv");
    std::ofstream(bad) << "part,mass_g,x_mm\nmotor,110,-60\nbattery,,-20\n";
    const std::string empty = PathOf("empty.csv");
    std::ofstream(empty) << "part,mass_g,x_mm\n";
    const std::string nul = PathOf("nul.csv");
    const std::string nul_mass("1\0x", 3);
    std::ofstream(nul) << "part,mass_g,x_mm\nmotor," + nul_mass + ",2\n";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--parts", parts, "--move", "tail"}, "--move: no part is named \"tail\""},
        {{"--parts", shared, "--move", "servo"}, "--move: several parts are named \"servo\""},
        {{"--ballast-at", "10"}, "need the parts: give them with --parts"},
        {{"--parts", bad}, "Cannot read \"" + bad + "\": line 3: mass_g \"\" is not a number"},
        {{"--parts", empty}, "\"" + empty + "\" lists no parts: the total mass is 0"},
        // The whole message, past a NUL in the text it quotes.
        {{"--parts", nul}, "line 2: mass_g \"" + nul_mass + "\" is not a number\n"},
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
