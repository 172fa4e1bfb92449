#pragma once

#include <string>

#include "Game/Resources/DataFiles.h"

namespace DataGen {

// Writes the game's images (PNG) and the editor's axis gizmo mesh into the run
// folder `runDir` (e.g. "build/run"), at the paths of the game's data file
// list, creating the sub-folders it needs. The output depends on nothing but this code, so two
// runs give identical files. Throws std::runtime_error (Engine::DataFileError
// for files) when something cannot be written.
void writeArt(const std::string& runDir);

// Where a data file goes in the run folder; its folder is created.
std::string outputPath(const std::string& runDir, const Game::DataFile& file);

} // namespace DataGen
