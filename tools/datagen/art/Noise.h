#pragma once

#include <cstdint>

#include <glm/glm.hpp>

// Deterministic hash-based value noise: the same input always gives the same
// output on every machine, so generated images never change between builds.
namespace DataGen::Noise {

// Uniform value in [0, 1) for an integer lattice point.
float hash(int x, int y, int z = 0, uint32_t seed = 0);

// Smoothly interpolated lattice noise in [0, 1).
float value(const glm::vec3& p, uint32_t seed = 0);
// Value noise on a lattice that repeats every `period` cells in x and y, so a
// texture sampled over one period tiles seamlessly.
float periodicValue(glm::vec2 p, int period, uint32_t seed = 0);

// Sums of octaves with halving amplitude and doubling frequency, in [0, 1).
float fractal(const glm::vec3& p, int octaves, uint32_t seed = 0);
float periodicFractal(glm::vec2 p, int period, int octaves, uint32_t seed = 0);

} // namespace DataGen::Noise
