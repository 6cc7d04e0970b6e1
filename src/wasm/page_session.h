// The design open in the browser page: the command line's run (the design document,
// the aircraft, the analysis) with what the window keeps beside it: the language and
// the 3-D view's controls. Every change prepares the
// aircraft as the window's handlers do; answers are JSON for the page.
#pragma once

#include <string>
#include <string_view>

#include "analysis/pipeline_observer.h"
#include "cli/cli_run.h"
#include "views/view3d_controls.h"
#include "views/view_mapping.h"
#include "views/wing_selection.h"

namespace kalvesta::wasm {

class PageSession {
public:
    PageSession();

    // English texts, or Russian captions with German messages.
    void SetLanguage(Language language);
    // The wing-count buttons, 1..3.
    void SetWingCount(int count);
    // A wing tab's trapezoid-count buttons, 1..4.
    void SetTrapezoids(int wing, int count);
    // One of a wing's fourteen boxes (WingBox order), its text read as the window
    // reads it.
    void SetBox(int wing, int box, std::string_view text);
    // A position box on the "Aircraft" tab: x, or z when `height`.
    void SetPosition(int wing, bool height, std::string_view text);
    // Automatic or manual margin with the margin box's text; results on show take
    // the new stability figures.
    void SetMargin(bool manual, std::string_view text);

    // The parts list as the text of a parts file (header part,mass_g,x_mm): {"ok":
    // true}, or {"ok": false, "message": what is wrong} with the parts unchanged.
    std::string SetParts(std::string_view csv);
    // The refined-lattice check on the results (none without them).
    void CheckRefined();

    // "Open" of a file's text: {"ok": true, "parts": the parts list of the file as
    // the text of a parts file, empty when it has none}, or {"ok": false,
    // "message": the window's refusal} with the design unchanged.
    std::string Open(std::string_view text, const std::string& name);
    // What "Save" writes: the ".da4" text, with the parts list as its section.
    std::string Save() const;

    // The inputs as the boxes show them, each wing's planform labels, the 3-D
    // bars, the memo when shown, the command line's JSON (its results null while
    // there are none for the inputs; the parts' balance and the refined-lattice
    // check when there are such), and with results the stability lines.
    std::string State() const;

    // "Calculate": the observer hears the solve's countdown.
    void Calculate(PipelineObserver& observer);
    // The lattice of the calculation (the panel count the countdown starts from).
    const Lattice& lattice() const { return run_.data->lattice; }

    // One view drawn whole, as CommandCanvas JSON: "sketch", "planform" or
    // "position" of `wing`, "top", "view3d", or "summary" (the printed page; null
    // without results).
    std::string Draw(std::string_view view, int wing) const;

    // A pointer on the 3-D view: kind 0 down, 1 move, 2 up. True when the view
    // must be redrawn.
    bool View3DPointer(int kind, bool left_held, bool right_held, int x, int y);
    // The elevation and azimuth bars. True when the view must be redrawn.
    bool SetView3DBars(int elevation, int azimuth);

private:
    WingSelection Selection() const;
    bool HasResults() const { return run_.has_results() && run_.aircraft.results_valid; }
    // The whole-aircraft preparation and the top view's mapping that goes with it.
    void Prepare();

    cli::CliRun run_;
    Catalogue texts_;
    ViewMapping mapping_;
    View3DControls controls_;
};

}  // namespace kalvesta::wasm
