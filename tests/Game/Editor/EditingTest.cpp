#include "tests/Game/Editor/EditorFixture.h"
#include "Game/Physics/PhysicsRigidBodyComponent.h"

#include "Game/Editor/BlockEdits.h"
#include "Game/Editor/DragMaths.h"
#include "Game/Editor/EditorEditing.h"
#include "tests/support/TestFiles.h"
#include "Game/Editor/EditorToolbar.h"
#include "Game/Editor/KindCycle.h"
#include "Game/Editor/ViewMaths.h"

#include <glm/gtc/matrix_transform.hpp>

#include <filesystem>
#include <fstream>
#include <functional>

namespace {

using Game::BlockPose;
using Game::Ray;
using Game::Tool;

// Looking straight down onto (x, y), or along +Y onto (x, z).
Ray down(float x, float y)
{
    return Ray{{x, y, 50.0f}, {0.0f, 0.0f, -1.0f}};
}
Ray north(float x, float z)
{
    return Ray{{x, -50.0f, z}, {0.0f, 1.0f, 0.0f}};
}

TEST(DragMaths, TheCursorRayMovesTurnsAndResizesTheSelectionAsItsHandleSays)
{
    const BlockPose block{{2.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f}, glm::angleAxis(glm::radians(90.0f), glm::vec3(0, 0, 1))};
    const glm::quat turn15 = glm::angleAxis(glm::radians(15.0f), glm::vec3(0, 0, 1));
    struct Row {
        Tool tool;
        uint32_t axis;
        Ray grab, cursor;
        bool snap;
        glm::vec3 position, size;
        glm::quat rotation;
    };
    const Row rows[] = {
        {Tool::translate, 1, down(3.0f, 7.0f), down(5.3f, -4.0f), false, {4.3f, 0, 0}, {1, 1, 1}, block.rotation},
        {Tool::translate, 1, down(3.0f, 7.0f), down(5.3f, -4.0f), true, {4.5f, 0, 0}, {1, 1, 1}, block.rotation},
        {Tool::translate, 3, north(0.0f, 1.0f), north(9.0f, 3.2f), true, {2, 0, 2}, {1, 1, 1}, block.rotation},
        {Tool::translate, 4, down(1.0f, 1.0f), down(2.7f, -0.4f), true, {3.5f, -1.5f, 0}, {1, 1, 1}, block.rotation},
        {Tool::rotate, 3, down(1.0f, 0.0f), down(std::cos(0.35f), std::sin(0.35f)), false,
         turn15 * glm::vec3(2, 0, 0), {1, 1, 1}, turn15 * block.rotation},
        {Tool::scale, 2, down(0.0f, 1.0f), down(0.0f, 2.2f), false, {2, 0, 0}, {1, 2.2f, 1}, block.rotation},
        {Tool::scale, 2, down(0.0f, 1.0f), down(0.0f, -5.0f), false, {2, 0, 0}, {1, 0.1f, 1}, block.rotation},
        // What a level file holds: within 10 km of the origin, sides up to 10 km.
        {Tool::translate, 1, down(3.0f, 7.0f), down(-2e4f, 0.0f), false, {-1e4f, 0, 0}, {1, 1, 1}, block.rotation},
        {Tool::scale, 2, down(0.0f, 1.0f), down(0.0f, 2e4f), false, {2, 0, 0}, {1, 1e4f, 1}, block.rotation},
    };
    for (const Row& row : rows) {
        const auto drag = Game::beginDrag(row.tool, row.axis, {7}, {block}, glm::vec3(0.0f), row.grab);
        ASSERT_TRUE(drag) << "axis " << row.axis;
        const BlockPose pose = Game::dragPoses(*drag, row.cursor, row.snap).front();
        for (int k = 0; k < 3; ++k) {
            EXPECT_NEAR(pose.position[k], row.position[k], 1e-4f) << "tool " << int(row.tool) << " axis " << row.axis;
            EXPECT_NEAR(pose.size[k], row.size[k], 1e-4f) << "tool " << int(row.tool) << " axis " << row.axis;
        }
        EXPECT_NEAR(std::abs(glm::dot(pose.rotation, row.rotation)), 1.0f, 1e-5f) << "axis " << row.axis;
    }
    EXPECT_FALSE(Game::beginDrag(Tool::translate, 3, {7}, {block}, glm::vec3(0.0f), down(0.0f, 0.0f)));
}

class EditingTest : public GameTesting::EditorFixture {
protected:
    void SetUp() override
    {
        for (const float x : {0.0f, 10.0f, 20.0f}) addBlock(glm::vec3(x, 0.0f, 1.0f));
    }

