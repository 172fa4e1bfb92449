#pragma once

#include "Engine/ECS/Component.h"
#include "Game/Audio/PlayerCues.h"
#include "Game/Audio/ProgressCues.h"
#include "Game/Audio/SoundRules.h"

namespace Audio {

// On the entity whose doings are heard (the player): what the sound system
// saw of it in the last step, so the next step hears what changed.
struct SoundComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 41;

    PlayerView last;
    // False until a step has been seen while playing, so that starting a
    // game (the player put at the spawn point) sounds like nothing.
    bool seen = false;
    SoundRules::Wind wind;
    ProgressView lastProgress;
};

} // namespace Audio
