#include "Engine/Graphics/ModelLoader.h"

#include <algorithm>

#include "Engine/Base/DataFileError.h"
#include "Engine/Graphics/FlatArray.h"
#include "Engine/Mesh/MeshFile.h"

namespace Engine::GFX::Mesh {

namespace {

constexpr uint32_t colourComponents = 4;
constexpr uint32_t boneSlots = 4;

constexpr uint32_t staticColourAttribute = 2;
constexpr uint32_t skinnedPositionAttribute = 0;
constexpr uint32_t skinnedNormalAttribute = 1;
constexpr uint32_t skinnedTexcoordAttribute = 2;
constexpr uint32_t skinnedBoneIdAttribute = 3;
constexpr uint32_t skinnedWeightAttribute = 4;

// Mesh files carry no colours; static models are drawn opaque white.
std::unique_ptr<float[]> whiteColours(uint32_t vertexCount)
{
    auto colours = std::make_unique<float[]>(size_t(vertexCount) * colourComponents);
    std::fill_n(colours.get(), size_t(vertexCount) * colourComponents, 1.0f);
    return colours;
}

void setIndices(VAOi& mesh, const std::vector<uint32_t>& indices)
{
    mesh.indexData = std::make_unique<uint32_t[]>(indices.size());
    std::copy(indices.begin(), indices.end(), mesh.indexData.get());
    mesh.indexCount = static_cast<uint32_t>(indices.size());
}

SubMesh toSubMesh(const MeshFilePart& part)
{
    return {part.firstIndex, part.indexCount, part.baseVertex};
}

std::unique_ptr<uint32_t[]> boneIds(const std::vector<VertexBoneData>& boneData)
{
    auto ids = std::make_unique<uint32_t[]>(boneData.size() * boneSlots);
    for (size_t v = 0; v < boneData.size(); ++v) {
        std::copy_n(boneData[v].ids, boneSlots, &ids[v * boneSlots]);
    }
    return ids;
}

std::unique_ptr<float[]> boneWeights(const std::vector<VertexBoneData>& boneData)
{
    auto weights = std::make_unique<float[]>(boneData.size() * boneSlots);
    for (size_t v = 0; v < boneData.size(); ++v) {
        std::copy_n(boneData[v].weights, boneSlots, &weights[v * boneSlots]);
    }
    return weights;
}

void setSkinnedBuffers(SkeletalMesh& mesh, const MeshData& data)
{
    const uint32_t v = data.vertexCount;
    mesh.setBuffer(skinnedPositionAttribute, toFlatArray(data.positions), 3 * v);
    mesh.setBuffer(skinnedNormalAttribute, toFlatArray(data.normals), 3 * v);
    mesh.setBuffer(skinnedTexcoordAttribute, toFlatArray(data.texcoords), 2 * v);
    mesh.setBuffer(skinnedBoneIdAttribute, boneIds(data.boneData), boneSlots * v);
    mesh.setBuffer(skinnedWeightAttribute, boneWeights(data.boneData), boneSlots * v);
}

} // namespace

std::unique_ptr<Model3Di> loadStaticModel(const std::string& path)
{
    const std::unique_ptr<MeshData> data = readMeshFile(path);
    auto model = std::make_unique<Model3Di>();
    model->setBuffer(0, data->positions);
    model->setBuffer(1, data->normals);
    model->setBuffer(data->texcoords);
    model->setBuffer(staticColourAttribute, whiteColours(data->vertexCount),
                     data->vertexCount * colourComponents);
    setIndices(*model, data->indices);
    for (const MeshFilePart& part : data->parts) {
        // A repeated name keeps the first part it was given to.
        model->nameToIndex.emplace(part.name, static_cast<int32_t>(model->parts.size()));
        model->parts.push_back(toSubMesh(part));
    }
    model->upload();
    return model;
}

std::unique_ptr<SkeletalMesh> loadSkinnedMesh(const std::string& path)
{
    const std::unique_ptr<MeshData> data = readMeshFile(path);
    if (data->boneData.size() != data->vertexCount) {
        throw DataFileError(path, "static mesh without bone data where a skinned mesh is expected");
    }
    auto mesh = std::make_unique<SkeletalMesh>();
    for (const MeshFilePart& part : data->parts) {
        mesh->parts.push_back(toSubMesh(part));
    }
    for (const MeshFileBone& bone : data->bones) {
        mesh->bones.push_back({bone.offset, bone.name});
    }
    setSkinnedBuffers(*mesh, *data);
    setIndices(*mesh, data->indices);
    mesh->upload();
    return mesh;
}

} // namespace Engine::GFX::Mesh
