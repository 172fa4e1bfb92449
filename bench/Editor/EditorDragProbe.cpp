// The map editor's frame time while a block is dragged, next to the still
// editor in the same run: the two take turns every second, so load on the
// machine touches both alike. A dragging step does what a translate drag
// does each step (the block, its body and its overlay move; the merged level
// is rebuilt and uploaded in the same step); the still step does nothing
// more than the editor. With the argument `grid` the second kind of turn
// shows the snap grid of a translate drag instead (the drag is held, nothing
// moves), against the same frame without it. Run in the game's run folder
// under an X server:
//   cd build/run && ../../tests/with_display.sh ../bench/Editor/editor_drag_probe [grid]

#include "Engine/Core/GameEngine.h"
#include "Engine/Core/GamePrototype.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Controller/GameController.h"
#include "Game/Resources/GameResources.h"
#include "Game/Editor/BlockEdits.h"
#include "Game/Editor/EditorSelection.h"
#include "Game/Editor/EditorState.h"
#include "Game/Editor/MapEditor.h"
#include "Game/Level/GameMap.h"
#include "Game/Scene/TransformComponent.h"
#include "Game/UI/MenuController.h"
#include "bench/ProbeTiming.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <ctime>
#include <vector>

namespace {

using ProbeTiming::SteadyClock;
using ProbeTiming::median;
using ProbeTiming::millisecondsBetween;
using ProbeTiming::threadCpuMilliseconds;

constexpr double warmUpSeconds = 3.0;
constexpr double comparisonSeconds = 30.0;
constexpr double turnSeconds = 1.0;
// A block whose gizmo is in view from the editor camera's starting place.
constexpr std::size_t draggedBlock = 112;
constexpr float stepMotion = 0.02f;

class DragProbe final : public GamePrototype {
public:
    DragProbe(Engine::GameEngine* engine, bool gridOnly) : engine(engine), controller(engine), gridOnly(gridOnly) {}

    bool init() override
    {
        controller.init();
        const Game::GameContext& game = controller.context();
        game.menuController->startEditor();
        block = controller.run().map.blocks.at(draggedBlock);
        Game::EditorState& editor = *controller.run().editor;
        Game::select(editor, *game.world, block, Game::overlayLookOf(game));
        Game::updateGizmoPosition(editor, *game.world);
        start = SteadyClock::now();
        return true;
    }

    void update() override
    {
        const bool measuring = elapsed() >= warmUpSeconds;
        const double before = threadCpuMilliseconds();
        if (!gridOnly && dragTurn()) dragStep();
        controller.update();
        // After the step: without a held button the editor ends any drag.
        if (gridOnly) showGrid(dragTurn());
        if (measuring) (dragTurn() ? dragUpdates : stillUpdates).push_back(threadCpuMilliseconds() - before);
    }

    void render(float alpha) override
    {
        const SteadyClock::time_point now = SteadyClock::now();
        const int turn = static_cast<int>(elapsed() / turnSeconds);
        // A turn's first interval also holds the switch and is left out.
        if (elapsed() >= warmUpSeconds && turn == lastTurn) (dragTurn() ? dragFrames : stillFrames).push_back(millisecondsBetween(lastFrame, now));
        lastTurn = turn;
        lastFrame = now;
        controller.render(alpha);
        if (elapsed() >= warmUpSeconds + comparisonSeconds) engine->quit = true;
    }

    void shutdown() override { controller.shutdown(); }

    void report() const
    {
        const double still = median(stillFrames);
        const double drag = median(dragFrames);
        std::printf("editor frame, still:     median %6.2f ms over %zu frames\n", still, stillFrames.size());
        std::printf("editor frame, dragging:  median %6.2f ms over %zu frames\n", drag, dragFrames.size());
        std::printf("dragging / still:        %6.2f\n", still > 0.0 ? drag / still : 0.0);
        std::printf("update step CPU, still:    median %6.3f ms\n", median(stillUpdates));
        std::printf("update step CPU, dragging: median %6.3f ms\n", median(dragUpdates));
    }

private:
    double elapsed() const { return millisecondsBetween(start, SteadyClock::now()) / 1000.0; }
    bool dragTurn() const { return static_cast<int>(elapsed() / turnSeconds) % 2 == 1; }

    // A translate drag of the centre handle held still: the frame draws its grid.
    void showGrid(bool shown)
    {
        Game::EditorState& editor = *controller.run().editor;
        editor.editing.drag.reset();
        if (!shown) return;
        const Game::BlockPose pose = Game::poseOf(*controller.context().world, block);
        editor.editing.drag = Game::BlockDrag{Game::Tool::translate, Game::EditorState::centreAxis, {block}, {pose},
                                              pose.position};
    }

    // The block goes back and forth along y; the overlay and gizmo follow.
    void dragStep()
    {
        const Game::GameContext& game = controller.context();
        Engine::ECS::EntityManager& world = *game.world;
        Game::BlockPose pose = Game::poseOf(world, block);
        pose.position.y += (++dragSteps / 100) % 2 == 0 ? stepMotion : -stepMotion;
        // The probe moves the block as a handle drag would, without the mouse.
        Game::placeBlock(game, const_cast<Game::GameMap&>(controller.run().map), block, pose);
        Game::EditorState& editor = *controller.run().editor;
        const uint32_t overlay = editor.selection.at(block);
        if (world.hasComponent<TransformComponent>(overlay)) world.getComponent<TransformComponent>(overlay).position = pose.position;
        Game::updateGizmoPosition(editor, world);
    }

    Engine::GameEngine* engine;
    Game::GameController controller;
    bool gridOnly;
    uint32_t block = 0;
    int64_t dragSteps = 0;
    SteadyClock::time_point start;
    SteadyClock::time_point lastFrame;
    int lastTurn = -1;
    std::vector<double> stillFrames, dragFrames, stillUpdates, dragUpdates;
};

} // namespace

int main(int argc, char** argv)
{
    const bool gridOnly = argc > 1 && std::string(argv[1]) == "grid";
    Engine::GameEngine engine;
    DragProbe probe(&engine, gridOnly);
    engine.game = &probe;
    engine.run();
    std::printf(gridOnly ? "\n---- editor snap grid (\"dragging\": the grid shown, nothing moves) ----\n"
                         : "\n---- editor drag ----\n");
    probe.report();
    return 0;
}
