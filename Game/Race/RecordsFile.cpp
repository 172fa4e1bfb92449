#include "Game/Race/RecordsFile.h"

#include "Engine/Base/DataFileError.h"
#include "Engine/Config/FileUtil.h"
#include "Engine/Config/IniLine.h"
#include "Game/Race/RaceTimer.h"

#include <cstdio>
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
        const std::vector<TextLine> lines = splitLines(text, LineEnds::any);
        for (std::size_t i = 0; i < lines.size(); ++i) {
            try {
                readLine(lexIniLine(lines[i].text));
            } catch (const Problem& problem) {
                throw Problem{"line " + std::to_string(i + 1) + ": " + problem.text};
            }
        }
        closeSection();
        return records;
    }

private:
    void readLine(const IniLine& line)
    {
        switch (line.kind) {
        case IniLine::Kind::blank:
        case IniLine::Kind::comment: return;
        case IniLine::Kind::section: return openSection(line.name);
        case IniLine::Kind::keyValue:
            if (!line.plain) throw Problem{"not a single key = seconds"};
            if (!current) throw Problem{"a key before the first section"};
            return readKey(keys, line.name, line.value);
        case IniLine::Kind::other: break;
        }
        throw Problem{"not a section, a \"key = seconds\" line or a comment"};
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
    const FileUtil::FileBytes file = FileUtil::readFileBytes(path);
    if (!file.status.ok()) return {{}, file.status.message()};
    if (!file.bytes) return {};
    return parseRecords(*file.bytes, path);
}

std::string RecordBook::load()
{
    RecordsRead read = readRecordsFile(filePath);
    records = std::move(read.records);
    return read.error;
}

std::optional<RaceRecord> RecordBook::best(const std::string& hash) const
{
    const auto found = records.find(hash);
    if (found == records.end()) return std::nullopt;
    return found->second;
}

Engine::Status RecordBook::save(const std::string& hash, const RaceRecord& run)
{
    records[hash] = run;
    // Checked again now: the file may have changed since it was loaded.
    Engine::Status written = Engine::Status::success();
    if (!readRecordsFile(filePath).ok()) written = FileUtil::keepRefusedFile(filePath, filePath + refusedRecordsSuffix);
    if (written.ok()) written = FileUtil::replaceFile(filePath, formatRecords(records));
    return written.ok() ? written : Engine::Status::failure(filePath + ": " + written.message());
}

} // namespace Game
