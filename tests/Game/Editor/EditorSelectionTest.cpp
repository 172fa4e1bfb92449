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

    glm::vec3 positionOf(uint32_t entity) { return world.getComponent<TransformComponent>(entity).position; }

    uint32_t a = 0;
    uint32_t b = 0;
    uint32_t c = 0;
};

TEST_F(EditorSelectionTest, APlainClickOnABlockSelectsItWithAnOverlayOverIt)
{
    clickAt(positionOf(a));

    ASSERT_EQ(selectedBlocks(), std::vector<uint32_t>{a});
    const uint32_t overlay = overlayOf(a);
    EXPECT_EQ(editor.selectionProxies.at(overlay), a);
    ASSERT_TRUE(world.isAlive(overlay));
    const TransformComponent& blockTransform = world.getComponent<TransformComponent>(a);
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

TEST_F(EditorSelectionTest, ClickingEmptySpaceWithoutShiftClearsTheSelection)
{
    clickAt(positionOf(a));
    clickAt(positionOf(b), true);
    const uint32_t overlayA = overlayOf(a);
    const uint32_t overlayB = overlayOf(b);

    clickAt(emptySpace);

    EXPECT_TRUE(editor.selection.empty());
    EXPECT_TRUE(editor.selectionProxies.empty());
    EXPECT_FALSE(world.isAlive(overlayA));
    EXPECT_FALSE(world.isAlive(overlayB));
}

TEST_F(EditorSelectionTest, ClickingEmptySpaceWithShiftKeepsTheSelection)
{
    clickAt(positionOf(a));
    const uint32_t overlay = overlayOf(a);

    clickAt(emptySpace, true);

    EXPECT_EQ(selectedBlocks(), std::vector<uint32_t>{a});
    EXPECT_EQ(overlayOf(a), overlay);
    EXPECT_TRUE(world.isAlive(overlay));
}

TEST_F(EditorSelectionTest, ShiftClickingAnUnselectedBlockAddsIt)
{
    clickAt(positionOf(a));
    const uint32_t overlayA = overlayOf(a);

    clickAt(positionOf(b), true);

    EXPECT_EQ(selectedBlocks(), (std::vector<uint32_t>{a, b}));
    EXPECT_EQ(overlayOf(a), overlayA);
    EXPECT_TRUE(world.isAlive(overlayA));
    EXPECT_TRUE(world.isAlive(overlayOf(b)));
    EXPECT_EQ(editor.selectionProxies.size(), 2u);
}

TEST_F(EditorSelectionTest, ShiftClickingASelectedBlockDeselectsItAndRemovesItsOverlay)
{
    clickAt(positionOf(a));
    clickAt(positionOf(b), true);
    const uint32_t overlayA = overlayOf(a);
    const uint32_t overlayB = overlayOf(b);

    clickAt(positionOf(a), true);

    EXPECT_EQ(selectedBlocks(), std::vector<uint32_t>{b});
    EXPECT_EQ(editor.selectionProxies.count(overlayA), 0u);
    EXPECT_FALSE(world.isAlive(overlayA));
    EXPECT_TRUE(world.isAlive(overlayB));
}

TEST_F(EditorSelectionTest, APlainClickOnABlockLeavesExactlyThatBlockSelected)
{
    clickAt(positionOf(a));
    clickAt(positionOf(b), true);
    clickAt(positionOf(c), true);
    const std::vector<uint32_t> oldOverlays{overlayOf(a), overlayOf(b), overlayOf(c)};

    clickAt(positionOf(b));

    EXPECT_EQ(selectedBlocks(), std::vector<uint32_t>{b});
    ASSERT_EQ(editor.selectionProxies.size(), 1u);
    EXPECT_EQ(editor.selectionProxies.begin()->second, b);
    EXPECT_TRUE(world.isAlive(overlayOf(b)));
    for (const uint32_t overlay : oldOverlays) EXPECT_FALSE(world.isAlive(overlay));
}

TEST_F(EditorSelectionTest, HoldingTheButtonPicksOnlyWhenItGoesDown)
{
    aimAt(positionOf(a));
    keys[SDL_SCANCODE_LSHIFT] = 1;
    testing::internal::CaptureStdout();
    step(SDL_BUTTON_LMASK);
    step(SDL_BUTTON_LMASK);
    step(SDL_BUTTON_LMASK);
    const std::string log = testing::internal::GetCapturedStdout();

    EXPECT_EQ(selectedBlocks(), std::vector<uint32_t>{a});
    EXPECT_EQ(log, "SHOOT:\nHIT: " + std::to_string(a) + "\n");
}

TEST_F(EditorSelectionTest, APickLogsTheShotAndTheEntityHit)
{
    EXPECT_EQ(clickAndCapture(positionOf(c)), "SHOOT:\nHIT: " + std::to_string(c) + "\n");
    EXPECT_EQ(clickAndCapture(emptySpace), "SHOOT:\n");
}

TEST_F(EditorSelectionTest, ThePickRayOnlyMeetsLevelBlocks)
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

    EXPECT_EQ(clickAndCapture(positionOf(a)), "SHOOT:\nHIT: " + std::to_string(a) + "\n");
    EXPECT_EQ(clickAndCapture(emptySpace, true), "SHOOT:\n");
    EXPECT_EQ(selectedBlocks(), std::vector<uint32_t>{a});
}

TEST_F(EditorSelectionTest, ThePickRayEndsAtTheCamerasFarDistance)
{
    world.getComponent<CameraComponent>(camera).camera.far = cameraHeight - 5.0f;
    EXPECT_EQ(clickAndCapture(positionOf(a)), "SHOOT:\n");
    EXPECT_TRUE(editor.selection.empty());
}

TEST_F(EditorSelectionTest, TheGizmoSitsAtTheMeanPositionOfTheSelection)
{
    clickAt(positionOf(a));
    EXPECT_EQ(editor.gizmoPosition, positionOf(a));

    clickAt(positionOf(b), true);
    clickAt(positionOf(c), true);
    EXPECT_EQ(editor.gizmoPosition, (positionOf(a) + positionOf(b) + positionOf(c)) / 3.0f);

    clickAt(positionOf(c), true);
    EXPECT_EQ(editor.gizmoPosition, (positionOf(a) + positionOf(b)) / 2.0f);
}

TEST_F(EditorSelectionTest, TheGizmoStaysWhereItWasWhenTheSelectionIsCleared)
{
    clickAt(positionOf(b));
    clickAt(emptySpace);
    EXPECT_TRUE(editor.selection.empty());
    EXPECT_EQ(editor.gizmoPosition, positionOf(b));
}

} // namespace
