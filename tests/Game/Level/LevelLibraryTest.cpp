#include "tests/support/TestFiles.h"

#include "Game/Level/LevelLibrary.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using Game::LevelLibrary;
using Game::LevelName;

constexpr std::size_t maxBlocks = 8;
const std::string lengthRule = "a level name has 1 to 32 characters";
const std::string characterRule = "a level name holds only letters, digits, space, - and _";

LevelName named(const std::string& text)
{
    return LevelName::check(text).name();
}

std::vector<std::string> labels(const LevelLibrary& library)
{
    std::vector<std::string> shown;
    for (const Game::LevelEntry& entry : library.list()) shown.push_back(entry.label());
    return shown;
}

const std::vector<Game::BlockPose> twoBlocks{Game::BlockPose{}, Game::BlockPose{glm::vec3(3.0f)}};

struct LevelFolder : ::testing::Test {
    TestFiles::TempDir dir;
    LevelLibrary library{dir.path("levels"), maxBlocks};
};

TEST(LevelName, EachTextIsANameOrItsProblem)
{
    const std::pair<std::string, std::string> rows[] = {
        {"a", ""},
        {"My level", ""},
        {"Run_2-b", ""},
        {std::string(32, 'z'), ""},
        {" ", ""},
        {"", lengthRule},
        {std::string(33, 'z'), lengthRule},
        {"../x", characterRule},
        {"a/b", characterRule},
        {"a\\b", characterRule},
        {"x.cfg", characterRule},
        {std::string("a\0b", 3), characterRule},
        {"caf\xC3\xA9", characterRule},
        {"\xC3\x85sa", characterRule},
        {"tab\there", characterRule},
    };
    for (const auto& [text, problem] : rows) {
        EXPECT_EQ(LevelName::problem(text), problem) << text;
        EXPECT_EQ(LevelName::check(text).ok(), problem.empty()) << text;
    }
}

TEST(LevelNameDeathTest, AnUncheckedNameStopsTheProgram)
{
    EXPECT_DEATH(LevelName::check("a/b").name(), "a level name used without passing its check");
}

TEST_F(LevelFolder, ListsGeneratedFirstThenNamesWithoutCaseAndMarksDamage)
{
    EXPECT_EQ(labels(library), std::vector<std::string>{"Generated"}) << "no folder yet";
    for (const std::string name : {"beta", "Alpha", "alpha", "b 2"})
        ASSERT_TRUE(library.save(named(name), twoBlocks, false).status.ok());
    TestFiles::writeText(dir.path("levels/broken.cfg"), "[block0]\nx = nan\n");
    for (const std::string stray : {"a.b.cfg", "beta.cfg.refused", "notes.txt", ".cfg", "beta.cfg.Ab12Cd"})
        TestFiles::writeText(dir.path("levels/" + stray), "");
    std::filesystem::create_directories(dir.path("levels/.trash"));

    EXPECT_EQ(labels(library),
              (std::vector<std::string>{"Generated", "Alpha", "alpha", "b 2", "beta", "broken (damaged)"}));
    EXPECT_EQ(library.list().back().damage, "line 2: x = nan is not a number");
    EXPECT_EQ(library.read(named("b 2")).blocks, twoBlocks);
}

TEST_F(LevelFolder, SavingOverATakenNameWaitsForReplace)
{
    ASSERT_TRUE(library.save(named("one"), twoBlocks, false).status.ok());
    const Game::LevelChange second = library.save(named("one"), {}, false);
    EXPECT_TRUE(second.taken);
    EXPECT_EQ(library.read(named("one")).blocks.size(), 2u) << "a taken name is not written";

    const Game::LevelChange replaced = library.save(named("one"), {}, true);
    EXPECT_TRUE(replaced.status.ok() && !replaced.taken);
    EXPECT_TRUE(library.read(named("one")).blocks.empty());
}

TEST_F(LevelFolder, RenameAndDeleteKeepEveryLevelInTheFolderOrItsTrash)
{
    for (const std::string name : {"a", "b"}) ASSERT_TRUE(library.save(named(name), twoBlocks, false).status.ok());
    ASSERT_TRUE(library.save(named("c"), {}, false).status.ok());
    EXPECT_TRUE(library.rename(named("a"), named("b"), false).taken);
    EXPECT_EQ(labels(library), (std::vector<std::string>{"Generated", "a", "b", "c"}));

    ASSERT_TRUE(library.rename(named("c"), named("b"), true).status.ok());
    ASSERT_TRUE(library.rename(named("a"), named("d"), false).status.ok());
    EXPECT_EQ(labels(library), (std::vector<std::string>{"Generated", "b", "d"}));
    EXPECT_TRUE(library.read(named("b")).blocks.empty()) << "c now named b";
    EXPECT_TRUE(std::filesystem::exists(dir.path("levels/.trash/b.cfg"))) << "the replaced b went to the trash";

    ASSERT_TRUE(library.save(named("b"), twoBlocks, true).status.ok());
    ASSERT_TRUE(library.remove(named("b")).status.ok());
    EXPECT_EQ(labels(library), (std::vector<std::string>{"Generated", "d"}));
    EXPECT_EQ(Game::readLevelFile(dir.path("levels/.trash/b (2).cfg"), maxBlocks).blocks, twoBlocks)
        << "a second b in the trash keeps the first";
    EXPECT_TRUE(library.remove(named("b")).status.message().find("cannot move") == 0) << "nothing left to delete";
}

TEST_F(LevelFolder, TheOldLevelFileMovesInOnceAndStaysWhenItCannot)
{
    const std::string legacy = dir.path("level.cfg");
    auto adopt = [&](const LevelLibrary& into) {
        const LevelLibrary::Adoption adoption = into.adoptLegacyLevel(legacy);
        EXPECT_EQ(adoption.failed, adoption.line.find("stays where it is") != std::string::npos) << adoption.line;
        return adoption.line;
    };
    EXPECT_EQ(adopt(library), "") << "nothing to move";

    TestFiles::writeText(legacy, Game::formatLevel(twoBlocks));
    EXPECT_EQ(adopt(library),
              "LEVELS: " + legacy + " moved to " + dir.path("levels/My level.cfg") + " as \"My level\"");
    EXPECT_FALSE(std::filesystem::exists(legacy));
    EXPECT_EQ(library.read(named("My level")).blocks, twoBlocks);
    EXPECT_EQ(adopt(library), "") << "once";

    TestFiles::writeText(legacy, "newer");
    EXPECT_EQ(adopt(library), "LEVELS: cannot move " + legacy + " to " + dir.path("levels/My level.cfg")
                                                    + ": that level exists; " + legacy + " stays where it is");
    EXPECT_EQ(library.read(named("My level")).blocks, twoBlocks);

    LevelLibrary blocked{dir.path("level.cfg/levels"), maxBlocks};
    EXPECT_NE(adopt(blocked).find("cannot move " + legacy + " into " + dir.path("level.cfg/levels")), std::string::npos)
        << "no folder can be made";
    EXPECT_EQ(TestFiles::readBytes(legacy).size(), 5u);
}

} // namespace
