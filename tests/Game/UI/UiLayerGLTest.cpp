#include <GL/glew.h>

#include "Engine/Font/TextMesh.h"
#include "Game/UI/TextAlignment.h"
#include "Game/UI/TextDrawing.h"
#include "Game/UI/UiBackgroundDrawSystem.h"
#include "tests/Game/UI/UiGLFixture.h"

namespace {

using UiTesting::OverlayTarget;
using UiTesting::Rgba;
using UI::Component::UIBackgroundComponent;
using UI::Component::UItextComponent;
using UI::Component::UITransformComponent;

constexpr uint32_t targetSize = 32;
const Rgba red(255, 0, 0, 255);
const Rgba green(0, 255, 0, 255);

class UiLayerTest : public UiTesting::UiWorldTest {
protected:
    uint32_t makeBackground(const UITransformComponent& where, const glm::vec4& colour, uint32_t layer)
    {
        const uint32_t entity = world->createEntity();
        world->addComponent(entity, where);
        world->addComponent(entity, UIBackgroundComponent(colour, resources->whiteTexture.get(), layer));
        return entity;
    }
};

TEST_F(UiLayerTest, HigherLayerCoversALowerOneExactlyOverItsRectangle)
{
    makeBackground(UITransformComponent(8.0f, 4.0f, 16.0f, 8.0f), glm::vec4(1, 0, 0, 1), 3);
    makeBackground(UITransformComponent(0.0f, 0.0f, targetSize, targetSize), glm::vec4(0, 1, 0, 1), 0);
    world->refresh();

    OverlayTarget target(matrices, targetSize, targetSize);
    interfaceLayer->drawLayers();
    EXPECT_EQ(target.pixel(8, 4), red);
    EXPECT_EQ(target.pixel(23, 11), red);
    EXPECT_EQ(target.pixel(7, 4), green);
    EXPECT_EQ(target.pixel(24, 11), green);
    EXPECT_EQ(target.pixel(8, 12), green);
}

// The lit pixels' bounding box, as (min x, min y, max x, max y).
glm::ivec4 litBounds(const std::vector<Rgba>& pixels, uint32_t width)
{
    glm::ivec4 bounds(INT32_MAX, INT32_MAX, -1, -1);
    for (size_t i = 0; i < pixels.size(); ++i) {
        if (pixels[i].a == 0) continue;
        const glm::ivec2 p(static_cast<int32_t>(i % width), static_cast<int32_t>(i / width));
        bounds = glm::ivec4(glm::min(glm::ivec2(bounds), p), glm::max(glm::ivec2(bounds.z, bounds.w), p));
    }
    return bounds;
}

TEST_F(UiLayerTest, CentredTextIsDrawnInsideItsElementAndBlendingIsLeftOff)
{
    const UITransformComponent element(20.0f, 10.0f, 216.0f, 44.0f);
    const uint32_t entity = world->createEntity();
    world->addComponent(entity, element);
    world->addComponent(entity, UItextComponent("Map-Editor", resources->font.get()));
    world->refresh();
    const Engine::GFX::TextMesh& mesh = *world->getComponent<UItextComponent>(entity).textMesh;
    ASSERT_TRUE(mesh.hasGeometry);
    const glm::vec2 origin = UI::alignedTextOrigin(element, mesh.width, mesh.height, 1, 1);

    OverlayTarget target(matrices, 256, 64);
    interfaceLayer->drawLayers();
    const glm::ivec4 lit = litBounds(target.pixels(), 256);
    ASSERT_GE(lit.z, 0) << "no text drawn";
    EXPECT_GE(lit.x, static_cast<int>(origin.x));
    EXPECT_LE(lit.z, static_cast<int>(origin.x) + mesh.width);
    EXPECT_LE(lit.w, static_cast<int>(origin.y));
    EXPECT_GE(lit.y, static_cast<int>(origin.y) - mesh.height);
    // Both sides keep some margin in a wide element: the text is really centred.
    EXPECT_NEAR(lit.x - element.x, element.x + element.width - lit.z, mesh.width * 0.25f);

    GLint source = 0;
    GLint destination = 0;
    glGetIntegerv(GL_BLEND_SRC_RGB, &source);
    glGetIntegerv(GL_BLEND_DST_RGB, &destination);
    EXPECT_FALSE(glIsEnabled(GL_BLEND));
    EXPECT_EQ(source, GL_SRC_ALPHA);
    EXPECT_EQ(destination, GL_ONE_MINUS_SRC_ALPHA);
}

TEST_F(UiLayerTest, DrawTextPlacesTheTopLineAtThePositionAndScales)
{
    Engine::GFX::TextMesh text(resources->font.get(), "FPS");
    text.rebuild();
    ASSERT_TRUE(text.hasGeometry);
    OverlayTarget target(matrices, 128, 128);
    matrices.use(resources->shaderFontDefault.get());
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    UI::drawText(matrices, text, glm::vec3(10.0f, 100.0f, 0.0f), glm::vec2(2.0f));
    glDisable(GL_BLEND);

    const glm::ivec4 lit = litBounds(target.pixels(), 128);
    ASSERT_GE(lit.z, 0) << "no text drawn";
    EXPECT_GE(lit.x, 10);
    EXPECT_LE(lit.w, 100);
    // Twice the mesh's size, give or take the glyphs' empty borders.
    EXPECT_GT(lit.z - lit.x, text.width);
    EXPECT_LE(lit.z - lit.x, 2 * text.width);
}

} // namespace
