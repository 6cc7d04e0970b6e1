// Placement of the summary page on the sheet for the resolutions printers report.
#include "qtcanvas/printed_page_rect.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace kalvesta {
namespace {

struct RectCase {
    int dpi_x;
    PrintedPageRect expected;
};

void PrintTo(const RectCase& rect_case, std::ostream* out) {
    *out << rect_case.dpi_x << " dpi";
}

class PrintedPageRectTest : public ::testing::TestWithParam<RectCase> {};

TEST_P(PrintedPageRectTest, PageScaledAndSetIn) {
    EXPECT_EQ(PrintedPageRectangle(GetParam().dpi_x), GetParam().expected);
}

// Hand calculation, s = dpi / 600 x 3.4:
// 600 dpi: s = 3.4 -> 105 s = 357, 100 s = 340, 905 s = 3077, 1320 s = 4488.
// 300 dpi: s = 1.7 -> 178.5 rounds to the even 178, 170, 1538.5 -> 1538, 2244.
// 1200 dpi: s = 6.8 -> 714, 680, 6154, 8976.
// 150 dpi: s = 0.85 -> 89.25 -> 89, 85, 769.25 -> 769, 1122.
// 0 dpi (no usable entry): the empty rectangle at the origin.
INSTANTIATE_TEST_SUITE_P(Resolutions, PrintedPageRectTest,
                         ::testing::Values(RectCase{600, {357, 340, 3077, 4488}},
                                           RectCase{300, {178, 170, 1538, 2244}},
                                           RectCase{1200, {714, 680, 6154, 8976}},
                                           RectCase{150, {89, 85, 769, 1122}},
                                           RectCase{0, {0, 0, 0, 0}}),
                         [](const ::testing::TestParamInfo<RectCase>& case_info) {
                             return std::to_string(case_info.param.dpi_x) + "dpi";
                         });

TEST(PrintedPageRect, KeepsThePhysicalSizeAcrossResolutions) {
    // 800 page pixels at 3.4 dots per pixel at 600 dpi are 2720 dots = 4.533 inches,
    // at every resolution within one dot of rounding.
    for (const int dpi : {150, 300, 360, 600, 720, 1200, 2400}) {
        const PrintedPageRect rect = PrintedPageRectangle(dpi);
        const double width_in = static_cast<double>(rect.x2 - rect.x1) / dpi;
        const double height_in = static_cast<double>(rect.y2 - rect.y1) / dpi;
        EXPECT_NEAR(width_in, 2720.0 / 600.0, 1.0 / dpi) << dpi;
        EXPECT_NEAR(height_in, 4148.0 / 600.0, 1.0 / dpi) << dpi;
    }
}

}  // namespace
}  // namespace kalvesta
