#pragma once

#include <string>

namespace DataGen {

// Writes the game's images (PNG) and the editor's axis gizmo mesh into the run
// folder's data directory `runDataDir` (e.g. "build/run/data"), creating the
// sub-folders it needs. The output depends on nothing but this code, so two
// runs give identical files. Throws std::runtime_error (Engine::DataFileError
// for files) when something cannot be written.
void writeArt(const std::string& runDataDir);

} // namespace DataGen
