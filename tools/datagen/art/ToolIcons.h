#pragma once

#include "Game/Resources/EditorTools.h"
#include "tools/datagen/art/Image.h"

// Square icons of the editor's tools, shown on the editor's dark top bar:
// an opaque bevelled tile with a light symbol.
namespace DataGen {

inline constexpr int toolIconSize = 64;

// The tool's symbol over the common tile.
Image makeToolIcon(Game::Tool tool);

} // namespace DataGen
