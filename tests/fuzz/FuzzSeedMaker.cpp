// Writes small valid seeds for the binary fuzz targets with the project's own
// writers: the data tool's files are large, and a fuzzer mutates a few hundred
// bytes far more usefully than a hundred kilobytes of vertex data.
// Usage: fuzz_seed_maker <folder>; writes <folder>/{mesh,skeleton,animation}/.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>

#include <glm/gtc/matrix_transform.hpp>

#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/SkeletonFile.h"
#include "Engine/Mesh/MeshFile.h"

namespace {

using Engine::GFX::Mesh::MeshData;
using Engine::GFX::Mesh::MeshFilePart;

std::string folder(const std::string& root, const std::string& name)
{
    const std::filesystem::path path = std::filesystem::path(root) / name;
    std::filesystem::create_directories(path);
    return path.string() + "/";
}

// A unit quad of two triangles, drawn whole by one part and shifted by one
// vertex by a second part that reuses the first triangle's indices.
MeshData quad()
{
    MeshData mesh;
    mesh.vertexCount = 4;
    mesh.triangleCount = 2;
    mesh.positions = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}};
    mesh.normals.assign(4, glm::vec3(0, 0, 1));
    mesh.texcoords = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    mesh.indices = {0, 1, 2, 0, 2, 3};
    mesh.parts = {MeshFilePart{0, 6, 0, "quad"}, MeshFilePart{0, 3, 1, "shifted"}};
    return mesh;
}

MeshData skinnedQuad()
{
    MeshData mesh = quad();
    mesh.boneData.resize(mesh.vertexCount);
    for (uint32_t v = 0; v < mesh.vertexCount; ++v) {
        mesh.boneData[v].ids[0] = v % 2;
        mesh.boneData[v].weights[0] = 0.75f;
        mesh.boneData[v].ids[1] = 1 - v % 2;
        mesh.boneData[v].weights[1] = 0.25f;
    }
    mesh.bones.resize(2);
    mesh.bones[0].name = "root";
    mesh.bones[1].name = "arm";
    mesh.bones[1].offset = glm::translate(glm::mat4(1.0f), glm::vec3(0, -1, 0));
    return mesh;
}

// The skinned format also accepts the second magic; the writer uses the first.
void writeWithAltMagic(const std::string& source, const std::string& target)
{
    std::ifstream in(source, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    bytes.replace(0, 6, Engine::GFX::Mesh::skinnedMeshMagicAlt);
    std::ofstream out(target, std::ios::binary);
    out << bytes;
    out.close();
    if (!in || !out) {
        throw std::runtime_error(target + ": cannot copy " + source);
    }
}

void writeMeshes(const std::string& dir)
{
    using Engine::GFX::Mesh::writeMeshFile;
    writeMeshFile(dir + "quad.cmesh", quad());
    writeMeshFile(dir + "empty.cmesh", MeshData{});
    writeMeshFile(dir + "skinned_quad.camesh", skinnedQuad());
    writeWithAltMagic(dir + "skinned_quad.camesh", dir + "skinned_quad_alt.camesh");
}

Engine::GFX::PoseNode node(const std::string& name, int parent, const glm::vec3& offset)
{
    Engine::GFX::PoseNode result;
    result.name = name;
    result.hasParent = parent >= 0;
    result.parentIndex = parent >= 0 ? static_cast<uint32_t>(parent) : 0u;
    result.transform = glm::translate(glm::mat4(1.0f), offset);
    return result;
}

void writeSkeletons(const std::string& dir)
{
    using Engine::GFX::SkeletalAnimation;
    Engine::GFX::writeSkeletonFile(dir + "root.cskel", SkeletalAnimation({node("root", -1, {0, 0, 1})}));
    Engine::GFX::writeSkeletonFile(
        dir + "branches.cskel",
        SkeletalAnimation({node("root", -1, {0, 0, 1}), node("arm", 0, {0.5f, 0, 0}), node("hand", 1, {0.5f, 0, 0}),
                           node("leg", 0, {0, 0, -0.5f})}));
}

Engine::GFX::AnimationChannel channel(const std::string& name, int keys)
{
    Engine::GFX::AnimationChannel result;
    result.nodeName = name;
    result.keyCount = static_cast<uint32_t>(keys);
    for (int k = 0; k < keys; ++k) {
        const float time = 10.0f * static_cast<float>(k);
        result.positions.emplace_back(static_cast<float>(k), 0.0f, 0.0f);
        result.positionTimes.push_back(time);
        result.scales.emplace_back(1.0f);
        result.scaleTimes.push_back(time);
        result.rotations.push_back(glm::angleAxis(0.5f * static_cast<float>(k), glm::vec3(0, 0, 1)));
        result.rotationTimes.push_back(time);
    }
    return result;
}

void writeAnimations(const std::string& dir)
{
    Engine::GFX::Animation clip;
    clip.name = "wave";
    clip.duration = 20.0f;
    clip.ticksPerSecond = 25.0f;
    clip.channels = {channel("arm", 3), channel("hand", 1), channel("missing", 2)};
    Engine::GFX::writeAnimationFile(dir + "wave.canim", clip);
    Engine::GFX::writeAnimationFile(dir + "empty.canim", Engine::GFX::Animation{});
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <seed folder>\n", argv[0]);
        return 2;
    }
    const std::string root = argv[1];
    try {
        writeMeshes(folder(root, "mesh"));
        writeSkeletons(folder(root, "skeleton"));
        writeAnimations(folder(root, "animation"));
    } catch (const std::exception& error) {
        std::fprintf(stderr, "fuzz_seed_maker: %s\n", error.what());
        return 1;
    }
    return 0;
}
