// The open design: the one source of truth of what the user has described (the
// aircraft inputs, the parts list, the fuselage's outline, the margin choice), the file it came
// from, what that file holds as last opened or saved, and the history of changes for undo and redo.
// Front-ends change it only through its commands and redraw from it when it tells them what
// changed; nothing reads a design back from the controls.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/aircraft_inputs.h"
#include "model/fuselage.h"
#include "model/parts_table.h"

namespace kalvesta {

// The stability choice: the automatic range, or the margin typed (percent of the
// reference length, read like the margin box: a decimal number, "" as 0).
struct MarginChoice {
    bool manual = false;
    std::string text = "7.5";
    friend bool operator==(const MarginChoice&, const MarginChoice&) = default;
};

// What a change touched, so that each reader does only what the change needs.
struct DesignChange {
    PerWing<bool> wing{};     // a box or the trapezoid count of that wing
    bool wing_count = false;  // the number of wings
    bool positions = false;   // a wing's x or z
    bool margin = false;
    bool parts = false;
    bool fuselage = false;  // the fuselage's outline
    bool replaced = false;  // Open or New: a new design, a new history
    bool opened = false;    // ... read from a file
    bool file = false;      // the file's name, the saved state or the history
};

// What one undo step did, for its caption ("Undo Wing-1 root chord").
enum class StepKind {
    kWingBox,     // wing, box
    kTrapezoids,  // wing
    kWingCount,
    kPositionX,     // wing
    kPositionZ,     // wing
    kMarginChoice,  // automatic or manual
    kMarginText,
    kPartsEdit,    // a cell typed
    kPartsAdd,     // a row added
    kPartsDelete,  // rows deleted
    kPartsPaste,   // rows pasted
    kFuselage,     // the fuselage's outline replaced, taken away or described
};

struct StepName {
    StepKind kind = StepKind::kWingBox;
    int wing = 0;   // 1..3 where the step is a wing's
    int field = 0;  // the wing's box (WingBox order), or the column of a part's cell
    int row = 0;    // the part's row (from 0) of a cell typed
    friend bool operator==(const StepName&, const StepName&) = default;
};

class Design {
public:
    using Listener = std::function<void(const DesignChange&)>;

    // The start-up aircraft, no parts, no file, saved as it stands.
    Design();

    const AircraftInputs& inputs() const { return inputs_; }
    const PartsTable& parts() const { return parts_; }
    // A usable outline (CheckOutline); without stations when no fuselage is described.
    const Fuselage& fuselage() const { return fuselage_; }
    const MarginChoice& margin() const { return margin_; }
    // The file the design was opened from or saved to; empty while it has none.
    const std::string& path() const { return path_; }

    // Whether what Save would write (the 53 values, the parts and the fuselage) differs from what
    // the design held when it was last opened, saved or made new.
    bool IsModified() const;

    // Listeners hear every change after it is made, in the order they listen.
    void Listen(Listener listener) { listeners_.push_back(std::move(listener)); }

    // Commands. Each is one undo step; typing into one field goes on as one step
    // until FinishEdit (or any other command), so that one finished edit is undone
    // at once. A command that changes nothing records nothing.
    void SetWingBox(int wing, int box, int32_t value);
    void SetTrapezoids(int wing, int count);
    void SetWingCount(int count);
    void SetPositionX(int wing, int32_t x_mm);
    void SetPositionZ(int wing, int32_t z_mm);
    void SetManualMargin(bool manual);
    void SetMarginText(const std::string& text);
    // One cell of the parts table typed (continuing like a box).
    void SetPartCell(int row, int column, const std::string& text);
    // Rows [first, first + count) replaced by `rows` as one step of `kind`.
    void SpliceParts(StepKind kind, int first, int count, std::vector<PartCells> rows);
    // Several rows removed as one step: `rows` ascending, each once.
    void DeleteParts(const std::vector<int>& rows);
    // The fuselage's outline replaced as one step; an outline without stations takes
    // the fuselage away. Requires an outline that CheckOutline accepts.
    void SetFuselage(Fuselage outline);

    // The typing into one field is finished: the next keystroke starts a new step.
    void FinishEdit();

    // The step Undo would take back, or Redo would make again.
    std::optional<StepName> UndoStep() const;
    std::optional<StepName> RedoStep() const;
    void Undo();
    void Redo();

    // A design read from `path` takes the place of this one, with a new history,
    // saved as it stands. Requires a usable `fuselage` (CheckOutline), as a file's
    // section is read.
    void Open(const std::string& path, const AircraftInputs& inputs, const std::vector<Part>& parts,
              const Fuselage& fuselage = {});
    // The start-up aircraft takes the place of this one: no parts, no fuselage, no
    // file.
    void New();
    // The design was written to `path` as it stands.
    void MarkSaved(const std::string& path);

private:
    // One step: the inputs, the margin and a splice of the parts table before and
    // after it (only the piece that changed is kept for the parts), and the outlines
    // of a step that changed the fuselage (empty in every other).
    struct PartsSplice {
        int first = 0;
        std::vector<PartCells> before;
        std::vector<PartCells> after;
    };
    struct Step {
        StepName name;
        AircraftInputs inputs_before;
        AircraftInputs inputs_after;
        MarginChoice margin_before;
        MarginChoice margin_after;
        std::vector<PartsSplice> splices;  // applied in order; undone in reverse
        DesignChange change;
        bool open = false;  // typing goes on into it
        Fuselage fuselage_before{};
        Fuselage fuselage_after{};
    };

    // Makes the step, merging into the open step of the same name when `continuing`.
    void Record(Step step, bool continuing);
    // A step of the parts table that replaced rows [first, first + count) by `rows`.
    void RecordSplice(StepName name, int first, int count, std::vector<PartCells> rows,
                      bool continuing);
    void ChangeInputs(StepName name, const AircraftInputs& after, DesignChange change,
                      bool continuing);
    void ChangeMargin(StepName name, const MarginChoice& after, bool continuing);
    void Apply(const Step& step, bool forward);
    // A wing's x (kPositionX) or z (kPositionZ), continuing like a box.
    void SetPosition(StepKind axis, int wing, int32_t mm);
    // Undo (from done_ to undone_, backward) and Redo (the other way, forward).
    void MoveLastStep(std::vector<Step>& from, std::vector<Step>& to, bool forward);
    void Tell(const DesignChange& change) const;
    void TakeAsSaved();

    AircraftInputs inputs_;
    PartsTable parts_;
    Fuselage fuselage_;
    MarginChoice margin_;
    std::string path_;
    std::vector<Step> done_;
    std::vector<Step> undone_;
    std::vector<Listener> listeners_;
    // As last opened, saved or made new.
    AircraftInputs saved_inputs_;
    std::vector<Part> saved_parts_;
    Fuselage saved_fuselage_;
};

}  // namespace kalvesta
