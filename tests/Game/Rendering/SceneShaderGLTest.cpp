// The programs drawn into the two-target scene framebuffer: target 0 takes
// the colour, target 1 the outline data (view normal, packed depth) that the
// edge pass reads.

#include <algorithm>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "ShaderGLFixture.h"

namespace ShaderTesting {
namespace {

constexpr float nearPlane = 0.1f;
constexpr float farPlane = 1000.0f;
constexpr uint32_t centre = RenderTarget::size / 2;
constexpr uint32_t leftSide = RenderTarget::size / 4;
constexpr uint32_t rightSide = RenderTarget::size * 3 / 4;
constexpr uint32_t colourTarget = 0;
constexpr uint32_t outlineTarget = 1;
const Rgba opaqueWhite{255, 255, 255, 255};

class SceneShaderTest : public ShaderGLTest {
protected:
    SceneShaderTest()
    {
        matrices.view = glm::mat4(1.0f);
        matrices.projection = glm::ortho(-1.0f, 1.0f, -1.0f, 1.0f, nearPlane, farPlane);
        bindTexture(0, *white);
        bindTexture(1, *white);
        scene.bind();
    }

    static glm::mat4 atDepth(float depth) { return glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, -depth)); }

    // A quad over the whole target facing the eye, in the layout the program's pass uses.
    void drawFacingQuad(const std::string& name, float depth)
    {
        use(name, atDepth(depth));
        if (name == "shaderMapGeometry") {
            makeMapQuad({-1.0f, -1.0f}, {1.0f, 1.0f})->draw();
        } else if (name == "skeletalShader") {
            uploadPalette(glm::mat4(1.0f));
            makeSkinnedQuad({-1.0f, -1.0f}, {1.0f, 1.0f}, 0, 1.0f)->draw();
        } else {
            if (name == "shaderEditorAxis") {
                glUniform4f(uniform(name, "uColor"), 1.0f, 1.0f, 1.0f, 1.0f);
            }
            screenQuad->draw();
        }
    }

    // Fills the whole bone palette of the skinned program with one matrix.
    void uploadPalette(const glm::mat4& bone)
    {
        const GLint location = uniform("skeletalShader", "uBones");
        GLint paletteSize = 0;
        GLenum type = 0;
        GLuint index = 0;
        const char* name = "uBones[0]";
        glGetUniformIndices(program("skeletalShader").program, 1, &name, &index);
        char activeName[32];
        glGetActiveUniform(program("skeletalShader").program, index, sizeof(activeName), nullptr, &paletteSize,
                           &type, activeName);
        const std::vector<glm::mat4> palette(static_cast<size_t>(paletteSize), bone);
        glUniformMatrix4fv(location, paletteSize, GL_FALSE, glm::value_ptr(palette.front()));
    }

    void drawSkinnedHalf(float boneWeight, uint32_t boneId)
    {
        use("skeletalShader", atDepth(10.0f));
        uploadPalette(glm::translate(glm::mat4(1.0f), glm::vec3(1.0f, 0.0f, 0.0f)));
        makeSkinnedQuad({-1.0f, -1.0f}, {0.0f, 1.0f}, boneId, boneWeight)->draw();
    }

    bool covered(uint32_t x) const { return scene.pixel(outlineTarget, x, centre).a != 0; }
    Rgba outlineAtCentre() const { return scene.pixel(outlineTarget, centre, centre); }
    Rgba colourAtCentre() const { return scene.pixel(colourTarget, centre, centre); }
    static void clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

    void drawBlended(const std::string& name, float depth)
    {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        drawFacingQuad(name, depth);
    }

    std::unique_ptr<Engine::GFX::Texture2D> white = makeSolidTexture(opaqueWhite);
    std::unique_ptr<Engine::GFX::VAO> screenQuad = makeStandardQuad({-1.0f, -1.0f}, {1.0f, 1.0f});
    RenderTarget scene{2};
};

