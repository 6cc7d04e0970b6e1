// The window program's command line: the file it opens, what it answers without
// a window, and what it refuses.
#include "ui/window_arguments.h"

#include <gtest/gtest.h>

namespace kalvesta {
namespace {

using Action = WindowArguments::Action;

TEST(WindowArguments, OpensTheFirstFileAnswersOrRefuses) {
    const struct {
        std::vector<std::string> arguments;
        Action action;
        std::optional<std::string> file;
    } cases[] = {
        {{}, Action::kRun, std::nullopt},
        {{"plane.da4", "other.da4"}, Action::kRun, "plane.da4"},
        // Qt's options and their values are left for Qt, in each of its spellings.
        {{"-style", "fusion", "plane.da4"}, Action::kRun, "plane.da4"},
        {{"--platform=offscreen", "-reverse", "--display", ":1", "plane.da4"},
         Action::kRun,
         "plane.da4"},
        {{"--", "-plane.da4"}, Action::kRun, "-plane.da4"},
        {{"plane.da4", "-h"}, Action::kHelp, std::nullopt},
        {{"-style", "fusion", "--version"}, Action::kVersion, std::nullopt},
        {{"--wings", "2"}, Action::kRefuse, std::nullopt},
        {{"-reverse=yes"}, Action::kRefuse, std::nullopt},
        {{"plane.da4", "-style"}, Action::kRefuse, std::nullopt},
    };
    for (const auto& c : cases) {
        const WindowArguments read = ReadWindowArguments(c.arguments);
        const std::string shown = testing::PrintToString(c.arguments);
        EXPECT_EQ(read.action, c.action) << shown;
        if (c.action == Action::kRun) {
            EXPECT_EQ(read.file, c.file) << shown;
        }
        EXPECT_EQ(read.error.empty(), c.action != Action::kRefuse) << shown;
    }
}

}  // namespace
}  // namespace kalvesta
