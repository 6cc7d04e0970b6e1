// Argument parsing and help text of kalvesta4-cli.
#include "cli/cli_args.h"

#include <charconv>
#include <string_view>

#include "model/text_to_double.h"

namespace kalvesta::cli {
namespace {

bool EndsWith(std::string_view text, std::string_view end) {
    return text.size() >= end.size() && text.substr(text.size() - end.size()) == end;
}

bool IsPdfFileName(std::string_view name) {
    return EndsWith(name, ".pdf") || EndsWith(name, ".PDF");
}

bool IsSummaryFileName(std::string_view name) {
    return name == kStandardOutputArg || IsPdfFileName(name) || EndsWith(name, ".png") ||
           EndsWith(name, ".PNG");
}

// A whole number without blanks, sign or other text, in 1..3.
std::optional<int> ParseWingCount(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() || value < 1 || value > 3) {
        return std::nullopt;
    }
    return value;
}

}  // namespace

CliArgsResult ParseCliArgs(const std::vector<std::string>& args) {
    CliArgsResult parsed;
    CliOptions& options = parsed.options;
    bool options_ended = false;
    for (size_t i = 0; i < args.size() && parsed.ok(); ++i) {
        const std::string& arg = args[i];
        if (options_ended || arg.empty() || arg[0] != '-' || arg == "-") {
            if (options.file) {
                parsed.error = "only one aircraft file can be given (\"" + *options.file +
                               "\" and \"" + arg + "\")";
            }
            options.file = arg;
            continue;
        }
        if (arg == "--") {
            options_ended = true;
            continue;
        }
        // Split "--name=value"; options that take a value may also take the next one.
        const size_t equals = arg.find('=');
        const std::string name = arg.substr(0, equals);
        std::optional<std::string> value;
        if (equals != std::string::npos) {
            value = arg.substr(equals + 1);
        }
        const auto take_value = [&]() -> std::optional<std::string> {
            if (!value && i + 1 < args.size()) {
                value = args[++i];
            }
            if (!value) {
                parsed.error = name + " needs a value";
            }
            return value;
        };
        // A number read like the margin box, but it must start with one.
        const auto take_number = [&](std::optional<double>& number, const char* what) {
            if (const auto text = take_value()) {
                number = TextToMeasuredPosition(*text);
                if (!number) {
                    parsed.error = name + " takes " + what + ", not \"" + *text + "\"";
                }
            }
        };
        if ((name == "--help" || name == "-h") && !value) {
            options.help = true;
        } else if (name == "--version" && !value) {
            options.version = true;
        } else if (name == "--json" && !value) {
            options.json = true;
        } else if (name == "--wings") {
            if (const auto text = take_value()) {
                options.wings = ParseWingCount(*text);
                if (!options.wings) {
                    parsed.error = "--wings takes 1, 2 or 3, not \"" + *text + "\"";
                }
            }
        } else if (name == "--margin") {
            if (const auto text = take_value()) {
                options.margin_text = *text;
                options.margin_given = true;
            }
        } else if (name == "--save") {
            if (const auto text = take_value()) {
                if (text->empty()) {
                    parsed.error = "--save needs a file name";
                }
                options.save_file = *text;
            }
        } else if (name == "--summary") {
            if (const auto text = take_value()) {
                if (!IsSummaryFileName(*text)) {
                    parsed.error = "--summary writes a .pdf or a .png file, not \"" + *text + "\"";
                }
                options.summary_file = *text;
            }
        } else if (name == "--cg") {
            take_number(options.cg_mm, "a position in mm such as 62 or 62.5");
        } else if (name == "--ballast-at") {
            take_number(options.ballast_x_mm, "a position in mm such as -40 or 310.5");
        } else if (name == "--target-margin") {
            take_number(options.target_margin, "a margin in percent such as 12 or 7.5");
        } else if (name == "--fuselage") {
            if (const auto text = take_value()) {
                if (text->empty()) {
                    parsed.error = "--fuselage needs a file name";
                }
                options.fuselage_file = *text;
            }
        } else if (name == "--parts" || name == "--move") {
            if (const auto text = take_value()) {
                if (text->empty()) {
                    parsed.error = name + (name == "--parts" ? " needs a file name"
                                                             : " needs the name of a part");
                }
                (name == "--parts" ? options.parts_file : options.move_part) = *text;
            }
        } else if (name == "--export-avl") {
            if (const auto text = take_value()) {
                if (text->empty()) {
                    parsed.error = "--export-avl needs a file name";
                }
                options.avl_file = *text;
            }
        } else if (name == "--units" || name == "--mass-units" || name == "--paper") {
            if (const auto text = take_value()) {
                if (name == "--units" && (*text == "mm" || *text == "in")) {
                    options.units = *text == "in" ? LengthUnit::kInch : LengthUnit::kMillimetre;
                } else if (name == "--mass-units" && (*text == "g" || *text == "oz")) {
                    options.mass_units = *text == "oz" ? MassUnit::kOunce : MassUnit::kGram;
                } else if (name == "--paper" && (*text == "a4" || *text == "letter")) {
                    options.paper = *text == "letter" ? kLetterPaper : kA4Paper;
                } else {
                    parsed.error = name + " takes " +
                                   (name == "--units"        ? "mm or in"
                                    : name == "--mass-units" ? "g or oz"
                                                             : "a4 or letter") +
                                   ", not \"" + *text + "\"";
                }
            }
        } else if (name == "--template") {
            if (const auto text = take_value()) {
                if (!IsPdfFileName(*text)) {
                    parsed.error = "--template writes a .pdf file, not \"" + *text + "\"";
                }
                options.template_file = *text;
            }
        } else if (name == "--refine" && !value) {
            options.refine = true;
        } else {
            parsed.error = "unknown option \"" + arg + "\"";
        }
    }
    if (parsed.ok() && options.file &&
        (EndsWith(*options.file, ".csv") || EndsWith(*options.file, ".CSV"))) {
        parsed.error = "\"" + *options.file +
                       "\" is a parts list, not a design: give the design's .da4 file, and the "
                       "parts with --parts";
    }
    if (parsed.ok() && options.save_file == kStandardOutputArg &&
        options.summary_file == kStandardOutputArg) {
        parsed.error = "only one of --save and --summary can write to standard output";
    }
    return parsed;
}

