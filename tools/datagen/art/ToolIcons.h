#pragma once

#include "tools/datagen/art/Image.h"

// Square icons of the editor's tools, shown on the editor's dark top bar:
// an opaque bevelled tile with a light symbol.
namespace DataGen {

inline constexpr int toolIconSize = 64;

enum class EditorTool { create, translate, scale, rotate };

Image makeToolIcon(EditorTool tool);

} // namespace DataGen
