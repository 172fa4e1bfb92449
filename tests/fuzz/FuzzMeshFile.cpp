// Fuzz target for the static and skinned mesh reader: every accepted file must
// keep the reader's guarantees and survive a write and a second read unchanged.
#include <memory>

#include "Engine/Mesh/MeshFile.h"
#include "tests/fuzz/FuzzChecks.h"
#include "tests/fuzz/FuzzInputFile.h"
#include "tests/fuzz/FuzzTarget.h"

namespace {

using Engine::GFX::Mesh::MeshData;

bool boneSlotIsPadding(const Engine::GFX::Mesh::VertexBoneData& data, int slot)
{
    return data.ids[slot] == 0 && data.weights[slot] == 0.0f;
}

// What the reader promises about a mesh it returns: every array has the length
// its count names, and every part and bone id refers to something that exists,
// so the GL loaders can upload and draw it without further checks.
void checkGuarantees(const MeshData& mesh)
{
    GAME_ASSERT(mesh.positions.size() == mesh.vertexCount);
    GAME_ASSERT(mesh.normals.size() == mesh.vertexCount);
    GAME_ASSERT(mesh.texcoords.size() == mesh.vertexCount);
    GAME_ASSERT(mesh.indices.size() == 3ull * mesh.triangleCount);
    for (const auto& part : mesh.parts) {
        const uint64_t end = uint64_t{part.firstIndex} + part.indexCount;
        GAME_ASSERT(end <= mesh.indices.size());
        for (uint64_t i = part.firstIndex; i < end; ++i) {
            GAME_ASSERT(uint64_t{mesh.indices[i]} + part.baseVertex < mesh.vertexCount);
        }
    }
    GAME_ASSERT(mesh.boneData.empty() || mesh.boneData.size() == mesh.vertexCount);
    for (const auto& data : mesh.boneData) {
        for (int slot = 0; slot < 4; ++slot) {
            GAME_ASSERT(boneSlotIsPadding(data, slot) || data.ids[slot] < mesh.bones.size());
        }
    }
}

bool sameParts(const MeshData& a, const MeshData& b)
{
    if (a.parts.size() != b.parts.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.parts.size(); ++i) {
        const auto& p = a.parts[i];
        const auto& q = b.parts[i];
        if (p.name != q.name || p.firstIndex != q.firstIndex || p.indexCount != q.indexCount ||
            p.baseVertex != q.baseVertex) {
            return false;
        }
    }
    return true;
}

bool sameBones(const MeshData& a, const MeshData& b)
{
    if (a.bones.size() != b.bones.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.bones.size(); ++i) {
        if (a.bones[i].name != b.bones[i].name || !Fuzz::sameBytes(a.bones[i].offset, b.bones[i].offset)) {
            return false;
        }
    }
    return true;
}

bool sameBoneData(const MeshData& a, const MeshData& b)
{
    if (a.boneData.size() != b.boneData.size()) {
        return false;
    }
    for (std::size_t v = 0; v < a.boneData.size(); ++v) {
        if (!Fuzz::sameBytes(a.boneData[v], b.boneData[v])) {
            return false;
        }
    }
    return true;
}

// The writer must take every mesh the reader gives, and reading its output
// must give the same mesh back; the magic of a static file is not kept.
void checkRoundTrip(const MeshData& mesh)
{
    static Fuzz::InputFile copy("mesh-copy");
    Engine::GFX::Mesh::writeMeshFile(copy.path(), mesh);
    const std::unique_ptr<MeshData> again = Engine::GFX::Mesh::readMeshFile(copy.path());
    GAME_ASSERT(again->vertexCount == mesh.vertexCount && again->triangleCount == mesh.triangleCount);
    GAME_ASSERT(Fuzz::sameBytes(again->positions, mesh.positions));
    GAME_ASSERT(Fuzz::sameBytes(again->normals, mesh.normals));
    GAME_ASSERT(Fuzz::sameBytes(again->texcoords, mesh.texcoords));
    GAME_ASSERT(again->indices == mesh.indices);
    GAME_ASSERT(sameParts(*again, mesh));
    GAME_ASSERT(sameBoneData(*again, mesh));
    GAME_ASSERT(sameBones(*again, mesh));
}

} // namespace

bool Fuzz::consumeInput(const uint8_t* data, std::size_t size)
{
    static InputFile input("mesh");
    const std::string& path = input.write(data, size);
    std::unique_ptr<MeshData> mesh;
    try {
        mesh = Engine::GFX::Mesh::readMeshFile(path);
    } catch (const Engine::DataFileError& error) {
        checkRejection(error, path);
        return false;
    }
    checkGuarantees(*mesh);
    checkRoundTrip(*mesh);
    return true;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size)
{
    Fuzz::consumeInput(data, size);
    return 0;
}
