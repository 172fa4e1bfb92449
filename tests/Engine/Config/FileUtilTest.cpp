#include "Engine/Config/FileUtil.h"

#include "tests/Engine/Config/TempFile.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(FileUtilReadLines, SplitsAtLineEndsSilently)
{
    const std::vector<std::pair<std::string, Lines>> cases = {
        {"a\nb\n", {"a", "b"}},
        {"a\nb", {"a", "b"}},
        {"key = 1\r\n[section]\r\nlast\r\n", {"key = 1", "[section]", "last"}},
        {"a\n\nb\n\n", {"a", "", "b", ""}},
        {"", {}},
    };
    for (const auto& [bytes, expected] : cases) {
        SCOPED_TRACE(testing::PrintToString(bytes));
        TempFile file(bytes);
        testing::internal::CaptureStdout();
        EXPECT_EQ(FileUtil::readLines(file.path()), expected);
        EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    }
}

TEST(FileUtilReadLines, MissingFileGivesNoLineAndNamesThePath)
{
    testing::internal::CaptureStdout();
    const Lines lines = FileUtil::readLines("./no/such/folder/config.cfg");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "MISSING FILE: ./no/such/folder/config.cfg\n");
    EXPECT_TRUE(lines.empty());
}

TEST(FileUtilReadFile, EndsEveryLineWithOneLineFeedAndIgnoresMissingFiles)
{
    TempFile file("first\r\nsecond\n\nlast");
    EXPECT_EQ(FileUtil::readFile(file.path()), "first\nsecond\n\nlast\n");
    testing::internal::CaptureStdout();
    EXPECT_EQ(FileUtil::readFile("./no/such/shader.vert"), "");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST(FileUtilTrim, RemovesEveryKindOfWhiteSpaceOnItsSideOnly)
{
    const std::string text = " \t\v\f\r\n a b \n\r\f\v\t ";
    EXPECT_EQ(FileUtil::trimLeft(text), "a b \n\r\f\v\t ");
    EXPECT_EQ(FileUtil::trimRight(text), " \t\v\f\r\n a b");
    EXPECT_EQ(FileUtil::trimLeft(" \t\n"), "");
    EXPECT_EQ(FileUtil::trimRight(" \t\n"), "");
}
