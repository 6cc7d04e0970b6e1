// The browser page's binding to the core: the C functions its Web Worker calls
// (web/src/core.ts). Texts are UTF-8; a returned text is the caller's, to free
// with free(). A session is one open design (PageSession).
//
//   kalvesta_analyse(bytes, size, name, wings, margin, &output) -> exit status
//       kalvesta4-cli --json [--wings W] [--margin M] NAME with the file NAME
//       holding the `size` bytes (wings, margin: the options' texts, or null): 0
//       results, 1 the analysis stopped, output the JSON; 2 refused, output the
//       reason.
//   kalvesta_new() / kalvesta_delete(session)
//   kalvesta_set_english(session, english)
//   kalvesta_set_wing_count(session, count)
//   kalvesta_set_trapezoids(session, wing, count)
//   kalvesta_set_box(session, wing, box, text)
//   kalvesta_set_position(session, wing, height, text)
//   kalvesta_set_margin(session, manual, text)
//   kalvesta_set_parts(session, csv) -> {"ok", "message"}
//   kalvesta_check_refined(session): the refined-lattice check on the results
//   kalvesta_open(session, bytes, size, name) -> {"ok", "message"}
//   kalvesta_save(session) -> ".da4" text
//   kalvesta_state(session) -> inputs, planform labels, results
//   kalvesta_calculate(session): Module.onProgress(remaining, panels) during the solve
//   kalvesta_draw(session, view, wing) -> CommandCanvas JSON
//   kalvesta_view3d_pointer(session, kind, left, right, x, y) -> redraw?
//   kalvesta_view3d_bars(session, elevation, azimuth) -> redraw?
#include <emscripten/emscripten.h>

#include <cstdlib>
#include <cstring>

#include "cli/cli_json.h"
#include "files/da4_file.h"
#include "wasm/page_session.h"

namespace {

using kalvesta::wasm::PageSession;

// A copy of `text` for the caller to free.
char* Give(const std::string& text) {
    char* const copy = static_cast<char*>(std::malloc(text.size() + 1));
    std::memcpy(copy, text.c_str(), text.size() + 1);
    return copy;
}

// The solve's countdown to the page: at most one report in every hundredth of the
// panels, and the last.
class ProgressToPage : public kalvesta::PipelineObserver {
public:
    explicit ProgressToPage(const kalvesta::Lattice& lattice) : lattice_(lattice) {}
    void SolveProgress(int remaining) override;

private:
    const kalvesta::Lattice& lattice_;
    int reported_ = -1;
};

EM_JS(void, ReportProgress, (int remaining, int panels), {
    if (Module["onProgress"]) {
        Module["onProgress"](remaining, panels);
    }
});

void ProgressToPage::SolveProgress(int remaining) {
    const int panels = lattice_.panel_count;
    if (reported_ < 0 || reported_ - remaining >= panels / 100 || remaining == 0) {
        reported_ = remaining;
        ReportProgress(remaining, panels);
    }
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE int kalvesta_analyse(const char* bytes, int size, const char* name,
                                          const char* wings, const char* margin, char** output) {
    using namespace kalvesta::cli;
    std::vector<std::string> args;
    if (wings != nullptr) {
        args.insert(args.end(), {"--wings", wings});
    }
    if (margin != nullptr) {
        args.insert(args.end(), {"--margin", margin});
    }
    args.insert(args.end(), {"--json", "--", name});
    const CliArgsResult parsed = ParseCliArgs(args);
    if (!parsed.ok()) {
        *output = Give(parsed.error);
        return 2;
    }
    CliRun run;
    const std::string_view text(bytes, static_cast<size_t>(size));
    const auto read_text = [text](const std::string& path) {
        return kalvesta::ParseDa4File(text, path);
    };
    if (const auto loaded = LoadAircraft(parsed.options, run, read_text, kalvesta::NoPartsBeside);
        !loaded.ok()) {
        *output = Give(FileMessage(loaded, kalvesta::cli::kCliTexts));
        return 2;
    }
    if (const auto wrong = LoadParts(parsed.options, run)) {
        *output = Give(*wrong);
        return 2;
    }
    if (const auto wrong = LoadFuselage(parsed.options, run)) {
        *output = Give(*wrong);
        return 2;
    }
    kalvesta::PipelineObserver quiet;
    Analyse(run, quiet);
    *output = Give(FormatJson(run));
    return run.ok() ? 0 : 1;
}

EMSCRIPTEN_KEEPALIVE PageSession* kalvesta_new() {
    return new PageSession();
}

EMSCRIPTEN_KEEPALIVE void kalvesta_delete(PageSession* session) {
    delete session;
}

EMSCRIPTEN_KEEPALIVE void kalvesta_set_english(PageSession* session, int english) {
    session->SetLanguage(english != 0 ? kalvesta::Language::kEnglish
                                      : kalvesta::Language::kRussian);
}

EMSCRIPTEN_KEEPALIVE void kalvesta_set_wing_count(PageSession* session, int count) {
    session->SetWingCount(count);
}

EMSCRIPTEN_KEEPALIVE void kalvesta_set_trapezoids(PageSession* session, int wing, int count) {
    session->SetTrapezoids(wing, count);
}

EMSCRIPTEN_KEEPALIVE void kalvesta_set_box(PageSession* session, int wing, int box,
                                           const char* text) {
    session->SetBox(wing, box, text);
}

EMSCRIPTEN_KEEPALIVE void kalvesta_set_position(PageSession* session, int wing, int height,
                                                const char* text) {
    session->SetPosition(wing, height != 0, text);
}

EMSCRIPTEN_KEEPALIVE void kalvesta_set_margin(PageSession* session, int manual, const char* text) {
    session->SetMargin(manual != 0, text);
}

EMSCRIPTEN_KEEPALIVE char* kalvesta_set_parts(PageSession* session, const char* csv) {
    return Give(session->SetParts(csv));
}

EMSCRIPTEN_KEEPALIVE void kalvesta_check_refined(PageSession* session) {
    session->CheckRefined();
}

EMSCRIPTEN_KEEPALIVE char* kalvesta_open(PageSession* session, const char* bytes, int size,
                                         const char* name) {
    return Give(session->Open(std::string_view(bytes, static_cast<size_t>(size)), name));
}

EMSCRIPTEN_KEEPALIVE char* kalvesta_save(PageSession* session) {
    return Give(session->Save());
}

EMSCRIPTEN_KEEPALIVE char* kalvesta_state(PageSession* session) {
    return Give(session->State());
}

EMSCRIPTEN_KEEPALIVE void kalvesta_calculate(PageSession* session) {
    ProgressToPage progress(session->lattice());
    session->Calculate(progress);
}

EMSCRIPTEN_KEEPALIVE char* kalvesta_draw(PageSession* session, const char* view, int wing) {
    return Give(session->Draw(view, wing));
}

EMSCRIPTEN_KEEPALIVE int kalvesta_view3d_pointer(PageSession* session, int kind, int left,
                                                 int right, int x, int y) {
    return session->View3DPointer(kind, left != 0, right != 0, x, y) ? 1 : 0;
}

EMSCRIPTEN_KEEPALIVE int kalvesta_view3d_bars(PageSession* session, int elevation, int azimuth) {
    return session->SetView3DBars(elevation, azimuth) ? 1 : 0;
}

}  // extern "C"
