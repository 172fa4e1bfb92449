#include "tools/datagen/art/Noise.h"

#include <cmath>

namespace DataGen::Noise {

namespace {

uint32_t mix(uint32_t h)
{
    h ^= h >> 16;
    h *= 0x7feb352du;
    h ^= h >> 15;
    h *= 0x846ca68bu;
    h ^= h >> 16;
    return h;
}

float smooth(float t)
{
    return t * t * (3.0f - 2.0f * t);
}

int wrap(int value, int period)
{
    const int r = value % period;
    return r < 0 ? r + period : r;
}

} // namespace

float hash(int x, int y, int z, uint32_t seed)
{
    uint32_t h = mix(seed ^ 0x9e3779b9u);
    h = mix(h ^ static_cast<uint32_t>(x));
    h = mix(h ^ static_cast<uint32_t>(y));
    h = mix(h ^ static_cast<uint32_t>(z));
    return static_cast<float>(h >> 8) / 16777216.0f;
}

float value(const glm::vec3& p, uint32_t seed)
{
    const glm::vec3 cell = glm::floor(p);
    const glm::vec3 f = p - cell;
    const int x = static_cast<int>(cell.x), y = static_cast<int>(cell.y), z = static_cast<int>(cell.z);
    const float u = smooth(f.x), v = smooth(f.y), w = smooth(f.z);
    const auto layer = [&](int zz) {
        const float bottom = glm::mix(hash(x, y, zz, seed), hash(x + 1, y, zz, seed), u);
        const float top = glm::mix(hash(x, y + 1, zz, seed), hash(x + 1, y + 1, zz, seed), u);
        return glm::mix(bottom, top, v);
    };
    return glm::mix(layer(z), layer(z + 1), w);
}

float periodicValue(glm::vec2 p, int period, uint32_t seed)
{
    const glm::vec2 cell = glm::floor(p);
    const glm::vec2 f = p - cell;
    const int x0 = wrap(static_cast<int>(cell.x), period), y0 = wrap(static_cast<int>(cell.y), period);
    const int x1 = wrap(x0 + 1, period), y1 = wrap(y0 + 1, period);
    const float u = smooth(f.x), v = smooth(f.y);
    const float bottom = glm::mix(hash(x0, y0, 0, seed), hash(x1, y0, 0, seed), u);
    const float top = glm::mix(hash(x0, y1, 0, seed), hash(x1, y1, 0, seed), u);
    return glm::mix(bottom, top, v);
}

// Each octave is turned against the lattice so that the grid of the cells
// does not line up between octaves and show as straight streaks.
float fractal(const glm::vec3& p, int octaves, uint32_t seed)
{
    const glm::mat3 turn(0.00f, 0.80f, 0.60f, -0.80f, 0.36f, -0.48f, -0.60f, -0.48f, 0.64f);
    float sum = 0.0f, amplitude = 0.5f, norm = 0.0f;
    glm::vec3 q = p;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * value(q, seed + static_cast<uint32_t>(i));
        norm += amplitude;
        amplitude *= 0.5f;
        q = turn * q * 2.0f;
    }
    return sum / norm;
}

float periodicFractal(glm::vec2 p, int period, int octaves, uint32_t seed)
{
    float sum = 0.0f, amplitude = 0.5f, norm = 0.0f;
    for (int i = 0; i < octaves; ++i) {
        sum += amplitude * periodicValue(p, period, seed + static_cast<uint32_t>(i));
        norm += amplitude;
        amplitude *= 0.5f;
        p *= 2.0f;
        period *= 2;
    }
    return sum / norm;
}

} // namespace DataGen::Noise
