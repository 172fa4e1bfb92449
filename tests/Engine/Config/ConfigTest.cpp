#include "Engine/Config/FileUtil.h"
#include "Engine/Config/IniReader.h"
#include "tests/support/TestFiles.h"

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <filesystem>

#include <gtest/gtest.h>

namespace {

using Keys = std::set<std::string>;
using Lines = std::vector<std::string>;

std::string captured(const std::function<void()>& action)
{
    testing::internal::CaptureStdout();
    action();
    return testing::internal::GetCapturedStdout();
}

TEST(FileUtil, LinesSplitAtLineFeedsWithCarriageReturnsDroppedAndAMissingFileIsNamed)
{
    const TestFiles::TempDir dir;
    const std::pair<std::string, Lines> cases[] = {
        {"a\nb", {"a", "b"}}, {"key = 1\r\n[s]\r\n", {"key = 1", "[s]"}}, {"a\n\nb\n\n", {"a", "", "b", ""}}, {"", {}}};
    for (const auto& [bytes, expected] : cases) {
        TestFiles::writeText(dir.path("f"), bytes);
        EXPECT_EQ(FileUtil::readLines(dir.path("f")), expected) << bytes;
    }
    Lines lines{"x"};
    EXPECT_EQ(captured([&] { lines = FileUtil::readLines("./no/config.cfg"); }), "MISSING FILE: ./no/config.cfg\n");
    EXPECT_TRUE(lines.empty());
    const std::string folder = dir.folder().string();
    EXPECT_EQ(captured([&] { lines = FileUtil::readLines(folder); }), "MISSING FILE: " + folder + "\n") << "a folder";
    EXPECT_EQ(FileUtil::trimLeft(" \t\n a b \r"), "a b \r");
    EXPECT_EQ(FileUtil::trimRight(" a b \n\r\f\v\t "), " a b");
}

// In a child process: files of this process may hold 4 KiB.
void replaceBeyondTheSizeLimit(const std::string& path)
{
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit limit{4096, 4096};
    setrlimit(RLIMIT_FSIZE, &limit);
    const Engine::Status status = FileUtil::replaceFile(path, std::string(8192, 'x'));
    std::fprintf(stderr, "%s\n", status.message().c_str());
    std::exit(status.ok() ? 1 : 0);
}

// A replacement that fails at any step leaves the old file as it was and
// no temporary file: a write past the process's file size limit, a rename
// onto a folder.
TEST(FileUtilDeathTest, AFailedReplacementLeavesTheOldFileByteForByte)
{
    const TestFiles::TempDir dir;
    const std::string path = dir.path("profile.cfg"), old = std::string("old\r\nbytes\0 kept", 16);
    TestFiles::writeText(path, old);
    EXPECT_EXIT(replaceBeyondTheSizeLimit(path), testing::ExitedWithCode(0), "File too large");
    EXPECT_EQ(FileUtil::readFileBytes(path).bytes, old);
    std::filesystem::create_directories(dir.path("folder/inside"));
    EXPECT_EQ(FileUtil::replaceFile(dir.path("folder"), "text").message(), "Is a directory");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.folder()), {}), 2) << "a temporary file left";
    EXPECT_TRUE(FileUtil::replaceFile(path, "new").ok());
    EXPECT_EQ(FileUtil::readFileBytes(path).bytes, "new");
    const FileUtil::FileBytes missing = FileUtil::readFileBytes(dir.path("none")), folder = FileUtil::readFileBytes(dir.path("folder"));
    EXPECT_TRUE(missing.status.ok() && !missing.bytes);
    EXPECT_EQ(folder.status.message(), "Is a directory");
    EXPECT_FALSE(folder.bytes);
}

// Each line alone, followed by "k = 1": a usable pair adds one key of the
// given type, anything else is neither a pair nor a header.
TEST(IniReader, EachLineIsATypedPairOrIgnored)
{
    const struct {
        std::string line, key;
        char type; // f(loat), s(tring), b(ool), '-' ignored
        std::string value;
    } cases[] = {
        {"a = 1.5.2", "a", 'f', "1.5"}, {"b = 1+2", "b", 'f', "1"},        {"c = .", "c", 'f', "0"},
        {"d = -1", "d", 'f', "-1"},     {"a==2", "a", 'f', "2"},           {"  = 5", "", 'f', "5"},
        {"s = \" a b \"", "s", 's', " a b "}, {"n = \"\"", "n", 's', ""}, {"on = true", "on", 'b', "1"},
        {"off = false", "off", 'b', "0"},     {"w = 1920 # note", "w", 'f', "1920"}, {"e = 1e3", "", '-', ""},
        {"m = 1-2", "", '-', ""},   {"t = True", "", '-', ""},   {"q = \"open", "", '-', ""},
        {"x = \"a=b\"", "", '-', ""}, {"=3", "", '-', ""},       {"b=", "", '-', ""},
        {"[x", "", '-', ""},        {"# comment", "", '-', ""}, {"#c = 1", "", '-', ""}, {"s = \"a #b\" ;c", "s", 's', "a #b"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        const IniData ini = parseIniLines({c.line, "k = 1"});
        ASSERT_EQ(ini.sections().size(), 1u);
        const IniSectionData& section = ini.getSection("");
        if (c.type == '-') {
            EXPECT_EQ(section.keys(), Keys{"k"});
            continue;
        }
        EXPECT_EQ(section.keys(), (Keys{c.key, "k"}));
        if (c.type == 'f') {
            EXPECT_FLOAT_EQ(section.getFloat(c.key), std::stof(c.value));
        } else if (c.type == 's') {
            EXPECT_EQ(section.getString(c.key), c.value);
        } else {
            EXPECT_EQ(section.getBool(c.key), c.value == "1");
        }
    }
}

TEST(IniReader, SectionsAreUntrimmedAndReopenedAndARepeatedKeyKeepsItsFirstTypeAndLastValue)
{
    const IniData ini = parseIniLines({"v = 0", "v = 1", "v = true", "  [ a ]  ", "k = 1", "[empty]", "[ a ]",
                                       "c = 3", "s = \"x\"", "s = \"y\""});
    EXPECT_EQ(ini.getSection(" a ").keys(), (Keys{"k", "c", "s"}));
    EXPECT_FALSE(ini.hasSection("a"));
    EXPECT_FALSE(ini.hasSection("empty"));
    EXPECT_FLOAT_EQ(ini.getSection("").getFloat("v"), 1.0f);
    EXPECT_FALSE(ini.getSection("").hasBool("v"));
    EXPECT_EQ(ini.getSection(" a ").getString("s"), "y");
}

TEST(IniDataDeathTest, GettersAssertTheSectionAndTheKeyWithItsType)
{
    IniData ini;
    IniSectionData& section = ini.obtainSection("present");
    EXPECT_TRUE(section.setFloat("number", 1.0f));
    EXPECT_FALSE(section.setBool("number", true));
    EXPECT_DEATH(section.getString("number"), "Assertion failed: hasString\\(key\\) == true");
    EXPECT_DEATH(section.getBool("absent"), "Assertion failed: hasBool\\(key\\) == true");
    EXPECT_DEATH(ini.getSection("absent"), "Assertion failed: hasSection\\(name\\) == true");
}

} // namespace
