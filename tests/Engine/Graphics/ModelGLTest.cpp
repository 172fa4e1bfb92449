#include "Engine/Graphics/ModelLoader.h"

#include <cstdio>
#include <fstream>

#include <glm/gtc/matrix_transform.hpp>

#include "Engine/Core/DataFileError.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/ModelFromBuilder.h"
#include "Engine/Mesh/MeshFile.h"
#include "GLTestContext.h"

namespace {

using namespace Engine::GFX::Mesh;
using GLTesting::RenderTarget;
using GLTesting::Rgba;

const Rgba white(255, 255, 255, 255);
const Rgba clear(0, 0, 0, 0);
constexpr size_t halfTarget = RenderTarget::size * RenderTarget::size / 2;

// A quad over the left half of the viewport (x from -1 to 0), as two
// triangles of six indices.
void addLeftQuad(MeshData& mesh)
{
    const glm::vec3 corners[] = {{-1, -1, 0}, {0, -1, 0}, {0, 1, 0}, {-1, 1, 0}};
    for (const glm::vec3& corner : corners) {
        mesh.positions.push_back(corner);
        mesh.normals.emplace_back(0, 0, 1);
        mesh.texcoords.emplace_back(0, 0);
    }
    mesh.vertexCount = static_cast<uint32_t>(mesh.positions.size());
}

// The same quad moved to the right half, appended after the left one.
void addRightQuad(MeshData& mesh)
{
    addLeftQuad(mesh);
    for (size_t v = mesh.positions.size() - 4; v < mesh.positions.size(); ++v) {
        mesh.positions[v].x += 1.0f;
    }
}

void setQuadIndices(MeshData& mesh)
{
    mesh.indices = {0, 1, 2, 0, 2, 3};
    mesh.triangleCount = 2;
}

MeshData leftQuadMesh(const std::string& partName)
{
    MeshData mesh;
    addLeftQuad(mesh);
    setQuadIndices(mesh);
    mesh.parts.push_back({0, 6, 0, partName});
    return mesh;
}

// Two parts sharing one index range, the second shifted to the right quad.
MeshData twoPartMesh()
{
    MeshData mesh;
    addLeftQuad(mesh);
    addRightQuad(mesh);
    setQuadIndices(mesh);
    mesh.parts.push_back({0, 6, 0, "L"});
    mesh.parts.push_back({0, 6, 4, "R"});
    return mesh;
}

// Bone 1 moves the left quad to the right half; bone 0 stays put.
MeshData skinnedMesh()
{
    MeshData mesh = leftQuadMesh("body");
    for (uint32_t v = 0; v < mesh.vertexCount; ++v) {
        VertexBoneData data;
        data.ids[0] = 1;
        data.weights[0] = 1.0f;
        mesh.boneData.push_back(data);
    }
    mesh.bones.push_back({glm::mat4(1.0f), "root"});
    mesh.bones.push_back({glm::mat4(2.0f), "hand.L"});
    return mesh;
}

const std::string skinningVertex = "#version 330 core\n"
                                   "in vec3 aPos;\n"
                                   "in vec3 aNormal;\n"
                                   "in vec2 aUv;\n"
                                   "in uvec4 aBoneIds;\n"
                                   "in vec4 aWeights;\n"
                                   "uniform mat4 uBones[4];\n"
                                   "void main() {\n"
                                   "    mat4 skin = uBones[aBoneIds.x] * aWeights.x;\n"
                                   "    gl_Position = skin * vec4(aPos + aNormal * 0.0 + vec3(aUv, 0.0) * 0.0, 1.0);\n"
                                   "}\n";

const std::string whiteFragment = "#version 330 core\n"
                                  "out vec4 fragColor;\n"
                                  "void main() { fragColor = vec4(1.0); }\n";

class ModelGLTest : public GLTesting::GLTest {
protected:
    void TearDown() override
    {
        std::remove(path.c_str());
        GLTest::TearDown();
    }

    void write(const MeshData& mesh) { writeMeshFile(path, mesh); }

    void useStandardShader()
    {
        shader = std::make_unique<Shader>(GLTesting::standardVertexSource(), GLTesting::colourFragmentSource());
        matrices.use(*shader);
    }

    size_t leftHalfCount(Rgba colour) const
    {
        size_t count = 0;
        for (uint32_t y = 0; y < RenderTarget::size; ++y) {
            for (uint32_t x = 0; x < RenderTarget::size / 2; ++x) {
                count += target.pixel(x, y) == colour ? 1 : 0;
            }
        }
        return count;
    }

