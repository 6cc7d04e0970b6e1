// The window and the command line on the same ".da4" file give the same figures,
// bit for bit, or refuse with the same lines: the file's values reach the
// calculation once through the window's boxes and once straight from the file.
#include <gtest/gtest.h>

#include <QAction>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <array>
#include <charconv>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "support/window_controls.h"
#include "ui/file_dialogs.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::Control;
using testing_support::WingCountButton;

// "Open" always answers with one file.
class OneFileDialog : public FileDialogs {
public:
    explicit OneFileDialog(QString path) : path_(std::move(path)) {}
    std::optional<QString> OpenFileName(QWidget*) override { return path_; }
    std::optional<QString> SaveFileName(QWidget*) override { return std::nullopt; }
    void ShowFileError(QWidget*, const QString& message) override {
        ADD_FAILURE() << message.toStdString();
    }

private:
    QString path_;
};

// The figures as the command line's JSON writes them: shortest text that reads
// back as the same double, so equal texts are equal bits.
std::string Number(double value) {
    std::array<char, 32> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                   std::chars_format::general, 17)
                         .ptr;
    return std::string(buffer.data(), end);
}

using Figures = std::vector<std::string>;  // "key=value" in the JSON's order

// Every number of the JSON from "panel_count" on, and its message lines.
struct CliAnswer {
    Figures figures;
    std::vector<std::string> messages;
};