    std::vector<BlockPose> level() { return Game::levelPoses(game, map); }

    void press(std::initializer_list<SDL_Scancode> pressed)
    {
        for (const SDL_Scancode key : pressed) t.keys[key] = 1;
        step();
        for (const SDL_Scancode key : pressed) t.keys[key] = 0;
        step();
    }

    void boxDrag(glm::ivec2 from, glm::ivec2 to, bool shift, bool cancel);

    // All the keys go down, in this order, within one step and are up in the next.
    void pressInOneStep(const std::vector<int>& keys, bool ctrl = false)
    {
        t.keys[SDL_SCANCODE_LCTRL] = ctrl;
        for (const int key : keys) t.keys[key] = 1;
        t.pressOrder = keys;
        step();
        t.keys.fill(0);
        step();
    }

    void drag(uint32_t axis, const glm::vec3& from, const glm::vec3& to, bool snap = false)
    {
        platform.red = static_cast<uint8_t>(axis);
        aimAt(from);
        step(SDL_BUTTON_LMASK);
        platform.red = 0;
        aimAt(to);
        t.keys[SDL_SCANCODE_LCTRL] = snap ? 1 : 0;
        step(SDL_BUTTON_LMASK);
        t.keys[SDL_SCANCODE_LCTRL] = 0;
        step();
    }

    // Every block's body is in the physics world where its transform is,
    // with a box of its size, and a ray from above meets it there.
    void expectBodiesFollowBlocks()
    {
        for (const uint32_t block : map.blocks) {
            const auto& transform = t.world.getComponent<TransformComponent>(block);
            const auto& body = t.world.getComponent<PhysicsRigidBodyComponent>(block);
            ASSERT_NE(body.getWorld(), nullptr);
            const btVector3 origin = body.getBody()->getWorldTransform().getOrigin();
            EXPECT_EQ(glm::vec3(origin.x(), origin.y(), origin.z()), transform.position);
            const btVector3 half = static_cast<const btBoxShape*>(body.getShape().get())->getHalfExtentsWithMargin();
            EXPECT_NEAR(half.x() * 2.0f, transform.scale.x, 1e-5f);
            const btVector3 above(origin.x(), origin.y(), 50.0f), below(origin.x(), origin.y(), -50.0f);
            btCollisionWorld::AllHitsRayResultCallback ray(above, below);
            t.physics.getDynamicsWorld()->rayTest(above, below, ray);
            const auto& hits = ray.m_collisionObjects;
            EXPECT_NE(hits.findLinearSearch(body.getBody()), hits.size()) << "rays meet the block where it now is";
        }
    }
};

TEST_F(EditingTest, EveryKindOfEditIsUndoneAndRedoneEverywhereAndTheLevelSaves)
{
    const std::vector<BlockPose> original = level();
    const std::vector<std::pair<const char*, std::function<void()>>> edits{
        {"translate", [&] { clickAt({0, 0, 1}); drag(1, {0.2f, 0, 1}, {3.4f, 0, 1}, true); }},
        {"rotate", [&] { press({SDL_SCANCODE_3}); drag(3, {12, 0, 1}, {10, 2, 1}); }},
        {"scale", [&] { press({SDL_SCANCODE_4}); drag(2, {20, 0, 1}, {20, 2.5f, 1}); }},
        {"create", [&] { press({SDL_SCANCODE_1}); clickAt({10, 0, 1}); press({SDL_SCANCODE_2}); }},
        {"kind", [&] { clickAt({20, 0, 1}); press({SDL_SCANCODE_K}); }},
        {"duplicate", [&] { clickAt({20, 0, 1}); press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_D}); }},
        {"delete", [&] { clickAt({10, 0, 1}); press({SDL_SCANCODE_DELETE}); }},
    };
    for (const auto& [name, edit] : edits) {
        const std::vector<BlockPose> before = level();
        edit();
        const std::vector<BlockPose> after = level();
        EXPECT_NE(after, before) << name;
        press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_Z});
        EXPECT_EQ(level(), before) << name;
        press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_Y});
        EXPECT_EQ(level(), after) << name;
        expectBodiesFollowBlocks();
    }
    EXPECT_EQ(level()[0].position, glm::vec3(3.0f, 0, 1)) << "moved 3.2 m, snapped to 3";
    EXPECT_EQ(map.blocks.size(), 4u) << "three, one created, one duplicated, one deleted";
    EXPECT_EQ(map.rebuildCountdown, Game::GameMap::rebuildNextStep);

    std::ofstream(run.levelPath) << "a level the game refused";
    press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_S});
    const Game::LevelRead saved = Game::readLevelFile(run.levelPath, 10);
    EXPECT_EQ(saved.blocks.size(), 4u);
    EXPECT_EQ(saved.blocks[2].kind, Game::BlockKind::start);
    EXPECT_EQ(saved.blocks[3].kind, Game::BlockKind::plain) << "a copy of the start: one start per level";
    EXPECT_EQ(editor.editing.status, "Saved 4 blocks to " + run.levelPath + "; the file it replaced is kept as "
                                         + run.levelPath + ".refused");

    for (std::size_t i = 0; i < edits.size(); ++i) press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_Z});
    EXPECT_EQ(level(), original);
}

