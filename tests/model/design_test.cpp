// The open design as a table of edit sequences: what each leaves, whether it counts
// as modified, what undo and redo take back and bring again, and what the readers
// are told.
#include "model/design.h"

#include <gtest/gtest.h>

#include <functional>

namespace kalvesta {
namespace {

const AircraftInputs kStart = DefaultAircraftInputs();
const Fuselage kBody{{{-200, 0}, {100, 70}, {800, 20}}};

AircraftInputs WithRootChord(int32_t chord) {
    AircraftInputs inputs = kStart;
    inputs.wings[1].root_chord = chord;
    return inputs;
}

struct Sequence {
    const char* name;
    std::function<void(Design&)> edits;
    AircraftInputs inputs;  // after the edits
    bool modified;
    int undo_steps;  // how many Undo calls take the design back to the start
    std::vector<Part> parts{};
    Fuselage fuselage{};
};

class DesignSequence : public ::testing::TestWithParam<Sequence> {};

TEST_P(DesignSequence, LeavesUndoesAndRedoes) {
    const Sequence& sequence = GetParam();
    Design design;
    int told = 0;
    design.Listen([&told](const DesignChange& change) { told += change.file ? 1 : 0; });
    sequence.edits(design);
    design.FinishEdit();
    EXPECT_EQ(design.inputs(), sequence.inputs);
    EXPECT_EQ(design.parts().reading().parts, sequence.parts);
    EXPECT_EQ(design.fuselage(), sequence.fuselage);
    EXPECT_EQ(design.IsModified(), sequence.modified);
    const int edits_told = told;

    for (int step = 0; step < sequence.undo_steps; ++step) {
        ASSERT_TRUE(design.UndoStep().has_value()) << "step " << step;
        design.Undo();
    }
    EXPECT_FALSE(design.UndoStep().has_value());
    EXPECT_EQ(design.inputs(), kStart);
    EXPECT_EQ(design.parts().row_count(), 0);
    EXPECT_FALSE(design.fuselage().Described());
    EXPECT_FALSE(design.IsModified());

    for (int step = 0; step < sequence.undo_steps; ++step) {
        design.Redo();
    }
    EXPECT_FALSE(design.RedoStep().has_value());
    EXPECT_EQ(design.inputs(), sequence.inputs);
    EXPECT_EQ(design.parts().reading().parts, sequence.parts);
    EXPECT_EQ(design.fuselage(), sequence.fuselage);
    EXPECT_EQ(told, edits_told + 2 * sequence.undo_steps);
}

INSTANTIATE_TEST_SUITE_P(
    Edits, DesignSequence,
    ::testing::Values(
        // Typing "3", "30", "300" into one box is one step; a second edit is another.
        Sequence{"KeysOfOneEditAreOneStep",
                 [](Design& d) {
                     for (int32_t value : {3, 30, 300}) {
                         d.SetWingBox(1, kRootChordBox, value);
                     }
                 },
                 WithRootChord(300), true, 1},
        Sequence{"FinishedEditsAreSeparateSteps",
                 [](Design& d) {
                     d.SetWingBox(1, kRootChordBox, 300);
                     d.FinishEdit();
                     d.SetWingBox(1, kRootChordBox, 290);
                 },
                 WithRootChord(290), true, 2},
        // Another field ends the edit of the first.
        Sequence{"AnotherFieldIsAnotherStep",
                 [](Design& d) {
                     d.SetWingBox(1, kRootChordBox, 300);
                     d.SetPositionX(2, 900);
                 },
                 [] {
                     AircraftInputs inputs = WithRootChord(300);
                     inputs.wing_x_mm[2] = 900;
                     return inputs;
                 }(),
                 true, 2},
        // Back to the saved value by typing: nothing to save, but still a step.
        Sequence{"TypedBackIsNotModified",
                 [](Design& d) {
                     d.SetWingBox(1, kRootChordBox, 3);
                     d.FinishEdit();
                     d.SetWingBox(1, kRootChordBox, 310);
                 },
                 kStart, false, 2},
        // A file keeps chords as magnitudes: -310 saves as 310 did.
        Sequence{"SameFileIsNotModified", [](Design& d) { d.SetWingBox(1, kRootChordBox, -310); },
                 WithRootChord(-310), false, 1},
        Sequence{"CountsAndMargin",
                 [](Design& d) {
                     d.SetWingCount(3);
                     d.SetTrapezoids(2, 4);
                     d.SetManualMargin(true);
                     d.SetMarginText("12");
                 },
                 [] {
                     AircraftInputs inputs = kStart;
                     inputs.wing_count = 3;
                     inputs.trapezoids[2] = 4;
                     return inputs;
                 }(),
                 true, 4},
        // The margin is not saved in the file: undoable, never modified.
        Sequence{"MarginAloneIsNotModified", [](Design& d) { d.SetMarginText("9"); }, kStart, false,
                 1},
        // Added, typed, pasted and deleted rows; a half-typed row counts as modified.
        Sequence{"PartsRows",
                 [](Design& d) {
                     d.SpliceParts(StepKind::kPartsAdd, 0, 0, {PartCells{}});
                     d.SetPartCell(0, 0, "M");
                     d.SetPartCell(0, 0, "Motor");
                     d.SetPartCell(0, 1, "120");
                     d.SetPartCell(0, 2, "-40,5");
                     d.SpliceParts(
                         StepKind::kPartsPaste, 1, 0,
                         {{"Servo", "9", "150"}, {"Bad", "x", "1"}, {"Tail", "5", "900"}});
                     d.DeleteParts({2});
                 },
                 kStart,
                 true,
                 6,
                 {{"Motor", 120, -40.5}, {"Servo", 9, 150}, {"Tail", 5, 900}}},
        Sequence{"HalfTypedRow",
                 [](Design& d) {
                     d.SpliceParts(StepKind::kPartsAdd, 0, 0, {PartCells{}});
                     d.SetPartCell(0, 0, "Motor");
                 },
                 kStart, true, 2},
        // Described, described again (no step), taken away and described anew.
        Sequence{"FuselageOutlines",
                 [](Design& d) {
                     d.SetFuselage(Fuselage{{{0, 10}, {500, 10}}});
                     d.SetFuselage(Fuselage{{{0, 10}, {500, 10}}});
                     d.SetFuselage({});
                     d.SetFuselage(kBody);
                 },
                 kStart,
                 true,
                 3,
                 {},
                 kBody}),
    [](const ::testing::TestParamInfo<Sequence>& case_info) { return case_info.param.name; });

TEST(Design, UndoStepsNameWhatTheyDo) {
    Design design;
    design.SetWingBox(2, ChordBox(1), 20);
    EXPECT_EQ(design.UndoStep(), (StepName{StepKind::kWingBox, 2, ChordBox(1), 0}));
    design.Undo();
    EXPECT_EQ(design.RedoStep(), (StepName{StepKind::kWingBox, 2, ChordBox(1), 0}));
    // A new edit drops what could be redone; an edit that changes nothing is no step.
    design.SetPositionZ(3, 30);
    EXPECT_FALSE(design.UndoStep().has_value());
    design.SetPositionZ(3, 31);
    EXPECT_FALSE(design.RedoStep().has_value());
    EXPECT_EQ(design.UndoStep(), (StepName{StepKind::kPositionZ, 3, 0, 0}));
}

TEST(Design, OpenNewAndSaveStartAfresh) {
    Design design;
    std::vector<DesignChange> told;
    design.Listen([&told](const DesignChange& change) { told.push_back(change); });
    design.SetWingBox(1, kRootChordBox, 300);
    design.Open("/x/plane.da4", WithRootChord(250), {{"Motor", 120, -40}}, kBody);
    EXPECT_TRUE(told.back().replaced && told.back().fuselage);
    EXPECT_EQ(design.fuselage(), kBody);
    EXPECT_FALSE(design.UndoStep().has_value());
    EXPECT_FALSE(design.IsModified());
    EXPECT_EQ(design.path(), "/x/plane.da4");

    design.SetPartCell(0, 1, "130");
    EXPECT_TRUE(design.IsModified());
    design.MarkSaved("/x/copy.da4");
    EXPECT_FALSE(design.IsModified());
    EXPECT_EQ(design.path(), "/x/copy.da4");
    // Undoing back past the saved state modifies the design again.
    design.Undo();
    EXPECT_TRUE(design.IsModified());

    design.New();
    EXPECT_EQ(design.inputs(), kStart);
    EXPECT_EQ(design.parts().row_count(), 0);
    EXPECT_FALSE(design.fuselage().Described());
    EXPECT_TRUE(design.path().empty());
    EXPECT_FALSE(design.IsModified());
    EXPECT_FALSE(design.UndoStep().has_value());
}

}  // namespace
}  // namespace kalvesta
