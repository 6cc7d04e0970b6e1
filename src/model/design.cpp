// The open design: its commands, its undo history and its saved state.
#include "model/design.h"

#include <algorithm>
#include <utility>

#include "model/check.h"

namespace kalvesta {
namespace {

DesignChange WingChange(int wing) {
    DesignChange change;
    change.wing[static_cast<size_t>(wing)] = true;
    return change;
}

DesignChange Whole() {
    DesignChange change;
    change.wing = {false, true, true, true};
    change.wing_count = true;
    change.positions = true;
    change.margin = true;
    change.parts = true;
    change.fuselage = true;
    change.replaced = true;
    change.file = true;
    return change;
}

void CheckWing(int wing) {
    KALVESTA_CHECK(wing >= 1 && wing <= kMaxWings);
}

}  // namespace

Design::Design() : inputs_(DefaultAircraftInputs()) {
    TakeAsSaved();
}

bool Design::IsModified() const {
    return KeptInputs(inputs_) != KeptInputs(saved_inputs_) ||
           parts_.reading().problem.has_value() || parts_.reading().parts != saved_parts_ ||
           fuselage_ != saved_fuselage_;
}

void Design::Tell(const DesignChange& change) const {
    for (const Listener& listener : listeners_) {
        listener(change);
    }
}

void Design::Record(Step step, bool continuing) {
    undone_.clear();
    step.change.file = true;
    if (continuing && !done_.empty() && done_.back().open && done_.back().name == step.name) {
        Step& last = done_.back();
        last.inputs_after = step.inputs_after;
        last.margin_after = step.margin_after;
        last.splices.insert(last.splices.end(), step.splices.begin(), step.splices.end());
    } else {
        FinishEdit();
        step.open = continuing;
        done_.push_back(std::move(step));
    }
    Tell(done_.back().change);
}

void Design::ChangeInputs(StepName name, const AircraftInputs& after, DesignChange change,
                          bool continuing) {
    if (after == inputs_) {
        return;
    }
    Step step{name, inputs_, after, margin_, margin_, {}, change};
    inputs_ = after;
    Record(std::move(step), continuing);
}

void Design::ChangeMargin(StepName name, const MarginChoice& after, bool continuing) {
    if (after == margin_) {
        return;
    }
    DesignChange change;
    change.margin = true;
    Step step{name, inputs_, inputs_, margin_, after, {}, change};
    margin_ = after;
    Record(std::move(step), continuing);
}

void Design::SetWingBox(int wing, int box, int32_t value) {
    CheckWing(wing);
    KALVESTA_CHECK(box >= 0 && box < kWingBoxCount);
    AircraftInputs after = inputs_;
    InputAt(after.wings[static_cast<size_t>(wing)], box) = value;
    ChangeInputs({StepKind::kWingBox, wing, box, 0}, after, WingChange(wing), true);
}

void Design::SetTrapezoids(int wing, int count) {
    CheckWing(wing);
    KALVESTA_CHECK(count >= 1 && count <= kMaxTrapezoids);
    AircraftInputs after = inputs_;
    after.trapezoids[static_cast<size_t>(wing)] = count;
    ChangeInputs({StepKind::kTrapezoids, wing, 0, 0}, after, WingChange(wing), false);
}

void Design::SetWingCount(int count) {
    KALVESTA_CHECK(count >= 1 && count <= kMaxWings);
    AircraftInputs after = inputs_;
    after.wing_count = count;
    DesignChange change;
    change.wing_count = true;
    ChangeInputs({StepKind::kWingCount, 0, 0, 0}, after, change, false);
}

void Design::SetPositionX(int wing, int32_t x_mm) {
    SetPosition(StepKind::kPositionX, wing, x_mm);
}

void Design::SetPositionZ(int wing, int32_t z_mm) {
    SetPosition(StepKind::kPositionZ, wing, z_mm);
}

void Design::SetPosition(StepKind axis, int wing, int32_t mm) {
    CheckWing(wing);
    AircraftInputs after = inputs_;
    auto& positions = axis == StepKind::kPositionX ? after.wing_x_mm : after.wing_z_mm;
    positions[static_cast<size_t>(wing)] = mm;
    DesignChange change;
    change.positions = true;
    ChangeInputs({axis, wing, 0, 0}, after, change, true);
}

void Design::SetManualMargin(bool manual) {
    MarginChoice after = margin_;
    after.manual = manual;
    ChangeMargin({StepKind::kMarginChoice, 0, 0, 0}, after, false);
}

void Design::SetMarginText(const std::string& text) {
    MarginChoice after = margin_;
    after.text = text;
    ChangeMargin({StepKind::kMarginText, 0, 0, 0}, after, true);
}

void Design::SetPartCell(int row, int column, const std::string& text) {
    KALVESTA_CHECK(row >= 0 && row < parts_.row_count());
    KALVESTA_CHECK(column >= 0 && column < kPartColumnCount);
    PartCells cells = parts_.row(row);
    if (CellAt(cells, column) == text) {
        return;
    }
    CellAt(cells, column) = text;
    RecordSplice({StepKind::kPartsEdit, 0, column, row}, row, 1, {std::move(cells)}, true);
}

void Design::SpliceParts(StepKind kind, int first, int count, std::vector<PartCells> rows) {
    if (count == 0 && rows.empty()) {
        return;
    }
    RecordSplice({kind, 0, 0, 0}, first, count, std::move(rows), false);
}

void Design::RecordSplice(StepName name, int first, int count, std::vector<PartCells> rows,
                          bool continuing) {
    KALVESTA_CHECK(first >= 0 && count >= 0 && first + count <= parts_.row_count());
    PartsSplice splice{
        first, {parts_.rows().begin() + first, parts_.rows().begin() + first + count}, rows};
    parts_.Splice(first, count, std::move(rows));
    DesignChange change;
    change.parts = true;
    Record({name, inputs_, inputs_, margin_, margin_, {std::move(splice)}, change}, continuing);
}

void Design::DeleteParts(const std::vector<int>& rows) {
    if (rows.empty()) {
        return;
    }
    KALVESTA_CHECK(std::is_sorted(rows.begin(), rows.end()));
    DesignChange change;
    change.parts = true;
    Step step{{StepKind::kPartsDelete, 0, 0, 0}, inputs_, inputs_, margin_, margin_, {}, change};
    // From the last row back, so that each splice's row number still holds.
    for (auto row = rows.rbegin(); row != rows.rend(); ++row) {
        KALVESTA_CHECK(*row >= 0 && *row < parts_.row_count());
        step.splices.push_back({*row, {parts_.row(*row)}, {}});
        parts_.Splice(*row, 1, {});
    }
    Record(std::move(step), false);
}

void Design::SetFuselage(Fuselage outline) {
    KALVESTA_CHECK(CheckOutline(outline).problem == OutlineProblem::kNone);
    if (outline == fuselage_) {
        return;
    }
    DesignChange change;
    change.fuselage = true;
    Step step{{StepKind::kFuselage, 0, 0, 0}, inputs_, inputs_, margin_, margin_, {}, change};
    step.fuselage_before = std::move(fuselage_);
    step.fuselage_after = outline;
    fuselage_ = std::move(outline);
    Record(std::move(step), false);
}

void Design::FinishEdit() {
    if (done_.empty() || !done_.back().open) {
        return;
    }
    done_.back().open = false;
}

std::optional<StepName> Design::UndoStep() const {
    return done_.empty() ? std::nullopt : std::optional<StepName>(done_.back().name);
}

std::optional<StepName> Design::RedoStep() const {
    return undone_.empty() ? std::nullopt : std::optional<StepName>(undone_.back().name);
}

void Design::Apply(const Step& step, bool forward) {
    inputs_ = forward ? step.inputs_after : step.inputs_before;
    margin_ = forward ? step.margin_after : step.margin_before;
    if (step.change.fuselage) {
        fuselage_ = forward ? step.fuselage_after : step.fuselage_before;
    }
    if (forward) {
        for (const PartsSplice& splice : step.splices) {
            parts_.Splice(splice.first, static_cast<int>(splice.before.size()), splice.after);
        }
    } else {
        for (auto splice = step.splices.rbegin(); splice != step.splices.rend(); ++splice) {
            parts_.Splice(splice->first, static_cast<int>(splice->after.size()), splice->before);
        }
    }
    Tell(step.change);
}

void Design::Undo() {
    FinishEdit();
    MoveLastStep(done_, undone_, false);
}

void Design::Redo() {
    MoveLastStep(undone_, done_, true);
}

void Design::MoveLastStep(std::vector<Step>& from, std::vector<Step>& to, bool forward) {
    if (from.empty()) {
        return;
    }
    to.push_back(std::move(from.back()));
    from.pop_back();
    Apply(to.back(), forward);
}

void Design::TakeAsSaved() {
    saved_inputs_ = inputs_;
    saved_parts_ = parts_.reading().parts;
    saved_fuselage_ = fuselage_;
}

void Design::Open(const std::string& path, const AircraftInputs& inputs,
                  const std::vector<Part>& parts, const Fuselage& fuselage) {
    KALVESTA_CHECK(CheckOutline(fuselage).problem == OutlineProblem::kNone);
    inputs_ = inputs;
    parts_ = PartsTable(parts);
    fuselage_ = fuselage;
    path_ = path;
    done_.clear();
    undone_.clear();
    TakeAsSaved();
    DesignChange change = Whole();
    change.opened = true;
    Tell(change);
}

void Design::New() {
    inputs_ = DefaultAircraftInputs();
    parts_ = PartsTable();
    fuselage_ = {};
    path_.clear();
    done_.clear();
    undone_.clear();
    TakeAsSaved();
    Tell(Whole());
}

void Design::MarkSaved(const std::string& path) {
    path_ = path;
    TakeAsSaved();
    DesignChange change;
    change.file = true;
    Tell(change);
}

}  // namespace kalvesta
