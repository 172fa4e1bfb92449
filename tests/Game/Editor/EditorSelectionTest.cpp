#include "Game/Physics/StaticBodies.h"
#include "tests/Game/Editor/EditorTestWorld.h"

#include <string>

namespace {

const glm::vec3 emptySpace(0.0f, 60.0f, 0.0f);

class EditorSelectionTest : public EditorTestWorld {
protected:
    void SetUp() override
    {
        a = addBlock(glm::vec3(0.0f, 0.0f, 0.0f));
        b = addBlock(glm::vec3(10.0f, 0.0f, 0.0f));
        c = addBlock(glm::vec3(-10.0f, 0.0f, 4.0f));
    }

    std::string clickAndCapture(const glm::vec3& target, bool shift = false)
    {
        testing::internal::CaptureStdout();
        clickAt(target, shift);
        return testing::internal::GetCapturedStdout();
    }

    static std::string hitLog(uint32_t entity) { return "SHOOT:\nHIT: " + std::to_string(entity) + "\n"; }

    glm::vec3 positionOf(uint32_t entity) { return world.getComponent<TransformComponent>(entity).position; }

    uint32_t a = 0;
    uint32_t b = 0;
    uint32_t c = 0;
};

TEST_F(EditorSelectionTest, APlainClickSelectsExactlyThatBlockWithAnOverlayOverIt)
{
    clickAt(positionOf(a));
    clickAt(positionOf(b), true);
    const std::vector<uint32_t> oldOverlays{overlayOf(a), overlayOf(b)};
    clickAt(positionOf(c));

    ASSERT_EQ(selectedBlocks(), std::vector<uint32_t>{c});
    for (const uint32_t old : oldOverlays) EXPECT_FALSE(world.isAlive(old));
    const uint32_t overlay = overlayOf(c);
    ASSERT_EQ(editor.selectionProxies.size(), 1u);
    EXPECT_EQ(editor.selectionProxies.at(overlay), c);
    ASSERT_TRUE(world.isAlive(overlay));
    const TransformComponent& blockTransform = world.getComponent<TransformComponent>(c);
    const TransformComponent& overlayTransform = world.getComponent<TransformComponent>(overlay);
    EXPECT_EQ(overlayTransform.position, blockTransform.position);
    EXPECT_EQ(overlayTransform.scale, blockTransform.scale);
    EXPECT_EQ(overlayTransform.rotation, blockTransform.rotation);
    const MeshComponent& mesh = world.getComponent<MeshComponent>(overlay);
    EXPECT_EQ(mesh.renderGroup, MeshComponent::selectedGroup);
    EXPECT_EQ(mesh.drawable, &overlayMesh);
    EXPECT_EQ(mesh.texture, overlayTexture);
    EXPECT_FALSE(world.hasComponent<PhysicsRigidBodyComponent>(overlay));
}

TEST_F(EditorSelectionTest, ShiftClickTogglesABlockMovingTheGizmoToTheMeanAndOnlyAPlainClickInEmptySpaceClears)
{
    clickAt(positionOf(a));
    const uint32_t overlayA = overlayOf(a);
    EXPECT_EQ(editor.gizmoPosition, positionOf(a));
    clickAt(positionOf(b), true);
    clickAt(positionOf(c), true);
    EXPECT_EQ(selectedBlocks(), (std::vector<uint32_t>{a, b, c}));
    EXPECT_EQ(overlayOf(a), overlayA);
    EXPECT_EQ(editor.gizmoPosition, (positionOf(a) + positionOf(b) + positionOf(c)) / 3.0f);

    const uint32_t overlayB = overlayOf(b);
    clickAt(positionOf(a), true);
    EXPECT_EQ(selectedBlocks(), (std::vector<uint32_t>{b, c}));
    EXPECT_EQ(editor.selectionProxies.count(overlayA), 0u);
    EXPECT_FALSE(world.isAlive(overlayA));
    EXPECT_TRUE(world.isAlive(overlayB));
    EXPECT_EQ(editor.gizmoPosition, (positionOf(b) + positionOf(c)) / 2.0f);

    clickAt(emptySpace, true);
    EXPECT_EQ(selectedBlocks(), (std::vector<uint32_t>{b, c}));
    EXPECT_EQ(overlayOf(b), overlayB);
    clickAt(emptySpace);
    EXPECT_TRUE(editor.selection.empty());
    EXPECT_TRUE(editor.selectionProxies.empty());
    EXPECT_FALSE(world.isAlive(overlayB));
    EXPECT_EQ(editor.gizmoPosition, (positionOf(b) + positionOf(c)) / 2.0f) << "the gizmo stays where it was";
}

TEST_F(EditorSelectionTest, HoldingTheButtonPicksOnlyWhenItGoesDown)
{
    aimAt(positionOf(a));
    keys[SDL_SCANCODE_LSHIFT] = 1;
    testing::internal::CaptureStdout();
    for (int i = 0; i < 3; ++i) step(SDL_BUTTON_LMASK);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), hitLog(a));
    EXPECT_EQ(selectedBlocks(), std::vector<uint32_t>{a});
}

TEST_F(EditorSelectionTest, ThePickRayOnlyMeetsLevelBlocksAndLogsTheShot)
{
    GamePhysics::createFloor(world);
    const uint32_t lid = world.createEntity();
    world.addComponent(lid, TransformComponent(positionOf(a) + glm::vec3(0.0f, 0.0f, 10.0f), glm::vec3(4.0f)));
    world.addComponent(lid, PhysicsColliderComponent(std::make_shared<btBoxShape>(btVector3(2.0f, 2.0f, 2.0f))));
    PhysicsRigidBodyComponent lidBody(lid, 0.0f, btVector3(0.0f, 0.0f, 0.0f));
    lidBody.getUserPointer()->group = GamePhysics::CollisionGroup::floor;
    world.addComponent(lid, lidBody);
    world.refresh();
    physics.getDynamicsWorld()->updateAabbs();

    EXPECT_EQ(clickAndCapture(positionOf(a)), hitLog(a));
    EXPECT_EQ(clickAndCapture(emptySpace, true), "SHOOT:\n");
    EXPECT_EQ(selectedBlocks(), std::vector<uint32_t>{a});
}

TEST_F(EditorSelectionTest, ThePickRayEndsAtTheCamerasFarDistance)
{
    world.getComponent<CameraComponent>(camera).camera.far = cameraHeight - 5.0f;
    EXPECT_EQ(clickAndCapture(positionOf(a)), "SHOOT:\n");
    EXPECT_TRUE(editor.selection.empty());
}

} // namespace
