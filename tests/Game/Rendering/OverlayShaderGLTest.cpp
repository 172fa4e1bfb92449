// The 2D overlay programs, blended with premultiplied alpha, and the editor
// gizmo's visible and picking programs.

#include <algorithm>

#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "ShaderGLFixture.h"

namespace ShaderTesting {
namespace {

constexpr uint32_t middle = RenderTarget::size / 2;
constexpr float byteScale = 255.0f;

class OverlayTest : public ShaderGLTest {
protected:
    OverlayTest()
    {
        matrices.view = glm::mat4(1.0f);
        matrices.projection = glm::ortho(-1.0f, 1.0f, -1.0f, 1.0f, -10.0f, 10.0f);
        target.bind();
        glDisable(GL_DEPTH_TEST);
    }

    Rgba drawTextured(const std::string& name, Rgba texel)
    {
        auto texture = makeSolidTexture(texel);
        bindTexture(0, *texture);
        use(name);
        quad->draw();
        return target.pixel(0, middle, middle);
    }

    std::unique_ptr<Engine::GFX::VAO> quad = makeStandardQuad({-1.0f, -1.0f}, {1.0f, 1.0f});
    RenderTarget target{1};
};

TEST_F(OverlayTest, TextAndCursorComeOutPremultiplied)
{
    for (const std::string name : {"shaderFontDefault", "shaderDefaultPremultipliedAlpha"}) {
        EXPECT_TRUE(nearRgba(drawTextured(name, {255, 255, 255, 128}), {128, 128, 128, 128})) << name;
        EXPECT_TRUE(nearRgba(drawTextured(name, {200, 0, 100, 64}), {50, 0, 25, 64})) << name;
    }
}

TEST_F(OverlayTest, BackgroundIsTintedByItsColourAndComesOutPremultiplied)
{
    auto white = makeSolidTexture({255, 255, 255, 255});
    bindTexture(0, *white);
    use("shaderUiBackground");
    glUniform4f(uniform("shaderUiBackground", "uBackgroundColor"), 0.2f, 0.4f, 0.6f, 0.5f);
    quad->draw();
    EXPECT_TRUE(nearRgba(target.pixel(0, middle, middle), {26, 51, 77, 128}));
}

class GizmoTest : public OverlayTest {
protected:
    static constexpr float borderScale = 0.05f;
    static constexpr float handleDepth = 5.0f;

    // The picking pass for one handle, as the editor draws it.
    size_t pickedPixels(const glm::mat4& model, float radius, float border)
    {
        glClear(GL_COLOR_BUFFER_BIT);
        use("shaderEditorAxisID", model);
        const glm::mat3 normalMatrix = glm::transpose(glm::inverse(glm::mat3(model)));
        glUniformMatrix3fv(uniform("shaderEditorAxisID", "uNormalMatrix"), 1, GL_FALSE, glm::value_ptr(normalMatrix));
        glUniform1f(uniform("shaderEditorAxisID", "uBorderScale"), border);
        glUniform4f(uniform("shaderEditorAxisID", "uColor"), pickId / byteScale, 0.0f, 0.0f, 1.0f);
        makeSphere(radius)->draw();

        size_t count = 0;
        for (const Rgba& pixel : target.pixels(0)) {
            count += pixel == Rgba(pickId, 0, 0, 255) ? 1 : 0;
        }
        return count;
    }

    static glm::mat4 handleAt(float scale)
    {
        return glm::scale(glm::translate(glm::mat4(1.0f), glm::vec3(0.0f, 0.0f, -handleDepth)), glm::vec3(scale));
    }

    static constexpr uint8_t pickId = 3;
};

TEST_F(GizmoTest, PickingWritesTheIdExactlyOverTheShapeGrownByABorderInWorldUnits)
{
    const size_t exact = pickedPixels(handleAt(1.0f), 0.25f, 0.0f);
    size_t touched = 0;
    for (const Rgba& pixel : target.pixels(0)) {
        touched += pixel != Rgba(0, 0, 0, 0) ? 1 : 0;
    }
    EXPECT_GT(exact, 0u);
    EXPECT_EQ(exact, touched);

    const size_t grown = pickedPixels(handleAt(1.0f), 0.25f, borderScale);
    EXPECT_GT(grown, exact);
    EXPECT_EQ(grown, pickedPixels(handleAt(1.0f), 0.25f + borderScale, 0.0f));
    EXPECT_EQ(grown, pickedPixels(handleAt(2.0f), 0.125f, borderScale));
}

TEST_F(GizmoTest, VisibleHandleIsFlatColoured)
{
    RenderTarget scene{2};
    glEnable(GL_DEPTH_TEST);
    use("shaderEditorAxis", handleAt(1.0f));
    glUniform4f(uniform("shaderEditorAxis", "uColor"), 0.2f, 0.6f, 1.0f, 1.0f);
    makeSphere(0.5f)->draw();

    const std::vector<Rgba> pixels = scene.pixels(0);
    const auto drawn = std::count_if(pixels.begin(), pixels.end(), [](Rgba p) { return p != Rgba(0, 0, 0, 0); });
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(std::count(pixels.begin(), pixels.end(), Rgba(51, 153, 255, 255)), drawn);
}

} // namespace
} // namespace ShaderTesting
