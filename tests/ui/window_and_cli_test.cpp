// The window and the command line on the same ".da4" file give the same figures,
// bit for bit, or refuse with the same lines: the file's values reach the
// calculation once through the window's boxes and once straight from the file.
// Every file of the fuzz corpus goes through both; the command line is never
// killed, exits 0 only without a reported failure, and says why on stderr.
#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <cmath>
#include <nlohmann/json.hpp>
#include <string>
#include <utility>
#include <vector>

#include "fake_file_dialogs.h"
#include "support/window_controls.h"
#include "ui/tform1.h"

namespace kalvesta {
namespace {

using testing_support::Control;
using testing_support::FakeDialogs;
using testing_support::WingCountButton;

using Figures = std::vector<std::pair<std::string, double>>;  // in the JSON's order

constexpr std::array<const char*, 3> kRange{"low", "high", "manual"};

// The command line's figures; none when it has no results. JSON null (not finite)
// reads as NaN, which equals nothing.
Figures CliFigures(const nlohmann::ordered_json& json) {
    const auto number = [](const nlohmann::ordered_json& value) {
        return value.is_number() ? value.get<double>() : std::nan("");
    };
    Figures figures;
    if (json.at("panel_count").is_null()) {
        return figures;
    }
    figures.emplace_back("panel_count", number(json.at("panel_count")));
    for (const auto& wing : json.at("wings")) {
        for (const auto& [key, value] : wing.items()) {
            // The documented figures; not the strips and the tail volume drawn from them.
            if (key != "strips" && key != "volume_coefficient") {
                figures.emplace_back(key, number(value));
            }
        }
    }
    for (const char* key : {"ref_area", "ref_length", "x_np"}) {
        figures.emplace_back(key, number(json.at(key)));
    }
    for (const char* group : {"stability", "x_cg"}) {
        for (const char* key : kRange) {
            figures.emplace_back(key, number(json.at(group).at(key)));
        }
    }
    return figures;
}

// The window's figures in the JSON's order and naming.
Figures WindowFigures(const TForm1& form) {
    const Aircraft& aircraft = form.aircraft();
    const AnalysisData& data = form.analysis();
    const Results& r = data.results;
    Figures figures{{"panel_count", data.lattice.panel_count}};
    for (size_t w = 1; w <= static_cast<size_t>(aircraft.calc_wing_count); ++w) {
        const Figures wing{{"wing", static_cast<double>(w)},
                           {"chord_count", data.lattice.chord_count[w]},
                           {"span_count", data.lattice.span_count[w]},
                           {"b", r.wing_b[w]},
                           {"s", r.wing_s[w]},
                           {"lm", r.wing_lm[w]},
                           {"lam", r.wing_lam[w]},
                           {"r25", aircraft.wing_r25[w]},
                           {"lift_slope", r.wing_lift_slope[w]},
                           {"x_ac", r.wing_x_ac[w]}};
        figures.insert(figures.end(), wing.begin(), wing.end());
    }
    const Figures totals{
        {"ref_area", r.ref_area}, {"ref_length", r.ref_length}, {"x_np", r.x_np},
        {"low", r.stability_low}, {"high", r.stability_high},   {"manual", r.stability_manual},
        {"low", r.x_cg_low},      {"high", r.x_cg_high},        {"manual", r.x_cg_manual}};
    figures.insert(figures.end(), totals.begin(), totals.end());
    return figures;
}

struct Case {
    std::string name;
    std::string file;  // in the fuzz corpus; "" for the start-up aircraft
    int wings;         // the wing-count button clicked / --wings; 0 for none
};

// The start-up aircraft with each wing count, every corpus file as it is, and two
// files with another wing count.
std::vector<Case> Cases() {
    std::vector<Case> cases{
        {"StartUp", "", 0},
        {"StartUpOneWing", "", 1},
        {"StartUpThreeWings", "", 3},
        {"DefaultTwoWingsAsThree", "default_two_wings.da4", 3},
        {"ThreeWingsFourTrapezoidsAsOne", "three_wings_four_trapezoids.da4", 1}};
    const QDir corpus(QString(KALVESTA_SOURCE_DIR) + "/tests/fuzz/corpus/da4_analysis");
    for (const QString& file : corpus.entryList(QDir::Files, QDir::Name)) {
        cases.push_back({QString(file).replace('.', '_').toStdString(), file.toStdString(), 0});
    }
    return cases;
}

class WindowAndCli : public testing::TestWithParam<Case> {
private:
    testing_support::InEmptyFolder folder_;
};

TEST_P(WindowAndCli, SameFileGivesTheSameFiguresOrTheSameRefusal) {
    const Case& c = GetParam();
    const QString path = c.file.empty()
                             ? QString()
                             : QString(KALVESTA_SOURCE_DIR) + "/tests/fuzz/corpus/da4_analysis/" +
                                   QString::fromStdString(c.file);
    QStringList args{"--json"};
    if (!path.isEmpty()) {
        args << path;
    }
    if (c.wings != 0) {
        args << "--wings" << QString::number(c.wings);
    }
    QProcess cli;
    cli.start(KALVESTA_CLI_PATH, args);
    ASSERT_TRUE(cli.waitForFinished(120000));
    ASSERT_EQ(cli.exitStatus(), QProcess::NormalExit);
    const QByteArray cli_output = cli.readAllStandardOutput();
    const QByteArray cli_errors = cli.readAllStandardError();

    TForm1 form;
    if (!path.isEmpty()) {
        auto dialogs = std::make_unique<FakeDialogs>();
        dialogs->names.push_back(path);
        const FakeDialogs& answered = *dialogs;
        form.SetFileDialogs(std::move(dialogs));
        Control<QAction>(form, "Open2")->trigger();
        if (!answered.errors.isEmpty()) {
            // A file without one number is no aircraft file, to either of them.
            EXPECT_TRUE(answered.errors[0].contains("no aircraft file"));
            EXPECT_EQ(form.aircraft().current_file_name, "Unknown.da4");
            EXPECT_EQ(cli.exitCode(), 2);
            EXPECT_TRUE(cli_errors.contains("no aircraft file")) << cli_errors.toStdString();
            return;
        }
    }
    if (c.wings != 0) {
        WingCountButton(form, c.wings)->click();
    }
    Control<QPushButton>(form, "Button4")->click();

    const auto json = nlohmann::ordered_json::parse(cli_output.toStdString());
    const bool ok = json.at("ok").get<bool>();
    EXPECT_EQ(cli.exitCode(), ok ? 0 : 1);
    EXPECT_EQ(cli_errors.isEmpty(), ok);

    const Figures figures = CliFigures(json);
    if (form.aircraft().results_valid) {
        EXPECT_EQ(WindowFigures(form), figures);
    } else {
        EXPECT_TRUE(figures.empty()) << "the command line has figures, the window none";
    }
    QStringList lines = Control<QPlainTextEdit>(form, "Memo1")->toPlainText().split('\n');
    lines.removeFirst();  // the heading
    std::vector<std::string> window_lines;
    for (const QString& line : lines) {
        window_lines.push_back(line.toStdString());
    }
    EXPECT_EQ(window_lines, json.at("messages").get<std::vector<std::string>>());
}

INSTANTIATE_TEST_SUITE_P(Corpus, WindowAndCli, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<Case>& tested) {
                             return tested.param.name;
                         });

}  // namespace
}  // namespace kalvesta
