// Every file of the checked-in fuzz corpus through its target's entry function,
// so that each seed and each former finding is checked by every test run.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_entries.h"
#include "support/temp_folder.h"

namespace kalvesta::fuzz {
namespace {

struct CorpusFile {
    std::string target;  // the corpus folder: the fuzz program without "fuzz_"
    std::filesystem::path path;
};

using Entry = std::function<std::string(std::string_view)>;

Entry EntryFor(const std::string& target) {
    if (target == "text_to_int32") {
        return TextToInt32Target;
    }
    if (target == "margin_text") {
        return MarginTextTarget;
    }
    if (target == "da4_analysis") {
        return Da4AnalysisTarget;
    }
    if (target == "parts_csv") {
        return PartsCsvTarget;
    }
    return {};
}

std::vector<CorpusFile> CorpusFiles() {
    const std::filesystem::path root =
        std::filesystem::path(KALVESTA_SOURCE_DIR) / "tests" / "fuzz" / "corpus";
    std::vector<CorpusFile> files;
    for (const auto& folder : std::filesystem::directory_iterator(root)) {
        for (const auto& file : std::filesystem::directory_iterator(folder.path())) {
            files.push_back({folder.path().filename().string(), file.path()});
        }
    }
    std::sort(files.begin(), files.end(),
              [](const CorpusFile& a, const CorpusFile& b) { return a.path < b.path; });
    return files;
}

class CorpusReplay : public testing::TestWithParam<CorpusFile> {};

TEST_P(CorpusReplay, HoldsEveryProperty) {
    const Entry entry = EntryFor(GetParam().target);
    ASSERT_TRUE(entry) << "no fuzz target for corpus folder " << GetParam().target;
    ASSERT_TRUE(std::filesystem::is_regular_file(GetParam().path)) << GetParam().path;
    EXPECT_EQ(entry(FileContents(GetParam().path)), "") << GetParam().path;
}

std::string TestName(const testing::TestParamInfo<CorpusFile>& info) {
    std::string name = info.param.target + "_" + info.param.path.filename().string();
    std::replace_if(
        name.begin(), name.end(),
        [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
    return name;
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusReplay, testing::ValuesIn(CorpusFiles()), TestName);

}  // namespace
}  // namespace kalvesta::fuzz
