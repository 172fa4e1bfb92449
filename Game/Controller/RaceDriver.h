#pragma once

#include "Game/Physics/ContactDispatch.h"
#include "Game/Race/RaceSession.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Engine {
class KeyboardState;
class MouseState;
} // namespace Engine

namespace Engine::ECS {
class EntityManager;
}

namespace Game {

struct GameMap;

// What the race reads and moves in the game.
struct RaceParts {
    Engine::ECS::EntityManager* world = nullptr;
    const Engine::KeyboardState* keyboard = nullptr;
    const Engine::MouseState* mouse = nullptr;
    const GamePhysics::ContactRecord* contacts = nullptr;
    const GameMap* map = nullptr;
    uint32_t player = 0;
};

// The race in a running game: a level with a finish block is raced from the
// moment Singleplayer starts until the game goes back to the menu. It turns
// the player's input and contacts into race steps and puts the player back
// where the race says (R, Q, the start).
class RaceDriver {
public:
    explicit RaceDriver(RaceParts parts, RaceSession::Files files = {});

    // Singleplayer starts: the level as it now stands is raced when it has a
    // finish, and the player stands at its start facing +X.
    void begin();
    void end();
    // After the physics step of a singleplayer step.
    void step(bool paused);

    bool racing() const { return session.has_value(); }
    std::vector<RaceHudLine> hudLines() const;
    // Where the ghost is drawn now, if it is shown.
    std::optional<GhostSample> ghost() const;

private:
    RaceStepInput gather(bool paused) const;
    PlayerPose playerPose() const;
    void place(const PlayerPose& pose);

    RaceParts parts;
    RaceSession::Files files;
    std::optional<RaceSession> session;
};

} // namespace Game
