#include "Engine/Graphics/ModelLoader.h"

#include <cstdio>
#include <filesystem>

#include <glm/gtc/matrix_transform.hpp>

#include "Engine/Base/DataFileError.h"
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

// `quads` quads of four vertices, the first over the left half of the
// viewport and each further one a half to the right, sharing six indices.
MeshData quadMesh(std::vector<MeshFilePart> parts, int quads = 1)
{
    const glm::vec3 corners[] = {{-1, -1, 0}, {0, -1, 0}, {0, 1, 0}, {-1, 1, 0}};
    MeshData mesh;
    for (int q = 0; q < quads; ++q) {
        for (const glm::vec3& corner : corners) {
            mesh.positions.push_back(corner + glm::vec3(q, 0, 0));
            mesh.normals.emplace_back(0, 0, 1);
            mesh.texcoords.emplace_back(0, 0);
        }
    }
    mesh.vertexCount = static_cast<uint32_t>(mesh.positions.size());
    mesh.indices = {0, 1, 2, 0, 2, 3};
    mesh.triangleCount = 2;
    mesh.parts = std::move(parts);
    return mesh;
}

class ModelGLTest : public GLTesting::GLTest {
protected:
    void TearDown() override
    {
        std::remove(path.c_str());
        GLTest::TearDown();
    }

    std::unique_ptr<Model3Di> loadStatic(const MeshData& mesh)
    {
        writeMeshFile(path, mesh);
        auto model = loadStaticModel(path);
        shader = std::make_unique<Shader>(GLTesting::standardVertexSource(), GLTesting::colourFragmentSource());
        matrices.use(*shader);
        return model;
    }

    // White pixels in the left and the right half; clears the target for the next draw.
    std::pair<size_t, size_t> whiteHalves()
    {
        std::pair<size_t, size_t> count{0, 0};
        for (uint32_t y = 0; y < RenderTarget::size; ++y) {
            for (uint32_t x = 0; x < RenderTarget::size; ++x) {
                (x < RenderTarget::size / 2 ? count.first : count.second) += target.pixel(x, y) == white ? 1 : 0;
            }
        }
        glClear(GL_COLOR_BUFFER_BIT);
        return count;
    }

    const std::string path = testing::TempDir() + "model_gl_test.cmesh";
    Engine::Window window;
    MatrixState matrices{&window};
    std::unique_ptr<Shader> shader;
    RenderTarget target;
};

using Halves = std::pair<size_t, size_t>;

TEST_F(ModelGLTest, StaticModelIsWhiteAndDrawsEveryPartAtItsBaseVertexOrTheFirstPartOfAName)
{
    const auto model = loadStatic(quadMesh({{0, 6, 0, "L"}, {0, 6, 4, "R"}}, 2));
    EXPECT_EQ(model->nameToIndex, (std::map<std::string, int32_t>{{"L", 0}, {"R", 1}}));
    model->draw();
    EXPECT_EQ(whiteHalves(), Halves(halfTarget, halfTarget));
    model->drawPart("R");
    EXPECT_EQ(whiteHalves(), Halves(0, halfTarget));
    model->drawPart("L");
    EXPECT_EQ(whiteHalves(), Halves(halfTarget, 0));

    const auto repeated = loadStatic(quadMesh({{0, 6, 0, "L"}, {0, 6, 4, "L"}}, 2));
    EXPECT_EQ(repeated->parts.size(), 2u);
    repeated->drawPart("L");
    EXPECT_EQ(whiteHalves(), Halves(halfTarget, 0)) << "a repeated name keeps the first part";
    loadStatic(quadMesh({}))->draw();
    EXPECT_EQ(target.countPixels(clear), 2 * halfTarget) << "a model without parts draws nothing";
}

