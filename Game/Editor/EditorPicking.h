#pragma once

#include <cstdint>

#include <glm/glm.hpp>

class FBO;

namespace Game {

// The pixel of a width x height target nearest to (x, y), so that a mouse
// outside the window reads the nearest edge pixel.
glm::ivec2 clampToTarget(int32_t x, int32_t y, uint32_t width, uint32_t height);

// The red byte of the framebuffer's first colour target at the pixel nearest
// to (x, y), in GL window coordinates (origin bottom left). Waits for the GL
// pipeline to finish drawing, so it sees the last picking pass.
uint8_t readPickingRed(const FBO& framebuffer, int32_t x, int32_t y);

} // namespace Game
