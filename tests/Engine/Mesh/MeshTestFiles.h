#pragma once

#include <cstdint>
#include <fstream>
#include <iterator>
#include <limits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "Engine/Mesh/MeshData.h"

namespace MeshTest {

using Engine::GFX::Mesh::MeshData;

inline std::string tempPath(const std::string& name)
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    return ::testing::TempDir() + info->test_suite_name() + "_" + info->name() + "_" + name;
}

inline std::vector<uint8_t> readBytes(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes, std::size_t length)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(length));
}

// Two quads sharing one index range through two base vertices, with floats
// that survive only a bit-exact round trip (negative zero, a subnormal, NaN).
inline MeshData staticSample()
{
    MeshData mesh;
    mesh.vertexCount = 8;
    for (uint32_t v = 0; v < 8; ++v) {
        const float f = static_cast<float>(v);
        mesh.positions.emplace_back(f * 0.1f, -f, f * 1e-3f);
        mesh.normals.emplace_back(0.0f, 0.0f, 1.0f);
        mesh.texcoords.emplace_back(f / 7.0f, 1.0f - f / 7.0f);
    }
    mesh.positions[1].x = -0.0f;
    mesh.normals[2].y = std::numeric_limits<float>::denorm_min();
    mesh.texcoords[3].x = std::numeric_limits<float>::quiet_NaN();
    mesh.indices = {0, 1, 2, 0, 2, 3};
    mesh.triangleCount = 2;
    mesh.parts = {{0, 6, 0, "front"}, {0, 6, 4, "back"}, {3, 3, 1, "tail"}};
    return mesh;
}

inline MeshData skinnedSample()
{
    MeshData mesh = staticSample();
    mesh.boneData.resize(mesh.vertexCount);
    for (uint32_t v = 0; v < mesh.vertexCount; ++v) {
        mesh.boneData[v].ids[0] = v % 3;
        mesh.boneData[v].ids[1] = (v + 1) % 3;
        mesh.boneData[v].weights[0] = 0.75f;
        mesh.boneData[v].weights[1] = 0.25f;
    }
    const char* names[] = {"root", "spine", "hand.L"};
    for (int b = 0; b < 3; ++b) {
        Engine::GFX::Mesh::MeshFileBone bone;
        bone.name = names[b];
        for (int i = 0; i < 16; ++i) bone.offset[i / 4][i % 4] = static_cast<float>(b * 16 + i) * 0.5f - 3.0f;
        mesh.bones.push_back(bone);
    }
    return mesh;
}

// Byte offsets of the fields of a file written from staticSample/skinnedSample.
struct SampleLayout {
    static constexpr std::size_t vertexCount = 7;
    static constexpr std::size_t triangleCount = 11 + 32 * 8;
    static constexpr std::size_t firstIndexValue = triangleCount + 4;
    static constexpr std::size_t partCount = triangleCount + 4 + 6 * 4;
    static constexpr std::size_t firstPartNameLength = partCount + 1;
    static constexpr std::size_t firstPartFirstIndex = firstPartNameLength + 1 + 5; // "front"
    static constexpr std::size_t firstPartIndexCount = firstPartFirstIndex + 4;
    static constexpr std::size_t firstPartBaseVertex = firstPartIndexCount + 4;
    static constexpr std::size_t boneData = partCount + 1 + (13 + 5) + (13 + 4) + (13 + 4);
    static constexpr std::size_t boneCount = boneData + 24 * 8;
    static constexpr std::size_t firstBoneNameLength = boneCount + 1;
};

} // namespace MeshTest
