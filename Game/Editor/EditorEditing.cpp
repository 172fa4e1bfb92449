#include "Game/Editor/EditorEditing.h"
#include "Game/Physics/BulletConversion.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/Base/Log.h"
#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Editor/BlockEdits.h"
#include "Game/Editor/EditorState.h"
#include "Game/Editor/EditorToolbar.h"
#include "Game/Editor/KindCycle.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Editor/EditorPlatform.h"
#include "Game/Editor/MapEditor.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameRun.h"
#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/RayCast.h"
#include "Game/Scene/CameraComponent.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <SDL_mouse.h>
#include <SDL_scancode.h>

#include <algorithm>

namespace Game {

namespace {

// Two seconds of 10 ms update steps.
constexpr uint32_t statusSteps = 200;
const glm::vec3 newBlockSize(2.0f);
const glm::vec3 duplicateOffset(1.0f, 0.0f, 0.0f);
// How far below the camera a play-test looks for ground.
constexpr float playTestReach = 10000.0f;

// SDL numbers the digit keys 1 to 9, then 0.
int32_t digitScancode(char digit)
{
    return digit == '0' ? SDL_SCANCODE_0 : SDL_SCANCODE_1 + (digit - '1');
}

void showStatus(EditingState& editing, const std::string& text)
{
    editing.status = text;
    editing.statusSteps = statusSteps;
    Engine::log(text);
}

std::size_t indexOf(const GameMap& map, uint32_t block)
{
    return static_cast<std::size_t>(std::find(map.blocks.begin(), map.blocks.end(), block) - map.blocks.begin());
}

// The selected blocks in level order, so edits list them the same way
// every time.
std::vector<uint32_t> selectedBlocks(const EditorState& editor, const GameMap& map)
{
    std::vector<uint32_t> blocks;
    for (const uint32_t block : map.blocks) {
        if (editor.selection.count(block) != 0) blocks.push_back(block);
    }
    return blocks;
}

// Overlays are copies of their block's transform; they follow every change.
void refreshSelectionLooks(EditorState& editor, Engine::ECS::EntityManager& world)
{
    for (const auto& [block, overlay] : editor.selection) {
        if (!world.hasComponent<TransformComponent>(block) || !world.hasComponent<TransformComponent>(overlay)) continue;
        const TransformComponent& source = world.getComponent<TransformComponent>(block);
        TransformComponent& copy = world.getComponent<TransformComponent>(overlay);
        copy.position = source.position;
        copy.scale = source.scale;
        copy.rotation = source.rotation;
    }
    updateGizmoPosition(editor, world);
}

void selectOnly(EditorState& editor, const GameContext& game, const std::vector<uint32_t>& blocks)
{
    clearSelection(editor, *game.world);
    for (const uint32_t block : blocks) select(editor, *game.world, block, overlayLookOf(game));
    updateGizmoPosition(editor, *game.world);
}

void carryOut(EditorState& editor, const GameContext& game, GameRun& run, const Edit& edit)
{
    clearSelection(editor, *game.world);
    selectOnly(editor, game, applyEdit(game, run.map, edit));
}

void record(EditorState& editor, const GameContext& game, GameRun& run, const Edit& edit)
{
    carryOut(editor, game, run, edit);
    editor.editing.history.record(edit);
}

bool roomFor(EditorState& editor, const GameRun& run, std::size_t added)
{
    if (run.map.blocks.size() + added <= maxLevelBlocks) return true;
    showStatus(editor.editing, "EDIT REFUSED: a level holds at most " + std::to_string(maxLevelBlocks) + " blocks");
    return false;
}

// New blocks go to the end of the level, in the given order.
void addBlocks(EditorState& editor, const GameContext& game, GameRun& run, const std::vector<BlockPose>& poses)
{
    if (poses.empty() || !roomFor(editor, run, poses.size())) return;
    Edit edit;
    for (const BlockPose& pose : poses) {
        edit.changes.push_back(BlockChange{run.map.blocks.size() + edit.changes.size(), std::nullopt, pose});
    }
    record(editor, game, run, edit);
}

void deleteSelection(EditorState& editor, const GameContext& game, GameRun& run)
{
    Edit edit;
    for (const uint32_t block : selectedBlocks(editor, run.map)) {
        edit.changes.push_back(BlockChange{indexOf(run.map, block), poseOf(*game.world, block), std::nullopt});
    }
    if (!edit.changes.empty()) record(editor, game, run, edit);
}

void duplicateSelection(EditorState& editor, const GameContext& game, GameRun& run)
{
    std::vector<BlockPose> copies;
    for (const uint32_t block : selectedBlocks(editor, run.map)) {
        copies.push_back(poseOf(*game.world, block));
        copies.back().position += duplicateOffset;
        if (copies.back().kind == BlockKind::start) copies.back().kind = BlockKind::plain; // one start per level
        copies.back() = withinLevelLimits(copies.back());
    }
    addBlocks(editor, game, run, copies);
}

std::string keptText(bool keptRefused, const std::string& path)
{
    return keptRefused ? "; the file it replaced is kept as " + path + refusedLevelSuffix : "";
}

void showSaved(EditorState& editor, std::size_t blocks, const std::string& path, const std::string& kept)
{
    showStatus(editor.editing, "Saved " + std::to_string(blocks) + " blocks to " + path + kept);
}

void showSaveFailed(EditorState& editor, const std::string& path, const std::string& problem)
{
    Engine::logError("SAVE FAILED: " + path + ": " + problem);
    editor.editing.status = "Save failed: " + problem;
    editor.editing.statusSteps = statusSteps;
}

// One edit for the whole selection, so one undo brings every kind back.
void cycleSelectionKinds(EditorState& editor, const GameContext& game, GameRun& run)
{
    const std::vector<BlockPose> poses = levelPoses(game, run.map);
    std::vector<BlockKind> kinds;
    for (const BlockPose& pose : poses) kinds.push_back(pose.kind);
    std::vector<std::size_t> selected;
    for (const uint32_t block : selectedBlocks(editor, run.map)) selected.push_back(indexOf(run.map, block));
    Edit edit;
    for (const auto& [place, kind] : cycledKinds(kinds, selected)) {
        BlockPose after = poses[place];
        after.kind = kind;
        edit.changes.push_back(BlockChange{place, poses[place], after});
    }
    if (!edit.changes.empty()) record(editor, game, run, edit);
}

// What the bar shows after the tool: the course's blocks.
std::string courseCounts(const GameContext& game, const GameRun& run)
{
    std::vector<BlockKind> kinds;
    for (const uint32_t block : run.map.blocks) kinds.push_back(blockKindOf(*game.world, block));
    return courseCountsText(kinds);
}

void saveLevel(EditorState& editor, const GameContext& game, GameRun& run)
{
    const std::vector<BlockPose> poses = levelPoses(game, run.map);
    const LevelSave save = saveLevelFile(run.levelPath, poses, maxLevelBlocks);
    const std::string kept = keptText(save.keptRefused, run.levelPath);
    if (save.status.ok()) showSaved(editor, poses.size(), run.levelPath, kept);
    else showSaveFailed(editor, run.levelPath, save.status.message() + kept);
}

// The way the editor camera looks: its steering's heading in the game, the
// look-at point where it has no steering (tests).
glm::vec3 cameraForward(const GameContext& game, const GameRun& run)
{
    const uint32_t camera = run.cameras.editorCamera;
    if (game.world->hasComponent<CameraModificationComponent>(camera)) {
        return glm::normalize(game.world->getComponent<CameraModificationComponent>(camera).forward(1.0f));
    }
    const Camera& view = game.world->getComponent<CameraComponent>(camera).camera;
    return glm::normalize(view.center - view.position);
}

void focusSelection(EditorState& editor, const GameContext& game, GameRun& run)
{
    const uint32_t camera = run.cameras.editorCamera;
    std::vector<BlockPose> poses;
    for (const uint32_t block : selectedBlocks(editor, run.map)) poses.push_back(poseOf(*game.world, block));
    if (poses.empty() || !game.world->hasComponent<CameraComponent>(camera) ||
        !game.world->hasComponent<TransformComponent>(camera)) {
        return;
    }
    const Camera& view = game.world->getComponent<CameraComponent>(camera).camera;
    const Lens lens{view.fov, view.height > 0.0f ? view.width / view.height : 1.0f};
    const glm::vec3 from = game.world->getComponent<TransformComponent>(camera).position;
    editor.editing.flight = CameraFlight{from, framingPosition(boundsOf(poses), cameraForward(game, run), lens)};
}

void flyCamera(EditingState& editing, const GameContext& game, const GameRun& run)
{
    if (!editing.flight || !game.world->hasComponent<TransformComponent>(run.cameras.editorCamera)) return;
    game.world->getComponent<TransformComponent>(run.cameras.editorCamera).position = editing.flight->advance();
    if (editing.flight->done()) editing.flight.reset();
}

// The player starts on the first floor or block surface straight below the
// editor camera (at the camera itself over the void), facing its heading.
void startPlayTest(const GameContext& game, const GameRun& run)
{
    const uint32_t camera = run.cameras.editorCamera;
    if (!game.world->hasComponent<TransformComponent>(camera)) return;
    const glm::vec3 eye = game.world->getComponent<TransformComponent>(camera).position;
    const glm::vec3 end = eye - glm::vec3(0.0f, 0.0f, playTestReach);
    const auto hit = GamePhysics::RayCast::castClosest(
        *game.physicsWorld, GamePhysics::toBullet(eye), GamePhysics::toBullet(end), GamePhysics::CollisionGroup::all,
        GamePhysics::CollisionGroup::block | GamePhysics::CollisionGroup::floor);
    const glm::vec3 start = hit.hasHit() ? glm::mix(eye, end, hit.m_closestHitFraction) : eye;
    const bool steered = game.world->hasComponent<CameraModificationComponent>(camera);
    const float yaw = steered ? game.world->getComponent<CameraModificationComponent>(camera).yaw : 0.0f;
    Engine::log("PLAYTEST: from " + std::to_string(start.x) + " " + std::to_string(start.y) + " " +
                std::to_string(start.z));
    game.editorPlatform->startPlayTest(start, yaw);
}

// `]` coarser, `[` finer: the angle step with the rotate tool, else the length.
void changeStep(EditingState& editing, bool coarser)
{
    SnapSteps& steps = editing.steps;
    if (editing.tool == Tool::rotate) {
        coarser ? steps.nextAngle() : steps.previousAngle();
    } else {
        coarser ? steps.coarserLength() : steps.finerLength();
    }
}

// The block face or floor under the cursor: the point, its outward normal
// and the entity hit.
struct SurfaceHit {
    glm::vec3 point{0.0f};
    glm::vec3 normal{0.0f, 0.0f, 1.0f};
    uint32_t entity = 0;
};

std::optional<SurfaceHit> surfaceUnderCursor(const GameContext& game, const GameRun& run)
{
    const std::optional<Ray> cursor = cursorRay(game, run);
    if (!cursor) return std::nullopt;
    const float reach = game.world->getComponent<CameraComponent>(run.cameras.editorCamera).camera.far;
    const glm::vec3 end = cursor->origin + cursor->direction * reach;
    const auto hit = GamePhysics::RayCast::castClosest(
        *game.physicsWorld, GamePhysics::toBullet(cursor->origin), GamePhysics::toBullet(end), GamePhysics::CollisionGroup::all,
        GamePhysics::CollisionGroup::block | GamePhysics::CollisionGroup::floor);
    if (!hit.hasHit()) return std::nullopt;
    return SurfaceHit{glm::mix(cursor->origin, end, hit.m_closestHitFraction), GamePhysics::toGlm(hit.hitNormal),
                      hit.hitEntity()};
}

// A 2 m block resting on the face (or the floor) under the cursor, turned
// like the block it stands on.
void createAtCursor(EditorState& editor, const GameContext& game, GameRun& run)
{
    const std::optional<SurfaceHit> surface = surfaceUnderCursor(game, run);
    if (!surface) return;
    BlockPose pose;
    pose.size = newBlockSize;
    pose.position = surface->point + surface->normal * (newBlockSize.z * 0.5f);
    if (indexOf(run.map, surface->entity) < run.map.blocks.size()) {
        pose.rotation = poseOf(*game.world, surface->entity).rotation;
    }
    addBlocks(editor, game, run, {withinLevelLimits(pose)});
}

// The selection, relative to the centre of its bounds.
void copySelection(EditorState& editor, const GameContext& game, GameRun& run)
{
    std::vector<BlockPose> poses;
    for (const uint32_t block : selectedBlocks(editor, run.map)) poses.push_back(poseOf(*game.world, block));
    if (poses.empty()) return;
    const glm::vec3 centre = boundsOf(poses).centre();
    for (BlockPose& pose : poses) pose.position -= centre;
    editor.editing.clipboard = poses;
    showStatus(editor.editing, "Copied " + std::to_string(poses.size()) + " blocks");
}

// The copied blocks resting on the face or floor under the cursor: their
// bounds touch it from the side its normal points to.
void pasteAtCursor(EditorState& editor, const GameContext& game, GameRun& run)
{
    const std::vector<BlockPose>& copied = editor.editing.clipboard;
    const std::optional<SurfaceHit> surface = surfaceUnderCursor(game, run);
    if (copied.empty() || !surface) return;
    const Bounds bounds = boundsOf(copied);
    const glm::vec3 reach = glm::max(-surface->normal * bounds.min, -surface->normal * bounds.max);
    const glm::vec3 centre = surface->point + surface->normal * (reach.x + reach.y + reach.z);
    std::vector<BlockPose> pasted;
    for (BlockPose pose : copied) {
        pose.position += centre;
        pasted.push_back(withinLevelLimits(pose));
    }
    addBlocks(editor, game, run, pasted);
}

// One key press, so that presses falling into the same step act one by one
// in the order they came: an undo and a redo in one step undo the edit, then
// redo it.
void takeShortcut(EditorState& editor, const GameContext& game, GameRun& run, const Engine::KeyPress& press)
{
    EditingState& editing = editor.editing;
    const int32_t key = press.scancode;
    if (!press.ctrl) {
        for (const EditorTool& tool : editorTools) {
            if (key == digitScancode(tool.key)) editing.tool = tool.tool;
        }
        if (key == SDL_SCANCODE_DELETE) deleteSelection(editor, game, run);
        if (key == SDL_SCANCODE_K) cycleSelectionKinds(editor, game, run);
        if (key == SDL_SCANCODE_F) focusSelection(editor, game, run);
        if (key == SDL_SCANCODE_F5) startPlayTest(game, run);
        if (key == SDL_SCANCODE_LEFTBRACKET || key == SDL_SCANCODE_RIGHTBRACKET) {
            changeStep(editing, key == SDL_SCANCODE_RIGHTBRACKET);
        }
        return;
    }
    std::optional<Edit> step;
    if (key == SDL_SCANCODE_D) duplicateSelection(editor, game, run);
    const bool named = !run.levelPath.empty();
    if (key == SDL_SCANCODE_S && named && !press.shift) saveLevel(editor, game, run);
    if (key == SDL_SCANCODE_S && (!named || press.shift)) game.editorPlatform->askLevelName();
    if (key == SDL_SCANCODE_C || key == SDL_SCANCODE_X) copySelection(editor, game, run);
    if (key == SDL_SCANCODE_X) deleteSelection(editor, game, run);
    if (key == SDL_SCANCODE_V) pasteAtCursor(editor, game, run);
    if (key == SDL_SCANCODE_Z) step = editing.history.undo();
    if (key == SDL_SCANCODE_Y) step = editing.history.redo();
    if (step) carryOut(editor, game, run, *step);
}

void takeShortcuts(EditorState& editor, const GameContext& game, GameRun& run)
{
    for (const Engine::KeyPress& press : game.keyboard->presses) takeShortcut(editor, game, run, press);
}

void startDrag(EditorState& editor, const GameContext& game, GameRun& run, uint32_t axis)
{
    const std::optional<Ray> cursor = cursorRay(game, run);
    const std::vector<uint32_t> blocks = selectedBlocks(editor, run.map);
    if (!cursor || blocks.empty()) return;
    std::vector<BlockPose> start;
    for (const uint32_t block : blocks) start.push_back(poseOf(*game.world, block));
    editor.editing.drag = beginDrag(editor.editing.tool, axis, blocks, start, editor.gizmoPosition, *cursor,
                                     editor.editing.steps);
}

void followDrag(EditorState& editor, const GameContext& game, GameRun& run)
{
    const BlockDrag& drag = *editor.editing.drag;
    const std::optional<Ray> cursor = cursorRay(game, run);
    if (!cursor) return;
    const std::vector<BlockPose> poses = dragPoses(drag, *cursor, game.keyboard->ctrlHeld());
    for (std::size_t i = 0; i < poses.size(); ++i) {
        if (poses[i] != poseOf(*game.world, drag.blocks[i])) placeBlock(game, run.map, drag.blocks[i], poses[i]);
    }
    refreshSelectionLooks(editor, *game.world);
}

// The whole drag becomes one edit; a drag that changed nothing leaves none.
void finishDrag(EditorState& editor, const GameContext& game, GameRun& run)
{
    const BlockDrag drag = *editor.editing.drag;
    editor.editing.drag.reset();
    Edit edit;
    for (std::size_t i = 0; i < drag.blocks.size(); ++i) {
        const uint32_t block = drag.blocks[i];
        if (!game.world->hasComponent<TransformComponent>(block)) continue;
        const BlockPose now = poseOf(*game.world, block);
        if (now != drag.start[i]) edit.changes.push_back(BlockChange{indexOf(run.map, block), drag.start[i], now});
    }
    editor.editing.history.record(edit);
}

bool useLeftButton(EditorState& editor, const GameContext& game, GameRun& run, uint32_t hoveredAxis)
{
    const Engine::MouseState& mouse = *game.mouse;
    if (editor.editing.drag) {
        if (mouse.buttonHeld(SDL_BUTTON_LMASK)) {
            followDrag(editor, game, run);
        } else {
            finishDrag(editor, game, run);
        }
        return true;
    }
    if (!mouse.buttonPressed(SDL_BUTTON_LMASK)) return false;
    if (onToolbar(mouse.glY, static_cast<float>(run.windowSize.y))) {
        if (const auto tool = toolAt(mouse.glX, mouse.glY, static_cast<float>(run.windowSize.y))) editor.editing.tool = *tool;
        return true;
    }
    if (editor.editing.tool == Tool::create && !EditorState::isAxis(hoveredAxis)) {
        createAtCursor(editor, game, run);
        return true;
    }
    if (editor.editing.tool == Tool::create || !EditorState::isAxis(hoveredAxis) || editor.selection.empty()) {
        return false;
    }
    editor.activeAxis = hoveredAxis;
    startDrag(editor, game, run, hoveredAxis);
    return true;
}

} // namespace

bool updateEditing(const GameContext& game, GameRun& run, uint32_t hoveredAxis)
{
    EditorState& editor = *run.editor;
    EditingState& editing = editor.editing;
    if (editing.statusSteps > 0) --editing.statusSteps;
    flyCamera(editing, game, run);
    if (!editing.drag) takeShortcuts(editor, game, run);
    const bool usedButton = useLeftButton(editor, game, run, hoveredAxis);
    game.editorPlatform->showToolbar(toolbarView(editing, courseCounts(game, run)));
    return usedButton;
}

LevelChange saveLevelAs(const GameContext& game, GameRun& run, const LevelName& name, bool replace)
{
    const LevelLibrary levels = run.levels();
    const std::vector<BlockPose> poses = levelPoses(game, run.map);
    const LevelChange change = levels.save(name, poses, replace);
    if (change.taken) return change;
    if (!change.status.ok()) {
        showSaveFailed(*run.editor, levels.pathOf(name), change.status.message());
        return change;
    }
    run.levelName = name;
    run.levelPath = levels.pathOf(name);
    showSaved(*run.editor, poses.size(), run.levelPath, keptText(change.keptRefused, run.levelPath));
    return change;
}

} // namespace Game
