#pragma once

#include "tests/e2e/GameProcess.h"

#include <string>
#include <vector>

namespace E2E {

// The ways a data file is damaged: removed, cut to half its length, or
// overwritten with (seeded) random bytes of its own length.
enum class Damage { Missing, TruncatedToHalf, RandomBytes };

std::string damageName(Damage damage);

// The files under the build's ./data, as paths relative to the run folder
// ("data/..."), sorted.
std::vector<std::string> runFolderDataFiles();

// A temporary run folder with the build's configuration and a real copy of
// its data, so that one data file can be damaged without touching the build.
class FaultRunFolder {
public:
    FaultRunFolder();

    const std::string& path() const { return folder.path(); }
    // Damages the file at the path relative to the run folder.
    void damage(const std::string& relativePath, Damage damage);

private:
    TemporaryRunFolder folder;
};

} // namespace E2E
