#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/Texture2D.h"
#include "Game/Rendering/DefaultMeshRenderSystem.h"
#include "Game/Rendering/SelectedEntityRenderSystem.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "tests/support/GLTestContext.h"
#include "tests/Game/Rendering/RecordingDrawable.h"

#include <glm/gtc/matrix_transform.hpp>
#include <gtest/gtest.h>

namespace {

class MeshRenderSystemTest : public GLTesting::GLTest {
protected:
    void SetUp() override
    {
        GLTest::SetUp();
        world.registerComponent<TransformComponent>();
        world.registerComponent<MeshComponent>();
        world.addSystem(DefaultMeshRenderSystem(&world, &matrices));
        world.addSystem(SelectedEntityRenderSystem(&world, &matrices));
        texture = std::make_unique<Engine::GFX::Texture2D>();
    }

    uint32_t addMesh(uint32_t group, const glm::mat4& model = glm::mat4(1.0f))
    {
        const uint32_t entity = world.createEntity();
        TransformComponent transform;
        transform.modelMatrix = model;
        world.addComponent(entity, transform);
        world.addComponent(entity, MeshComponent(group, &drawable, texture.get()));
        world.refresh();
        return entity;
    }

    void runBoth()
    {
        world.getSystem<DefaultMeshRenderSystem>().run(0.0f);
        world.getSystem<SelectedEntityRenderSystem>().run(0.0f);
    }

    Engine::ECS::EntityManager world;
    MatrixState matrices{nullptr};
    RecordingDrawable drawable{matrices};
    std::unique_ptr<Engine::GFX::Texture2D> texture;
};

TEST_F(MeshRenderSystemTest, OrdinaryMeshesAreDrawnWithTheirTextureAndSelectedOnesWithout)
{
    const glm::mat4 model = glm::translate(glm::mat4(1.0f), glm::vec3(1.0f, 2.0f, 3.0f));
    addMesh(MeshComponent::ordinaryGroup, model);
    glActiveTexture(GL_TEXTURE3);
    world.getSystem<DefaultMeshRenderSystem>().run(0.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
    const glm::mat4 selectedModel = glm::scale(glm::mat4(1.0f), glm::vec3(2.0f));
    addMesh(MeshComponent::selectedGroup, selectedModel);
    world.getSystem<SelectedEntityRenderSystem>().run(0.0f);

    ASSERT_EQ(drawable.draws.size(), 2u);
    EXPECT_EQ(drawable.draws[0].textureOnUnit0, static_cast<GLint>(texture->name));
    EXPECT_EQ(drawable.draws[0].model, model);
    EXPECT_EQ(drawable.draws[1].textureOnUnit0, 0);
    EXPECT_EQ(drawable.draws[1].model, selectedModel);
    GLint activeUnit = 0;
    glGetIntegerv(GL_ACTIVE_TEXTURE, &activeUnit);
    EXPECT_EQ(activeUnit, GL_TEXTURE0);
}

TEST_F(MeshRenderSystemTest, MeshesOfOtherGroupsOrWithoutADrawableAreNotDrawn)
{
    addMesh(1);
    addMesh(7);
    const uint32_t entity = world.createEntity();
    world.addComponent(entity, TransformComponent());
    world.addComponent(entity, MeshComponent(MeshComponent::ordinaryGroup, nullptr, texture.get()));
    world.refresh();
    runBoth();

    EXPECT_TRUE(drawable.draws.empty());
    EXPECT_TRUE(world.getSystem<SelectedEntityRenderSystem>().entities.empty());
}

} // namespace