TEST_F(SceneShaderTest, OpaqueProgramsPackTheSameOutlineDataForTheSameSurfaceWithDepthGrowingAway)
{
    const std::vector<std::string> opaque{"defaultShader", "skeletalShader", "shaderEntity", "shaderMapGeometry",
                                          "shaderEditorAxis"};
    drawFacingQuad(opaque.front(), 10.0f);
    const Rgba reference = outlineAtCentre();
    // A normal facing the eye is (0, 0, 1), packed as n * 0.5 + 0.5.
    EXPECT_TRUE(nearRgba({reference.r, reference.g, reference.b, 0}, {128, 128, 255, 0}, 1));
    EXPECT_GT(reference.a, 0);
    EXPECT_LT(reference.a, 255);
    for (const std::string& name : opaque) {
        clear();
        drawFacingQuad(name, 10.0f);
        EXPECT_TRUE(nearRgba(outlineAtCentre(), reference, 1)) << name;
    }
    // The packed depth grows with the distance from the eye.
    int nearer = 0;
    for (float depth : {1.0f, 4.0f, 16.0f, 64.0f}) {
        clear();
        drawFacingQuad("defaultShader", depth);
        EXPECT_GT(outlineAtCentre().a, nearer) << depth;
        nearer = outlineAtCentre().a;
    }
}

TEST_F(SceneShaderTest, SkyShowsItsTextureUnlitAsTheFarthestOutlineBackground)
{
    // Set up as the game sets up the sky's texture.
    auto blackToWhite = makeTexture({{0, 0, 0, 255}, {255, 255, 255, 255}}, 2, 1);
    bindTexture(0, *blackToWhite);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    use("shaderSkybox", atDepth(500.0f));
    glUniform3f(uniform("shaderSkybox", "uColor"), 0.0f, 1.0f, 0.0f);
    screenQuad->draw();

    std::vector<int> row;
    for (uint32_t x = 0; x < RenderTarget::size; ++x) {
        row.push_back(scene.pixel(colourTarget, x, centre).r);
    }
    EXPECT_EQ(scene.pixel(colourTarget, 0, centre), Rgba(0, 0, 0, 255));
    EXPECT_EQ(scene.pixel(colourTarget, RenderTarget::size - 1, centre), opaqueWhite);
    EXPECT_NEAR(row[centre], 128, 8);
    EXPECT_TRUE(std::is_sorted(row.begin(), row.end()));
    EXPECT_EQ(outlineAtCentre().a, 255);
}

// The sky is drawn after the opaque scene, on the far plane: it fills only
// the pixels left uncovered, even where a block lies beyond the sky box.
TEST_F(SceneShaderTest, SkyFillsOnlyWhatTheSceneLeftUncoveredHoweverFarItLies)
{
    auto black = makeSolidTexture({0, 0, 0, 255});
    use("defaultShader", atDepth(500.0f));
    makeStandardQuad({-1.0f, -1.0f}, {0.0f, 1.0f})->draw();
    const Rgba block = scene.pixel(colourTarget, leftSide, centre);
    bindTexture(0, *black);
    drawFacingQuad("shaderSkybox", 50.0f);
    EXPECT_EQ(scene.pixel(colourTarget, leftSide, centre), block);
    EXPECT_EQ(scene.pixel(colourTarget, rightSide, centre), Rgba(0, 0, 0, 255));
}

TEST_F(SceneShaderTest, FloorFadesWithDistanceAndLeavesTheSkyBackgroundAsOutlineData)
{
    drawFacingQuad("shaderSkybox", 500.0f);
    const Rgba background = outlineAtCentre();
    clear();
    drawFacingQuad("defaultShader", 20.0f);
    drawBlended("shaderFloor", 5.0f);
    EXPECT_EQ(outlineAtCentre(), background);

    glDisable(GL_BLEND);
    std::vector<int> alpha;
    for (float depth : {5.0f, 45.0f, 200.0f}) {
        clear();
        drawFacingQuad("shaderFloor", depth);
        alpha.push_back(colourAtCentre().a);
    }
    EXPECT_EQ(alpha[0], 255);
    EXPECT_GT(alpha[1], 0);
    EXPECT_LT(alpha[1], 255);
    EXPECT_EQ(alpha[2], 0);
}

