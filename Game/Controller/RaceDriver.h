#pragma once

#include "Game/Physics/ContactDispatch.h"
#include "Game/Race/RaceSession.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace Game {

struct GameContext;
struct GameRun;

// The race in a running game: a level with a finish block is raced from the
// moment Singleplayer starts until the game goes back to the menu. It turns
// the player's input and contacts into race steps and puts the player back
// where the race says (R, Q, the start). Reads the game's records (the world
// and input; the level and the player's entity) and the contacts of the
// physics step, all of which outlive it.
class RaceDriver {
public:
    RaceDriver(const GameContext& game, const GameRun& run, const GamePhysics::ContactRecord& contacts,
               RaceSession::Files files = {});

    // Singleplayer starts: the level as it now stands is raced when it has a
    // finish, and the player stands at its start facing +X.
    void begin();
    void end();
    // After the physics step of a singleplayer step.
    void step(bool paused);

    bool racing() const { return session.has_value(); }
    // The run on the level being raced, or none.
    const RaceRun* currentRun() const { return session ? &session->run() : nullptr; }
    std::vector<RaceHudLine> hudLines() const;
    // Where the ghost is drawn now, if it is shown and not on the player.
    std::optional<GhostSample> ghost() const;

private:
    RaceStepInput gather(bool paused) const;
    PlayerPose playerPose() const;
    uint32_t player() const;
    void place(const PlayerPose& pose);

    const GameContext& game;
    const GameRun& run;
    const GamePhysics::ContactRecord& contacts;
    RaceSession::Files files;
    std::optional<RaceSession> session;
};

} // namespace Game
