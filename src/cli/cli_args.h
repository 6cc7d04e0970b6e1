// The command line of kalvesta4-cli: what it accepts and the help text.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/display_units.h"
#include "views/balance_template.h"

namespace kalvesta::cli {

// The file name that stands for standard output in --save and --summary.
inline constexpr const char* kStandardOutputArg = "-";

struct CliOptions {
    std::optional<std::string> file;             // the ".da4" file to read; none: start-up aircraft
    std::optional<int> wings;                    // --wings 1..3
    std::string margin_text = "7.5";             // --margin, read like the margin box
    bool margin_given = false;                   // --margin was given: the balance's range
    bool json = false;                           // --json
    std::optional<std::string> save_file;        // --save
    std::optional<std::string> summary_file;     // --summary, ".pdf", ".png" or "-"
    std::optional<double> cg_mm;                 // --cg, a measured centre of gravity
    std::optional<std::string> avl_file;         // --export-avl
    bool refine = false;                         // --refine
    std::optional<std::string> parts_file;       // --parts, the design's parts list
    std::optional<double> target_margin;         // --target-margin, percent
    std::optional<std::string> move_part;        // --move, the part to move to the target
    std::optional<double> ballast_x_mm;          // --ballast-at
    LengthUnit units = LengthUnit::kMillimetre;  // --units, of the report and the template
    MassUnit mass_units = MassUnit::kGram;       // --mass-units, of the report
    std::optional<std::string> template_file;    // --template, a ".pdf"
    PaperSize paper = kA4Paper;                  // --paper, the template's
    bool help = false;                           // --help
    bool version = false;                        // --version

    std::optional<std::string> fuselage_file;  // --fuselage, the fuselage's outline

    // Whether standard output carries one of the written files instead of the report.
    bool OutputTakenByFile() const {
        return save_file == kStandardOutputArg || summary_file == kStandardOutputArg;
    }
};

struct CliArgsResult {
    CliOptions options;
    std::string error;  // empty when the arguments are usable

    bool ok() const { return error.empty(); }
};

// Parses the arguments after the program name. Options take their value as the next
// argument or after "=" ("--wings 1", "--wings=1"); "--" ends the options.
CliArgsResult ParseCliArgs(const std::vector<std::string>& args);

// The text of --help.
std::string UsageText();

}  // namespace kalvesta::cli
