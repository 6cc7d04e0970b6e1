// Position pictures: the boxes of the "Aircraft" tab sit on their arrows, and the
// titles the whole-aircraft preparation writes into them.
#include "views/position_picture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "support/recording_canvas.h"

namespace kalvesta {
namespace {

// Where the window puts each picture and its two position boxes (41 × 24).
struct PositionLayout {
    int wing;
    int height;
    Point picture;
    Point x_box;
    Point z_box;
};

constexpr int kBoxWidth = 41;
constexpr int kBoxHeight = 24;

class PositionPictureTest : public testing::TestWithParam<PositionLayout> {};

TEST_P(PositionPictureTest, BoxesSitOnTheirArrowsAndOnlyWing1HasLettersAndDirection) {
    const PositionLayout& layout = GetParam();
    RecordingCanvas canvas(172, layout.height);
    DrawPositionPicture(canvas, layout.wing);

    // The boxes in picture pixels.
    const int x_left = layout.x_box.x - layout.picture.x;
    const int x_top = layout.x_box.y - layout.picture.y;
    const int z_left = layout.z_box.x - layout.picture.x;
    const int z_top = layout.z_box.y - layout.picture.y;

    // The x arrow is the horizontal black line that is not the bottom axis; it runs
    // from the vertical axis under the whole box, across the box's middle rows.
    std::optional<RecordedLine> x_arrow;
    std::optional<RecordedLine> z_arrow;
    for (const RecordedLine& line : canvas.Lines()) {
        if (line.color != colors::kBlack) {
            continue;
        }
        if (line.from.y == line.to.y && line.from.y < layout.height / 2) {
            x_arrow = line;
        }
        if (line.from.x == line.to.x && line.from.x > 20) {
            z_arrow = line;
        }
    }
    ASSERT_TRUE(x_arrow && z_arrow);
    EXPECT_GT(x_arrow->from.y, x_top + 4);
    EXPECT_LT(x_arrow->from.y, x_top + kBoxHeight - 4);
    EXPECT_LT(std::min(x_arrow->from.x, x_arrow->to.x), x_left);
    EXPECT_GT(std::max(x_arrow->from.x, x_arrow->to.x), x_left + kBoxWidth);

    // The z arrow runs up from the bottom axis past the z box, just right of it.
    const int z_column = z_arrow->from.x;
    EXPECT_GE(z_column - 2, z_left + kBoxWidth);  // its heads clear the box
    EXPECT_LE(z_column, z_left + kBoxWidth + 8);
    EXPECT_LT(std::min(z_arrow->from.y, z_arrow->to.y), z_top);
    EXPECT_GT(std::max(z_arrow->from.y, z_arrow->to.y), z_top + kBoxHeight);
    EXPECT_EQ(std::max(z_arrow->from.y, z_arrow->to.y), layout.height - 5);  // the bottom axis

    // Both arrows end at the section's leading edge, drawn in the wing's colour.
    const auto polygons = canvas.Polygons();
    const auto section = std::find_if(polygons.begin(), polygons.end(), [&](const auto& p) {
        return p.brush == WingColor(layout.wing);
    });
    ASSERT_NE(section, polygons.end());
    EXPECT_EQ(section->points[0],
              (Point{std::max(x_arrow->from.x, x_arrow->to.x), x_arrow->from.y}));
    EXPECT_EQ(section->points[0].x, z_column);

    // Only Wing-1 carries the axis letters and the flight direction.
    const auto lines = canvas.Lines();
    const auto red = std::find_if(lines.begin(), lines.end(),
                                  [](const RecordedLine& l) { return l.color == colors::kRed; });
    EXPECT_EQ(red != lines.end(), layout.wing == 1);
    EXPECT_EQ(canvas.Texts().size(), layout.wing == 1 ? 2u : 0u);
    if (layout.wing == 1 && red != lines.end()) {
        // Pointing left: drawn towards its head at the left end.
        EXPECT_LT(red->to.x, red->from.x);
        EXPECT_EQ(canvas.Texts()[0].text, "z");
        EXPECT_EQ(canvas.Texts()[1].text, "x");
    }
}

INSTANTIATE_TEST_SUITE_P(Wings, PositionPictureTest,
                         testing::Values(PositionLayout{1, 84, {8, 16}, {40, 32}, {88, 56}},
                                         PositionLayout{2, 85, {8, 104}, {40, 120}, {88, 144}},
                                         PositionLayout{3, 84, {8, 192}, {40, 208}, {88, 232}}),
                         [](const testing::TestParamInfo<PositionLayout>& param_info) {
                             return "Wing" + std::to_string(param_info.param.wing);
                         });

TEST(PositionTitleTest, TitlesBlackOnSilverAtSevenTenthsOfTheWidth) {
    RecordingCanvas canvas(172, 84);
    canvas.font.color = colors::kRed;
    DrawPositionTitle(canvas, 1, Catalogue());
    DrawPositionTitle(canvas, 3, Catalogue(Language::kRussian));
    const auto texts = canvas.Texts();
    ASSERT_EQ(texts.size(), 2u);
    // Trunc(172 × 0.7) = Trunc(120.4) = 120.
    EXPECT_EQ(texts[0].at, (Point{120, 2}));
    EXPECT_EQ(texts[0].text, "Wing-1  ");
    EXPECT_EQ(texts[0].color, colors::kBlack);
    EXPECT_EQ(texts[0].background, colors::kSilver);
    EXPECT_EQ(texts[1].text, "Крыло -3");
}

}  // namespace
}  // namespace kalvesta
