#pragma once

#include "Engine/ECS/System.h"
#include "Game/Audio/PlayerCues.h"
#include "Game/Audio/ProgressCues.h"

struct CharacterControllerComponent;
struct TransformComponent;

namespace Audio {

class AudioOutput;
struct SoundComponent;

// Hears the player: each step it compares the player's state with the last
// step's and plays what changed (PlayerCues), the rope's catch placed at the
// hook point, and keeps the wind at the player's speed. While the player
// does not steer (menus, pause, editor) it is silent and the wind stops.
// It also hears the race's and the editor's progress (ProgressCues).
class SoundSystem : public Engine::ECS::System {
public:
    SoundSystem(Engine::ECS::EntityManager* world, AudioOutput* output);

    void update(uint32_t entity, float dt) override;

    AudioOutput* output;
    // The running clip's phase (0..1) in this step, set by the game before
    // each run: footsteps fall on its foot plants.
    float animationPhase = 0.0f;
    // The race and the editor in this step, set by the game before each run.
    ProgressView progress;

private:
    void hear(const CharacterControllerComponent& character, const TransformComponent& transform,
              SoundComponent& sound) const;
    void play(const Cue& cue, const PlayerView& listener) const;
};

} // namespace Audio
