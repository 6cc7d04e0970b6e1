// kalvesta4-cli run as a real program: figures of the start-up aircraft, exit
// statuses, saving and reading back, and messages that name the file.
#include <sys/stat.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "cli_fixture.h"

namespace {

using namespace kalvesta::cli_testing;

TEST_F(Cli, StartUpAircraftFigures) {
    const Outcome run = Run({"--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string& json = run.out;
    EXPECT_EQ(TextAt(json, "file"), "null");
    EXPECT_EQ(TextAt(json, "ok"), "true");
    EXPECT_EQ(TextAt(json, "messages"), "[]");
    EXPECT_EQ(NumberAt(json, {"wing_count"}), 2);
    // The figures are the analysis tests' (RunPipeline) and, bit for bit, the
    // window's (WindowAndCli); here what the command line adds: the default margin
    // 7.5 % and a manual x_cg printed with 17 digits, so exact.
    EXPECT_EQ(NumberAt(json, {"panel_count"}), 426);
    EXPECT_EQ(NumberAt(json, {"stability", "manual"}), 7.5);
    const double x_np = NumberAt(json, {"x_np"});
    const double ref_length = NumberAt(json, {"ref_length"});
    EXPECT_EQ(NumberAt(json, {"x_cg", "manual"}), x_np - ref_length * 7.5 * 0.01);
}

TEST_F(Cli, OneWingAndManualMargin) {
    const Outcome run = Run({"--wings", "1", "--margin", "10", "--json"});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    // The main wing alone: 14 × 29 panels.
    EXPECT_EQ(NumberAt(run.out, {"wing_count"}), 1);
    EXPECT_EQ(NumberAt(run.out, {"panel_count"}), 406);
    EXPECT_EQ(run.out.find("\"wing\": 2"), std::string::npos);
    const double x_np = NumberAt(run.out, {"x_np"});
    EXPECT_EQ(NumberAt(run.out, {"stability", "manual"}), 10);
    const double ref_length = NumberAt(run.out, {"ref_length"});
    EXPECT_EQ(NumberAt(run.out, {"x_cg", "manual"}), x_np - ref_length * 10 * 0.01);

    // A margin that is no number reads as 0, like the margin box.
    const Outcome text_margin = Run({"--margin=abc", "--json"});
    ASSERT_EQ(text_margin.exit_status, 0);
    EXPECT_EQ(NumberAt(text_margin.out, {"x_cg", "manual"}), NumberAt(text_margin.out, {"x_np"}));
}

TEST_F(Cli, ReadableReport) {
    const Outcome run = Run({});
    ASSERT_EQ(run.exit_status, 0) << run.err;
    for (const char* part : {"Panels: 426", "Wing-1", "Wing-2", "14 chordwise x 29 strips",
                             "93.31 mm", "29.70 dm^2", "x_cg (16%)", "49.79 mm", "x_cg (7.5%)"}) {
        EXPECT_NE(run.out.find(part), std::string::npos) << part << "\n" << run.out;
    }
}

TEST_F(Cli, SaveWritesTheFileThatReadsBackToTheSameFigures) {
    const std::string saved = PathOf("three.da4");
    const Outcome first = Run({"--wings", "3", "--save", saved, "--json"});
    ASSERT_EQ(first.exit_status, 0) << first.err;
    EXPECT_TRUE(FileContents(saved).starts_with("   3\r\n"));

    const Outcome again = Run({saved, "--json"});
    ASSERT_EQ(again.exit_status, 0) << again.err;
    // Everything but the file name is the same, to the last digit.
    EXPECT_EQ(TextAt(again.out, "file"), "\"" + saved + "\"");
    EXPECT_EQ(again.out.substr(again.out.find("\"wing_count\"")),
              first.out.substr(first.out.find("\"wing_count\"")));
    EXPECT_EQ(NumberAt(again.out, {"wing_count"}), 3);
}

TEST_F(Cli, RefusedAircraftExitsWithOneAnswersNullAndWritesNoFile) {
    // One wing with no chords: the grid refuses it.
    const std::string path = PathOf("flat.da4");
    std::ofstream(path) << "   1\r\n   1\r\n";
    const std::string avl = PathOf("flat.avl");
    const Outcome run = Run({path, "--cg", "62", "--refine", "--export-avl", avl, "--json"});
    EXPECT_EQ(run.exit_status, 1);
    EXPECT_EQ(TextAt(run.out, "ok"), "false");
    for (const char* key : {"panel_count", "wings", "ref_area", "ref_length", "x_np", "stability",
                            "x_cg", "static_margin", "refined"}) {
        EXPECT_EQ(TextAt(run.out, key), "null") << key;
    }
    EXPECT_NE(TextAt(run.out, "messages"), "[]");
    EXPECT_FALSE(fs::exists(avl));
    // Standard error says why: the calculation's messages and the export's.
    EXPECT_NE(run.err.find("kalvesta4-cli: Can not calculate wing-1."), std::string::npos);
    EXPECT_NE(run.err.find("no AVL file written to \"" + avl + "\""), std::string::npos) << run.err;
}

TEST_F(Cli, UsageAndFileProblemsExitWithTwo) {
    const std::string missing = PathOf("missing.da4");
    const Outcome no_file = Run({missing, "--json"});
    EXPECT_EQ(no_file.exit_status, 2);
    EXPECT_EQ(no_file.out, "");
    EXPECT_NE(no_file.err.find("Cannot open \"" + missing + "\": No such file or directory"),
              std::string::npos)
        << no_file.err;

    // Standard output on a full device: the system's reason.
    const Outcome full = Run({"--json"}, KALVESTA_CLI_PATH, "/dev/full");
    EXPECT_EQ(full.exit_status, 2);
    EXPECT_EQ(full.err,
              "kalvesta4-cli: Cannot write \"standard output\": No space left on device\n");

    const std::string through_file = PathOf("stdout.txt/out.da4");
    const Outcome unwritable = Run({"--save", through_file});
    EXPECT_EQ(unwritable.exit_status, 2);
    EXPECT_NE(unwritable.err.find("Cannot write \"" + through_file + "\": Not a directory"),
              std::string::npos)
        << unwritable.err;

    for (const std::vector<std::string>& args :
         std::vector<std::vector<std::string>>{{"--wings", "4"},
                                               {"--wings", "2x"},
                                               {"--wings"},
                                               {"--frobnicate"},
                                               {"a.da4", "b.da4"},
                                               {"--save", ""}}) {
        const Outcome bad = Run(args);
        EXPECT_EQ(bad.exit_status, 2) << args[0];
        EXPECT_EQ(bad.out, "");
        EXPECT_NE(bad.err, "");
    }

    const Outcome help = Run({"--help"});
    EXPECT_EQ(help.exit_status, 0);
    for (const char* option :
         {"--wings", "--margin", "--json", "--save", "--version", "--cg", "--export-avl",
          "--refine", "static_margin", "refined", "Exit status"}) {
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    }
}

TEST_F(Cli, FileNamesAreEscapedInJson) {
    // Quote, backslash, tab and a byte that is not UTF-8 in the file name.
    const std::string name = PathOf("odd \"name\"\\\t\xff.da4");
    std::ofstream(name) << "   2\r\n";
    const Outcome run = Run({name, "--json"});
    ASSERT_EQ(run.exit_status, 1);  // wing 1 without chords is refused
    const std::string escaped = PathOf("odd \\\"name\\\"\\\\\\t\\ufffd.da4");
    // As written, not only as read back: the escapes themselves.
    EXPECT_NE(run.out.find("\"file\": \"" + escaped + "\""), std::string::npos) << run.out;
}

// The summary page without a printer: the PNG is the 800 x 1220 page (PNG header:
// width and height as big-endian 32-bit numbers at bytes 16 and 20), the PDF one page.
// Without a runtime folder, nothing but the page is made and nothing but the
// program's own output is printed.
TEST_F(Cli, SummaryPageAsPngAndPdf) {
    const std::string png = PathOf("summary.png");
    const std::string pdf = PathOf("summary.PDF");
    fs::create_directory(dir_ / "tmp");
    const std::optional<std::string> runtime =
        std::getenv("XDG_RUNTIME_DIR") ? std::optional<std::string>(std::getenv("XDG_RUNTIME_DIR"))
                                       : std::nullopt;
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", PathOf("tmp").c_str(), 1);
    const Outcome made = Run({"--summary", png});
    ::unsetenv("TMPDIR");
    if (runtime) {
        ::setenv("XDG_RUNTIME_DIR", runtime->c_str(), 1);
    }
    ASSERT_EQ(made.exit_status, 0);
    EXPECT_EQ(made.err, "");
    EXPECT_EQ(EntriesIn(dir_ / "tmp"), 0u);
    ASSERT_EQ(Run({"--summary=" + pdf, "--wings", "3"}).exit_status, 0);
    const std::string png_bytes = FileContents(png);
    ASSERT_GT(png_bytes.size(), 24u);
    EXPECT_EQ(png_bytes.substr(1, 3), "PNG");
    auto be32 = [&](size_t at) {
        uint32_t value = 0;
        for (size_t i = 0; i < 4; ++i) {
            value = value << 8 | static_cast<unsigned char>(png_bytes[at + i]);
        }
        return value;
    };
    EXPECT_EQ(be32(16), 800u);
    EXPECT_EQ(be32(20), 1220u);
    const std::string pdf_bytes = FileContents(pdf);
    EXPECT_EQ(pdf_bytes.substr(0, 5), "%PDF-");
    EXPECT_NE(pdf_bytes.find("/Count 1"), std::string::npos);
}

// "-" and /dev/stdout: the file goes where standard output stands, nothing replaces
// the file that receives it, and with "-" the report is left out.
TEST_F(Cli, StandardOutputReceivesTheFile) {
    ASSERT_EQ(Run({"--save", PathOf("plane.da4"), "--summary", PathOf("page.png")}).exit_status, 0);
    const std::string da4 = FileContents(PathOf("plane.da4"));

    const Outcome through_link = Run({"--save", "/dev/stdout"});
    EXPECT_EQ(through_link.exit_status, 0) << through_link.err;
    EXPECT_TRUE(through_link.out.starts_with(da4));
    EXPECT_NE(through_link.out.find("Panels: 426", da4.size()), std::string::npos);
    EXPECT_TRUE(fs::is_symlink("/dev/stdout"));

    const Outcome dash = Run({"--save", "-"});
    EXPECT_EQ(dash.exit_status, 0) << dash.err;
    EXPECT_EQ(dash.out, da4);
    const Outcome page = Run({"--summary", "-"});
    EXPECT_EQ(page.exit_status, 0) << page.err;
    EXPECT_EQ(page.out, FileContents(PathOf("page.png")));

    const Outcome both = Run({"--save", "-", "--summary", "-"});
    EXPECT_EQ(both.exit_status, 2);
    EXPECT_EQ(both.out, "");
}

TEST_F(Cli, SummaryNeedsAKnownTypeAWritableFolderAndResults) {
    const Outcome wrong_type = Run({"--summary", PathOf("summary.txt")});
    EXPECT_EQ(wrong_type.exit_status, 2);
    const Outcome no_folder = Run({"--summary", PathOf("missing/summary.png")});
    EXPECT_EQ(no_folder.exit_status, 2);
    EXPECT_NE(no_folder.err.find("summary.png"), std::string::npos);
    EXPECT_FALSE(fs::exists(PathOf("missing")));

    // A pipe whose reader takes ten bytes and goes (head -c 10): said, not a silent end.
    const std::string fifo = PathOf("s.png");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const int reader = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    ASSERT_GE(reader, 0);
    std::thread head([reader] {
        char ten[10];
        ::fcntl(reader, F_SETFL, 0);
        for (ssize_t got = 0; got < 10;) {
            got += std::max<ssize_t>(::read(reader, ten, static_cast<size_t>(10 - got)), 0);
        }
        ::close(reader);
    });
    const Outcome closed = Run({"--summary", fifo});
    head.join();
    EXPECT_EQ(closed.exit_status, 2);
    EXPECT_EQ(closed.err,
              "kalvesta4-cli: Cannot write \"" + fifo + "\": the reader closed the pipe\n");
}

// The summary writer is a module found beside the program or where the install
// puts it; without it the figures still come, the summary fails clearly.
TEST_F(Cli, SummaryModuleIsFoundWhereInstalledAndItsAbsenceExplained) {
    const fs::path program = dir_ / "bin" / "kalvesta4-cli";
    const fs::path installed_module =
        (program.parent_path() / KALVESTA_MODULE_DIR_FROM_BIN / "kalvesta4-summary.so")
            .lexically_normal();
    fs::create_directories(program.parent_path());
    fs::copy_file(KALVESTA_CLI_PATH, program);
    const std::string png = PathOf("summary.png");

    EXPECT_EQ(Run({"--json"}, program.string()).exit_status, 0);
    const Outcome missing = Run({"--summary", png}, program.string());
    EXPECT_EQ(missing.exit_status, 2);
    EXPECT_NE(missing.err.find("kalvesta4-summary.so is missing"), std::string::npos);
    EXPECT_NE(missing.err.find(installed_module.string()), std::string::npos);
    EXPECT_FALSE(fs::exists(png));

    fs::create_directories(installed_module.parent_path());
    fs::copy_file(KALVESTA_SUMMARY_MODULE_PATH, installed_module);
    EXPECT_EQ(Run({"--summary", png}, program.string()).exit_status, 0);
    EXPECT_TRUE(fs::exists(png));
}

}  // namespace
