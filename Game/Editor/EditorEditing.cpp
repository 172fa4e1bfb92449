#include "Game/Editor/EditorEditing.h"

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
#include "Game/Editor/MapEditor.h"
#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/RayCast.h"
#include "Game/Scene/CameraComponent.h"
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

LevelScene sceneOf(const EditorContext& context)
{
    return LevelScene{context.world, context.physicsWorld, context.map};
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

void selectOnly(EditorState& editor, const EditorContext& context, const std::vector<uint32_t>& blocks)
{
    clearSelection(editor, *context.world);
    for (const uint32_t block : blocks) select(editor, *context.world, block, context.overlay);
    updateGizmoPosition(editor, *context.world);
}

void carryOut(EditorState& editor, const EditorContext& context, const Edit& edit)
{
    clearSelection(editor, *context.world);
    selectOnly(editor, context, applyEdit(sceneOf(context), edit));
}

void record(EditorState& editor, const EditorContext& context, const Edit& edit)
{
    carryOut(editor, context, edit);
    editor.editing.history.record(edit);
}

bool roomFor(EditorState& editor, const EditorContext& context, std::size_t added)
{
    if (context.map->blocks.size() + added <= maxLevelBlocks) return true;
    showStatus(editor.editing, "EDIT REFUSED: a level holds at most " + std::to_string(maxLevelBlocks) + " blocks");
    return false;
}

// New blocks go to the end of the level, in the given order.
void addBlocks(EditorState& editor, const EditorContext& context, const std::vector<BlockPose>& poses)
{
    if (poses.empty() || !roomFor(editor, context, poses.size())) return;
    Edit edit;
    for (const BlockPose& pose : poses) {
        edit.changes.push_back(BlockChange{context.map->blocks.size() + edit.changes.size(), std::nullopt, pose});
    }
    record(editor, context, edit);
}

void deleteSelection(EditorState& editor, const EditorContext& context)
{
    Edit edit;
    for (const uint32_t block : selectedBlocks(editor, *context.map)) {
        edit.changes.push_back(BlockChange{indexOf(*context.map, block), poseOf(*context.world, block), std::nullopt});
    }
    if (!edit.changes.empty()) record(editor, context, edit);
}

void duplicateSelection(EditorState& editor, const EditorContext& context)
{
    std::vector<BlockPose> copies;
    for (const uint32_t block : selectedBlocks(editor, *context.map)) {
        copies.push_back(poseOf(*context.world, block));
        copies.back().position += duplicateOffset;
        if (copies.back().kind == BlockKind::start) copies.back().kind = BlockKind::plain; // one start per level
        copies.back() = withinLevelLimits(copies.back());
    }
    addBlocks(editor, context, copies);
}

// One edit for the whole selection, so one undo brings every kind back.
void cycleSelectionKinds(EditorState& editor, const EditorContext& context)
{
    const std::vector<BlockPose> poses = levelPoses(sceneOf(context));
    std::vector<BlockKind> kinds;
    for (const BlockPose& pose : poses) kinds.push_back(pose.kind);
    std::vector<std::size_t> selected;
    for (const uint32_t block : selectedBlocks(editor, *context.map)) selected.push_back(indexOf(*context.map, block));
    Edit edit;
    for (const auto& [place, kind] : cycledKinds(kinds, selected)) {
        BlockPose after = poses[place];
        after.kind = kind;
        edit.changes.push_back(BlockChange{place, poses[place], after});
    }
    if (!edit.changes.empty()) record(editor, context, edit);
}

// What the bar shows after the tool: the course's blocks.
std::string courseCounts(const EditorContext& context)
{
    std::vector<BlockKind> kinds;
    for (const uint32_t block : context.map->blocks) kinds.push_back(blockKindOf(*context.world, block));
    return courseCountsText(kinds);
}

void saveLevel(EditorState& editor, const EditorContext& context)
{
    const std::vector<BlockPose> poses = levelPoses(sceneOf(context));
    const LevelSave save = saveLevelFile(context.levelPath, poses, maxLevelBlocks);
    const std::string kept =
        save.keptRefused ? "; the file it replaced is kept as " + context.levelPath + refusedLevelSuffix : "";
    if (save.status.ok()) {
        showStatus(editor.editing, "Saved " + std::to_string(poses.size()) + " blocks to " + context.levelPath + kept);
        return;
    }
    Engine::logError("SAVE FAILED: " + context.levelPath + ": " + save.status.message() + kept);
    editor.editing.status = "Save failed: " + save.status.message() + kept;
    editor.editing.statusSteps = statusSteps;
}

// One key press, so that presses falling into the same step act one by one
// in the order they came: an undo and a redo in one step undo the edit, then
// redo it.
void takeShortcut(EditorState& editor, const EditorContext& context, const Engine::KeyPress& press)
{
    EditingState& editing = editor.editing;
    const int32_t key = press.scancode;
    if (!press.ctrl) {
        if (key >= SDL_SCANCODE_1 && key <= SDL_SCANCODE_4) editing.tool = static_cast<Tool>(key - SDL_SCANCODE_1 + 1);
        if (key == SDL_SCANCODE_DELETE) deleteSelection(editor, context);
        if (key == SDL_SCANCODE_K) cycleSelectionKinds(editor, context);
        return;
    }
    std::optional<Edit> step;
    if (key == SDL_SCANCODE_D) duplicateSelection(editor, context);
    if (key == SDL_SCANCODE_S) saveLevel(editor, context);
    if (key == SDL_SCANCODE_Z) step = editing.history.undo();
    if (key == SDL_SCANCODE_Y) step = editing.history.redo();
    if (step) carryOut(editor, context, *step);
}

void takeShortcuts(EditorState& editor, const EditorContext& context)
{
    for (const Engine::KeyPress& press : context.keyboard->presses) takeShortcut(editor, context, press);
}

// A 2 m block resting on the face (or the floor) under the cursor, turned
// like the block it stands on.
void createAtCursor(EditorState& editor, const EditorContext& context)
{
    const std::optional<Ray> cursor = cursorRay(context);
    if (!cursor) return;
    const float reach = context.world->getComponent<CameraComponent>(context.editorCameraEntity).camera.far;
    const btVector3 from(cursor->origin.x, cursor->origin.y, cursor->origin.z);
    const glm::vec3 end = cursor->origin + cursor->direction * reach;
    const auto hit = GamePhysics::RayCast::castClosest(
        *context.physicsWorld, from, btVector3(end.x, end.y, end.z), GamePhysics::CollisionGroup::all,
        GamePhysics::CollisionGroup::block | GamePhysics::CollisionGroup::floor);
    if (!hit.hasHit()) return;
    const glm::vec3 point = glm::mix(cursor->origin, end, hit.m_closestHitFraction);
    const glm::vec3 normal(hit.hitNormal.x(), hit.hitNormal.y(), hit.hitNormal.z());
    BlockPose pose;
    pose.size = newBlockSize;
    pose.position = point + normal * (newBlockSize.z * 0.5f);
    const uint32_t base = hit.hitEntity();
    if (indexOf(*context.map, base) < context.map->blocks.size()) pose.rotation = poseOf(*context.world, base).rotation;
    addBlocks(editor, context, {withinLevelLimits(pose)});
}

void startDrag(EditorState& editor, const EditorContext& context, uint32_t axis)
{
    const std::optional<Ray> cursor = cursorRay(context);
    const std::vector<uint32_t> blocks = selectedBlocks(editor, *context.map);
    if (!cursor || blocks.empty()) return;
    std::vector<BlockPose> start;
    for (const uint32_t block : blocks) start.push_back(poseOf(*context.world, block));
    editor.editing.drag = beginDrag(editor.editing.tool, axis, blocks, start, editor.gizmoPosition, *cursor);
}

void followDrag(EditorState& editor, const EditorContext& context)
{
    const BlockDrag& drag = *editor.editing.drag;
    const std::optional<Ray> cursor = cursorRay(context);
    if (!cursor) return;
    const std::vector<BlockPose> poses = dragPoses(drag, *cursor, context.keyboard->held(SDL_SCANCODE_LCTRL));
    for (std::size_t i = 0; i < poses.size(); ++i) {
        if (poses[i] != poseOf(*context.world, drag.blocks[i])) placeBlock(sceneOf(context), drag.blocks[i], poses[i]);
    }
    refreshSelectionLooks(editor, *context.world);
}

// The whole drag becomes one edit; a drag that changed nothing leaves none.
void finishDrag(EditorState& editor, const EditorContext& context)
{
    const BlockDrag drag = *editor.editing.drag;
    editor.editing.drag.reset();
    Edit edit;
    for (std::size_t i = 0; i < drag.blocks.size(); ++i) {
        const uint32_t block = drag.blocks[i];
        if (!context.world->hasComponent<TransformComponent>(block)) continue;
        const BlockPose now = poseOf(*context.world, block);
        if (now != drag.start[i]) edit.changes.push_back(BlockChange{indexOf(*context.map, block), drag.start[i], now});
    }
    editor.editing.history.record(edit);
}

bool useLeftButton(EditorState& editor, const EditorContext& context, uint32_t hoveredAxis)
{
    const Engine::MouseState& mouse = *context.mouse;
    if (editor.editing.drag) {
        if (mouse.buttonHeld(SDL_BUTTON_LMASK)) {
            followDrag(editor, context);
        } else {
            finishDrag(editor, context);
        }
        return true;
    }
    if (!mouse.buttonPressed(SDL_BUTTON_LMASK)) return false;
    if (onToolbar(mouse.glY, context.windowSize.y)) {
        if (const auto tool = toolAt(mouse.glX, mouse.glY, context.windowSize.y)) editor.editing.tool = *tool;
        return true;
    }
    if (editor.editing.tool == Tool::create && !EditorState::isAxis(hoveredAxis)) {
        createAtCursor(editor, context);
        return true;
    }
    if (editor.editing.tool == Tool::create || !EditorState::isAxis(hoveredAxis) || editor.selection.empty()) {
        return false;
    }
    editor.activeAxis = hoveredAxis;
    startDrag(editor, context, hoveredAxis);
    return true;
}

} // namespace

bool updateEditing(EditorState& editor, const EditorContext& context, uint32_t hoveredAxis)
{
    EditingState& editing = editor.editing;
    if (editing.statusSteps > 0) --editing.statusSteps;
    if (!editing.drag) takeShortcuts(editor, context);
    const bool usedButton = useLeftButton(editor, context, hoveredAxis);
    if (context.showToolbar) context.showToolbar(toolbarView(editing, courseCounts(context)));
    return usedButton;
}

} // namespace Game
