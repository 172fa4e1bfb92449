#include "Engine/Animation/FileFields.h"

namespace Engine::GFX::AnimationIO {

std::string readName(Mesh::BinaryReader& in, const char* field)
{
    const uint8_t length = in.readU8(field);
    return in.readString(length, field);
}

glm::mat4 readMatrix(Mesh::BinaryReader& in, const char* field)
{
    in.require(matrixFloats, 4, field);
    glm::mat4 matrix;
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            matrix[column][row] = in.readF32(field);
        }
    }
    return matrix;
}

void writeName(Mesh::BinaryWriter& out, const std::string& name)
{
    out.writeU8(static_cast<uint8_t>(name.size()));
    out.writeBytes(name);
}

void writeMatrix(Mesh::BinaryWriter& out, const glm::mat4& matrix)
{
    for (int column = 0; column < 4; ++column) {
        for (int row = 0; row < 4; ++row) {
            out.writeF32(matrix[column][row]);
        }
    }
}

} // namespace Engine::GFX::AnimationIO
