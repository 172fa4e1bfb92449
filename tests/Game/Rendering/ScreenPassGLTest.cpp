// The full-screen passes: outlines from the scene's target 1, and the
// composite of scene colour and outline factor.

#include <glm/gtc/matrix_transform.hpp>

#include "ShaderGLFixture.h"

namespace ShaderTesting {
namespace {

constexpr uint32_t size = RenderTarget::size;
constexpr uint32_t middle = size / 2;
constexpr uint32_t outlineTarget = 1;
constexpr uint8_t noOutline = 255;
constexpr uint8_t clearlyDark = 128;
const Rgba facingEye{128, 128, 255, 100};

class ScreenPassTest : public ShaderGLTest {
protected:
    ScreenPassTest()
    {
        glGenSamplers(1, &edgeSampler);
        glSamplerParameteri(edgeSampler, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glSamplerParameteri(edgeSampler, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glSamplerParameteri(edgeSampler, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glSamplerParameteri(edgeSampler, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    }

    ~ScreenPassTest() override { glDeleteSamplers(1, &edgeSampler); }

    // The game's screen camera: orthographic -1..1 looking down -Z.
    void useScreenCamera()
    {
        matrices.view = glm::lookAt(glm::vec3(0.0f, 0.0f, 1.0f), glm::vec3(0.0f), glm::vec3(0.0f, 1.0f, 0.0f));
        matrices.projection = glm::ortho(-1.0f, 1.0f, -1.0f, 1.0f, -10.0f, 10.0f);
    }

    // The edge pass as the frame runs it, reading `outlineData`.
    void runEdgePass(GLuint outlineData)
    {
        glDisable(GL_DEPTH_TEST);
        useScreenCamera();
        edges.bind();
        use("shaderEdgeDetection");
        glBindSampler(0, edgeSampler);
        glActiveTexture(GL_TEXTURE0);
        glBindTexture(GL_TEXTURE_2D, outlineData);
        glUniform2f(uniform("shaderEdgeDetection", "uPixelSize"), 1.0f / size, 1.0f / size);
        screenQuad->draw();
        glBindSampler(0, 0);
    }

    void runEdgePass(const std::vector<Rgba>& outlineData)
    {
        auto texture = makeTexture(outlineData, size, size);
        runEdgePass(texture->name);
    }

    uint8_t outlineFactor(uint32_t x, uint32_t y) const { return edges.pixel(0, x, y).r; }

    // Columns whose every pixel is darkened, and columns untouched.
    std::vector<uint32_t> outlinedColumns() const
    {
        std::vector<uint32_t> columns;
        for (uint32_t x = 0; x < size; ++x) {
            if (outlineFactor(x, middle) < clearlyDark) {
                columns.push_back(x);
            }
        }
        return columns;
    }

    size_t outlinedPixels(uint32_t firstRow, uint32_t lastRow) const
    {
        size_t count = 0;
        for (uint32_t y = firstRow; y <= lastRow; ++y) {
            for (uint32_t x = 1; x + 1 < size; ++x) {
                count += outlineFactor(x, y) < noOutline ? 1 : 0;
            }
        }
        return count;
    }

    void drawSceneQuad(const std::string& name, glm::vec2 lowerLeft, glm::vec2 upperRight, float depth)
    {
        scene.bind();
        use(name, glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, -depth)));
        makeStandardQuad(lowerLeft, upperRight)->draw();
    }

    GLuint edgeSampler = 0;
    std::unique_ptr<Engine::GFX::Texture2D> white = makeSolidTexture({255, 255, 255, 255});
    std::unique_ptr<Engine::GFX::VAO> screenQuad = makeStandardQuad({-1.0f, -1.0f}, {1.0f, 1.0f});
    RenderTarget scene{2};
    RenderTarget edges{1};
};

std::vector<Rgba> halves(Rgba left, Rgba right)
{
    std::vector<Rgba> pixels(size * size, left);
    for (uint32_t y = 0; y < size; ++y) {
        std::fill(pixels.begin() + y * size + middle, pixels.begin() + (y + 1) * size, right);
    }
    return pixels;
}

TEST_F(ScreenPassTest, OutlinesFollowNormalTurnsAndTheRopeMarkerButNotAUniformSurface)
{
    const Rgba facingRight{255, 128, 128, facingEye.a};
    std::vector<Rgba> ropeMarked(size * size, facingEye);
    for (uint32_t y = 0; y < size; ++y) {
        ropeMarked[y * size + middle].a = 0;
    }
    const std::vector<std::pair<std::vector<Rgba>, std::vector<uint32_t>>> rows{
        {std::vector<Rgba>(size * size, facingEye), {}},
        {halves(facingEye, facingRight), {middle - 1, middle}},
        {ropeMarked, {middle - 1, middle + 1}},
    };
    for (const auto& [outlineData, columns] : rows) {
        runEdgePass(outlineData);
        EXPECT_EQ(outlinedColumns(), columns);
    }
    runEdgePass(rows.front().first);
    EXPECT_EQ(outlinedPixels(0, size - 1), 0u);
}

TEST_F(ScreenPassTest, GroundSeenAtAGrazingAngleHasNoOutline)
{
    bindTexture(0, *white);
    matrices.view = glm::mat4(1.0f);
    matrices.projection = glm::perspective(glm::radians(60.0f), 1.0f, 0.1f, 1000.0f);
    // Depth changes fast from row to row in the lower half, but steadily, as on any plane.
    const glm::mat4 ground = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, -1.0f, 0.0f)) *
                             glm::rotate(glm::mat4(1.0f), glm::radians(-90.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    scene.bind();
    use("defaultShader", ground);
    makeStandardQuad({-100.0f, -100.0f}, {100.0f, 100.0f})->draw();
    runEdgePass(scene.texture(outlineTarget).name);

    EXPECT_EQ(outlinedPixels(1, size / 4), 0u);
}

TEST_F(ScreenPassTest, DepthStepsAreOutlinedOnTheFartherSideIncludingTheSky)
{
    const std::vector<std::pair<std::string, float>> rows{{"defaultShader", 12.0f}, {"shaderSkybox", 500.0f}};
    for (const auto& [farther, fartherDepth] : rows) {
        SCOPED_TRACE(farther);
        matrices.view = glm::mat4(1.0f);
        matrices.projection = glm::ortho(-1.0f, 1.0f, -1.0f, 1.0f, 0.1f, 1000.0f);
        bindTexture(0, *white);
        scene.bind();
        glEnable(GL_DEPTH_TEST);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        // Nearer first, as the frame draws the sky after the opaque scene.
        drawSceneQuad("defaultShader", {-1.0f, -1.0f}, {0.0f, 1.0f}, 4.0f);
        drawSceneQuad(farther, {-1.0f, -1.0f}, {1.0f, 1.0f}, fartherDepth);
        runEdgePass(scene.texture(outlineTarget).name);
        EXPECT_EQ(outlinedColumns(), (std::vector<uint32_t>{middle}));
    }
}

TEST_F(ScreenPassTest, CompositeMultipliesSceneColourFromUnitZeroByOutlineFactorFromUnitOne)
{
    auto sceneColour = makeTexture(std::vector<Rgba>(size * size, {200, 100, 50, 255}), size, size);
    auto outlineFactor = makeTexture(std::vector<Rgba>(size * size, {128, 128, 128, 255}), size, size);
    glDisable(GL_DEPTH_TEST);
    useScreenCamera();
    edges.bind();
    use("shaderFinalComposit");
    bindTexture(0, *sceneColour);
    bindTexture(1, *outlineFactor);
    screenQuad->draw();

    EXPECT_TRUE(nearRgba(edges.pixel(0, middle, middle), {100, 50, 25, 255}, 1));
}

} // namespace
} // namespace ShaderTesting