TEST_F(SceneShaderTest, SelectionOverlayIsATranslucentRimmedFillKeepingTheOutlineDataBelow)
{
    glDisable(GL_DEPTH_TEST);
    drawBlended("shaderEntitySelection", 30.0f);
    const Rgba overNothing = colourAtCentre();
    EXPECT_NE(overNothing, Rgba(0, 0, 0, 0));
    EXPECT_GT(scene.pixel(colourTarget, 0, centre).a, overNothing.a);
    EXPECT_GT(scene.pixel(colourTarget, centre, 0).a, overNothing.a);

    clear();
    glDisable(GL_BLEND);
    drawFacingQuad("defaultShader", 10.0f);
    const std::vector<Rgba> before = scene.pixels(outlineTarget);
    drawBlended("shaderEntitySelection", 30.0f);
    EXPECT_EQ(scene.pixels(outlineTarget), before);
    EXPECT_NE(glm::u8vec3(colourAtCentre()), glm::u8vec3(overNothing));
}

// The pattern comes from unit 0 (unit 1 holds another texture). Texture
// coordinates are metres: eight across the target make four two-metre
// squares of eight pixels each.
TEST_F(SceneShaderTest, LevelPatternOnUnitZeroHasAChequerOfTwoMetreSquaresFadingWhereAPixelSpansMany)
{
    auto grey = makeSolidTexture({100, 100, 100, 255});
    auto blueElsewhere = makeSolidTexture({0, 0, 255, 255});
    bindTexture(0, *grey);
    bindTexture(1, *blueElsewhere);
    use("shaderMapGeometry", atDepth(10.0f));
    makeMapQuad({-1.0f, -1.0f}, {1.0f, 1.0f}, glm::vec2(8.0f))->draw();
    const Rgba lightSquare = scene.pixel(colourTarget, 4, 4);
    EXPECT_NEAR(lightSquare.r, lightSquare.b, 8) << "not the grey pattern";
    const int light = lightSquare.r;
    const int dark = scene.pixel(colourTarget, 12, 4).r;
    EXPECT_GE(light - dark, 8);
    EXPECT_EQ(scene.pixel(colourTarget, 12, 12).r, light);

    clear();
    use("shaderMapGeometry", atDepth(10.0f));
    makeMapQuad({-1.0f, -1.0f}, {1.0f, 1.0f}, glm::vec2(400.0f))->draw();
    EXPECT_NEAR(scene.pixel(colourTarget, 4, 4).r, scene.pixel(colourTarget, 12, 4).r, 1);
}

TEST_F(SceneShaderTest, LevelPatternHasNoHolesWhereItsMipLevelChanges)
{
    auto grey = makeTexture(std::vector<Rgba>(64 * 64, {128, 128, 128, 255}), 64, 64);
    glBindTexture(GL_TEXTURE_2D, grey->name);
    glGenerateMipmap(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    bindTexture(0, *grey);
    matrices.projection = glm::perspective(glm::radians(60.0f), 1.0f, nearPlane, farPlane);
    const glm::mat4 ground = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, -1.0f, 0.0f)) *
                             glm::rotate(glm::mat4(1.0f), glm::radians(-90.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    use("shaderMapGeometry", ground);
    makeMapQuad({-100.0f, -100.0f}, {100.0f, 100.0f}, glm::vec2(400.0f))->draw();

    const std::vector<Rgba> colours = scene.pixels(colourTarget);
    const auto lowerHalf = colours.begin() + RenderTarget::size * RenderTarget::size / 2;
    EXPECT_EQ(std::count_if(colours.begin(), lowerHalf, [](const Rgba& pixel) { return pixel.r < 32; }), 0);
}

TEST_F(SceneShaderTest, BonesMoveTheVerticesTheyHoldWithNormalisedWeightsAndClampedIds)
{
    struct Row {
        float weight;
        uint32_t boneId;
        bool moved;
    };
    drawSkinnedHalf(1.0f, 0);
    const Rgba fullyHeld = scene.pixel(outlineTarget, rightSide, centre);
    for (const Row& row : {Row{1.0f, 0, true}, Row{0.0f, 0, false}, Row{0.5f, 0, true}, Row{1.0f, 100000, true}}) {
        SCOPED_TRACE(testing::Message() << row.weight << " on bone " << row.boneId);
        clear();
        drawSkinnedHalf(row.weight, row.boneId);
        EXPECT_EQ(covered(leftSide), !row.moved);
        EXPECT_EQ(covered(rightSide), row.moved);
        if (row.moved) {
            EXPECT_EQ(scene.pixel(outlineTarget, rightSide, centre), fullyHeld);
        }
    }
}

} // namespace
} // namespace ShaderTesting
