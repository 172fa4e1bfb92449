#pragma once

#include <string>

namespace DataGen {

// Writes the animated character (mesh, skeleton, running clip) into the run
// folder, at the paths of the game's data file list.
void writeCharacter(const std::string& runDir);

// Bakes the game's bitmap font from DejaVu Sans into its description and
// page image.
void writeFont(const std::string& runDir);

} // namespace DataGen