CliAnswer ReadCliJson(const std::string& json) {
    CliAnswer answer;
    const std::regex number(R"re("(\w+)": (-?[0-9][0-9.e+-]*))re");
    const auto from = json.find("\"panel_count\"");
    if (from != std::string::npos) {
        const std::string tail = json.substr(from);
        for (std::sregex_iterator it(tail.begin(), tail.end(), number), end; it != end; ++it) {
            answer.figures.push_back((*it)[1].str() + "=" + (*it)[2].str());
        }
    }
    std::smatch list;
    if (std::regex_search(json, list, std::regex(R"re("messages": \[(.*)\],)re"))) {
        const std::string lines = list[1].str();
        const std::regex quoted(R"re("([^"]*)")re");
        for (std::sregex_iterator it(lines.begin(), lines.end(), quoted), end; it != end; ++it) {
            answer.messages.push_back((*it)[1].str());
        }
    }
    return answer;
}

// The window's figures in the JSON's order and naming.
Figures WindowFigures(const TForm1& form) {
    const Aircraft& aircraft = form.aircraft();
    const AnalysisData& data = form.analysis();
    const Results& r = data.results;
    Figures figures{"panel_count=" + std::to_string(data.lattice.panel_count)};
    for (size_t w = 1; w <= static_cast<size_t>(aircraft.calc_wing_count); ++w) {
        const std::vector<std::pair<const char*, std::string>> wing{
            {"wing", std::to_string(w)},
            {"chord_count", std::to_string(data.lattice.chord_count[w])},
            {"span_count", std::to_string(data.lattice.span_count[w])},
            {"b", Number(r.wing_b[w])},
            {"s", Number(r.wing_s[w])},
            {"lm", Number(r.wing_lm[w])},
            {"lam", Number(r.wing_lam[w])},
            {"r25", Number(aircraft.wing_r25[w])},
            {"lift_slope", Number(r.wing_lift_slope[w])},
            {"x_ac", Number(r.wing_x_ac[w])}};
        for (const auto& [key, value] : wing) {
            figures.push_back(std::string(key) + "=" + value);
        }
    }
    const std::vector<std::pair<const char*, double>> totals{
        {"ref_area", r.ref_area}, {"ref_length", r.ref_length}, {"x_np", r.x_np},
        {"low", r.stability_low}, {"high", r.stability_high},   {"manual", r.stability_manual},
        {"low", r.x_cg_low},      {"high", r.x_cg_high},        {"manual", r.x_cg_manual}};
    for (const auto& [key, value] : totals) {
        figures.push_back(std::string(key) + "=" + Number(value));
    }
    return figures;
}

struct Case {
    const char* name;
    const char* file;  // in the fuzz corpus; "" for the start-up aircraft
    int wings;         // the wing-count button clicked / --wings; 0 for none
};

std::string CaseName(const testing::TestParamInfo<Case>& tested) {
    return tested.param.name;
}

class WindowAndCli : public testing::TestWithParam<Case> {
private:
    testing_support::InEmptyFolder folder_;
};

TEST_P(WindowAndCli, SameFileGivesTheSameFiguresOrTheSameRefusal) {
    const Case& c = GetParam();
    const QString path = *c.file == '\0' ? QString()
                                         : QString(KALVESTA_SOURCE_DIR) +
                                               "/tests/fuzz/corpus/da4_analysis/" + c.file;
    QStringList args{"--json"};
    TForm1 form;
    if (!path.isEmpty()) {
        args << path;
        form.SetFileDialogs(std::make_unique<OneFileDialog>(path));
        Control<QAction>(form, "Open2")->trigger();
    }
    if (c.wings != 0) {
        args << "--wings" << QString::number(c.wings);
        WingCountButton(form, c.wings)->click();
    }
    Control<QPushButton>(form, "Button4")->click();

    QProcess cli;
    cli.start(KALVESTA_CLI_PATH, args);
    ASSERT_TRUE(cli.waitForFinished(120000));
    const CliAnswer answer = ReadCliJson(cli.readAllStandardOutput().toStdString());

    if (form.aircraft().results_valid) {
        EXPECT_EQ(WindowFigures(form), answer.figures);
        EXPECT_TRUE(answer.messages.empty());
    } else {
        EXPECT_TRUE(answer.figures.empty()) << "the command line has figures, the window none";
        QStringList lines = Control<QPlainTextEdit>(form, "Memo1")->toPlainText().split('\n');
        lines.removeFirst();  // the heading
        std::vector<std::string> window_lines;
        for (const QString& line : lines) {
            window_lines.push_back(line.toStdString());
        }
        EXPECT_EQ(window_lines, answer.messages);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Corpus, WindowAndCli,
    testing::Values(
        Case{"StartUp", "", 0}, Case{"StartUpOneWing", "", 1}, Case{"StartUpThreeWings", "", 3},
        Case{"ByteOrderMark", "byte_order_mark.da4", 0},
        Case{"CanardRootOffset", "canard_root_offset.da4", 0},
        Case{"CrLineEnds", "cr_line_ends.da4", 0},
        Case{"DefaultTwoWings", "default_two_wings.da4", 0},
        Case{"DefaultTwoWingsAsThree", "default_two_wings.da4", 3}, Case{"Empty", "empty.da4", 0},
        Case{"FailedTrim", "failed_trim_with_unsolved_size.da4", 0},
        Case{"ForwardSweep", "forward_sweep.da4", 0},
        Case{"HexAndJunkLines", "hex_and_junk_lines.da4", 0}, Case{"Limits", "limits.da4", 0},
        Case{"OneWing", "one_wing.da4", 0}, Case{"TailFarAhead", "tail_far_ahead.da4", 0},
        Case{"ThreeWingsFourTrapezoids", "three_wings_four_trapezoids.da4", 0},
        Case{"ThreeWingsFourTrapezoidsAsOne", "three_wings_four_trapezoids.da4", 1},
        Case{"TinyTrapezoids", "tiny_trapezoids.da4", 0},
        Case{"TrapezoidCountOutOfRange", "trapezoid_count_out_of_range.da4", 0},
        Case{"TruncatedMidLine", "truncated_mid_line.da4", 0},
        Case{"WingCountFive", "wing_count_five.da4", 0}, Case{"WingsOnTop", "wings_on_top.da4", 0},
        Case{"ZeroChords", "zero_chords.da4", 0}),
    CaseName);

}  // namespace
}  // namespace kalvesta
