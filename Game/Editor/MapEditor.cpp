#include "Game/Editor/MapEditor.h"
#include "Game/Physics/BulletConversion.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/Base/Log.h"
#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Resources/GameState.h"
#include "Game/Editor/EditorEditing.h"
#include "Game/Editor/EditorState.h"
#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/RayCast.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/UI/InputSwitch.h"

#include <SDL_mouse.h>
#include <SDL_scancode.h>

#include <optional>
#include <string>

namespace Game {

namespace {

// No entity has id 0, so it stands for "the ray hit nothing".
constexpr uint32_t nothingHit = 0;

using GamePhysics::toBullet;

template <class Switch>
void setSwitch(Engine::ECS::EntityManager& world, uint32_t entity, bool enabled)
{
    if (world.hasComponent<Switch>(entity)) world.getComponent<Switch>(entity).enabled = enabled;
}

void togglePause(const EditorContext& context)
{
    GameState& state = *context.gameState;
    state.paused = !state.paused;
    if (state.paused) {
        context.showPauseMenu();
    } else {
        context.hidePauseMenu();
    }
    UI::setEditorCameraInputEnabled(*context.world, context.editorCameraEntity, !state.paused);
}

void steerCamera(const EditorContext& context)
{
    const Engine::MouseState& mouse = *context.mouse;
    Engine::ECS::EntityManager& world = *context.world;
    setSwitch<CameraMouseMovementComponent>(world, context.editorCameraEntity, mouse.buttonHeld(SDL_BUTTON_RMASK));
    setSwitch<CameraMouseShiftComponent>(world, context.editorCameraEntity, mouse.buttonHeld(SDL_BUTTON_MMASK));
    setSwitch<FreeCamMovementComponent>(world, context.editorCameraEntity, !context.keyboard->ctrlHeld());
}

// The nearest level block on the ray from the editor camera through the
// mouse, nothingHit for none; no answer when the camera cannot cast a ray.
std::optional<uint32_t> castPickRay(const EditorContext& context)
{
    const std::optional<Ray> cursor = cursorRay(context);
    if (!cursor) return std::nullopt;
    const Camera& view = context.world->getComponent<CameraComponent>(context.editorCameraEntity).camera;
    const glm::vec3 from = cursor->origin;
    const auto ray = GamePhysics::RayCast::castClosest(*context.physicsWorld, toBullet(from),
                                                       toBullet(from + cursor->direction * view.far),
                                                       GamePhysics::CollisionGroup::all,
                                                       GamePhysics::CollisionGroup::block);
    Engine::log("SHOOT:");
    if (!ray.hasHit()) return nothingHit;
    Engine::log("HIT: " + std::to_string(ray.hitEntity()));
    return ray.hitEntity();
}

void pickWithLeftButton(EditorState& editor, const EditorContext& context, uint32_t hoveredAxis)
{
    if (!context.mouse->buttonPressed(SDL_BUTTON_LMASK)) return;
    editor.activeAxis = hoveredAxis;
    if (EditorState::isAxis(hoveredAxis)) return;

    const std::optional<uint32_t> hit = castPickRay(context);
    if (!hit) return;
    const bool keepSelection = context.keyboard->held(SDL_SCANCODE_LSHIFT);
    applyClick(editor, *context.world, *hit, keepSelection, context.overlay);
    updateGizmoPosition(editor, *context.world);
}

} // namespace

std::optional<Ray> cursorRay(const EditorContext& context)
{
    Engine::ECS::EntityManager& world = *context.world;
    const uint32_t camera = context.editorCameraEntity;
    if (!world.hasComponent<CameraComponent>(camera) || !world.hasComponent<TransformComponent>(camera)) {
        return std::nullopt;
    }
    const Camera& view = world.getComponent<CameraComponent>(camera).camera;
    const glm::vec3 direction = GamePhysics::RayCast::screenRayDirection(
        static_cast<float>(context.mouse->glX), static_cast<float>(context.mouse->glY), view);
    return Ray{world.getComponent<TransformComponent>(camera).position, direction};
}

uint32_t axisFromPickingRed(uint8_t red)
{
    return EditorState::isAxis(red) ? red : EditorState::noAxis;
}

void showHoveredAxis(EditorState& editor, uint32_t hoveredAxis)
{
    for (AxisColours* colours : {&editor.xColours, &editor.yColours, &editor.zColours, &editor.centreColours}) {
        colours->current = colours->base;
    }
    if (EditorState::isAxis(hoveredAxis)) {
        AxisColours& hovered = editor.coloursOf(hoveredAxis);
        hovered.current = hovered.highlight;
    }
}

void updateEditor(EditorState& editor, const EditorContext& context)
{
    if (context.keyboard->pressed(SDL_SCANCODE_ESCAPE)) togglePause(context);
    if (context.gameState->paused) return;

    steerCamera(context);
    const uint32_t hoveredAxis = axisFromPickingRed(context.readAxisId(context.mouse->glX, context.mouse->glY));
    showHoveredAxis(editor, hoveredAxis);
    if (context.map != nullptr && updateEditing(editor, context, hoveredAxis)) return;
    pickWithLeftButton(editor, context, hoveredAxis);
}

} // namespace Game
