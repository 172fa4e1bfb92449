#include <cstdio>
#include <string>

#include <gtest/gtest.h>

#include "Engine/Core/DataFileError.h"
#include "Engine/Mesh/MeshFile.h"
#include "MeshTestFiles.h"

using namespace Engine::GFX::Mesh;
using namespace MeshTest;

namespace {

void expectBitEqual(const glm::vec3& a, const glm::vec3& b, std::size_t index)
{
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(floatBits(a[i]), floatBits(b[i])) << "vertex " << index << " component " << i;
    }
}

void expectSameGeometry(const MeshData& expected, const MeshData& actual)
{
    EXPECT_EQ(actual.vertexCount, expected.vertexCount);
    EXPECT_EQ(actual.triangleCount, expected.triangleCount);
    ASSERT_EQ(actual.positions.size(), expected.positions.size());
    ASSERT_EQ(actual.normals.size(), expected.normals.size());
    ASSERT_EQ(actual.texcoords.size(), expected.texcoords.size());
    for (std::size_t v = 0; v < expected.positions.size(); ++v) {
        expectBitEqual(expected.positions[v], actual.positions[v], v);
        expectBitEqual(expected.normals[v], actual.normals[v], v);
        EXPECT_EQ(floatBits(expected.texcoords[v].x), floatBits(actual.texcoords[v].x)) << "vertex " << v;
        EXPECT_EQ(floatBits(expected.texcoords[v].y), floatBits(actual.texcoords[v].y)) << "vertex " << v;
    }
    EXPECT_EQ(actual.indices, expected.indices);
    ASSERT_EQ(actual.parts.size(), expected.parts.size());
    for (std::size_t p = 0; p < expected.parts.size(); ++p) {
        EXPECT_EQ(actual.parts[p].name, expected.parts[p].name);
        EXPECT_EQ(actual.parts[p].firstIndex, expected.parts[p].firstIndex);
        EXPECT_EQ(actual.parts[p].indexCount, expected.parts[p].indexCount);
        EXPECT_EQ(actual.parts[p].baseVertex, expected.parts[p].baseVertex);
    }
}

void expectSameSkin(const MeshData& expected, const MeshData& actual)
{
    ASSERT_EQ(actual.boneData.size(), expected.boneData.size());
    for (std::size_t v = 0; v < expected.boneData.size(); ++v) {
        for (int slot = 0; slot < 4; ++slot) {
            EXPECT_EQ(actual.boneData[v].ids[slot], expected.boneData[v].ids[slot]);
            EXPECT_EQ(floatBits(actual.boneData[v].weights[slot]), floatBits(expected.boneData[v].weights[slot]));
        }
    }
    ASSERT_EQ(actual.bones.size(), expected.bones.size());
    for (std::size_t b = 0; b < expected.bones.size(); ++b) {
        EXPECT_EQ(actual.bones[b].name, expected.bones[b].name);
        EXPECT_EQ(actual.bones[b].offset, expected.bones[b].offset);
    }
}

std::string magicOf(const std::string& path)
{
    const std::vector<uint8_t> bytes = readBytes(path);
    return std::string(bytes.begin(), bytes.begin() + 6);
}

template <typename Action>
std::string dataErrorOf(Action action)
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

// ---- round trips -------------------------------------------------------------

TEST(MeshFileRoundTrip, StaticMeshComesBackBitExact)
{
    const std::string path = tempPath("static.cmesh");
    const MeshData original = staticSample();
    writeMeshFile(path, original);
    const auto read = readMeshFile(path);
    expectSameGeometry(original, *read);
    EXPECT_FALSE(read->isSkinned());
    EXPECT_EQ(magicOf(path), std::string(staticMeshMagic));
}

