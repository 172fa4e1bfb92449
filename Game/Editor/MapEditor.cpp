#include "Game/Editor/MapEditor.h"
#include "Game/Physics/BulletConversion.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/Base/Log.h"
#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Engine/Base/Assert.h"
#include "Game/Editor/EditorPlatform.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameResources.h"
#include "Game/Resources/GameRun.h"
#include "Game/Editor/EditorEditing.h"
#include "Game/Editor/EditorState.h"
#include "Game/Level/GameMap.h"
#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/RayCast.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraControlComponents.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/UI/InputSwitch.h"

#include <SDL_mouse.h>
#include <SDL_scancode.h>

#include <glm/gtc/matrix_transform.hpp>

#include <algorithm>
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

// A drag shorter than this is a click.
constexpr float smallestBoxPixels = 4.0f;

glm::vec2 cursorPixel(const GameContext& game)
{
    return glm::vec2(static_cast<float>(game.mouse->glX), static_cast<float>(game.mouse->glY));
}

void togglePause(const GameContext& game, GameRun& run)
{
    GameState& state = run.state;
    state.paused = !state.paused;
    if (state.paused) {
        game.editorPlatform->showPauseMenu();
    } else {
        game.editorPlatform->hidePauseMenu();
    }
    UI::setEditorCameraInputEnabled(*game.world, run.cameras.editorCamera, !state.paused);
}

void steerCamera(const GameContext& game, const GameRun& run)
{
    const Engine::MouseState& mouse = *game.mouse;
    Engine::ECS::EntityManager& world = *game.world;
    const uint32_t camera = run.cameras.editorCamera;
    setSwitch<CameraMouseMovementComponent>(world, camera, mouse.buttonHeld(SDL_BUTTON_RMASK));
    setSwitch<CameraMouseShiftComponent>(world, camera, mouse.buttonHeld(SDL_BUTTON_MMASK));
    setSwitch<FreeCamMovementComponent>(world, camera, !game.keyboard->ctrlHeld());
}

// The nearest level block on the ray from the editor camera through the
// mouse, nothingHit for none; no answer when the camera cannot cast a ray.
std::optional<uint32_t> castPickRay(const GameContext& game, const GameRun& run)
{
    const std::optional<Ray> cursor = cursorRay(game, run);
    if (!cursor) return std::nullopt;
    const Camera& view = game.world->getComponent<CameraComponent>(run.cameras.editorCamera).camera;
    const glm::vec3 from = cursor->origin;
    const auto ray = GamePhysics::RayCast::castClosest(*game.physicsWorld, toBullet(from),
                                                       toBullet(from + cursor->direction * view.far),
                                                       GamePhysics::CollisionGroup::all,
                                                       GamePhysics::CollisionGroup::block);
    Engine::log("SHOOT:");
    if (!ray.hasHit()) return nothingHit;
    Engine::log("HIT: " + std::to_string(ray.hitEntity()));
    return ray.hitEntity();
}

void pickWithLeftButton(const GameContext& game, GameRun& run, uint32_t hoveredAxis)
{
    if (!game.mouse->buttonPressed(SDL_BUTTON_LMASK)) return;
    EditorState& editor = *run.editor;
    editor.activeAxis = hoveredAxis;
    if (EditorState::isAxis(hoveredAxis)) return;

    const std::optional<uint32_t> hit = castPickRay(game, run);
    if (!hit) return;
    const bool keepSelection = game.keyboard->held(SDL_SCANCODE_LSHIFT);
    if (*hit == nothingHit) {
        // Whether this is a click on empty space or a box is known on release.
        editor.box = BoxSelection{ScreenRect{cursorPixel(game), cursorPixel(game)}, keepSelection};
        return;
    }
    applyClick(editor, *game.world, *hit, keepSelection, overlayLookOf(game));
    updateGizmoPosition(editor, *game.world);
}

