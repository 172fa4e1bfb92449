#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace Engine::GFX {

// Copies GLM vectors into one float array, components in x, y, z, w order,
// the form a vertex buffer takes.
template <typename Vector>
std::unique_ptr<float[]> toFlatArray(const std::vector<Vector>& values)
{
    constexpr auto components = static_cast<size_t>(Vector::length());
    auto array = std::make_unique<float[]>(values.size() * components);
    for (size_t v = 0; v < values.size(); ++v) {
        for (size_t c = 0; c < components; ++c) {
            array[v * components + c] = values[v][static_cast<typename Vector::length_type>(c)];
        }
    }
    return array;
}

} // namespace Engine::GFX
