#include "Game/Controller/RaceDriver.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Editor/BlockEdits.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameRun.h"
#include "Game/Race/RaceStart.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <SDL_gamecontroller.h>
#include <SDL_mouse.h>
#include <SDL_scancode.h>

namespace Game {

namespace {

const int movementKeys[] = {SDL_SCANCODE_W, SDL_SCANCODE_A, SDL_SCANCODE_S, SDL_SCANCODE_D, SDL_SCANCODE_SPACE};
// A ghost closer than this to the player would be drawn around the eye and
// hide the view: it is left out until the two part.
constexpr float ghostHideDistance = 1.0f;

} // namespace

RaceDriver::RaceDriver(const GameContext& game, const GameRun& run, const GamePhysics::ContactRecord& contacts,
                       RaceSession::Files files)
    : game(game), run(run), contacts(contacts), files(std::move(files))
{
}

void RaceDriver::begin()
{
    std::vector<BlockPose> level;
    for (const uint32_t block : run.map.blocks) level.push_back(poseOf(*game.world, block));
    session.reset();
    // A play-test starts where the editor put the player, facing its way.
    const bool playTest = run.state.playTest;
    const PlayerPose start{playTest ? playerPose().position : raceStartPosition(level), glm::vec3(0.0f)};
    if (hasFinish(level)) {
        RaceSession::Files kept = files;
        kept.keep = !playTest;
        session.emplace(raceLevelHash(level), checkpointCountOf(level), start, kept);
        session->load();
    }
    place(start);
    if (playTest) return;
    auto& camera = game.world->getComponent<CameraModificationComponent>(player());
    camera.yaw = camera.previousYaw = 0.0f;
}

void RaceDriver::end()
{
    session.reset();
}

void RaceDriver::step(bool paused)
{
    if (!session) return;
    if (const PlayerPlacement placement = session->step(gather(paused))) place(*placement);
}

std::vector<RaceHudLine> RaceDriver::hudLines() const
{
    return session ? session->run().hudLines() : std::vector<RaceHudLine>{};
}

std::optional<GhostSample> RaceDriver::ghost() const
{
    if (!session || !session->ghostShown()) return std::nullopt;
    const GhostSample& ghost = session->ghostNow();
    if (glm::distance(ghost.position, playerPose().position) < ghostHideDistance) return std::nullopt;
    return ghost;
}

RaceStepInput RaceDriver::gather(bool paused) const
{
    const Engine::KeyboardState& keys = *game.keyboard;
    RaceStepInput input;
    input.paused = paused;
    if (paused) return input; // the keys belong to the pause menu
    for (const int key : movementKeys) input.movement = input.movement || keys.held(key);
    input.movement = input.movement || game.mouse->buttonPressed(SDL_BUTTON_LMASK);
    const Engine::PadState& pad = *game.pad;
    input.movement = input.movement || pad.leftStick.length() > 0.0f || pad.held(SDL_CONTROLLER_BUTTON_A) ||
                     pad.pressed(Engine::PadState::rightTriggerPulled);
    input.restart = keys.pressed(SDL_SCANCODE_R) || pad.pressed(SDL_CONTROLLER_BUTTON_Y);
    input.backToCheckpoint = keys.pressed(SDL_SCANCODE_Q) || pad.pressed(SDL_CONTROLLER_BUTTON_X);
    input.toggleGhost = keys.pressed(SDL_SCANCODE_G);
    input.pose = playerPose();
    input.yaw = game.world->getComponent<CameraModificationComponent>(player()).yaw;
    for (const GamePhysics::ContactPair& pair : contacts) {
        const bool first = pair.firstEntity == player();
        if (!first && pair.secondEntity != player()) continue;
        const uint32_t other = first ? pair.secondEntity : pair.firstEntity;
        const BlockKind kind = blockKindOf(*game.world, other);
        if (kind != BlockKind::plain) input.touching.emplace_back(other, kind);
    }
    return input;
}

uint32_t RaceDriver::player() const
{
    return run.cameras.player;
}

PlayerPose RaceDriver::playerPose() const
{
    const auto& character = game.world->getComponent<CharacterControllerComponent>(player());
    const glm::vec3 position = game.world->getComponent<TransformComponent>(player()).position;
    return {position, glm::vec3(character.velocity.x, character.velocity.y,
                                character.controller->getVerticalVelocity())};
}

// The player jumps there: no blend from where it was, and the rope let go.
void RaceDriver::place(const PlayerPose& pose)
{
    auto& character = game.world->getComponent<CharacterControllerComponent>(player());
    character.controller->stop();
    character.controller->warp(btVector3(pose.position.x, pose.position.y, pose.position.z));
    character.controller->setVerticalVelocity(pose.velocity.z);
    character.velocity = glm::vec3(pose.velocity.x, pose.velocity.y, 0.0f);
    character.hooked = false;
    auto& transform = game.world->getComponent<TransformComponent>(player());
    transform.position = transform.previousPosition = pose.position;
}

} // namespace Game