std::string UsageText() {
    return R"(Usage: kalvesta4-cli [FILE.da4] [--wings N] [--margin PERCENT] [--json] [--save OUT.da4]
                     [--summary OUT.pdf|OUT.png] [--cg X_MM] [--export-avl OUT.avl]
                     [--refine] [--parts PARTS.csv] [--target-margin PERCENT]
                     [--move PART] [--ballast-at X_MM] [--units mm|in]
                     [--mass-units g|oz] [--template OUT.pdf] [--paper a4|letter]
                     [--fuselage BODY.csv]
       kalvesta4-cli --help | --version

Computes the neutral point of an aircraft and the recommended centre-of-gravity
positions, exactly as the window's "Calculate" does, without a window, and says
where to balance the model: so many mm behind the leading edge of Wing-1's root.

  FILE.da4          the aircraft file to read, as the "Open" command reads it (lines
                    missing at the end read as 0, a wing or trapezoid count out of
                    range keeps the start-up count, a file in which not one line holds
                    a number is refused), with its parts list: the file's own
                    parts section, or FILE.parts.csv beside a file saved before
                    parts went into it; and with the fuselage of its fuselage
                    section. Without FILE: the start-up aircraft (two wings, one
                    trapezoid each).
  --wings N         number of wings in the analysis, 1, 2 or 3 (after loading).
  --margin PERCENT  the manual stability margin in percent of the reference length,
                    read like the margin box: "." as decimal separator, text that is
                    no number reads as 0 (default 7.5). Given, it is also the
                    balance's recommended position instead of the automatic range.
  --json            print one JSON object instead of the report:
                      file, wing_count, ok, messages, panel_count,
                      units {length: "mm", area: "mm^2", mass: "g"},
                      wings [{wing, chord_count, span_count, b, s, lm, lam, r25,
                              lift_slope, x_ac,
                              volume_coefficient (tail volume against
                                Wing-1; null for Wing-1),
                              strips [{y_mm, dy_mm, chord_mm, cl_per_CL}]
                                (one half, root to tip: the strip's
                                middle, width, chord there, and its
                                local lift coefficient per lift
                                coefficient of the aircraft)}],
                      ref_area, ref_length, x_np,
                      stability {low, high, manual}, x_cg {low, high, manual},
                      static_margin (with --cg),
                      carried_through {x_np, ref_area, ref_length,
                                       x_np_shift_mm}
                        (when a wing has a root offset, or with --fuselage),
                      fuselage {length_mm, max_width_mm, fineness,
                                k2_minus_k1,
                                stations [{x_mm, width_mm, dx_mm,
                                           flow_factor}],
                                lift_slope, cm_alpha, x_np_shift_mm, x_np,
                                x_cg {low, high, manual}} (with --fuselage),
                      caution {panel_count, x_np, x_np_change_mm,
                               x_np_change_percent} or null,
                      refined {converged, convergence, verdict, x_np,
                               x_np_uncertainty_mm, order, x_np_change_mm,
                               x_np_change_percent,
                               lattices [{panel_count, x_np}],
                               wings [{wing, chord_count, span_count,
                                       lift_slope, x_ac}]}
                        or refined {refused} (with --refine),
                      balance {mass_g, x_cg_mm, static_margin_percent,
                               target_margin_percent, target_x_cg_mm,
                               verdict (inside, nose_heavy, tail_heavy,
                                        unstable),
                               move {part, from_x_mm, to_x_mm, by_mm}
                                 (with --move),
                               ballast {x_mm, mass_g, and refused: the
                                        reason when mass_g is null}
                                 (with --ballast-at)} (with a parts list)
                    Lengths in mm, areas in mm^2, masses in g whatever
                    --units and --mass-units say, lift slopes per radian, 17
                    significant digits. When the analysis stopped, ok is false and
                    the result keys are null.
  --save OUT.da4    write the aircraft (after --wings) to OUT.da4 under exactly that
                    name, before the analysis runs, with its parts and fuselage as
                    the sections "[parts] ROWS" and "[fuselage] ROWS" after the 53
                    lines, in one file; an earlier file
                    there is only replaced once the new one is complete, and keeps
                    its mode, owner, group and links. A device or a named pipe is
                    written as it is. "-" writes to standard output (and the report
                    is left out).
  --summary OUT     write the one-page summary the "Print" button prints, without a
                    printer: OUT.png as the 800 x 1220 page picture, OUT.pdf as one
                    A4 page placed as on a printer, "-" the PNG to standard output
                    (and the report is left out); written like --save. Needs
                    results (exit 1 without).
  --cg X_MM         a measured centre of gravity at x = X_MM (read like the margin
                    box, but it must start with a number): adds its static margin,
                    (x_np - X_MM) / ref_length x 100 in percent (with --fuselage,
                    on the fuselage's x_np and the carried-through ref_length).
  --export-avl OUT.avl
                    write the aircraft as an AVL input file: the right halves, a
                    section at every strip edge of this program's lattice, its
                    chordwise counts, lengths in mm. Needs results (exit 1 without);
                    an earlier file there is only replaced once the new one is
                    complete.
  --refine          also run the refined-lattice check, a convergence study of the
                    same model: three lattices with cosine spacing along the chord
                    and along each trapezoid's span, every surface refined
                    together, each lattice's panels 1.5 times smaller than the
                    previous one's (at most 3500 panels; a study that would need
                    more is refused with the reason). x_np is the converged neutral
                    point (convergence: extrapolated, by Richardson at the order
                    the lattices show, or settled, the three within 0.01 % of
                    ref_length) and x_np_uncertainty_mm its uncertainty; or, when
                    converged is false (convergence: surfaces_too_close, two
                    surfaces too close in height for the coarsest lattice: closer
                    than its panels where one lies over the other, than a fifth
                    of the front one's strips where one lies behind the other;
                    steps_do_not_shrink; order_out_of_range, outside 0.5 to 6),
                    the finest lattice's x_np and the spread of the three. Then
                    x_np_change in mm and in percent of ref_length with a verdict:
                    negligible under 0.5 %, worth_knowing to 2 %, large above, or
                    not_converged; per wing the finest lattice's counts, lift
                    slope and x_ac. Every x here, as elsewhere in this output,
                    is in the aircraft's axes: mm from x = 0 of the top view,
                    positive towards the tail (the printed summary gives x_ac from
                    the wing's own position). The other figures stay as they are.
  --parts PARTS.csv the parts of the model instead of FILE's: a CSV file (at most
                    10000 rows of 4096 bytes) with the header "part,mass_g,x_mm"
                    and one part a line, its name,
                    its mass in g and the x in mm of its own centre of gravity (from
                    x = 0 of the top view, where the wings' positions are measured
                    from, positive towards the tail); ";" between the fields and a
                    decimal comma are read too. Adds the balance: total mass, centre
                    of gravity, static margin and whether it lies inside the
                    recommended range, nose-heavy or tail-heavy, or unstable
                    (behind the neutral point); --save writes them into OUT.da4.
  --target-margin PERCENT
                    the margin the corrections aim at (read like --cg); default the
                    middle of the recommended range.
  --move PART       where the part of that name must go for the target margin.
  --ballast-at X_MM how much ballast at x = X_MM (mm, on the same axis) brings the
                    centre of gravity to the target margin; refused with the reason
                    where ballast there cannot help.
  --units mm|in     the report's lengths in mm (default) or inches; the
                    template's too. Lengths given on the command line stay in mm.
  --mass-units g|oz the report's masses in g (default) or ounces.
  --template OUT.pdf
                    write the balance template: the root region of Wing-1 at
                    full size, with the recommended range as a band dimensioned
                    from the root leading edge, the centre of gravity aimed at
                    (at --target-margin; else at --margin when given; else at the
                    middle of the range), the parts list with its balance, and a
                    check bar of 100 mm (4 in with --units in) to measure that the
                    page was printed at actual size. A root chord longer than the
                    sheet continues on further pages, which overlap by 15 mm and
                    carry alignment marks. Written like --save; needs results
                    (exit 1 without).
  --paper a4|letter the template's paper (default a4).
  --fuselage BODY.csv
                    the fuselage seen from above: a CSV file with the header
                    "x_mm,width_mm" and one station a line from nose to tail, its
                    x in mm on the axis of --parts and the fuselage's width there
                    (";" and a decimal comma are read too); its axis lies at
                    Wing-1's height; it takes the place of FILE's fuselage section,
                    whose fuselage is used as this one. Adds the fuselage's moment
                    (below), and the
                    recommended centre of gravity and the balance come from the
                    neutral point with it. --export-avl then writes the
                    carried-through lattice, and --refine studies it: refined.x_np
                    is then its converged neutral point without the fuselage's
                    moment, whose shift fuselage.x_np_shift_mm gives.
  --help            show this text.
  --version         show the program's version.

Beside its own figures, which stay as they are, the calculation reports:
  carried_through   when a wing has a root offset (or with --fuselage): the
                    aircraft with every gap at the centre line closed by a
                    rectangular centre section, the root chord at the root
                    leading edge, on a lattice of its own; its reference area and
                    length are the gross ones (the centre section included), and
                    x_np_shift_mm is its x_np minus the calculation's.
  fuselage          Munk's moment of a slender body in Multhopp's strips (the
                    stations: each strip's middle, width, length and flow factor
                    1 + d(upwash)/d(alpha) that the carried-through lattice
                    induces on the axis; strips on a wing's root chord are left
                    to the wing), with Lamb's k2 - k1 for the fineness length /
                    greatest width: cm_alpha per radian on the carried-through
                    reference area and length, lift_slope that aircraft's,
                    x_np_shift_mm = -cm_alpha / lift_slope x ref_length, and x_np
                    and x_cg the carried-through ones moved by it.
  caution           the neutral point depends on the lattice: of two more
                    lattices, 0.5 and 0.6 times the counts in each direction with
                    cosine spacing, one puts it more than 2 % of the reference
                    length elsewhere (or cannot be solved); panel_count and x_np
                    are that lattice's. Run --refine to know more. null when there
                    is no caution.

Exit status: 0 with results; 1 when the analysis refused the aircraft or failed
(its messages also go to standard error; the balance then has no margin); 2 for a
wrong command line, a file that cannot be read or written (the message names the
file and the reason, and the line of a parts list; a pipe whose reader closed it
early too), or a --move, --ballast-at or
--target-margin without parts, or a --move naming no part or two.
)";
}

}  // namespace kalvesta::cli