// Ends the box: selects what it holds unless it is cancelled; one too small
// to be a drag was a plain click on empty space.
void finishBox(const GameContext& game, GameRun& run, bool cancelled)
{
    EditorState& editor = *run.editor;
    const BoxSelection box = *editor.box;
    editor.box.reset();
    game.editorPlatform->showSelectionBox(std::nullopt);
    const glm::vec2 size = glm::abs(box.rect.b - box.rect.a);
    if (cancelled) return;
    if (std::max(size.x, size.y) < smallestBoxPixels) {
        applyClick(editor, *game.world, nothingHit, box.adds, overlayLookOf(game));
        return;
    }
    if (!box.adds) clearSelection(editor, *game.world);
    for (const uint32_t block : blocksInBox(game, run, box.rect)) {
        if (editor.selection.count(block) == 0) select(editor, *game.world, block, overlayLookOf(game));
    }
    updateGizmoPosition(editor, *game.world);
    Engine::log("BOX: " + std::to_string(editor.selection.size()) + " selected");
}

// Returns whether a box selection took this step.
bool followBox(const GameContext& game, GameRun& run)
{
    if (!run.editor->box) return false;
    if (game.keyboard->pressed(SDL_SCANCODE_ESCAPE) || !game.mouse->buttonHeld(SDL_BUTTON_LMASK)) {
        finishBox(game, run, game.keyboard->pressed(SDL_SCANCODE_ESCAPE));
        return true;
    }
    run.editor->box->rect.b = cursorPixel(game);
    game.editorPlatform->showSelectionBox(run.editor->box->rect);
    return true;
}

} // namespace

std::optional<Ray> cursorRay(const GameContext& game, const GameRun& run)
{
    Engine::ECS::EntityManager& world = *game.world;
    const uint32_t camera = run.cameras.editorCamera;
    if (!world.hasComponent<CameraComponent>(camera) || !world.hasComponent<TransformComponent>(camera)) {
        return std::nullopt;
    }
    const Camera& view = world.getComponent<CameraComponent>(camera).camera;
    const glm::vec3 direction = GamePhysics::RayCast::screenRayDirection(
        static_cast<float>(game.mouse->glX), static_cast<float>(game.mouse->glY), view);
    return Ray{world.getComponent<TransformComponent>(camera).position, direction};
}

OverlayLook overlayLookOf(const GameContext& game)
{
    if (game.resources == nullptr) return OverlayLook{};
    return OverlayLook{game.resources->whiteCube.get(), game.resources->defaultTexture.get()};
}

std::vector<uint32_t> blocksInBox(const GameContext& game, const GameRun& run, const ScreenRect& rect)
{
    Engine::ECS::EntityManager& world = *game.world;
    const uint32_t camera = run.cameras.editorCamera;
    std::vector<uint32_t> inside;
    if (!world.hasComponent<CameraComponent>(camera) || !world.hasComponent<TransformComponent>(camera)) return inside;
    // The view the pick ray is cast through (screenRayDirection).
    const Camera& view = world.getComponent<CameraComponent>(camera).camera;
    const glm::vec3 eye = world.getComponent<TransformComponent>(camera).position;
    const glm::mat4 viewProjection =
        glm::perspective(glm::radians(view.fov), view.width / view.height, view.near, view.far) *
        glm::lookAt(eye, eye + (view.center - view.position), view.up);
    for (const uint32_t block : run.map.blocks) {
        if (!world.hasComponent<TransformComponent>(block)) continue;
        const glm::vec3 centre = world.getComponent<TransformComponent>(block).position;
        if (projectsInside(centre, viewProjection, glm::vec2(view.width, view.height), rect)) inside.push_back(block);
    }
    return inside;
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

void updateEditor(const GameContext& game, GameRun& run)
{
    GAME_ASSERT(run.editor != nullptr && game.editorPlatform != nullptr);
    if (run.state.dialogOpen) return;
    if (followBox(game, run)) return;
    if (game.keyboard->pressed(SDL_SCANCODE_ESCAPE)) togglePause(game, run);
    if (run.state.paused) return;

    steerCamera(game, run);
    const uint32_t hoveredAxis = axisFromPickingRed(game.editorPlatform->readAxisId(game.mouse->glX, game.mouse->glY));
    showHoveredAxis(*run.editor, hoveredAxis);
    if (updateEditing(game, run, hoveredAxis)) return;
    pickWithLeftButton(game, run, hoveredAxis);
}

} // namespace Game
