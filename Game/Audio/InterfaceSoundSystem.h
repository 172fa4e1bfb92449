#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "Engine/ECS/Component.h"
#include "Engine/ECS/System.h"
#include "Game/Audio/SoundEffect.h"

namespace Audio {

class AudioOutput;

// The sound of a clickable element's change of look from one step to the
// next: a hover when it lights up (under the pointer or the keys'
// highlight), a click when a press is let go over it.
std::optional<Effect> interfaceCue(int32_t previousState, int32_t state);

// Hears the interface: every clickable element's look, step by step.
class InterfaceSoundSystem : public Engine::ECS::System {
public:
    InterfaceSoundSystem(Engine::ECS::EntityManager* world, AudioOutput* output);

    void update(uint32_t entity, float dt) override;
    // A new element starts idle, whatever an earlier one with its identifier did.
    void onEntityAdded(uint32_t entity) override;

    AudioOutput* output;

private:
    std::array<int8_t, Engine::ECS::entityCapacity> lastStates{};
};

} // namespace Audio
