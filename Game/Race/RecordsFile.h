#pragma once

#include "Engine/Base/Status.h"
#include "Game/Race/RaceRecord.h"

#include <map>
#include <optional>
#include <string>

namespace Game {

// Where the best runs are kept, relative to the run folder.
inline constexpr const char* recordsFilePath = "./profile/records.cfg";
// A save moves a records file that was refused to this name beside it.
inline constexpr const char* refusedRecordsSuffix = ".refused";

// A level's name in the records and ghost files: the FNV-1a 64-bit hash of
// its saved text as 16 lower-case hex digits, so an edited level starts fresh.
std::string levelHash(const std::string& levelText);

// The best run per level hash.
using RaceRecords = std::map<std::string, RaceRecord>;

// What reading the records gave, or the one line that says why not.
struct RecordsRead {
    RaceRecords records;
    std::string error;

    bool ok() const { return error.empty(); }
};

// The records as INI text: one section per level hash with "best" and
// "split1", "split2", ... in seconds with two decimals.
std::string formatRecords(const RaceRecords& records);

// Every line (as the program's INI lexer sees it) must be blank, a comment,
// a section named by a level hash or "key = seconds" inside one. Keys are best and split1 up to splitN
// without gaps, times have at most two decimals and at most an hour, splits
// do not go back in time nor past the best. Sections and keys appear once.
// The error names the path, the line and the problem.
RecordsRead parseRecords(const std::string& text, const std::string& path);

// The records of a file; a missing file holds none, one that cannot be read
// (a folder, no permission) gives the reason as its error.
RecordsRead readRecordsFile(const std::string& path);

// The records file a race reads at start and rewrites when a record is
// beaten. A file the reader refuses is moved to path + refusedRecordsSuffix
// before anything replaces it; while it cannot be moved it is not written.
class RecordBook {
public:
    explicit RecordBook(std::string path = recordsFilePath) : filePath(std::move(path)) {}

    // Reads the file. Returns the one-line report of a damaged file (the
    // book is then empty), or an empty text.
    std::string load();

    std::optional<RaceRecord> best(const std::string& hash) const;

    // Keeps the run as the level's best and rewrites the file with
    // FileUtil::replaceFile; a failure names the file.
    Engine::Status save(const std::string& hash, const RaceRecord& run);

    const std::string& path() const { return filePath; }

private:
    std::string filePath;
    RaceRecords records;
};

} // namespace Game
