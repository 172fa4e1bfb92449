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

    void clear() const
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    std::unique_ptr<Engine::GFX::Texture2D> white = makeSolidTexture(opaqueWhite);
    std::unique_ptr<Engine::GFX::VAO> screenQuad = makeStandardQuad({-1.0f, -1.0f}, {1.0f, 1.0f});
    RenderTarget scene{2};
};

TEST_F(SceneShaderTest, OpaqueProgramsPackTheSameOutlineDataForTheSameSurface)
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
}

TEST_F(SceneShaderTest, PackedDepthGrowsWithDistanceFromTheEye)
{
    std::vector<int> packed;
    for (float depth : {1.0f, 4.0f, 16.0f, 64.0f}) {
        clear();
        drawFacingQuad("defaultShader", depth);
        packed.push_back(outlineAtCentre().a);
    }
    for (size_t i = 1; i < packed.size(); ++i) {
        EXPECT_GT(packed[i], packed[i - 1]) << "step " << i;
    }
}

TEST_F(SceneShaderTest, SkyShowsItsTextureUnlitAndIsTheFarthestOutlineBackground)
{
    const Rgba skyBlue{40, 90, 200, 255};
    auto sky = makeSolidTexture(skyBlue);
    bindTexture(0, *sky);
    use("shaderSkybox", atDepth(10.0f));
    glUniform3f(uniform("shaderSkybox", "uColor"), 0.0f, 1.0f, 0.0f);
    screenQuad->draw();

    EXPECT_TRUE(nearRgba(scene.pixel(colourTarget, centre, centre), skyBlue, 1));
    EXPECT_EQ(outlineAtCentre().a, 255);
}

TEST_F(SceneShaderTest, SkyIsFilteredBilinearlyAndClampedAtItsEdges)
{
    auto blackToWhite = makeTexture({{0, 0, 0, 255}, {255, 255, 255, 255}}, 2, 1);
    bindTexture(0, *blackToWhite);
    drawFacingQuad("shaderSkybox", 500.0f);

    std::vector<int> row;
    for (uint32_t x = 0; x < RenderTarget::size; ++x) {
        row.push_back(scene.pixel(colourTarget, x, centre).r);
    }
    EXPECT_EQ(row.front(), 0);
    EXPECT_EQ(row.back(), 255);
    EXPECT_NEAR(row[centre], 128, 8);
    EXPECT_TRUE(std::is_sorted(row.begin(), row.end()));
}

