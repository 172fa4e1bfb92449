#include "Game/Controller/RaceDriver.h"

#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Editor/BlockEdits.h"
#include "Game/Level/GameMap.h"
#include "Game/Level/Level.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Race/RaceStart.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"

#include <SDL_mouse.h>
#include <SDL_scancode.h>

namespace Game {

namespace {

const int movementKeys[] = {SDL_SCANCODE_W, SDL_SCANCODE_A, SDL_SCANCODE_S, SDL_SCANCODE_D, SDL_SCANCODE_SPACE};

} // namespace

RaceDriver::RaceDriver(RaceParts parts, RaceSession::Files files) : parts(parts), files(std::move(files))
{
}

void RaceDriver::begin()
{
    std::vector<BlockPose> level;
    for (const uint32_t block : parts.map->blocks) level.push_back(poseOf(*parts.world, block));
    session.reset();
    const PlayerPose start{raceStartPosition(level), glm::vec3(0.0f)};
    if (hasFinish(level)) {
        session.emplace(raceLevelHash(level), checkpointCountOf(level), start, files);
        session->load();
    }
    place(start);
    auto& camera = parts.world->getComponent<CameraModificationComponent>(parts.player);
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
    return session->ghostNow();
}

RaceStepInput RaceDriver::gather(bool paused) const
{
    const Engine::KeyboardState& keys = *parts.keyboard;
    RaceStepInput input;
    input.paused = paused;
    if (paused) return input; // the keys belong to the pause menu
    for (const int key : movementKeys) input.movement = input.movement || keys.held(key);
    input.movement = input.movement || parts.mouse->buttonPressed(SDL_BUTTON_LMASK);
    input.restart = keys.pressed(SDL_SCANCODE_R);
    input.backToCheckpoint = keys.pressed(SDL_SCANCODE_Q);
    input.toggleGhost = keys.pressed(SDL_SCANCODE_G);
    input.pose = playerPose();
    input.yaw = parts.world->getComponent<CameraModificationComponent>(parts.player).yaw;
    for (const GamePhysics::ContactPair& pair : *parts.contacts) {
        const bool first = pair.firstEntity == parts.player;
        if (!first && pair.secondEntity != parts.player) continue;
        const uint32_t other = first ? pair.secondEntity : pair.firstEntity;
        const BlockKind kind = blockKindOf(*parts.world, other);
        if (kind != BlockKind::plain) input.touching.emplace_back(other, kind);
    }
    return input;
}

PlayerPose RaceDriver::playerPose() const
{
    const auto& character = parts.world->getComponent<CharacterControllerComponent>(parts.player);
    const glm::vec3 position = parts.world->getComponent<TransformComponent>(parts.player).position;
    return {position, glm::vec3(character.velocity.x, character.velocity.y,
                                character.controller->getVerticalVelocity())};
}

// The player jumps there: no blend from where it was, and the rope let go.
void RaceDriver::place(const PlayerPose& pose)
{
    auto& character = parts.world->getComponent<CharacterControllerComponent>(parts.player);
    character.controller->stop();
    character.controller->warp(btVector3(pose.position.x, pose.position.y, pose.position.z));
    character.controller->setVerticalVelocity(pose.velocity.z);
    character.velocity = glm::vec3(pose.velocity.x, pose.velocity.y, 0.0f);
    character.hooked = false;
    auto& transform = parts.world->getComponent<TransformComponent>(parts.player);
    transform.position = transform.previousPosition = pose.position;
}

} // namespace Game
