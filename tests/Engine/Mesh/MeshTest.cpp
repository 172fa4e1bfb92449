#include "Engine/Mesh/MeshBuilder.h"
#include "Engine/Mesh/MeshFile.h"
#include "tests/support/TestFiles.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace Engine::GFX::Mesh;
using TestFiles::Bytes;

// Byte offsets in skinnedQuad(): vertex count, triangle count, first index,
// part count, the part's first index, index count and base vertex, the first
// vertex's bone ids, the bone count.
enum Offset : std::size_t {
    vertexCount = 7, triangleCount = 139, firstIndex = 143, partCount = 167, partFirst = 170, partIndices = 174,
    partBase = 178, boneIds = 182, boneCount = 278
};

// A skinned quad made byte by byte: four vertices, two triangles, one part
// "p", two bones; the first position is -0.0 so only a bit-exact copy matches.
Bytes skinnedQuad()
{
    Bytes b;
    b.text("camesh").u8(0).u32(4);
    b.floats({-0.0f, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0});   // positions
    b.floats({0, 0, 1, 0, 0, 1, 0, 0, 1, 0, 0, 1});       // normals
    b.floats({0, 0, 1, 0, 1, 1, 0, 1});                   // texture coordinates
    b.u32(2).u32(0).u32(1).u32(2).u32(0).u32(2).u32(3);   // triangles
    b.u8(1).name("p").u32(0).u32(6).u32(0);               // parts
    for (uint32_t v = 0; v < 4; ++v) b.u16(v % 2).u16(0).u16(0).u16(0).floats({1, 0, 0, 0});
    b.u8(2).name("root");
    for (int i = 0; i < 16; ++i) b.f32(i % 5 == 0 ? 1.0f : 0.0f);
    b.name("arm");
    for (int i = 0; i < 16; ++i) b.f32(float(i));
    return b;
}

TEST(MeshFile, ReadsAHandMadeSkinnedFileAndTheWriterIsItsExactInverse)
{
    const TestFiles::TempDir dir;
    const Bytes file = skinnedQuad();
    TestFiles::writeBytes(dir.path("a.camesh"), file.data);
    const auto mesh = readMeshFile(dir.path("a.camesh"));
    ASSERT_TRUE(mesh->isSkinned());
    EXPECT_EQ(mesh->positions[2], glm::vec3(1, 1, 0));
    EXPECT_EQ(mesh->texcoords[3], glm::vec2(0, 1));
    EXPECT_EQ(mesh->indices, (std::vector<uint32_t>{0, 1, 2, 0, 2, 3}));
    EXPECT_EQ(mesh->parts.at(0).name, "p");
    EXPECT_EQ(mesh->boneData[1].ids[0], 1u);
    EXPECT_EQ(mesh->bones.at(1).name, "arm");
    EXPECT_EQ(mesh->bones[1].offset[1][2], 6.0f) << "matrices are stored column by column";
    writeMeshFile(dir.path("b.camesh"), *mesh);
    EXPECT_EQ(TestFiles::readBytes(dir.path("b.camesh")), file.data);

    // "canisk" is the second skinned magic; any other six bytes mark a static mesh.
    Bytes alternative = skinnedQuad();
    std::copy_n("canisk", 6, alternative.data.begin());
    std::vector<uint8_t> plain = skinnedQuad().data;
    plain.resize(boneIds);
    std::copy_n("\0\xff" "ca\x01z", 6, plain.begin());
    TestFiles::writeBytes(dir.path("alt"), alternative.data);
    TestFiles::writeBytes(dir.path("plain"), plain);
    EXPECT_TRUE(readMeshFile(dir.path("alt"))->isSkinned());
    EXPECT_FALSE(readMeshFile(dir.path("plain"))->isSkinned());
}