TEST_F(EditingTest, SavingAsksForANameUnlessTheLevelHasOneAndNeverOverwritesUnasked)
{
    TestFiles::TempDir dir;
    run.files.levelFolder = dir.path("levels");
    run.levelPath.clear();
    std::filesystem::create_directories(run.files.levelFolder);
    const std::string saved = "Saved " + std::to_string(map.blocks.size()) + " blocks to ";
    press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_S});
    EXPECT_EQ(platform.namePrompts, 1) << "a level without a name";

    const Game::LevelName name = Game::LevelName::check("mine").name();
    TestFiles::writeText(dir.path("levels/mine.cfg"), "damaged");
    EXPECT_TRUE(Game::saveLevelAs(game, run, name, false).taken);
    EXPECT_TRUE(run.levelPath.empty()) << "not saved, still without a name";
    EXPECT_TRUE(Game::saveLevelAs(game, run, name, true).status.ok());
    EXPECT_EQ(run.levelPath, dir.path("levels/mine.cfg"));
    EXPECT_EQ(editor.editing.status, saved + run.levelPath + "; the file it replaced is kept as "
                                         + run.levelPath + ".refused");

    press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_S});
    EXPECT_EQ(platform.namePrompts, 1) << "a named level saves at once";
    EXPECT_EQ(editor.editing.status, saved + run.levelPath);
    press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_LSHIFT, SDL_SCANCODE_S});
    EXPECT_EQ(platform.namePrompts, 2) << "save as";
}

TEST(KindCycle, EachSelectedBlockMovesOnAndTheLevelKeepsOneStart)
{
    using K = Game::BlockKind;
    using Changes = std::vector<std::pair<std::size_t, K>>;
    const std::vector<K> level{K::plain, K::start, K::checkpoint, K::finish, K::plain};
    EXPECT_EQ(Game::cycledKinds(level, {2, 3}), (Changes{{2, K::finish}, {3, K::plain}}));
    EXPECT_EQ(Game::cycledKinds(level, {1}), (Changes{{1, K::checkpoint}}));
    EXPECT_EQ(Game::cycledKinds(level, {4}), (Changes{{1, K::plain}, {4, K::start}})) << "the start moves";
    EXPECT_EQ(Game::cycledKinds(level, {0, 4}), (Changes{{0, K::start}, {1, K::plain}, {4, K::checkpoint}}));
    EXPECT_EQ(Game::cycledKinds(level, {}), Changes{});
    EXPECT_EQ(Game::courseCountsText(level), "1 start, 1 checkpoint, 1 finish");
    EXPECT_EQ(Game::courseCountsText({K::checkpoint, K::checkpoint, K::finish, K::finish}),
              "0 starts, 2 checkpoints, 2 finishes");
}

