#pragma once

#include <string>

namespace DataGen {

// Writes the animated character into the run folder's data directory:
// "models/animation.camesh", "skeletons/animation.cskel" and
// "animations/animation_running.canim".
void writeCharacter(const std::string& runDataDir);

// Bakes the game's bitmap font from DejaVu Sans into "fonts/engine_font.fnt"
// and its page image "fonts/engine_font.png".
void writeFont(const std::string& runDataDir);

} // namespace DataGen
