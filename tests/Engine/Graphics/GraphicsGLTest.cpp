#include "Engine/Base/DataFileError.h"
#include "Engine/Core/GameEngine.h"
#include "Engine/Core/GamePrototype.h"
#include <SDL.h>
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/ModelFromBuilder.h"
#include "Engine/Graphics/ModelLoader.h"
#include "Engine/Graphics/ShaderCollection.h"
#include "Engine/Graphics/VAO.h"
#include "Engine/Mesh/MeshFile.h"
#include "tests/support/GLTestContext.h"
#include "tests/support/TestFiles.h"

#include <glm/gtc/matrix_transform.hpp>

namespace {

using namespace Engine::GFX;
using namespace Engine::GFX::Mesh;
using GLTesting::captureStdout;
using GLTesting::PixelTarget;
using GLTesting::Rgba;

const Rgba red(255, 0, 0, 255), green(0, 255, 0, 255), white(255, 255, 255, 255);
constexpr std::size_t half = PixelTarget::size * PixelTarget::size / 2;
const std::string plainVertex = "#version 330 core\nin vec3 aPos;\nvoid main() { gl_Position = vec4(aPos, 1.0); }\n";
const std::string whiteFragment =
    "#version 330 core\nout vec4 fragColor;\nvoid main() { fragColor = vec4(1.0); }\n";

class GraphicsGL : public GLTesting::GLTest {
protected:
    // Pixels of the colour in the left and the right half; clears the target.
    std::pair<std::size_t, std::size_t> halves(Rgba colour)
    {
        std::pair<std::size_t, std::size_t> count{0, 0};
        const std::vector<Rgba> pixels = target.pixels();
        for (std::size_t i = 0; i < pixels.size(); ++i)
            (i % PixelTarget::size < PixelTarget::size / 2 ? count.first : count.second) += pixels[i] == colour;
        glClear(GL_COLOR_BUFFER_BIT);
        return count;
    }
    void use(const Shader& shader) { matrices.use(shader); }