    const std::string path = testing::TempDir() + "model_gl_test.cmesh";
    Engine::Window window;
    MatrixState matrices{&window};
    std::unique_ptr<Shader> shader;
    RenderTarget target;
};

TEST_F(ModelGLTest, StaticModelIsWhiteAndDrawsItsPart)
{
    write(leftQuadMesh("X"));
    const auto model = loadStaticModel(path);
    useStandardShader();
    model->draw();

    EXPECT_EQ(leftHalfCount(white), halfTarget);
    EXPECT_EQ(target.countPixels(white), halfTarget);
}

TEST_F(ModelGLTest, DrawPartDrawsTheNamedPart)
{
    write(leftQuadMesh("X"));
    const auto model = loadStaticModel(path);
    useStandardShader();
    model->drawPart("X");

    EXPECT_EQ(leftHalfCount(white), halfTarget);
    EXPECT_EQ(target.countPixels(white), halfTarget);
}

TEST_F(ModelGLTest, PartsSharingIndicesDrawAtTheirBaseVertices)
{
    write(twoPartMesh());
    const auto model = loadStaticModel(path);
    useStandardShader();
    model->draw();
    EXPECT_EQ(target.countPixels(white), 2 * halfTarget);
}

TEST_F(ModelGLTest, DrawPartWithBaseVertexDrawsOnlyThatPart)
{
    write(twoPartMesh());
    const auto model = loadStaticModel(path);
    EXPECT_EQ(model->nameToIndex, (std::map<std::string, int32_t>{{"L", 0}, {"R", 1}}));
    useStandardShader();
    model->drawPart("R");

    EXPECT_EQ(leftHalfCount(white), 0u);
    EXPECT_EQ(target.countPixels(white), halfTarget);
}

TEST_F(ModelGLTest, RepeatedPartNameKeepsTheFirstPart)
{
    MeshData mesh = twoPartMesh();
    mesh.parts[1].name = "L";
    write(mesh);
    const auto model = loadStaticModel(path);
    EXPECT_EQ(model->parts.size(), 2u);
    useStandardShader();
    model->drawPart("L");
    EXPECT_EQ(leftHalfCount(white), halfTarget);
    EXPECT_EQ(target.countPixels(white), halfTarget);
}

TEST_F(ModelGLTest, ModelWithoutPartsDrawsNothing)
{
    MeshData mesh = leftQuadMesh("X");
    mesh.parts.clear();
    write(mesh);
    const auto model = loadStaticModel(path);
    useStandardShader();
    model->draw();
    EXPECT_EQ(target.countPixels(clear), 2 * halfTarget);
}

TEST_F(ModelGLTest, TruncatedFileThrowsTheReadersError)
{
    write(leftQuadMesh("X"));
    std::ifstream in(path, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    in.close();
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes.substr(0, bytes.size() / 2);

    EXPECT_THROW(loadStaticModel(path), Engine::DataFileError);
    EXPECT_THROW(loadSkinnedMesh(path), Engine::DataFileError);
}

TEST_F(ModelGLTest, MissingFileThrows)
{
    EXPECT_THROW(loadStaticModel(path + ".missing"), Engine::DataFileError);
}

TEST_F(ModelGLTest, SkinnedMeshKeepsBonesAndDrawsThroughThem)
{
    write(skinnedMesh());
    const auto mesh = loadSkinnedMesh(path);
    ASSERT_EQ(mesh->bones.size(), 2u);
    EXPECT_EQ(mesh->bones[1].name, "hand.L");
    EXPECT_EQ(mesh->bones[1].offset, glm::mat4(2.0f));
    ASSERT_EQ(mesh->parts.size(), 1u);
    EXPECT_EQ(mesh->parts[0].indexCount, 6u);

    Shader skinning(skinningVertex, whiteFragment);
    matrices.use(skinning);
    const glm::mat4 bones[4] = {glm::mat4(0.0f), glm::translate(glm::mat4(1.0f), glm::vec3(1, 0, 0)),
                                glm::mat4(0.0f), glm::mat4(0.0f)};
    glUniformMatrix4fv(skinning.getUniformLocation("uBones"), 4, GL_FALSE, &bones[0][0][0]);
    mesh->draw();

    EXPECT_EQ(leftHalfCount(white), 0u);
    EXPECT_EQ(target.countPixels(white), halfTarget);
}

TEST_F(ModelGLTest, CaniskMagicLoadsAsSkinned)
{
    write(skinnedMesh());
    {
        std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
        file.write("canisk", 6);
    }
    const auto mesh = loadSkinnedMesh(path);
    EXPECT_EQ(mesh->bones.size(), 2u);
    EXPECT_EQ(mesh->parts.size(), 1u);
}

TEST_F(ModelGLTest, StaticFileIsNoSkinnedMesh)
{
    write(leftQuadMesh("X"));
    EXPECT_THROW(loadSkinnedMesh(path), Engine::DataFileError);
}

TEST_F(ModelGLTest, BuilderGeometryFillsAModel3D)
{
    MeshBuilder builder;
    const glm::vec4 green(0.0f, 1.0f, 0.0f, 1.0f);
    builder.addQuad(glm::vec2(-1.0f, -1.0f), glm::vec2(0.0f, 1.0f), green, glm::vec2(1.0f));
    Model3D model;
    fillModel(model, builder);
    EXPECT_EQ(model.elementCounts, (std::vector<uint32_t>{18, 18, 24, 12}));

    useStandardShader();
    model.draw();
    EXPECT_EQ(leftHalfCount(Rgba(0, 255, 0, 255)), halfTarget);
    EXPECT_EQ(target.countPixels(clear), halfTarget);
}

class ModelGLDeathTest : public GLTesting::GLDeathTest {
};

TEST_F(ModelGLDeathTest, DrawingAnUnknownPartIsAProgrammingError)
{
    Model3Di model;
    EXPECT_DEATH(model.drawPart("gizmoX"),
                 "Assertion failed: nameToIndex.find\\(meshName\\) != nameToIndex.end\\(\\) ");
}

} // namespace
