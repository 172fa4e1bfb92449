#pragma once

#include "Engine/Config/WindowSettings.h"
#include "Engine/Base/Window.h"

namespace Engine {

// Applies the user's window settings in this order: the swap interval (also
// kept in the handle), fullscreen on or off, the size, a centred position.
void applyWindowSettings(const WindowSettings& settings, WindowHandle& handle);

} // namespace Engine