TEST_F(EditingTest, KeysPressedWithinOneStepActOneByOneInTheOrderPressed)
{
    const int undo = SDL_SCANCODE_Z, redo = SDL_SCANCODE_Y;
    const std::vector<std::pair<const char*, std::function<void()>>> edits{
        {"create", [&] { press({SDL_SCANCODE_1}); clickAt({10, 0, 1}); press({SDL_SCANCODE_2}); }},
        {"delete", [&] { clickAt({20, 0, 1}); press({SDL_SCANCODE_DELETE}); }},
    };
    for (const auto& [name, edit] : edits) {
        const std::vector<BlockPose> before = level();
        edit();
        const std::vector<BlockPose> after = level();
        ASSERT_NE(after, before) << name;
        pressInOneStep({undo, redo}, true);
        EXPECT_EQ(level(), after) << name << ": undone, then redone";
        pressInOneStep({redo, undo}, true);
        EXPECT_EQ(level(), before) << name << ": nothing to redo, then undone";
        pressInOneStep({redo, undo, redo}, true);
        EXPECT_EQ(level(), after) << name << ": redone, undone, redone";
        expectBodiesFollowBlocks();
    }
    EXPECT_EQ(map.blocks.size(), 3u) << "three, one created, one deleted";
    EXPECT_EQ(editor.editing.history.stepsTaken(), 12u) << "only the undos and redos that found an edit count";
    pressInOneStep({SDL_SCANCODE_3, SDL_SCANCODE_2});
    EXPECT_EQ(editor.editing.tool, Tool::translate) << "the tool key pressed last";
}

// What Singleplayer plays is the edited level: a walk along +x ends at the
// moved block's new place, not its old one.
TEST_F(EditingTest, ThePlayerIsStoppedByAMovedBlockWhereItNowStands)
{
    t.addBox({0, 0, -1}, {200, 200, 2});
    clickAt({10, 0, 1});
    drag(1, {10.2f, 0, 1}, {5.2f, 0, 1});
    const uint32_t player = t.addPlayer();
    t.keys[SDL_SCANCODE_W] = 1;
    t.stepsPlayer(400);
    const float x = t.world.getComponent<TransformComponent>(player).position.x;
    EXPECT_GT(x, 2.5f);
    EXPECT_LT(x, 4.0f) << "the block now stands at x = 5";
}

TEST_F(EditingTest, PasteRestsTheCopyOnTheFaceUnderTheCursorAsOneEditAndFFramesTheSelection)
{
    clickAt({0, 0, 1});
    clickAt({10, 0, 1}, true);
    press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_C});
    t.addBox({40, 0, -1}, {20, 20, 2});
    aimAt({40, 0, 0});
    press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_V});
    ASSERT_EQ(level().size(), 5u);
    // The blocks lean 30 degrees, so their bounds reach cos 30 + sin 30 below their centres.
    const float rest = std::cos(glm::radians(30.0f)) + 0.5f;
    for (const auto& [index, x] : {std::pair{3, 35.0f}, std::pair{4, 45.0f}}) {
        EXPECT_NEAR(glm::distance(level()[index].position, glm::vec3(x, 0, rest)), 0.0f, 1e-4f) << "resting on the box";
    }
    EXPECT_EQ(editor.selection.size(), 2u);
    EXPECT_EQ(editor.selection.count(map.blocks[3]), 1u) << "the pasted blocks are selected";
    press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_Z});
    EXPECT_EQ(level().size(), 3u) << "one undo takes the whole paste back";
    clickAt({20, 0, 1});
    press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_X});
    EXPECT_EQ(level().size(), 2u) << "cut";

    clickAt({10, 0, 1});
    aimAt({0, 0, 1});
    press({SDL_SCANCODE_F});
    const glm::vec3& eye = t.world.getComponent<TransformComponent>(camera).position;
    EXPECT_LT(eye.x, 9.0f) << "still on its way";
    for (int i = 0; i < 30; ++i) step();
    EXPECT_NEAR(eye.x, 10.0f, 1e-4f);
    EXPECT_NEAR(eye.y, 0.0f, 1e-4f);

    editor.editing.statusSteps = 0;
    press({SDL_SCANCODE_3});
    press({SDL_SCANCODE_RIGHTBRACKET});
    EXPECT_EQ(Game::toolbarView(editor.editing, "1 block").text, "Tool: Rotate  45 deg  1 block");
    press({SDL_SCANCODE_2});
    press({SDL_SCANCODE_LEFTBRACKET});
    EXPECT_EQ(Game::toolbarView(editor.editing, "1 block").text, "Tool: Translate  0.25 m  1 block");
}

