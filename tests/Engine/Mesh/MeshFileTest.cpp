#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "Engine/Base/DataFileError.h"
#include "Engine/Mesh/MeshFile.h"
#include "MeshTestFiles.h"

using namespace Engine::GFX::Mesh;
using namespace MeshTest;

namespace {

// The raw bytes of an array, so that -0.0, subnormals and NaN compare exactly.
template <typename T>
std::string rawBytes(const std::vector<T>& values)
{
    return std::string(reinterpret_cast<const char*>(values.data()), values.size() * sizeof(T));
}

void expectSameMesh(const MeshData& expected, const MeshData& actual)
{
    EXPECT_EQ(actual.vertexCount, expected.vertexCount);
    EXPECT_EQ(actual.triangleCount, expected.triangleCount);
    EXPECT_EQ(rawBytes(actual.positions), rawBytes(expected.positions));
    EXPECT_EQ(rawBytes(actual.normals), rawBytes(expected.normals));
    EXPECT_EQ(rawBytes(actual.texcoords), rawBytes(expected.texcoords));
    EXPECT_EQ(actual.indices, expected.indices);
    EXPECT_EQ(rawBytes(actual.boneData), rawBytes(expected.boneData));
    const auto partFields = [](const MeshFilePart& p) {
        return std::tie(p.name, p.firstIndex, p.indexCount, p.baseVertex);
    };
    ASSERT_EQ(actual.parts.size(), expected.parts.size());
    for (std::size_t p = 0; p < expected.parts.size(); ++p) {
        EXPECT_EQ(partFields(actual.parts[p]), partFields(expected.parts[p]));
    }
    ASSERT_EQ(actual.bones.size(), expected.bones.size());
    for (std::size_t b = 0; b < expected.bones.size(); ++b) {
        EXPECT_EQ(actual.bones[b].name, expected.bones[b].name);
        EXPECT_TRUE(actual.bones[b].offset == expected.bones[b].offset) << "bone " << b;
    }
}

std::string dataErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const Engine::DataFileError& error) {
        return error.what();
    }
    ADD_FAILURE() << "no DataFileError";
    return {};
}

} // namespace

TEST(MeshFileRoundTrip, EmptyStaticAndSkinnedMeshesComeBackBitExactUnderTheirMagic)
{
    const std::vector<std::tuple<MeshData, std::string>> cases = {
        {MeshData{}, staticMeshMagic}, {staticSample(), staticMeshMagic}, {skinnedSample(), skinnedMeshMagic}};
    for (const auto& [original, magic] : cases) {
        SCOPED_TRACE(magic);
        const std::string path = tempPath(magic);
        writeMeshFile(path, original);
        const auto read = readMeshFile(path);
        expectSameMesh(original, *read);
        EXPECT_EQ(read->isSkinned(), original.isSkinned());
        const std::vector<uint8_t> bytes = readBytes(path);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 6), magic);

        const std::string rewritten = tempPath("rewritten_" + magic);
        writeMeshFile(rewritten, *read);
        EXPECT_EQ(readBytes(rewritten), bytes);
    }
}

TEST(MeshFileRoundTrip, CaniskReadsAsSkinnedAndAnyOtherMagicAsStatic)
{
    const std::vector<std::tuple<const char*, MeshData>> cases = {{skinnedMeshMagicAlt, skinnedSample()},
                                                                  {"\0\xff" "ca\x01z", staticSample()}};
    for (const auto& [magic, original] : cases) {
        const std::string path = tempPath("relabelled.camesh");
        writeMeshFile(path, original);
        std::vector<uint8_t> bytes = readBytes(path);
        std::memcpy(bytes.data(), magic, 6);
        writeBytes(path, bytes, bytes.size());
        const auto read = readMeshFile(path);
        EXPECT_EQ(read->isSkinned(), original.isSkinned());
        expectSameMesh(original, *read);
    }
}

TEST(MeshFileReader, AcceptsUnusedIndicesBeyondTheVerticesAndBoneZeroPaddingWithoutBones)
{
    const std::string path = tempPath("lenient.camesh");
    MeshData mesh = staticSample();
    mesh.indices.insert(mesh.indices.end(), {100, 200, 300});
    mesh.triangleCount = 3;
    mesh.boneData.resize(mesh.vertexCount);
    writeMeshFile(path, mesh);
    const auto read = readMeshFile(path);
    EXPECT_EQ(read->indices.back(), 300u);
    EXPECT_EQ(read->boneData.size(), mesh.vertexCount);
    EXPECT_TRUE(read->bones.empty());
}

TEST(MeshFile, WriterRefusesMeshesItCannotWriteFaithfullyAndMissingOrUnwritablePathsAreNamed)
{
    const std::string path = tempPath("refused.cmesh");
    const std::vector<std::pair<std::function<void(MeshData&)>, std::string>> cases = {
        {[](MeshData& m) { m.normals.pop_back(); }, "vertexCount 8"},
        {[](MeshData& m) { m.triangleCount = 3; }, "triangleCount 3"},
        {[](MeshData& m) { m.parts[2].indexCount = 4; },
         ": part 2 \"tail\" covers indices 3 to 7, beyond the 6 indices"},
        {[](MeshData& m) { m.parts.assign(256, {0, 3, 0, "p"}); }, "255 parts"},
        {[](MeshData& m) { m.parts[0].name.assign(256, 'n'); }, "longer than 255 bytes"},
    };
    for (const auto& [spoil, problem] : cases) {
        MeshData mesh = staticSample();
        spoil(mesh);
        const std::string message = dataErrorOf([&] { writeMeshFile(path, mesh); });
        EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(problem), std::string::npos) << message;
    }
    const std::string missing = tempPath("does_not_exist.cmesh");
    std::remove(missing.c_str());
    EXPECT_EQ(dataErrorOf([&] { readMeshFile(missing); }), missing + ": cannot open the file");
    const std::string unwritable = tempPath("no_such_dir") + "/mesh.cmesh";
    EXPECT_EQ(dataErrorOf([&] { writeMeshFile(unwritable, staticSample()); }),
              unwritable + ": cannot open the file for writing");
}
