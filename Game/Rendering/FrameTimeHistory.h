#pragma once

#include <array>
#include <cstddef>
#include <vector>

#include <glm/glm.hpp>

namespace Game {

// The times of the last `capacity` frames in a ring: a new time replaces
// the oldest once the ring is full.
class FrameTimeHistory {
public:
    static constexpr std::size_t capacity = 240;

    void add(float milliseconds);
    std::size_t size() const { return count; }
    // Index 0 is the oldest frame kept, size() - 1 the newest.
    float operator[](std::size_t index) const { return times[(next + capacity - count + index) % capacity]; }

private:
    std::array<float, capacity> times{};
    std::size_t next = 0;
    std::size_t count = 0;
};

// The frame-time graph's shape, in window pixels: one upright line per
// frame, `pixelsPerMillisecond` tall per millisecond and cut off at the top.
struct FrameGraphLayout {
    static constexpr float height = 100.0f;
    static constexpr float pixelsPerMillisecond = 2.0f;
    static constexpr float width = static_cast<float>(FrameTimeHistory::capacity);
    // The frame times the two level lines across the graph stand for: 60
    // and 30 frames per second.
    static constexpr float levels[] = {1000.0f / 60.0f, 1000.0f / 30.0f};
};

// Vertices for GL_LINES, six floats each (x, y, 0, red, green, blue), with
// the graph's lower-left corner at `corner`: a line per frame, oldest at the
// left, coloured by the level it reaches, then the level lines.
std::vector<float> frameGraphVertices(const FrameTimeHistory& history, glm::vec2 corner);

} // namespace Game