    Engine::Window window;
    MatrixState matrices{&window};
    PixelTarget target;
    TestFiles::TempDir dir;
};

using Halves = std::pair<std::size_t, std::size_t>;

TEST_F(GraphicsGL, ShaderCompileFailurePrintsTheFramedSourceAndTheLinkFailure)
{
    const std::string broken = "#version 330 core\nvoid main() { gl_Position = undeclaredThing; }\n";
    std::unique_ptr<Shader> shader;
    const std::string out = captureStdout([&] { shader = std::make_unique<Shader>(broken, whiteFragment); });
    const std::string frame = "================================";
    EXPECT_EQ(out.rfind("Unable to compile shader " + std::to_string(shader->vertexStage->name) + "!\n" + frame +
                            broken + frame, 0), 0u) << out;
    EXPECT_NE(out.find("Error linking program " + std::to_string(shader->program) + "!\n"), std::string::npos);
}

TEST_F(GraphicsGL, AttributesAreBoundInDeclarationOrderAndUniformArraysGoByTheirBareName)
{
    const std::string vertex = "#version 330 core\nin vec3 aUnused;\nin vec2 aUv;\nin vec3 aPos;\n"
                               "uniform mat4 uBones[4];\nuniform vec4 uIgnored;\nout vec2 vUv;\n"
                               "void main() { vUv = aUv; gl_Position = uBones[3] * vec4(aPos, 1.0); }\n";
    const std::string fragment = "#version 330 core\nin vec2 vUv;\nout vec4 fragColor;\n"
                                 "void main() { fragColor = vec4(vUv, 0.0, 1.0); }\n";
    std::unique_ptr<Shader> shader;
    EXPECT_EQ(captureStdout([&] { shader = std::make_unique<Shader>(vertex, fragment); }), "");
    EXPECT_EQ(glGetAttribLocation(shader->program, "aUv"), 1);
    EXPECT_EQ(glGetAttribLocation(shader->program, "aPos"), 2);
    EXPECT_EQ(shader->getUniformLocation("uBones"), glGetUniformLocation(shader->program, "uBones"));
    EXPECT_EQ(shader->getUniformLocation("uIgnored"), -1) << "declared but optimised away";
}

TEST_F(GraphicsGL, ShaderCollectionReadsEachSourceOnceAndBuildsANewProgramPerLoad)
{
    TestFiles::writeText(dir.path("list"), "[white]\nshaderVert = \"plain.vert\"\nshaderFrag = \"white.frag\"\n"
                                           "[noFragment]\nshaderVert = \"plain.vert\"\n");
    TestFiles::writeText(dir.path("v_plain.vert"), plainVertex);
    TestFiles::writeText(dir.path("v_white.frag"), whiteFragment);
    ShaderCollection collection(dir.path("v_"), dir.path("list"));
    const std::unique_ptr<Shader> first = collection.load("white");
    TestFiles::writeText(dir.path("v_plain.vert"), "this no longer compiles\n");
    std::unique_ptr<Shader> again;
    EXPECT_EQ(captureStdout([&] { again = collection.load("white"); }), "") << "the source comes from the cache";
    EXPECT_NE(again->program, first->program);
    std::unique_ptr<Shader> broken;
    EXPECT_NE(captureStdout([&] { broken = collection.load("noFragment"); }).find("Error linking program"),
              std::string::npos);
    EXPECT_EQ(broken->fragmentStage->source, "");
}

TEST_F(GraphicsGL, VertexArraysDrawTheirTrianglesWithEveryAttributeInPlace)
{
    VAO vao(standardLayout);
    const std::vector<glm::vec3> square{{-1, -1, 0}, {1, -1, 0}, {1, 1, 0}, {-1, -1, 0}, {1, 1, 0}, {-1, 1, 0}};
    vao.setBuffer(0, square);
    vao.setBuffer(1, std::vector<glm::vec3>(6, glm::vec3(0, 0, 1)));
    vao.setBuffer(std::vector<glm::vec4>{{1, 0, 0, 1}, {1, 0, 0, 1}, {1, 0, 0, 1}, {0, 1, 0, 1}, {0, 1, 0, 1},
                                         {0, 1, 0, 1}});
    vao.setBuffer(std::vector<glm::vec2>(6, glm::vec2(0.5f)));
    vao.upload();
    const Shader shader(GLTesting::standardVertexSource(), GLTesting::colourFragmentSource());
    use(shader);
    vao.draw();
    // The lower right triangle is red, the upper left one green.
    EXPECT_EQ(target.pixel(6, 1), red);
    EXPECT_EQ(target.pixel(1, 6), green);
    EXPECT_EQ(target.countPixels(red) + target.countPixels(green), 2 * half);
}

TEST_F(GraphicsGL, FramebufferWithTwoColourTargetsTakesBothOutputs)
{
    const uint32_t size = 4;
    FBO fbo(size, size);
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    Texture2D first(TextureFormat::RGBA8, size, size), second(TextureFormat::RGBA8, size, size);
    fbo.attachTexture(first);
    fbo.attachTexture(second);
    const Texture2D depth(TextureFormat::Depth24, size, size); // depth targets attach themselves
    fbo.finish();
    glBindFramebuffer(GL_FRAMEBUFFER, fbo.name);
    glViewport(0, 0, size, size);
    VAO square(VertexLayout{{attributeFloat, 3}});
    square.setBuffer(0, std::vector<glm::vec3>{{-1, -1, 0.5f}, {3, -1, 0.5f}, {-1, 3, 0.5f}});
    square.upload();
    const Shader shader(plainVertex, "#version 330 core\nlayout(location = 0) out vec4 a;\n"
                                     "layout(location = 1) out vec4 b;\n"
                                     "void main() { a = vec4(1, 0, 0, 1); b = vec4(0, 0, 1, 1); }\n");
    use(shader);
    glClear(GL_DEPTH_BUFFER_BIT);
    glEnable(GL_DEPTH_TEST);
    square.draw();
    glDisable(GL_DEPTH_TEST);
    const auto read = [](GLenum buffer, GLenum format, GLenum type, void* into) {
        glReadBuffer(buffer);
        glReadPixels(1, 1, 1, 1, format, type, into);
    };
    Rgba a, b;
    float z = 0.0f;
    read(GL_COLOR_ATTACHMENT0, GL_RGBA, GL_UNSIGNED_BYTE, &a);
    read(GL_COLOR_ATTACHMENT1, GL_RGBA, GL_UNSIGNED_BYTE, &b);
    read(GL_COLOR_ATTACHMENT0, GL_DEPTH_COMPONENT, GL_FLOAT, &z);
    EXPECT_EQ(std::make_pair(a, b), std::make_pair(red, Rgba(0, 0, 255, 255)));
    EXPECT_NEAR(z, 0.75f, 1e-4f);
}

// Two quads of four vertices, the first over the left half of the viewport,
// the second over the right half, sharing six indices through base vertices.
MeshData twoQuads(std::vector<MeshFilePart> parts)
{
    MeshData mesh;
    for (float q : {0.0f, 1.0f})
        for (const glm::vec3 corner : {glm::vec3(-1, -1, 0), {0, -1, 0}, {0, 1, 0}, {-1, 1, 0}}) {
            mesh.positions.push_back(corner + glm::vec3(q, 0, 0));
            mesh.normals.emplace_back(0, 0, 1);
            mesh.texcoords.emplace_back(0, 0);
        }
    mesh.vertexCount = 8;
    mesh.indices = {0, 1, 2, 0, 2, 3};
    mesh.triangleCount = 2;
    mesh.parts = std::move(parts);
    return mesh;
}

TEST_F(GraphicsGL, ModelsDrawEachPartAtItsBaseVertexAndSkinnedOnesThroughTheirBones)
{
    writeMeshFile(dir.path("a.cmesh"), twoQuads({{0, 6, 0, "L"}, {0, 6, 4, "R"}}));
    const auto model = loadStaticModel(dir.path("a.cmesh"));
    const Shader colour(GLTesting::standardVertexSource(), GLTesting::colourFragmentSource());
    use(colour);
    model->draw();
    EXPECT_EQ(halves(white), Halves(half, half));
    model->drawPart("R");
    EXPECT_EQ(halves(white), Halves(0, half));
    EXPECT_THROW(loadSkinnedMesh(dir.path("a.cmesh")), Engine::DataFileError) << "a static file is no skinned mesh";

    // Every vertex follows bone 1, which moves the left quad to the right half.
    MeshData skinned = twoQuads({{0, 6, 0, "body"}});
    skinned.boneData.resize(8);
    for (VertexBoneData& data : skinned.boneData) data.ids[0] = 1, data.weights[0] = 1.0f;
    skinned.bones = {{glm::mat4(1.0f), "root"}, {glm::mat4(2.0f), "hand"}};
    writeMeshFile(dir.path("s.camesh"), skinned);
    const auto mesh = loadSkinnedMesh(dir.path("s.camesh"));
    const Shader skinning("#version 330 core\nin vec3 aPos;\nin vec3 aNormal;\nin vec2 aUv;\nin uvec4 aBoneIds;\n"
                          "in vec4 aWeights;\n"
                          "uniform mat4 uBones[4];\nvoid main() {\n"
                          "    gl_Position = uBones[aBoneIds.x] * aWeights.x * vec4(aPos, 1.0);\n}\n",
                          whiteFragment);
    use(skinning);
    const glm::mat4 bones[4] = {glm::mat4(0.0f), glm::translate(glm::mat4(1.0f), glm::vec3(1, 0, 0)),
                                glm::mat4(0.0f), glm::mat4(0.0f)};
    glUniformMatrix4fv(skinning.getUniformLocation("uBones"), 4, GL_FALSE, &bones[0][0][0]);
    mesh->draw();
    EXPECT_EQ(halves(white), Halves(0, half));
}

TEST_F(GraphicsGL, BuilderGeometryFillsAModel)
{
    MeshBuilder builder;
    builder.addQuad({-1, -1}, {0, 1}, glm::vec4(0, 1, 0, 1), glm::vec2(1.0f));
    Model3D model;
    fillModel(model, builder);
    const Shader colour(GLTesting::standardVertexSource(), GLTesting::colourFragmentSource());
    use(colour);
    model.draw();
    EXPECT_EQ(halves(green), Halves(half, 0));
}

using GraphicsGLDeathTest = GLTesting::GLDeathTest;

TEST_F(GraphicsGLDeathTest, MisuseIsAProgrammingError)
{
    const Shader shader(GLTesting::standardVertexSource(), GLTesting::colourFragmentSource());
    EXPECT_DEATH(shader.getUniformLocation("uNotThere"), "Assertion failed: hasUniform\\(uniform\\) == true ");
    VAO vao(standardLayout);
    EXPECT_DEATH(vao.setBuffer(0, std::make_unique<uint32_t[]>(3), 3), "type == MeshBuffer::Type::tUINT ");
    vao.setBuffer(0, std::vector<glm::vec3>(3));
    EXPECT_DEATH(vao.upload(), "Assertion failed: bufferSet == true ");
    Model3Di model;
    EXPECT_DEATH(model.drawPart("gizmoX"), "nameToIndex.find\\(meshName\\) != nameToIndex.end\\(\\)");
}

// A start-up stopped by bad data tears down as a normal end does: the game
// shuts down while its GL context is still current, then the error travels on.
struct GameStoppedByData final : GamePrototype {
    bool init() override { throw Engine::DataFileError("data/x.cmesh", "truncated"); }
    void update() override {}
    void render(float) override {}
    void shutdown() override { std::fprintf(stderr, "shut down, context %d\n", SDL_GL_GetCurrentContext() != nullptr); }
};

TEST(GameEngineDeathTest, AStartUpErrorShutsTheGameDownBeforeItTravelsOn)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            Engine::GameEngine engine;
            GameStoppedByData game;
            engine.game = &game;
            try {
                engine.run();
            } catch (const Engine::DataFileError& error) {
                std::fprintf(stderr, "then %s\n", error.what());
                std::exit(0);
            }
        },
        testing::ExitedWithCode(0), "shut down, context 1\nthen data/x.cmesh: truncated");
}

} // namespace
