#include "Game/Level/LevelFile.h"

#include "Engine/Config/IniLine.h"

#include <array>
#include <charconv>
#include <cctype>
#include <cmath>
#include <optional>

// The strict reading of a level file: every line is checked as it comes, and
// the first fault refuses the whole file with the line's number, so a file
// the game cannot use is never taken for an empty level.
namespace Game {

namespace {

constexpr std::array<const char*, 10> keys{"x", "y", "z", "sx", "sy", "sz", "qw", "qx", "qy", "qz"};
constexpr std::size_t firstSizeKey = 3;
constexpr std::size_t firstRotationKey = 6;
constexpr double unitTolerance = 1e-3;
// A rotation this close to unit length is what normalising in floats gives:
// it is kept as it is, so reading what was written changes no bit.
constexpr double normalisedTolerance = 1e-5;
const std::string byteOrderMark = "\xEF\xBB\xBF";

constexpr const char* kindKey = "kind";

struct Section {
    std::string name;
    std::array<std::optional<float>, keys.size()> values;
    std::optional<BlockKind> kind;
};

struct Reading {
    std::size_t maxBlocks;
    std::vector<BlockPose> blocks;
    std::optional<Section> section;
    std::string error;
    std::optional<std::string> startSection; // the block that is the start, once one is
};

std::string sectionName(std::size_t index)
{
    return "block" + std::to_string(index);
}

std::string atLine(std::size_t number, const std::string& problem)
{
    return "line " + std::to_string(number) + ": " + problem;
}

std::optional<std::size_t> keyIndex(const std::string& key)
{
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (key == keys[i]) return i;
    }
    return std::nullopt;
}

// The whole text as a decimal number: an optional sign, digits with an
// optional point, an optional exponent; the problem otherwise.
std::optional<float> numberOf(const std::string& text, std::string& problem)
{
    // from_chars takes no plus sign but does take "inf" and "nan": after the
    // sign a number must start with a digit or a point.
    const std::size_t sign = !text.empty() && (text[0] == '+' || text[0] == '-') ? 1 : 0;
    const bool startsWell = sign < text.size()
        && (std::isdigit(static_cast<unsigned char>(text[sign])) != 0 || text[sign] == '.');
    const char* const first = text.data() + (sign == 1 && text[0] == '+' ? 1 : 0);
    const char* const last = text.data() + text.size();
    float value = 0.0f;
    const std::from_chars_result read = startsWell ? std::from_chars(first, last, value) : std::from_chars_result{};
    if (!startsWell || read.ec == std::errc::invalid_argument || read.ptr != last) {
        problem = "is not a number";
    } else if (read.ec == std::errc::result_out_of_range || !std::isfinite(value)) {
        problem = "is out of a float's range";
    } else {
        return value;
    }
    return std::nullopt;
}

std::string rangeProblem(std::size_t key, float value)
{
    if (key < firstSizeKey && std::abs(value) > levelExtent) {
        return "is farther than " + std::to_string(int(levelExtent)) + " m from the origin";
    }
    const bool isSize = key >= firstSizeKey && key < firstRotationKey;
    if (isSize && (value < smallestBlockSide || value > largestBlockSide)) {
        return "is not a side from 0.1 to " + std::to_string(int(largestBlockSide)) + " m";
    }
    return "";
}

// The section's block, or the problem with it.
std::optional<BlockPose> blockOf(const Section& section, std::string& error)
{
    for (std::size_t i = 0; i < keys.size(); ++i) {
        if (!section.values[i]) {
            error = section.name + ": " + keys[i] + " is missing";
            return std::nullopt;
        }
    }
    const auto value = [&](std::size_t i) { return *section.values[i]; };
    BlockPose block;
    block.position = glm::vec3(value(0), value(1), value(2));
    block.size = glm::vec3(value(3), value(4), value(5));
    const glm::dvec4 q(value(6), value(7), value(8), value(9));
    const double length = glm::length(q);
    if (std::abs(length - 1.0) > unitTolerance) {
        error = section.name + ": the rotation is not a unit quaternion";
        return std::nullopt;
    }
    const glm::dvec4 unit = std::abs(length - 1.0) > normalisedTolerance ? q / length : q;
    block.rotation = glm::quat(float(unit.x), float(unit.y), float(unit.z), float(unit.w));
    block.kind = section.kind.value_or(BlockKind::plain);
    return block;
}

void finishSection(Reading& reading)
{
    if (!reading.section || !reading.error.empty()) return;
    if (const auto block = blockOf(*reading.section, reading.error)) reading.blocks.push_back(*block);
    reading.section.reset();
}

void startSection(Reading& reading, const std::string& name, std::size_t line)
{
    finishSection(reading);
    if (!reading.error.empty()) return;
    const std::size_t index = reading.blocks.size();
    bool seen = false;
    for (std::size_t i = 0; i < index; ++i) seen = seen || name == sectionName(i);
    if (name != sectionName(index)) {
        reading.error = atLine(line, (seen ? "section [" + name + "] appears twice" : "unexpected section [" + name + "]"));
    } else if (index == reading.maxBlocks) {
        reading.error = atLine(line, "more than " + std::to_string(reading.maxBlocks) + " blocks");
    } else {
        reading.section = Section{name, {}, {}};
    }
}

// What keeps the line from setting a key of the open section, if anything.
// What keeps the line from setting any key, if anything.
std::string lineProblem(const Reading& reading, const IniLine& lexed)
{
    if (!lexed.plain) return "not a single key = number";
    if (!reading.section) return "keys before the first block";
    return "";
}

std::string placeProblem(const Reading& reading, const IniLine& lexed, std::optional<std::size_t> key)
{
    if (const std::string problem = lineProblem(reading, lexed); !problem.empty()) return problem;
    const std::string& section = reading.section->name;
    if (!key) return "unknown key " + lexed.name + " in [" + section + "]";
    if (reading.section->values[*key]) return "key " + lexed.name + " appears twice in [" + section + "]";
    return "";
}

// "kind = <word>": once per block, a word of blockKindName, one start per level.
std::string takeKind(Reading& reading, const IniLine& lexed)
{
    if (const std::string problem = lineProblem(reading, lexed); !problem.empty()) return problem;
    Section& section = *reading.section;
    if (section.kind) return "key kind appears twice in [" + section.name + "]";
    const std::optional<BlockKind> kind = blockKindNamed(lexed.value);
    if (!kind) return "kind = " + lexed.value + " is not plain, start, checkpoint or finish";
    if (*kind == BlockKind::start && reading.startSection) {
        return "kind = start in [" + section.name + "], but [" + *reading.startSection + "] is the start";
    }
    if (*kind == BlockKind::start) reading.startSection = section.name;
    section.kind = kind;
    return "";
}

void takeValue(Reading& reading, const IniLine& lexed, std::size_t line)
{
    if (lexed.name == kindKey) {
        const std::string problem = takeKind(reading, lexed);
        if (!problem.empty()) reading.error = atLine(line, problem);
        return;
    }
    const std::optional<std::size_t> key = keyIndex(lexed.name);
    std::string problem = placeProblem(reading, lexed, key);
    if (problem.empty()) {
        std::string valueProblem;
        const std::optional<float> value = numberOf(lexed.value, valueProblem);
        if (value) valueProblem = rangeProblem(*key, *value);
        if (valueProblem.empty()) {
            reading.section->values[*key] = *value;
            return;
        }
        problem = lexed.name + " = " + lexed.value + " " + valueProblem;
    }
    reading.error = atLine(line, problem);
}

void readLine(Reading& reading, const std::string& text, std::size_t line)
{
    const IniLine lexed = lexIniLine(text);
    switch (lexed.kind) {
    case IniLine::Kind::blank:
    case IniLine::Kind::comment: break;
    case IniLine::Kind::section: startSection(reading, lexed.name, line); break;
    case IniLine::Kind::keyValue: takeValue(reading, lexed, line); break;
    case IniLine::Kind::other:
        reading.error = atLine(line, "not a [blockN] header, a key = number line or a comment");
        break;
    }
}

} // namespace

LevelRead parseLevel(const std::string& text, std::size_t maxBlocks)
{
    const bool marked = text.compare(0, byteOrderMark.size(), byteOrderMark) == 0;
    const std::vector<TextLine> lines = splitLines(marked ? text.substr(byteOrderMark.size()) : text, LineEnds::any);
    Reading reading{maxBlocks, {}, std::nullopt, "", std::nullopt};
    for (std::size_t i = 0; i < lines.size() && reading.error.empty(); ++i) readLine(reading, lines[i].text, i + 1);
    finishSection(reading);
    if (!reading.error.empty()) return LevelRead{{}, reading.error, true};
    return LevelRead{reading.blocks, "", true};
}

} // namespace Game
