#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/PhysicsWorld.h"
#include "Game/Rendering/GrapplingHookMeshRenderSysten.h"
#include "Game/Rendering/RopeGeometry.h"
#include "Game/Scene/TransformComponent.h"
#include "tests/support/GLTestContext.h"
#include "tests/Game/Rendering/RecordingDrawable.h"

#include <gtest/gtest.h>

namespace {

using Mask = std::array<GLboolean, 4>;
constexpr Mask allOn{GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE};
constexpr Mask allOff{GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE};
constexpr Mask alphaOnly{GL_FALSE, GL_FALSE, GL_FALSE, GL_TRUE};

// Masks of both colour targets, depth writes and the blend factors (blending on).
void expectState(const DrawState& state, Mask colour, Mask outline, GLboolean depth, GLint source, GLint destination)
{
    EXPECT_EQ(state.colourMask0, colour);
    EXPECT_EQ(state.colourMask1, outline);
    EXPECT_EQ(state.depthMask, depth);
    EXPECT_EQ(state.blendSource, source);
    EXPECT_EQ(state.blendDestination, destination);
}

class RopeRenderTest : public GLTesting::GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        world.registerComponent<TransformComponent>();
        world.registerComponent<CharacterControllerComponent>();
        world.addSystem(GrapplingHookMeshRenderSysten(&world, &matrices, &rope));
        player = world.createEntity();
        world.addComponent(player, CharacterControllerComponent(player, &physics));
        world.addComponent(player, TransformComponent());
        world.refresh();
    }

    void TearDown() override
    {
        glDisable(GL_CULL_FACE);
        GLTest::TearDown();
    }

    void hook(const glm::vec3& previous, const glm::vec3& current, const glm::vec3& hookPoint)
    {
        TransformComponent& transform = world.getComponent<TransformComponent>(player);
        transform.previousPosition = previous;
        transform.position = current;
        CharacterControllerComponent& character = world.getComponent<CharacterControllerComponent>(player);
        character.hookPoint = hookPoint;
        character.hooked = true;
    }

    void drawRope(float alpha) { world.getSystem<GrapplingHookMeshRenderSysten>().run(alpha); }

    PhysicsWorld physics;
    Engine::ECS::EntityManager world;
    MatrixState matrices{nullptr};
    RecordingDrawable rope{matrices};
    uint32_t player = 0;
};

TEST_F(RopeRenderTest, NoRopeIsDrawnUnhookedOrWithLengthZero)
{
    world.getComponent<CharacterControllerComponent>(player).hookPoint = glm::vec3(0.0f, 0.0f, 10.0f);
    drawRope(1.0f);
    hook(glm::vec3(0.0f), glm::vec3(2.0f, 0.0f, 0.0f), glm::vec3(1.0f, 0.0f, 0.0f));
    drawRope(0.5f);
    EXPECT_TRUE(rope.draws.empty());
}

TEST_F(RopeRenderTest, TheRopeFromTheBlendedPositionIsDrawnInColourThenIntoTheOutlineAlphaAndDepth)
{
    const glm::vec3 hookPoint(1.0f, 0.0f, 8.0f);
    hook(glm::vec3(0.0f), glm::vec3(2.0f, 0.0f, 0.0f), hookPoint);
    drawRope(0.5f);

    ASSERT_EQ(rope.draws.size(), 2u);
    const glm::mat4 expected = *RopeGeometry::ropeModelMatrix(glm::vec3(1.0f, 0.0f, 0.0f), hookPoint);
    for (const DrawState& draw : rope.draws) {
        EXPECT_EQ(draw.model, expected);
        EXPECT_EQ(draw.blend, GL_TRUE);
    }
    expectState(rope.draws[0], allOn, allOff, GL_FALSE, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(rope.draws[0].cullMode, GL_FRONT);
    expectState(rope.draws[1], allOff, alphaOnly, GL_TRUE, GL_ZERO, GL_ZERO);
}

TEST_F(RopeRenderTest, DrawingTheRopeRestoresMasksCullingAndBlending)
{
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    hook(glm::vec3(0.0f), glm::vec3(0.0f), glm::vec3(3.0f, 0.0f, 4.0f));
    drawRope(1.0f);

    ASSERT_EQ(rope.draws.size(), 2u);
    const DrawState after = DrawState::current(matrices);
    expectState(after, allOn, allOn, GL_TRUE, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    EXPECT_EQ(after.cullFace, GL_TRUE);
    EXPECT_EQ(after.cullMode, GL_BACK);
    EXPECT_EQ(after.blend, GL_FALSE);
}

} // namespace
