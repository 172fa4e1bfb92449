#pragma once

#include <string>

#include <glm/glm.hpp>

#include "Engine/Base/BinaryReader.h"
#include "Engine/Base/BinaryWriter.h"

// Fields shared by the skeleton and clip files: 8-bit length-prefixed names and
// column-major matrices in glm's memory order.
namespace Engine::GFX::AnimationIO {

inline constexpr std::size_t maxNameLength = 255;
inline constexpr int matrixFloats = 16;

std::string readName(Mesh::BinaryReader& in, const char* field);
glm::mat4 readMatrix(Mesh::BinaryReader& in, const char* field);

void writeName(Mesh::BinaryWriter& out, const std::string& name);
void writeMatrix(Mesh::BinaryWriter& out, const glm::mat4& matrix);

} // namespace Engine::GFX::AnimationIO
