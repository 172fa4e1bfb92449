#pragma once

#include "Engine/Animation/Animation.h"

namespace DataGen::RunningClip {

// The game plays the whole clip once per 300 update steps of 10 ms, so the
// clip spans 3 s and holds several strides to give a running cadence.
inline constexpr float clipSeconds = 3.0f;
inline constexpr int stridesPerClip = 4;
inline constexpr int keysPerStride = 12;
inline constexpr float ticksPerSecond = 16.0f;

// One channel per skeleton node below the root, keyCount keys each, at the
// same times; the last key repeats the first so the clip loops seamlessly.
Engine::GFX::Animation buildRunningClip();

} // namespace DataGen::RunningClip
