#pragma once

#include <string>

namespace DataGen {

// Writes every sound of the game's data file list (mono 16-bit WAV) into the
// run folder `runDir`. Throws std::runtime_error when a file cannot be written.
void writeSounds(const std::string& runDir);

} // namespace DataGen