TEST(MeshFileRoundTrip, SkinnedMeshComesBackBitExactWithBones)
{
    const std::string path = tempPath("skinned.camesh");
    const MeshData original = skinnedSample();
    writeMeshFile(path, original);
    const auto read = readMeshFile(path);
    expectSameGeometry(original, *read);
    expectSameSkin(original, *read);
    EXPECT_TRUE(read->isSkinned());
    EXPECT_EQ(magicOf(path), "camesh");
}

TEST(MeshFileRoundTrip, RewritingAReadFileGivesTheSameBytes)
{
    const std::string first = tempPath("first.camesh");
    const std::string second = tempPath("second.camesh");
    writeMeshFile(first, skinnedSample());
    writeMeshFile(second, *readMeshFile(first));
    EXPECT_EQ(readBytes(first), readBytes(second));
}

TEST(MeshFileRoundTrip, EmptyStaticMeshIsElevenBytesAndReadsBack)
{
    const std::string path = tempPath("empty.cmesh");
    writeMeshFile(path, MeshData{});
    EXPECT_EQ(readBytes(path).size(), 6u + 1u + 4u + 4u + 1u);
    const auto read = readMeshFile(path);
    EXPECT_EQ(read->vertexCount, 0u);
    EXPECT_TRUE(read->parts.empty());
}

TEST(MeshFileMagic, CaniskReadsAsSkinnedLikeCamesh)
{
    const std::string path = tempPath("canisk.camesh");
    const MeshData original = skinnedSample();
    writeMeshFile(path, original);
    std::vector<uint8_t> bytes = readBytes(path);
    std::memcpy(bytes.data(), "canisk", 6);
    writeBytes(path, bytes, bytes.size());
    const auto read = readMeshFile(path);
    EXPECT_TRUE(read->isSkinned());
    expectSameSkin(original, *read);
}

TEST(MeshFileMagic, AnyOtherSixBytesMarkAStaticMesh)
{
    const std::string path = tempPath("other.cmesh");
    writeMeshFile(path, staticSample());
    std::vector<uint8_t> bytes = readBytes(path);
    std::memcpy(bytes.data(), "\0\xff" "ca\x01z", 6);
    writeBytes(path, bytes, bytes.size());
    const auto read = readMeshFile(path);
    EXPECT_FALSE(read->isSkinned());
    expectSameGeometry(staticSample(), *read);
}

// ---- what the reader accepts and rejects --------------------------------------

TEST(MeshFileChecks, IndicesOutsideEveryPartMayExceedTheVertexCount)
{
    const std::string path = tempPath("unused.cmesh");
    MeshData mesh = staticSample();
    mesh.indices.insert(mesh.indices.end(), {100, 200, 300});
    mesh.triangleCount = 3;
    writeMeshFile(path, mesh);
    EXPECT_EQ(readMeshFile(path)->indices.back(), 300u);
}

TEST(MeshFileChecks, BaseVertexPushingAPartBeyondTheVerticesIsRejected)
{
    const std::string path = tempPath("base.cmesh");
    writeMeshFile(path, staticSample());
    std::vector<uint8_t> bytes = readBytes(path);
    bytes[SampleLayout::firstPartBaseVertex] = 5; // index 3 + 5 = vertex 8 of 8
    writeBytes(path, bytes, bytes.size());
    const std::string message = dataErrorOf([&] { readMeshFile(path); });
    EXPECT_NE(message.find(path + ": part 0 \"front\""), std::string::npos) << message;
    EXPECT_NE(message.find("vertex 8 of 8"), std::string::npos) << message;
}

TEST(MeshFileChecks, PaddingSlotsMayNameBoneZeroInAMeshWithoutBones)
{
    const std::string path = tempPath("nobones.camesh");
    MeshData mesh = staticSample();
    mesh.boneData.resize(mesh.vertexCount);
    writeMeshFile(path, mesh);
    const auto read = readMeshFile(path);
    EXPECT_EQ(read->boneData.size(), mesh.vertexCount);
    EXPECT_TRUE(read->bones.empty());
}