TEST_F(ModelGLTest, MissingTruncatedOrStaticFilesAreRejectedAsTheLoaderRequires)
{
    EXPECT_THROW(loadStaticModel(path + ".missing"), Engine::DataFileError);
    writeMeshFile(path, quadMesh({{0, 6, 0, "X"}}));
    EXPECT_THROW(loadSkinnedMesh(path), Engine::DataFileError);
    std::filesystem::resize_file(path, std::filesystem::file_size(path) / 2);
    EXPECT_THROW(loadStaticModel(path), Engine::DataFileError);
    EXPECT_THROW(loadSkinnedMesh(path), Engine::DataFileError);
}

TEST_F(ModelGLTest, SkinnedMeshKeepsBonesAndDrawsThroughThem)
{
    // Bone 1 moves the left quad to the right half; bone 0 stays put.
    MeshData skinned = quadMesh({{0, 6, 0, "body"}});
    skinned.boneData.resize(skinned.vertexCount);
    for (VertexBoneData& data : skinned.boneData) {
        data.ids[0] = 1;
        data.weights[0] = 1.0f;
    }
    skinned.bones = {{glm::mat4(1.0f), "root"}, {glm::mat4(2.0f), "hand.L"}};
    writeMeshFile(path, skinned);
    const auto mesh = loadSkinnedMesh(path);
    ASSERT_EQ(mesh->bones.size(), 2u);
    EXPECT_EQ(mesh->bones[1].name, "hand.L");
    EXPECT_EQ(mesh->bones[1].offset, glm::mat4(2.0f));
    ASSERT_EQ(mesh->parts.size(), 1u);
    EXPECT_EQ(mesh->parts[0].indexCount, 6u);

    const std::string vertex = "#version 330 core\nin vec3 aPos;\nin vec3 aNormal;\nin vec2 aUv;\n"
                               "in uvec4 aBoneIds;\nin vec4 aWeights;\nuniform mat4 uBones[4];\nvoid main() {\n"
                               "    mat4 skin = uBones[aBoneIds.x] * aWeights.x;\n"
                               "    gl_Position = skin * vec4(aPos + aNormal * 0.0 + vec3(aUv, 0.0) * 0.0, 1.0);\n"
                               "}\n";
    const std::string fragment = "#version 330 core\nout vec4 fragColor;\nvoid main() { fragColor = vec4(1.0); }\n";
    Shader skinning(vertex, fragment);
    matrices.use(skinning);
    const glm::mat4 bones[4] = {glm::mat4(0.0f), glm::translate(glm::mat4(1.0f), glm::vec3(1, 0, 0)), glm::mat4(0.0f),
                                glm::mat4(0.0f)};
    glUniformMatrix4fv(skinning.getUniformLocation("uBones"), 4, GL_FALSE, &bones[0][0][0]);
    mesh->draw();
    EXPECT_EQ(whiteHalves(), Halves(0, halfTarget));
}

TEST_F(ModelGLTest, BuilderGeometryFillsAModel3D)
{
    MeshBuilder builder;
    builder.addQuad(glm::vec2(-1.0f, -1.0f), glm::vec2(0.0f, 1.0f), glm::vec4(0.0f, 1.0f, 0.0f, 1.0f), glm::vec2(1.0f));
    Model3D model;
    fillModel(model, builder);
    shader = std::make_unique<Shader>(GLTesting::standardVertexSource(), GLTesting::colourFragmentSource());
    matrices.use(*shader);
    model.draw();
    EXPECT_EQ(target.countPixels(Rgba(0, 255, 0, 255)), halfTarget);
    EXPECT_EQ(target.pixel(0, 0), Rgba(0, 255, 0, 255));
}

using ModelGLDeathTest = GLTesting::GLDeathTest;

TEST_F(ModelGLDeathTest, DrawingAnUnknownPartIsAProgrammingError)
{
    Model3Di model;
    EXPECT_DEATH(model.drawPart("gizmoX"),
                 "Assertion failed: nameToIndex.find\\(meshName\\) != nameToIndex.end\\(\\) ");
}

} // namespace
