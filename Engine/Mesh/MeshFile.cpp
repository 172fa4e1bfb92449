#include "Engine/Mesh/MeshFile.h"

#include <string>

#include "Engine/Base/DataFileError.h"
#include "Engine/Base/BinaryReader.h"
#include "Engine/Base/BinaryWriter.h"

namespace Engine::GFX::Mesh {

namespace {

constexpr std::size_t magicLength = 6;
constexpr uint32_t maxListLength = 255; // part and bone counts and name lengths are 8-bit
constexpr uint64_t partRecordMinSize = 1 + 3 * 4;
constexpr uint64_t boneRecordMinSize = 1 + 16 * 4;
constexpr uint64_t vertexBoneRecordSize = 4 * 2 + 4 * 4;

bool isSkinnedMagic(const std::string& magic)
{
    return magic == skinnedMeshMagic || magic == skinnedMeshMagicAlt;
}

// ---- consistency shared by reader and writer ----------------------------

std::string partName(const MeshFilePart& part, std::size_t index)
{
    return "part " + std::to_string(index) + " \"" + part.name + "\"";
}

std::string checkArraySizes(const MeshData& mesh)
{
    const auto v = std::to_string(mesh.vertexCount);
    if (mesh.positions.size() != mesh.vertexCount || mesh.normals.size() != mesh.vertexCount ||
        mesh.texcoords.size() != mesh.vertexCount) {
        return "positions, normals and texture coordinates must each hold vertexCount " + v + " entries";
    }
    if (mesh.indices.size() != uint64_t{mesh.triangleCount} * 3) {
        return "index list must hold 3 x triangleCount " + std::to_string(mesh.triangleCount) + " entries";
    }
    if (mesh.isSkinned() && mesh.boneData.size() != mesh.vertexCount) {
        return "bone data must hold vertexCount " + v + " entries";
    }
    return {};
}

// A part draws indices [first, first + count) each shifted by its base
// vertex; only what a part draws has to reach a vertex, since indices outside
// every part are never fetched and base vertices let raw indices exceed V.
std::string checkPart(const MeshData& mesh, const MeshFilePart& part, std::size_t partIndex)
{
    const uint64_t end = uint64_t{part.firstIndex} + part.indexCount;
    if (end > mesh.indices.size()) {
        return partName(part, partIndex) + " covers indices " + std::to_string(part.firstIndex) + " to " +
               std::to_string(end) + ", beyond the " + std::to_string(mesh.indices.size()) + " indices";
    }
    for (uint64_t i = part.firstIndex; i < end; ++i) {
        const uint64_t vertex = uint64_t{mesh.indices[i]} + part.baseVertex;
        if (vertex >= mesh.vertexCount) {
            return partName(part, partIndex) + " index " + std::to_string(i) + " plus base vertex refers to vertex " +
                   std::to_string(vertex) + " of " + std::to_string(mesh.vertexCount);
        }
    }
    return {};
}

// Exporters pad unused slots with id 0 and weight 0, also in meshes without
// bones; every other id must name a bone.
std::string checkBoneIds(const MeshData& mesh)
{
    for (std::size_t v = 0; v < mesh.boneData.size(); ++v) {
        const VertexBoneData& data = mesh.boneData[v];
        for (int slot = 0; slot < 4; ++slot) {
            const bool padding = data.ids[slot] == 0 && data.weights[slot] == 0.0f;
            if (!padding && data.ids[slot] >= mesh.bones.size()) {
                return "vertex " + std::to_string(v) + " refers to bone " + std::to_string(data.ids[slot]) + " of " +
                       std::to_string(mesh.bones.size());
            }
        }
    }
    return {};
}

std::string findInconsistency(const MeshData& mesh)
{
    std::string problem = checkArraySizes(mesh);
    for (std::size_t i = 0; problem.empty() && i < mesh.parts.size(); ++i) {
        problem = checkPart(mesh, mesh.parts[i], i);
    }
    return problem.empty() ? checkBoneIds(mesh) : problem;
}

// ---- reading -------------------------------------------------------------

glm::vec3 readVec3(BinaryReader& in, const char* field)
{
    const float x = in.readF32(field);
    const float y = in.readF32(field);
    const float z = in.readF32(field);
    return {x, y, z};
}

std::string readName(BinaryReader& in, const char* field)
{
    const uint8_t length = in.readU8(field);
    return in.readString(length, field);
}

void readVertices(BinaryReader& in, MeshData& mesh)
{
    mesh.vertexCount = in.readU32("vertex count");
    const uint32_t count = mesh.vertexCount;
    in.require(count, 12, "positions");
    mesh.positions.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        mesh.positions.push_back(readVec3(in, "positions"));
    }
    in.require(count, 12, "normals");
    mesh.normals.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        mesh.normals.push_back(readVec3(in, "normals"));
    }
    in.require(count, 8, "texture coordinates");
    mesh.texcoords.reserve(count);
    for (uint32_t i = 0; i < count; ++i) {
        const float u = in.readF32("texture coordinates");
        mesh.texcoords.emplace_back(u, in.readF32("texture coordinates"));
    }
}

void readTriangles(BinaryReader& in, MeshData& mesh)
{
    mesh.triangleCount = in.readU32("triangle count");
    in.require(mesh.triangleCount, 12, "indices");
    mesh.indices.reserve(uint64_t{mesh.triangleCount} * 3);
    for (uint64_t i = 0; i < uint64_t{mesh.triangleCount} * 3; ++i) {
        mesh.indices.push_back(in.readU32("indices"));
    }
}

