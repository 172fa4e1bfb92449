// Runs every fuzz target over its corpus with the normal compiler: the data
// tool's files, the project's own text files, and the committed inputs in
// corpus/<target>/ (small seeds written with the project's writers, and the
// reproducers of crashes found by fuzzing). A committed input named
// "rejected-..." must be rejected, every other input accepted.
#include "tests/fuzz/FuzzTargets.h"
#include "tests/support/TestFiles.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// Files of the folder whose names end in the suffix, sorted.
std::vector<fs::path> filesIn(const fs::path& folder, const std::string& suffix = "")
{
    std::vector<fs::path> files;
    if (fs::is_directory(folder))
        for (const auto& item : fs::directory_iterator(folder)) {
            const std::string name = item.path().filename().string();
            if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
                files.push_back(item.path());
        }
    std::sort(files.begin(), files.end());
    return files;
}

TEST(FuzzCorpus, EveryTargetGivesEachInputItsRecordedOutcome)
{
    const fs::path data = GAME_DATA_DIR, source = PROJECT_SOURCE, corpus = source / "tests/fuzz/corpus";
    const struct {
        const char* name;
        bool (*consume)(const uint8_t*, std::size_t);
        std::vector<fs::path> projectFiles;
        bool dataToolWritesSome = true;
    } targets[] = {
        {"mesh_file", Fuzz::consumeMeshFile, filesIn(data / "models", "mesh")},
        {"skeleton_file", Fuzz::consumeSkeletonFile, filesIn(data / "skeletons", ".cskel")},
        {"animation_file", Fuzz::consumeAnimationFile, filesIn(data / "animations", ".canim")},
        {"font_reader", Fuzz::consumeFontReader, filesIn(data / "fonts", ".fnt")},
        {"ini_reader", Fuzz::consumeIniReader, {source / "profile/config.cfg", source / "data/shaders.shconf"}},
        {"level_file", Fuzz::consumeLevelFile, {}, false},
        {"profile_rewrite", Fuzz::consumeProfileRewrite, {source / "profile/config.cfg"}},
        {"ghost_file", Fuzz::consumeGhostFile, {}, false},
        {"records_file", Fuzz::consumeRecordsFile, {}, false},
    };
    for (const auto& target : targets) {
        SCOPED_TRACE(target.name);
        EXPECT_FALSE(target.dataToolWritesSome && target.projectFiles.empty())
            << "the data tool's files are missing from " << data;
        std::vector<fs::path> inputs = target.projectFiles;
        const std::vector<fs::path> committed = filesIn(corpus / target.name);
        inputs.insert(inputs.end(), committed.begin(), committed.end());
        for (const fs::path& input : inputs) {
            const std::vector<uint8_t> bytes = TestFiles::readBytes(input.string());
            const bool rejected = input.filename().string().rfind("rejected-", 0) == 0;
            EXPECT_EQ(target.consume(bytes.data(), bytes.size()), !rejected) << input;
        }
    }
}

} // namespace
