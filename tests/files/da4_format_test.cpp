// The ".da4" values: assembling from the model, the exact file text, the description
// loaded values state, and the extension rule.
#include "files/da4_format.h"

#include <gtest/gtest.h>

#include <string>

#include "files/da4_text_reader.h"

namespace kalvesta {
namespace {

// The start-up aircraft as the window holds it after its first Calc.
struct StartUp {
    Aircraft aircraft;
    AircraftInputs inputs = DefaultAircraftInputs();
    StartUp() {
        aircraft.wing_count = 2;
        PrepareAircraft(aircraft, inputs);
        TakeCountsForSave(aircraft, inputs);
    }
};

std::string LineOf(const std::string& text, int line) {
    size_t start = 0;
    for (int i = 1; i < line; ++i) {
        start = text.find("\r\n", start) + 2;
    }
    return text.substr(start, text.find("\r\n", start) - start);
}

TEST(Da4Format, StartUpAircraftGivesTheDocumentedLines) {
    const StartUp start;
    const std::string text = FormatDa4Text(AssembleDa4Values(start.aircraft));
    // 53 lines of at least 4 characters, each ended by CR LF, nothing else.
    size_t crlf = 0;
    for (size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) {
        ++crlf;
    }
    EXPECT_EQ(crlf, 53u);
    EXPECT_TRUE(text.ends_with("   0\r\n"));
    EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
    // Line 1 wing count; wing 1 block: count, chords 310 230 180 40 6, offset 0,
    // spans 550 550 80 20, leading edges 30 60 220 300, x 0, z 0.
    const char* const expected_head[] = {"   2", "   1", " 310", " 230", " 180", "  40",
                                         "   6", "   0", " 550", " 550", "  80", "  20",
                                         "  30", "  60", " 220", " 300", "   0", "   0"};
    for (int line = 1; line <= 18; ++line) {
        EXPECT_EQ(LineOf(text, line), expected_head[line - 1]) << "line " << line;
    }
    EXPECT_EQ(LineOf(text, 34), " 800");  // Edit_x2
    EXPECT_EQ(LineOf(text, 35), "  80");  // Edit_z2
    EXPECT_EQ(LineOf(text, 51), "-130");  // Edit_x3 keeps its sign
    EXPECT_EQ(LineOf(text, 52), "  30");
}

TEST(Da4Format, MagnitudesSignsAndWideValues) {
    StartUp start;
    start.inputs.wings[1].root_chord = -310;  // a chord counts as its magnitude
    start.inputs.wings[1].le_x[0] = -20;      // a leading edge keeps its sign
    start.inputs.wings[2].span[1] = -12345;   // wider than the field: not cut
    start.inputs.wing_x_mm[3] = -2147483647 - 1;
    PrepareAircraft(start.aircraft, start.inputs);
    const Da4Values values = AssembleDa4Values(start.aircraft);
    const std::string text = FormatDa4Text(values);
    EXPECT_EQ(LineOf(text, Da4Index(1, da4::kChord0) + 1), " 310");
    EXPECT_EQ(LineOf(text, Da4Index(1, da4::kLeadingEdge1) + 1), " -20");
    EXPECT_EQ(LineOf(text, Da4Index(2, da4::kSpan1 + 1) + 1), "12345");
    EXPECT_EQ(LineOf(text, Da4Index(3, da4::kWingX) + 1), "-2147483648");
    EXPECT_EQ(ParseDa4Text(text), values);
}

TEST(Da4Format, RoundTripRestoresEveryBox) {
    StartUp saved;
    saved.inputs.wing_count = 3;
    saved.inputs.trapezoids = {0, 4, 2, 3};
    saved.inputs.wings[1].root_offset = 40;
    saved.inputs.wings[3].le_x[3] = -77;
    saved.inputs.wing_z_mm[2] = -15;
    PrepareAircraft(saved.aircraft, saved.inputs);
    TakeCountsForSave(saved.aircraft, saved.inputs);
    const std::string text = FormatDa4Text(AssembleDa4Values(saved.aircraft));

    const AircraftInputs inputs = ApplyDa4Values(ParseDa4Text(text), AircraftInputs{});
    EXPECT_EQ(inputs.wing_count, 3);
    EXPECT_EQ(inputs.trapezoids, saved.inputs.trapezoids);
    EXPECT_EQ(inputs.wing_x_mm, saved.inputs.wing_x_mm);
    EXPECT_EQ(inputs.wing_z_mm, saved.inputs.wing_z_mm);
    for (size_t w = 1; w <= kMaxWings; ++w) {
        const WingInputs& a = inputs.wings[w];
        const WingInputs& b = saved.inputs.wings[w];
        EXPECT_EQ(a.root_offset, b.root_offset);
        EXPECT_EQ(a.root_chord, b.root_chord);
        EXPECT_EQ(a.span, b.span);
        EXPECT_EQ(a.chord, b.chord);
        EXPECT_EQ(a.le_x, b.le_x);
    }
    Aircraft aircraft;
    PrepareForCalculation(aircraft, inputs);
    EXPECT_EQ(aircraft.station_y_mm[1][1], 590);
    EXPECT_EQ(FormatDa4Text(AssembleDa4Values(aircraft)), text);
}

TEST(Da4Format, CountsOutOfRangeKeepTheCurrentButtons) {
    Da4Values values{};
    values[0] = 5;
    values[static_cast<size_t>(Da4Index(1, da4::kTrapezoidCount))] = 0;
    values[static_cast<size_t>(Da4Index(2, da4::kTrapezoidCount))] = -3;
    values[static_cast<size_t>(Da4Index(3, da4::kTrapezoidCount))] = 4;
    AircraftInputs current = DefaultAircraftInputs();
    current.trapezoids = {0, 2, 3, 1};
    const AircraftInputs inputs = ApplyDa4Values(values, current);
    EXPECT_EQ(inputs.wing_count, 2);
    EXPECT_EQ(inputs.trapezoids, (PerWing<int32_t>{0, 2, 3, 4}));
    // Every box takes the file's value, here 0.
    EXPECT_EQ(inputs.wings[1].root_chord, 0);
    EXPECT_EQ(inputs.wing_x_mm[2], 0);
}

TEST(Da4Format, SaveCountsComeFromTheButtons) {
    Aircraft aircraft;
    aircraft.wing_count = 2;
    aircraft.trapezoid_count = {0, 1, 1, 1};
    AircraftInputs inputs = DefaultAircraftInputs();
    inputs.wing_count = 1;
    inputs.trapezoids = {0, 3, 7, 2};  // 7: no button checked, the old count stays
    TakeCountsForSave(aircraft, inputs);
    EXPECT_EQ(aircraft.wing_count, 1);
    EXPECT_EQ(aircraft.trapezoid_count, (PerWing<int32_t>{0, 3, 1, 2}));
}

TEST(Da4Format, ExtensionIsAppendedOnlyWithoutDa4) {
    EXPECT_EQ(CompleteDa4Extension("plane"), "plane.da4");
    EXPECT_EQ(CompleteDa4Extension("my.da4.old"), "my.da4.old");
    EXPECT_EQ(CompleteDa4Extension("X.DA4"), "X.DA4");
    EXPECT_EQ(CompleteDa4Extension("Y.Da4"), "Y.Da4.da4");
    EXPECT_EQ(CompleteDa4Extension("/tmp/dir.da4/glider"), "/tmp/dir.da4/glider");
    EXPECT_EQ(CompleteDa4Extension(""), ".da4");
}

}  // namespace
}  // namespace kalvesta
