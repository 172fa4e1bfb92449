// Runs one fuzz target's entry point over its corpus with the normal compiler:
// the project's own files (written by the data tool and the seed maker, or
// kept in the source tree) and the committed inputs (hand-written seeds and
// the reproducers of crashes found by fuzzing).
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/fuzz/FuzzTarget.h"

namespace {

namespace fs = std::filesystem;

// Committed inputs named so must be rejected by the reader; every other
// input must be accepted.
const std::string rejectedPrefix = "rejected-";

std::vector<uint8_t> readBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool consume(const fs::path& path)
{
    const std::vector<uint8_t> bytes = readBytes(path);
    return Fuzz::consumeInput(bytes.data(), bytes.size());
}

// "folder/*.ext" names the folder's files ending in ".ext", "folder/*" all of
// them; anything else names one file.
std::vector<fs::path> expand(const std::string& entry)
{
    const auto star = entry.find('*');
    if (star == std::string::npos) {
        return {fs::path(entry)};
    }
    const std::string suffix = entry.substr(star + 1);
    std::vector<fs::path> files;
    for (const auto& item : fs::directory_iterator(fs::path(entry.substr(0, star)))) {
        const std::string name = item.path().filename().string();
        const bool matches =
            name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0;
        if (item.is_regular_file() && matches) {
            files.push_back(item.path());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

// Entries separated by '|': a ';' would split the compile definition that
// carries the list.
std::vector<fs::path> expandList(const std::string& list)
{
    std::vector<fs::path> files;
    std::istringstream entries(list);
    std::string entry;
    while (std::getline(entries, entry, '|')) {
        const std::vector<fs::path> some = expand(entry);
        files.insert(files.end(), some.begin(), some.end());
    }
    return files;
}

bool markedRejected(const fs::path& path)
{
    return path.filename().string().rfind(rejectedPrefix, 0) == 0;
}

} // namespace

TEST(FuzzCorpus, ProjectSeedsAreAccepted)
{
    const std::vector<fs::path> seeds = expandList(FUZZ_PROJECT_SEEDS);
    ASSERT_FALSE(seeds.empty()) << "no seeds in " << FUZZ_PROJECT_SEEDS;
    for (const fs::path& seed : seeds) {
        ASSERT_TRUE(fs::is_regular_file(seed)) << seed;
        EXPECT_TRUE(consume(seed)) << seed;
    }
}

TEST(FuzzCorpus, CommittedInputsGiveTheirRecordedOutcome)
{
    if (!fs::is_directory(FUZZ_COMMITTED_CORPUS) || fs::is_empty(FUZZ_COMMITTED_CORPUS)) {
        GTEST_SKIP() << "no committed inputs in " << FUZZ_COMMITTED_CORPUS;
    }
    for (const fs::path& input : expand(std::string(FUZZ_COMMITTED_CORPUS) + "/*")) {
        EXPECT_EQ(!markedRejected(input), consume(input)) << input;
    }
}