// Every damage is reported as a DataFileError naming the file and the problem,
// before anything is allocated for a count the file cannot hold.
TEST(MeshFile, DamagedFilesAreRejectedWithTheirProblem)
{
    const TestFiles::TempDir dir;
    const std::string path = dir.path("bad.camesh");
    const std::vector<uint8_t> valid = skinnedQuad().data;
    for (std::size_t length = 0; length < valid.size(); ++length) {
        TestFiles::writeBytes(path, std::vector<uint8_t>(valid.begin(), valid.begin() + long(length)));
        EXPECT_NE(TestFiles::rejection(readMeshFile, path).find(path + ": truncated: "), std::string::npos) << length;
    }
    const struct {
        std::size_t offset, width;
        uint32_t value;
        std::string problem;
    } cases[] = {
        {vertexCount, 4, 0xFFFFFFFFu, "truncated: positions needs 51539607540"},
        {triangleCount, 4, 0x55555556u, "truncated: indices needs 17179869192 bytes"},
        {partCount, 1, 255, "truncated: part records needs"},
        {boneCount, 1, 255, "truncated: bone records needs"},
        {boneIds + 10, 0, 0, "truncated: vertex bone records needs 96 bytes, 10 left"}, // width 0: cut there,
        {vertexCount, 4, 20, "truncated: normals needs 240 bytes, 165 left"},
        {vertexCount, 4, 15, "truncated: texture coordinates needs 120 bytes, 45 left"},
        {firstIndex, 4, 4, "part 0 \"p\" index 0 plus base vertex refers to vertex 4 of 4"},
        {partBase, 4, 1, "index 5 plus base vertex refers to vertex 4 of 4"},
        {partBase, 4, 0xFFFFFFFFu, "refers to vertex 4294967295 of 4"},
        {partFirst, 4, 0xFFFFFFFFu, "part 0 \"p\" covers indices"},
        {partIndices, 4, 7, "beyond the 6 indices"},
        {boneIds, 2, 2, "vertex 0 refers to bone 2 of 2"},
        {valid.size(), 1, 0, "1 unexpected bytes after the last field"},
        {0, 1, 'x', "unexpected bytes after the last field"}, // a skinned file read as static
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.problem);
        std::vector<uint8_t> bytes = valid;
        bytes.resize(c.width == 0 ? c.offset : std::max(bytes.size(), c.offset + c.width));
        for (std::size_t i = 0; i < c.width; ++i) bytes[c.offset + i] = uint8_t(c.value >> (8 * i));
        TestFiles::writeBytes(path, bytes);
        const std::string message = TestFiles::rejection(readMeshFile, path);
        EXPECT_EQ(message.rfind(path + ": ", 0), 0u) << message;
        EXPECT_NE(message.find(c.problem), std::string::npos) << message;
    }
    EXPECT_EQ(TestFiles::rejection(readMeshFile, dir.path("none")), dir.path("none") + ": cannot open the file");
    MeshData tooManyParts;
    tooManyParts.parts.assign(256, {0, 0, 0, "p"});
    EXPECT_NE(TestFiles::rejection([&](const std::string& p) { writeMeshFile(p, tooManyParts); }, path).find("255 parts"),
              std::string::npos);
}

// Every shape: arrays in step, unit normals, triangles wound counter-clockwise
// seen from their normal, and the normal pointing away from the shape's centre.
TEST(MeshBuilder, ShapesAreClosedOutwardFacingCounterClockwiseTriangles)
{
    const glm::vec4 white(1.0f);
    const glm::vec3 centre(1, 2, 3);
    const struct {
        const char* name;
        std::function<void(MeshBuilder&)> add;
        std::size_t vertices;
    } shapes[] = {
        {"box", [&](MeshBuilder& m) { m.addBox(centre - glm::vec3(1, 2, 3), centre + glm::vec3(1, 2, 3), white); }, 36},
        {"cylinder", [&](MeshBuilder& m) { m.addCylinder(glm::vec3(1, 2, 0), 6.0f, 0.5f, white); }, 192},
        {"sphere", [&](MeshBuilder& m) { m.addSphere(centre, 0.5f, 6, 3, white); }, 6 * 5 * 3},
    };
    for (const auto& shape : shapes) {
        SCOPED_TRACE(shape.name);
        MeshBuilder mesh;
        shape.add(mesh);
        ASSERT_EQ(mesh.vertexCount(), shape.vertices);
        ASSERT_EQ(mesh.normals.size(), shape.vertices);
        ASSERT_EQ(mesh.texcoords.size(), shape.vertices);
        for (std::size_t v = 0; v < mesh.vertexCount(); v += 3) {
            const glm::vec3* p = &mesh.positions[v];
            const glm::vec3 winding = glm::cross(p[1] - p[0], p[2] - p[0]);
            if (glm::length(winding) < 1e-6f) continue; // the sphere's pole cells collapse one triangle
            EXPECT_NEAR(glm::length(mesh.normals[v]), 1.0f, 1e-5f);
            EXPECT_GT(glm::dot(winding, mesh.normals[v]), 0.0f) << "triangle " << v / 3;
            EXPECT_GT(glm::dot(mesh.normals[v], (p[0] + p[1] + p[2]) / 3.0f - centre), 0.0f) << "triangle " << v / 3;
        }
    }
}

TEST(MeshBuilder, QuadsMapTextureCornersAndTransformsMovePositionsButNotNormals)
{
    MeshBuilder quad;
    quad.addQuad({-1, -2}, {3, 4}, glm::vec4(1.0f), {0.25f, 0.5f}, {0.75f, 1.0f});
    ASSERT_EQ(quad.vertexCount(), 6u);
    for (std::size_t v = 0; v < 6; ++v) {
        const glm::vec2 t = (glm::vec2(quad.positions[v]) - glm::vec2(-1, -2)) / glm::vec2(4, 6);
        EXPECT_EQ(quad.texcoords[v], glm::vec2(0.25f, 0.5f) + t * 0.5f) << v;
        EXPECT_EQ(quad.normals[v], glm::vec3(0, 0, 1));
    }
    const glm::mat4 move = glm::rotate(glm::translate(glm::mat4(1.0f), {5, 6, 7}), 1.0f, glm::vec3(0, 1, 1));
    MeshBuilder plain, moved;
    plain.addBox({0, 0, 0}, {1, 2, 3}, glm::vec4(1.0f), {3, 4});
    moved.addBox({0, 0, 0}, {1, 2, 3}, glm::vec4(1.0f), {3, 4}, move);
    for (std::size_t v = 0; v < plain.vertexCount(); ++v)
        EXPECT_LT(glm::distance(glm::vec3(move * glm::vec4(plain.positions[v], 1)), moved.positions[v]), 1e-5f);
    EXPECT_EQ(moved.normals, plain.normals);
    EXPECT_EQ(moved.texcoords, plain.texcoords);
}

} // namespace
