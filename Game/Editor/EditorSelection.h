#pragma once

#include <cstdint>

namespace Engine::ECS {
class EntityManager;
}

namespace Engine::GFX {
class Drawable;
class Texture2D;
} // namespace Engine::GFX

namespace Game {

struct EditorState;

// What a selection overlay is drawn with (neither is owned).
struct OverlayLook {
    Engine::GFX::Drawable* mesh = nullptr;
    Engine::GFX::Texture2D* texture = nullptr;
};

// The selection rules of the map editor. Every selected entity has an
// overlay entity: a copy of its transform with a mesh in the selected render
// group, so that the selection render system draws it over the scene.
// Overlays are created and destroyed through the world, so they appear and
// vanish at its next refresh.

// Queues every overlay for destruction and forgets the selection.
void clearSelection(EditorState& editor, Engine::ECS::EntityManager& world);

// Adds the entity with a new overlay; an entity without a transform has no
// place to show one and is not selected. Returns whether it was selected.
bool select(EditorState& editor, Engine::ECS::EntityManager& world, uint32_t entity, const OverlayLook& look);

// Removes the entity and queues its overlay for destruction.
void deselect(EditorState& editor, Engine::ECS::EntityManager& world, uint32_t entity);

// A click that picked `hitEntity` (0: nothing). Without `keepSelection`
// (left shift) the old selection goes first; then a selected entity is
// dropped and any other one added.
void applyClick(EditorState& editor, Engine::ECS::EntityManager& world, uint32_t hitEntity, bool keepSelection,
                const OverlayLook& look);

// Moves the gizmo to the mean position of the selection; leaves it where it
// is while nothing is selected.
void updateGizmoPosition(EditorState& editor, Engine::ECS::EntityManager& world);

} // namespace Game
