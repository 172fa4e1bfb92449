#include "Game/Editor/EditorSelection.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Editor/EditorState.h"
#include "Game/Scene/MeshComponent.h"
#include "Game/Scene/TransformComponent.h"

namespace Game {

namespace {
constexpr uint32_t nothingHit = 0;
} // namespace

void clearSelection(EditorState& editor, Engine::ECS::EntityManager& world)
{
    for (const auto& [overlay, selected] : editor.selectionProxies) {
        world.destroyEntity(overlay);
    }
    editor.selectionProxies.clear();
    editor.selection.clear();
}

bool select(EditorState& editor, Engine::ECS::EntityManager& world, uint32_t entity, const OverlayLook& look)
{
    if (!world.hasComponent<TransformComponent>(entity)) return false;
    const uint32_t overlay = world.createEntity();
    world.addComponent(overlay, world.getComponent<TransformComponent>(entity));
    world.addComponent(overlay, MeshComponent(MeshComponent::selectedGroup, look.mesh, look.texture));
    editor.selection[entity] = overlay;
    editor.selectionProxies[overlay] = entity;
    return true;
}

void deselect(EditorState& editor, Engine::ECS::EntityManager& world, uint32_t entity)
{
    const auto found = editor.selection.find(entity);
    if (found == editor.selection.end()) return;
    world.destroyEntity(found->second);
    editor.selectionProxies.erase(found->second);
    editor.selection.erase(found);
}

void applyClick(EditorState& editor, Engine::ECS::EntityManager& world, uint32_t hitEntity, bool keepSelection,
                const OverlayLook& look)
{
    if (!keepSelection) clearSelection(editor, world);
    if (hitEntity == nothingHit) return;
    if (editor.selection.count(hitEntity) != 0) {
        deselect(editor, world, hitEntity);
    } else {
        select(editor, world, hitEntity, look);
    }
}

void updateGizmoPosition(EditorState& editor, Engine::ECS::EntityManager& world)
{
    glm::vec3 sum(0.0f);
    int count = 0;
    for (const auto& [selected, overlay] : editor.selection) {
        if (!world.hasComponent<TransformComponent>(selected)) continue;
        sum += world.getComponent<TransformComponent>(selected).position;
        ++count;
    }
    if (count > 0) editor.gizmoPosition = sum / static_cast<float>(count);
}

} // namespace Game