TEST_F(SceneShaderTest, BlendedFloorReplacesTheOutlineDataBelowWithTheSkyBackground)
{
    drawFacingQuad("shaderSkybox", 500.0f);
    const Rgba background = outlineAtCentre();
    clear();
    drawFacingQuad("defaultShader", 20.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    drawFacingQuad("shaderFloor", 5.0f);

    EXPECT_EQ(outlineAtCentre(), background);
}

TEST_F(SceneShaderTest, FloorFadesOutWithDistance)
{
    std::vector<int> alpha;
    for (float depth : {5.0f, 45.0f, 200.0f}) {
        clear();
        drawFacingQuad("shaderFloor", depth);
        alpha.push_back(scene.pixel(colourTarget, centre, centre).a);
    }
    EXPECT_EQ(alpha[0], 255);
    EXPECT_GT(alpha[1], 0);
    EXPECT_LT(alpha[1], 255);
    EXPECT_EQ(alpha[2], 0);
}

class SelectionTest : public SceneShaderTest {
protected:
    // The overlay as its pass draws it: blended, over everything.
    void drawSelection()
    {
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glDisable(GL_DEPTH_TEST);
        use("shaderEntitySelection", atDepth(30.0f));
        screenQuad->draw();
    }
};

TEST_F(SelectionTest, OverlayKeepsTheOutlineDataOfTheSurfacesBelow)
{
    drawFacingQuad("defaultShader", 10.0f);
    const std::vector<Rgba> before = scene.pixels(outlineTarget);
    drawSelection();
    EXPECT_EQ(scene.pixels(outlineTarget), before);
}

TEST_F(SelectionTest, OverlayIsTranslucent)
{
    drawSelection();
    const Rgba overNothing = scene.pixel(colourTarget, centre, centre);
    clear();
    drawFacingQuad("defaultShader", 10.0f);
    drawSelection();
    const Rgba overSurface = scene.pixel(colourTarget, centre, centre);

    EXPECT_NE(overNothing, Rgba(0, 0, 0, 0));
    EXPECT_NE(glm::u8vec3(overSurface), glm::u8vec3(overNothing));
}

TEST_F(SelectionTest, RimAlongTheFaceBorderIsMoreOpaqueThanTheFill)
{
    drawSelection();
    EXPECT_GT(scene.pixel(colourTarget, 0, centre).a, scene.pixel(colourTarget, centre, centre).a);
    EXPECT_GT(scene.pixel(colourTarget, centre, 0).a, scene.pixel(colourTarget, centre, centre).a);
}

TEST_F(SceneShaderTest, LevelTakesItsPatternFromUnitZeroAndOnlyBrightnessFromUnitOne)
{
    auto redPattern = makeSolidTexture({255, 0, 0, 255});
    auto blueDetail = makeSolidTexture({0, 0, 255, 255});
    bindTexture(0, *redPattern);
    bindTexture(1, *blueDetail);
    drawFacingQuad("shaderMapGeometry", 10.0f);

    const Rgba colour = scene.pixel(colourTarget, centre, centre);
    EXPECT_GT(colour.r, 0);
    EXPECT_EQ(colour.g, 0);
    EXPECT_EQ(colour.b, 0);
}

std::unique_ptr<Engine::GFX::Texture2D> makeMipmapped(const std::vector<Rgba>& pixels, uint32_t size)
{
    auto texture = makeTexture(pixels, size, size);
    glBindTexture(GL_TEXTURE_2D, texture->name);
    glGenerateMipmap(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, 0);
    return texture;
}

TEST_F(SceneShaderTest, LevelPatternSmallerThanAPixelIsFilteredToItsAverage)
{
    // One-texel black and white squares, three texels to a pixel, so that
    // pixel centres fall on texel centres.
    constexpr uint32_t texels = RenderTarget::size * 3;
    std::vector<Rgba> squares;
    for (uint32_t y = 0; y < texels; ++y) {
        for (uint32_t x = 0; x < texels; ++x) {
            squares.push_back((x + y) % 2 == 0 ? Rgba(0, 0, 0, 255) : opaqueWhite);
        }
    }
    auto pattern = makeMipmapped(squares, texels);
    bindTexture(0, *pattern);
    drawFacingQuad("shaderMapGeometry", 10.0f);

    const std::vector<Rgba> colours = scene.pixels(colourTarget);
    const auto [darkest, brightest] = std::minmax_element(
        colours.begin(), colours.end(), [](const Rgba& a, const Rgba& b) { return a.r < b.r; });
    EXPECT_GT(darkest->r, 64);
    EXPECT_LT(brightest->r, 192);
}

TEST_F(SceneShaderTest, LevelPatternHasNoHolesWhereItsMipLevelChanges)
{
    auto grey = makeMipmapped(std::vector<Rgba>(64 * 64, {128, 128, 128, 255}), 64);
    bindTexture(0, *grey);
    matrices.projection = glm::perspective(glm::radians(60.0f), 1.0f, nearPlane, farPlane);
    const glm::mat4 ground = glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, -1.0f, 0.0f)) *
                             glm::rotate(glm::mat4(1.0f), glm::radians(-90.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    use("shaderMapGeometry", ground);
    makeMapQuad({-100.0f, -100.0f}, {100.0f, 100.0f}, glm::vec2(400.0f))->draw();

    size_t holes = 0;
    for (uint32_t y = 0; y < RenderTarget::size / 2; ++y) {
        for (uint32_t x = 0; x < RenderTarget::size; ++x) {
            holes += scene.pixel(colourTarget, x, y).r < 32 ? 1 : 0;
        }
    }
    EXPECT_EQ(holes, 0u);
}

TEST_F(SceneShaderTest, LevelCheckerShadesAroundItsOwnMeanBrightness)
{
    auto grey = makeSolidTexture({90, 90, 90, 255});
    bindTexture(0, *white);
    drawFacingQuad("shaderMapGeometry", 10.0f);
    const Rgba underWhite = scene.pixel(colourTarget, centre, centre);
    bindTexture(1, *grey);
    clear();
    drawFacingQuad("shaderMapGeometry", 10.0f);

    EXPECT_EQ(scene.pixel(colourTarget, centre, centre), underWhite);
}

TEST_F(SceneShaderTest, BoneMovesTheVerticesItHolds)
{
    drawSkinnedHalf(1.0f, 0);
    EXPECT_FALSE(covered(leftSide));
    EXPECT_TRUE(covered(rightSide));
}

TEST_F(SceneShaderTest, VertexHeldByNoBoneKeepsItsBindPose)
{
    drawSkinnedHalf(0.0f, 0);
    EXPECT_TRUE(covered(leftSide));
    EXPECT_FALSE(covered(rightSide));
}

TEST_F(SceneShaderTest, WeightsNotAddingUpToOneAreNormalised)
{
    drawSkinnedHalf(1.0f, 0);
    const Rgba fullyHeld = scene.pixel(outlineTarget, rightSide, centre);
    clear();
    drawSkinnedHalf(0.5f, 0);

    EXPECT_FALSE(covered(leftSide));
    EXPECT_EQ(scene.pixel(outlineTarget, rightSide, centre), fullyHeld);
}

TEST_F(SceneShaderTest, BoneIdPastThePaletteReadsInsideIt)
{
    drawSkinnedHalf(1.0f, 100000);
    EXPECT_FALSE(covered(leftSide));
    EXPECT_TRUE(covered(rightSide));
}

} // namespace
} // namespace ShaderTesting
