#include "Engine/Config/FileUtil.h"

#include "tests/Engine/Config/TempFile.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(FileUtilReadLines, SplitsAtLineFeedsWithOrWithoutAFinalOne)
{
    TempFile withFinal("a\nb\n");
    TempFile withoutFinal("a\nb");
    EXPECT_EQ(FileUtil::readLines(withFinal.path()), (Lines{"a", "b"}));
    EXPECT_EQ(FileUtil::readLines(withoutFinal.path()), (Lines{"a", "b"}));
}

TEST(FileUtilReadLines, DropsTheCarriageReturnOfWindowsLineEnds)
{
    TempFile file("key = 1\r\n[section]\r\nlast\r\n");
    EXPECT_EQ(FileUtil::readLines(file.path()), (Lines{"key = 1", "[section]", "last"}));
}

TEST(FileUtilReadLines, KeepsEmptyLinesInsideTheFile)
{
    TempFile file("a\n\nb\n\n");
    EXPECT_EQ(FileUtil::readLines(file.path()), (Lines{"a", "", "b", ""}));
}

TEST(FileUtilReadLines, EmptyFileGivesNoLineAndNoMessage)
{
    TempFile file("");
    testing::internal::CaptureStdout();
    const Lines lines = FileUtil::readLines(file.path());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(lines.empty());
}

TEST(FileUtilReadLines, MissingFileGivesNoLineAndNamesThePath)
{
    const std::string path = "./no/such/folder/config.cfg";
    testing::internal::CaptureStdout();
    const Lines lines = FileUtil::readLines(path);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "MISSING FILE: ./no/such/folder/config.cfg\n");
    EXPECT_TRUE(lines.empty());
}

TEST(FileUtilReadFile, EndsEveryLineWithOneLineFeed)
{
    TempFile file("first\r\nsecond\n\nlast");
    EXPECT_EQ(FileUtil::readFile(file.path()), "first\nsecond\n\nlast\n");
}

TEST(FileUtilReadFile, MissingFileGivesEmptyTextSilently)
{
    testing::internal::CaptureStdout();
    const std::string text = FileUtil::readFile("./no/such/shader.vert");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(text, "");
}

TEST(FileUtilMissingFileMessage, PrefixesThePath)
{
    EXPECT_EQ(FileUtil::missingFileMessage("./data/a.fnt"), "MISSING FILE: ./data/a.fnt");
}

TEST(FileUtilSplit, DropsEmptyPiecesAtEitherEndAndBetweenDelimiters)
{
    EXPECT_EQ(FileUtil::split("==a=", '='), (Lines{"a"}));
    EXPECT_EQ(FileUtil::split("a==b", '='), (Lines{"a", "b"}));
    EXPECT_EQ(FileUtil::split(" x  y ", ' '), (Lines{"x", "y"}));
}

TEST(FileUtilSplit, TextWithoutDelimiterIsOnePieceAndEmptyTextNone)
{
    EXPECT_EQ(FileUtil::split("abc", '='), (Lines{"abc"}));
    EXPECT_TRUE(FileUtil::split("", '=').empty());
    EXPECT_TRUE(FileUtil::split("===", '=').empty());
}

TEST(FileUtilTrim, RemovesEveryKindOfWhiteSpaceOnItsSideOnly)
{
    const std::string text = " \t\v\f\r\n a b \n\r\f\v\t ";
    EXPECT_EQ(FileUtil::trimLeft(text), "a b \n\r\f\v\t ");
    EXPECT_EQ(FileUtil::trimRight(text), " \t\v\f\r\n a b");
}

TEST(FileUtilTrim, OnlyWhiteSpaceBecomesEmpty)
{
    EXPECT_EQ(FileUtil::trimLeft(" \t\n"), "");
    EXPECT_EQ(FileUtil::trimRight(" \t\n"), "");
}