TEST(MeshFileChecks, WeightedBoneIdBeyondTheBoneListIsRejected)
{
    const std::string path = tempPath("boneid.camesh");
    writeMeshFile(path, skinnedSample());
    std::vector<uint8_t> bytes = readBytes(path);
    bytes[SampleLayout::boneData + 24 * 2] = 3; // vertex 2, slot 0: bone 3 of 3
    writeBytes(path, bytes, bytes.size());
    const std::string message = dataErrorOf([&] { readMeshFile(path); });
    EXPECT_EQ(message, path + ": vertex 2 refers to bone 3 of 3");
}

TEST(MeshFileChecks, TrailingBytesAreRejected)
{
    const std::string path = tempPath("trailing.cmesh");
    writeMeshFile(path, staticSample());
    std::vector<uint8_t> bytes = readBytes(path);
    bytes.push_back(0);
    writeBytes(path, bytes, bytes.size());
    EXPECT_EQ(dataErrorOf([&] { readMeshFile(path); }), path + ": 1 unexpected bytes after the last field");
}

TEST(MeshFileChecks, SkinnedFileWithStaticMagicIsRejectedForItsLeftovers)
{
    const std::string path = tempPath("relabelled.cmesh");
    writeMeshFile(path, skinnedSample());
    std::vector<uint8_t> bytes = readBytes(path);
    std::memcpy(bytes.data(), staticMeshMagic, 6);
    writeBytes(path, bytes, bytes.size());
    EXPECT_NE(dataErrorOf([&] { readMeshFile(path); }).find("unexpected bytes"), std::string::npos);
}

TEST(MeshFileChecks, MissingFileNamesThePath)
{
    const std::string path = tempPath("does_not_exist.cmesh");
    std::remove(path.c_str());
    try {
        readMeshFile(path);
        FAIL() << "no error";
    } catch (const Engine::DataFileError& error) {
        EXPECT_EQ(error.path(), path);
        EXPECT_EQ(std::string(error.what()), path + ": cannot open the file");
    }
}

// ---- what the writer refuses -------------------------------------------------

TEST(MeshFileWriter, RefusesArraysThatDisagreeWithTheCounts)
{
    const std::string path = tempPath("counts.cmesh");
    MeshData mesh = staticSample();
    mesh.normals.pop_back();
    EXPECT_NE(dataErrorOf([&] { writeMeshFile(path, mesh); }).find("vertexCount 8"), std::string::npos);
    mesh = staticSample();
    mesh.triangleCount = 3;
    EXPECT_NE(dataErrorOf([&] { writeMeshFile(path, mesh); }).find("triangleCount 3"), std::string::npos);
}

TEST(MeshFileWriter, RefusesAPartBeyondTheIndexList)
{
    const std::string path = tempPath("part.cmesh");
    MeshData mesh = staticSample();
    mesh.parts[2].indexCount = 4; // indices 3..7 of 6
    const std::string message = dataErrorOf([&] { writeMeshFile(path, mesh); });
    EXPECT_EQ(message, path + ": part 2 \"tail\" covers indices 3 to 7, beyond the 6 indices");
}

TEST(MeshFileWriter, RefusesWhatEightBitCountsCannotHold)
{
    const std::string path = tempPath("limits.cmesh");
    MeshData mesh = staticSample();
    mesh.parts.assign(256, {0, 3, 0, "p"});
    EXPECT_NE(dataErrorOf([&] { writeMeshFile(path, mesh); }).find("255 parts"), std::string::npos);
    mesh = staticSample();
    mesh.parts[0].name.assign(256, 'n');
    EXPECT_NE(dataErrorOf([&] { writeMeshFile(path, mesh); }).find("longer than 255 bytes"), std::string::npos);
}

TEST(MeshFileWriter, ReportsAnUnwritablePath)
{
    const std::string path = tempPath("no_such_dir") + "/mesh.cmesh";
    const std::string message = dataErrorOf([&] { writeMeshFile(path, staticSample()); });
    EXPECT_EQ(message, path + ": cannot open the file for writing");
}
