#include "Game/Race/RecordsFile.h"

#include "Engine/Base/DataFileError.h"
#include "Engine/Config/FileUtil.h"
#include "Game/Race/RaceTimer.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace Game {

namespace {

constexpr std::size_t hashDigits = 16;
constexpr std::size_t maxLevels = 10000;
constexpr uint32_t longestTime = 3600 * raceStepsPerSecond;
constexpr std::size_t maxWholeDigits = 6;

// ---- one line at a time ----------------------------------------------------

// A problem with one line, and one with a section as a whole (named by the
// section rather than by the line where it ended).
struct Problem {
    std::string text;
};
struct SectionProblem {
    std::string text;
};

bool isHexName(const std::string& name)
{
    return name.size() == hashDigits && name.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// 1 for "split1", ...; 0 for any other key.
std::size_t splitNumber(const std::string& key)
{
    const std::string digits = key.substr(std::min<std::size_t>(key.size(), 5));
    if (key.rfind("split", 0) != 0 || digits.empty() || digits.size() > 4 || digits[0] == '0' ||
        digits.find_first_not_of("0123456789") != std::string::npos) {
        return 0;
    }
    return std::stoul(digits);
}

// "12", "12.3" or "12.34" seconds, as steps.
uint32_t timeOf(const std::string& key, const std::string& value)
{
    const std::size_t dot = value.find('.');
    const std::string whole = value.substr(0, dot);
    const std::string fraction = dot == std::string::npos ? "" : value.substr(dot + 1);
    const bool digitsOnly = (whole + fraction).find_first_not_of("0123456789") == std::string::npos;
    if (whole.empty() || whole.size() > maxWholeDigits || !digitsOnly || (dot != std::string::npos && fraction.empty()) ||
        fraction.size() > 2) {
        throw Problem{key + " is not a time in seconds with at most two decimals (\"" + value + "\")"};
    }
    const uint64_t steps = std::stoull(whole) * raceStepsPerSecond +
                           (fraction.empty() ? 0 : std::stoul(fraction) * (fraction.size() == 1 ? 10 : 1));
    if (steps > longestTime) throw Problem{key + " is longer than an hour (" + value + " s)"};
    return static_cast<uint32_t>(steps);
}

// Keys as read, before the section is checked as a whole.
struct SectionKeys {
    std::optional<uint32_t> best;
    std::map<std::size_t, uint32_t> splits;
};

void readKey(SectionKeys& keys, const std::string& key, const std::string& value)
{
    const std::size_t split = splitNumber(key);
    if (key != "best" && split == 0) throw Problem{"unknown key \"" + key + "\""};
    const bool repeated = split == 0 ? keys.best.has_value() : keys.splits.count(split) != 0;
    if (repeated) throw Problem{"key \"" + key + "\" appears twice"};
    const uint32_t steps = timeOf(key, value);
    if (split == 0) {
        keys.best = steps;
    } else {
        keys.splits[split] = steps;
    }
}

RaceRecord recordOf(const std::string& hash, const SectionKeys& keys)
{
    const std::string section = "[" + hash + "]: ";
    if (!keys.best) throw SectionProblem{section + "best is missing"};
    RaceRecord record{*keys.best, {}};
    for (const auto& [number, steps] : keys.splits) {
        const std::string name = "split" + std::to_string(number);
        if (number != record.splits.size() + 1) {
            throw SectionProblem{section + name + " without split" + std::to_string(record.splits.size() + 1)};
        }
        if (!record.splits.empty() && steps < record.splits.back()) {
            throw SectionProblem{section + name + " is earlier than the split before it"};
        }
        if (steps > record.steps) throw SectionProblem{section + name + " is later than best"};
        record.splits.push_back(steps);
    }
    return record;
}

// ---- the whole text ----------------------------------------------------------

class RecordsParser {
public:
    RaceRecords parse(const std::string& text)
    {
        std::istringstream lines(text);
        std::string line;
        for (std::size_t number = 1; std::getline(lines, line); ++number) {
            try {
                readLine(FileUtil::trimRight(FileUtil::trimLeft(line)));
            } catch (const Problem& problem) {
                throw Problem{"line " + std::to_string(number) + ": " + problem.text};
            }
        }
        closeSection();
        return records;
    }

private:
    void readLine(const std::string& line)
    {
        if (line.empty() || line[0] == '#' || line[0] == ';') return;
        if (line.front() == '[' && line.back() == ']') return openSection(line.substr(1, line.size() - 2));
        const std::size_t equals = line.find('=');
        if (equals == std::string::npos) throw Problem{"not a section, a \"key = seconds\" line or a comment"};
        if (!current) throw Problem{"a key before the first section"};
        readKey(keys, FileUtil::trimRight(line.substr(0, equals)), FileUtil::trimLeft(line.substr(equals + 1)));
    }

    void openSection(const std::string& name)
    {
        if (!isHexName(name)) throw Problem{"section [" + name + "] is not a level hash (16 hex digits)"};
        if (records.count(name) != 0 || current == name) throw Problem{"section [" + name + "] appears twice"};
        closeSection();
        if (records.size() == maxLevels) throw Problem{"more than " + std::to_string(maxLevels) + " levels"};
        current = name;
    }

    void closeSection()
    {
        if (!current) return;
        records[*current] = recordOf(*current, keys);
        keys = {};
        current.reset();
    }

    RaceRecords records;
    std::optional<std::string> current;
    SectionKeys keys;
};

std::string fileText(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

} // namespace

std::string levelHash(const std::string& levelText)
{
    uint64_t hash = 14695981039346656037ull;
    for (const char c : levelText) {
        hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    }
    char text[hashDigits + 1];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
    return text;
}

std::string formatRecords(const RaceRecords& records)
{
    std::ostringstream out;
    for (const auto& [hash, record] : records) {
        out << "[" << hash << "]\n";
        out << "best = " << formatRaceSeconds(record.steps) << "\n";
        for (std::size_t i = 0; i < record.splits.size(); ++i) {
            out << "split" << i + 1 << " = " << formatRaceSeconds(record.splits[i]) << "\n";
        }
    }
    return out.str();
}

RecordsRead parseRecords(const std::string& text, const std::string& path)
{
    try {
        return {RecordsParser().parse(text), ""};
    } catch (const Problem& problem) {
        return {{}, Engine::DataFileError(path, problem.text).what()};
    } catch (const SectionProblem& problem) {
        return {{}, Engine::DataFileError(path, problem.text).what()};
    }
}

RecordsRead readRecordsFile(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::exists(path, error)) return {};
    if (!std::filesystem::is_regular_file(path, error) || !std::ifstream(path)) {
        return {{}, Engine::DataFileError(path, "cannot be read").what()};
    }
    return parseRecords(fileText(path), path);
}

std::string RecordBook::load()
{
    RecordsRead read = readRecordsFile(filePath);
    records = std::move(read.records);
    if (read.ok()) return "";
    writable = FileUtil::replaceFile(filePath + ".refused", fileText(filePath)).empty();
    return read.error;
}

std::optional<RaceRecord> RecordBook::best(const std::string& hash) const
{
    const auto found = records.find(hash);
    if (found == records.end()) return std::nullopt;
    return found->second;
}

std::string RecordBook::save(const std::string& hash, const RaceRecord& run)
{
    records[hash] = run;
    if (!writable) return filePath + ": damaged and not kept as " + filePath + ".refused, so not overwritten";
    const std::string problem = FileUtil::replaceFile(filePath, formatRecords(records));
    return problem.empty() ? "" : filePath + ": " + problem;
}

} // namespace Game