// A left drag from `from` to `to` (window pixels, from the top left), with
// Escape pressed before the release when `cancel`.
void EditingTest::boxDrag(glm::ivec2 from, glm::ivec2 to, bool shift, bool cancel)
{
    t.keys[SDL_SCANCODE_LSHIFT] = shift;
    step(SDL_BUTTON_LMASK, from);
    step(SDL_BUTTON_LMASK, (from + to) / 2);
    step(SDL_BUTTON_LMASK, to);
    t.keys[SDL_SCANCODE_ESCAPE] = cancel;
    step(cancel ? SDL_BUTTON_LMASK : 0, to);
    t.keys[SDL_SCANCODE_ESCAPE] = t.keys[SDL_SCANCODE_LSHIFT] = 0;
    step(0, to);
}

TEST_F(EditingTest, ABoxDragFromEmptySpaceSelectsTheBlocksWhoseCentresItHolds)
{
    aimAt({10, 0, 1});
    const glm::ivec2 bottomLeft{5, 475}, bottomRight{635, 475}, topLeft{5, 70}, middle{320, 240};
    struct Row {
        const char* name;
        glm::ivec2 from, to;
        bool shift, cancel;
        std::size_t selected;
    };
    const Row rows[] = {
        {"an empty area", bottomLeft, bottomLeft + glm::ivec2(60, -60), false, false, 0},
        {"around all three", bottomLeft, {635, 70}, false, false, 3},
        {"cancelled by Escape", topLeft, middle + glm::ivec2(-10, 0), false, true, 3},
        {"the left one instead", topLeft, middle + glm::ivec2(-10, 10), false, false, 1},
        {"the right one added", bottomRight, middle + glm::ivec2(10, -10), true, false, 2},
    };
    for (const Row& row : rows) {
        boxDrag(row.from, row.to, row.shift, row.cancel);
        EXPECT_EQ(editor.selection.size(), row.selected) << row.name;
        EXPECT_FALSE(editor.box) << row.name;
        EXPECT_EQ(platform.pauseMenus, 0) << row.name << ": Escape in a drag only cancels it";
    }
    EXPECT_EQ(editor.selection.count(map.blocks[1]), 0u) << "the middle block's centre is outside both";
}

TEST_F(EditingTest, CtrlTurnsFlyingOffAndAnEditPastTheEntityLimitIsRefusedWithAMessage)
{
    t.keys[SDL_SCANCODE_LCTRL] = 1;
    step();
    EXPECT_FALSE(switchedOn<FreeCamMovementComponent>()) << "W A S D are shortcuts while Ctrl is held";
    t.keys[SDL_SCANCODE_LCTRL] = 0;
    while (map.blocks.size() < Game::maxLevelBlocks) Game::createBlock(map, t.world, glm::vec3(0, 0, -50), glm::vec3(1));
    t.world.refresh();
    clickAt({10, 0, 1});
    press({SDL_SCANCODE_LCTRL, SDL_SCANCODE_D});
    EXPECT_EQ(map.blocks.size(), Game::maxLevelBlocks);
    EXPECT_EQ(editor.editing.status, "EDIT REFUSED: a level holds at most 960 blocks");
}

} // namespace

