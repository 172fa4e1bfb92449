#pragma once

#include "tools/datagen/art/Image.h"

// The images of the 2D overlay. Menu buttons and panels are drawn without
// blending, so they are fully opaque; the crosshair and the cursor are drawn
// with premultiplied blending and are returned premultiplied.
namespace DataGen {

inline constexpr int buttonWidth = 256;
inline constexpr int buttonHeight = 64;
inline constexpr int testBoxSize = 128;
inline constexpr int whiteImageSize = 16;
// Both are drawn one texel per screen pixel with nearest filtering.
inline constexpr int crosshairSize = 12;
inline constexpr int cursorSize = 24;

enum class ButtonLook { normal, hover, pressed };

Image makeButtonImage(ButtonLook look);
// A framed panel with an orientation mark in every corner (red lower-left,
// green lower-right, blue upper-left, white upper-right) to check UI mapping.
Image makeTestBoxImage();
// Plain white: UI elements tint it with their colour.
Image makeWhiteImage();
Image makeCrosshairImage();
// An arrow whose tip is the image's upper-left corner (the hot spot).
Image makeCursorImage();

} // namespace DataGen