void readParts(BinaryReader& in, MeshData& mesh)
{
    const uint8_t count = in.readU8("part count");
    in.require(count, partRecordMinSize, "part records");
    mesh.parts.reserve(count);
    for (uint8_t i = 0; i < count; ++i) {
        MeshFilePart part;
        part.name = readName(in, "part name");
        part.firstIndex = in.readU32("part first index");
        part.indexCount = in.readU32("part index count");
        part.baseVertex = in.readU32("part base vertex");
        mesh.parts.push_back(std::move(part));
    }
}

void readBoneData(BinaryReader& in, MeshData& mesh)
{
    in.require(mesh.vertexCount, vertexBoneRecordSize, "vertex bone records");
    mesh.boneData.resize(mesh.vertexCount);
    for (VertexBoneData& data : mesh.boneData) {
        for (uint32_t& id : data.ids) {
            id = in.readU16("bone ids");
        }
        for (float& weight : data.weights) {
            weight = in.readF32("bone weights");
        }
    }
}

void readBones(BinaryReader& in, MeshData& mesh)
{
    const uint8_t count = in.readU8("bone count");
    in.require(count, boneRecordMinSize, "bone records");
    mesh.bones.reserve(count);
    for (uint8_t i = 0; i < count; ++i) {
        MeshFileBone bone;
        bone.name = readName(in, "bone name");
        for (int column = 0; column < 4; ++column) {
            for (int row = 0; row < 4; ++row) {
                bone.offset[column][row] = in.readF32("bone offset matrix");
            }
        }
        mesh.bones.push_back(std::move(bone));
    }
}

// ---- writing -------------------------------------------------------------

void checkWritable(const std::string& path, const MeshData& mesh)
{
    if (mesh.parts.size() > maxListLength || mesh.bones.size() > maxListLength) {
        throw DataFileError(path, "a mesh file holds at most 255 parts and 255 bones");
    }
    for (const MeshFilePart& part : mesh.parts) {
        if (part.name.size() > maxListLength) {
            throw DataFileError(path, "part name \"" + part.name + "\" is longer than 255 bytes");
        }
    }
    for (const MeshFileBone& bone : mesh.bones) {
        if (bone.name.size() > maxListLength) {
            throw DataFileError(path, "bone name \"" + bone.name + "\" is longer than 255 bytes");
        }
    }
    const std::string problem = findInconsistency(mesh);
    if (!problem.empty()) {
        throw DataFileError(path, problem);
    }
}

void writeVec3(BinaryWriter& out, const glm::vec3& value)
{
    out.writeF32(value.x);
    out.writeF32(value.y);
    out.writeF32(value.z);
}

void writeName(BinaryWriter& out, const std::string& name)
{
    out.writeU8(static_cast<uint8_t>(name.size()));
    out.writeBytes(name);
}

void writeGeometry(BinaryWriter& out, const MeshData& mesh)
{
    out.writeU32(mesh.vertexCount);
    for (const glm::vec3& position : mesh.positions) {
        writeVec3(out, position);
    }
    for (const glm::vec3& normal : mesh.normals) {
        writeVec3(out, normal);
    }
    for (const glm::vec2& texcoord : mesh.texcoords) {
        out.writeF32(texcoord.x);
        out.writeF32(texcoord.y);
    }
    out.writeU32(mesh.triangleCount);
    for (uint32_t index : mesh.indices) {
        out.writeU32(index);
    }
    out.writeU8(static_cast<uint8_t>(mesh.parts.size()));
    for (const MeshFilePart& part : mesh.parts) {
        writeName(out, part.name);
        out.writeU32(part.firstIndex);
        out.writeU32(part.indexCount);
        out.writeU32(part.baseVertex);
    }
}

void writeSkin(BinaryWriter& out, const MeshData& mesh)
{
    for (const VertexBoneData& data : mesh.boneData) {
        for (uint32_t id : data.ids) {
            out.writeU16(static_cast<uint16_t>(id));
        }
        for (float weight : data.weights) {
            out.writeF32(weight);
        }
    }
    out.writeU8(static_cast<uint8_t>(mesh.bones.size()));
    for (const MeshFileBone& bone : mesh.bones) {
        writeName(out, bone.name);
        for (int column = 0; column < 4; ++column) {
            for (int row = 0; row < 4; ++row) {
                out.writeF32(bone.offset[column][row]);
            }
        }
    }
}

} // namespace

std::unique_ptr<MeshData> readMeshFile(const std::string& path)
{
    BinaryReader in(path);
    auto mesh = std::make_unique<MeshData>();
    const bool skinned = isSkinnedMagic(in.readString(magicLength, "magic"));
    in.readU8("reserved byte");
    readVertices(in, *mesh);
    readTriangles(in, *mesh);
    readParts(in, *mesh);
    if (skinned) {
        readBoneData(in, *mesh);
        readBones(in, *mesh);
    }
    in.expectEnd();
    const std::string problem = findInconsistency(*mesh);
    if (!problem.empty()) {
        in.fail(problem);
    }
    return mesh;
}

void writeMeshFile(const std::string& path, const MeshData& mesh)
{
    checkWritable(path, mesh);
    BinaryWriter out;
    out.writeBytes(std::string(mesh.isSkinned() ? skinnedMeshMagic : staticMeshMagic, magicLength));
    out.writeU8(0);
    writeGeometry(out, mesh);
    if (mesh.isSkinned()) {
        writeSkin(out, mesh);
    }
    out.save(path);
}

} // namespace Engine::GFX::Mesh