namespace {

TEST(SnapSteps, LengthsHalveAndDoubleWithinTheirBoundsAndAnglesCycle)
{
    Game::SnapSteps steps;
    for (const float finer : {0.25f, 0.125f, 0.125f}) {
        steps.finerLength();
        EXPECT_EQ(steps.length, finer);
    }
    for (const float coarser : {0.25f, 0.5f, 1.0f, 2.0f, 4.0f, 8.0f, 8.0f}) {
        steps.coarserLength();
        EXPECT_EQ(steps.length, coarser);
    }
    for (const float next : {45.0f, 5.0f, 15.0f}) {
        steps.nextAngle();
        EXPECT_EQ(steps.angleDegrees, next);
    }
    for (const float previous : {5.0f, 45.0f, 15.0f}) {
        steps.previousAngle();
        EXPECT_EQ(steps.angleDegrees, previous);
    }
}

// A 100-pixel view from z = 10 down onto the origin: the origin is at pixel
// (50, 50) and one metre at z = 0 is 100 / (20 tan 30) pixels.
TEST(ViewMaths, APointIsInsideABoxUpToItsEdgesAndNeverFromBehindTheCamera)
{
    const glm::mat4 viewProjection = glm::perspective(glm::radians(60.0f), 1.0f, 0.1f, 100.0f) *
                                     glm::lookAt(glm::vec3(0, 0, 10), glm::vec3(0), glm::vec3(0, 1, 0));
    const float metre = 100.0f / (20.0f * std::tan(glm::radians(30.0f)));
    const Game::ScreenRect everywhere{{-1e6f, -1e6f}, {1e6f, 1e6f}};
    struct Row {
        glm::vec3 point;
        Game::ScreenRect rect;
        bool inside;
    };
    const Row rows[] = {
        {{0, 0, 0}, {{50, 50}, {60, 60}}, true},
        {{0, 0, 0}, {{60, 60}, {50, 50}}, true},
        {{0, 0, 0}, {{50.01f, 40}, {60, 60}}, false},
        {{1, 0, 0}, {{0, 0}, {50 + metre + 0.01f, 100}}, true},
        {{1, 0, 0}, {{0, 0}, {50 + metre - 0.01f, 100}}, false},
        {{0, -1, 0}, {{0, 50 - metre - 0.01f}, {100, 100}}, true},
        {{0, -1, 0}, {{0, 50 - metre + 0.01f}, {100, 100}}, false},
        {{1, 1, 10}, everywhere, false},
        {{1, 1, 20}, everywhere, false},
    };
    for (const Row& row : rows) {
        EXPECT_EQ(Game::projectsInside(row.point, viewProjection, {100, 100}, row.rect), row.inside)
            << row.point.x << " " << row.point.y << " " << row.point.z;
    }
}

// Seen from the framing position, the bounds sit at the middle of the view
// and their larger side on screen spans half of it.
TEST(ViewMaths, FramingPutsTheBoundsAtTheMiddleSpanningHalfTheView)
{
    const Game::Lens lens{60.0f, 16.0f / 9.0f};
    const glm::mat4 projection = glm::perspective(glm::radians(lens.fovDegrees), lens.aspect, 0.1f, 1000.0f);
    struct Row {
        std::vector<BlockPose> poses;
        glm::vec3 forward;
    };
    const Row rows[] = {
        {{BlockPose{{10, 0, 1}, {2, 2, 2}, {}}}, {0, 1, 0}},
        {{BlockPose{{0, 0, 1}, {2, 2, 2}, {}}, BlockPose{{20, 4, 1}, {2, 2, 2}, {}}}, glm::normalize(glm::vec3(0, 1, -1))},
    };
    for (const Row& row : rows) {
        const Game::Bounds bounds = Game::boundsOf(row.poses);
        const glm::vec3 eye = Game::framingPosition(bounds, row.forward, lens);
        const glm::mat4 viewProjection = projection * glm::lookAt(eye, eye + row.forward, glm::vec3(0, 0, 1));
        const glm::vec4 centre = viewProjection * glm::vec4(bounds.centre(), 1.0f);
        EXPECT_NEAR(centre.x / centre.w, 0.0f, 1e-4f);
        EXPECT_NEAR(centre.y / centre.w, 0.0f, 1e-4f);
        glm::vec2 low(1e9f), high(-1e9f);
        for (int corner = 0; corner < 8; ++corner) {
            const glm::vec3 point((corner & 1) ? bounds.max.x : bounds.min.x, (corner & 2) ? bounds.max.y : bounds.min.y,
                                  (corner & 4) ? bounds.max.z : bounds.min.z);
            const glm::vec4 clip = viewProjection * glm::vec4(point, 1.0f);
            low = glm::min(low, glm::vec2(clip) / clip.w);
            high = glm::max(high, glm::vec2(clip) / clip.w);
        }
        const glm::vec2 span = (high - low) * 0.5f;
        EXPECT_NEAR(std::max(span.x, span.y), 0.5f, 0.1f) << row.poses.size() << " blocks";
        EXPECT_LE(std::min(span.x, span.y), 0.6f) << row.poses.size() << " blocks";
    }
}

} // namespace
