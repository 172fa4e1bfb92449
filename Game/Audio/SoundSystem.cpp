#include "Game/Audio/SoundSystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Audio/AudioOutput.h"
#include "Game/Audio/SoundComponent.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/CharacterControllerSystem.h"
#include "Game/Scene/TransformComponent.h"

namespace Audio {

namespace {
PlayerView viewOf(const CharacterControllerComponent& character, const TransformComponent& transform, float phase)
{
    const CustomCharacterController& controller = *character.controller;
    const float vertical = controller.getVerticalVelocity();
    return PlayerView{controller.onGround(), vertical, glm::vec3(character.velocity.x, character.velocity.y, vertical),
                      transform.position, character.yaw, character.hooked, character.hookPoint,
                      character.ropeShots, phase};
}
} // namespace

SoundSystem::SoundSystem(Engine::ECS::EntityManager* world, AudioOutput* output)
    : System(world, {SoundComponent::_cType, CharacterControllerComponent::_cType, TransformComponent::_cType}),
      output(output)
{
}

void SoundSystem::update(uint32_t entity, float)
{
    auto& sound = world->getComponent<SoundComponent>(entity);
    for (const Effect effect : progressCues(sound.lastProgress, progress)) output->play(effect, 1.0f, std::nullopt);
    sound.lastProgress = progress;
    const auto& character = world->getComponent<CharacterControllerComponent>(entity);
    if (character.enabled)
        hear(character, world->getComponent<TransformComponent>(entity), sound);
    else
        sound.seen = false;
    const SoundRules::Wind wind = sound.seen ? SoundRules::windAt(glm::length(sound.last.velocity)) : SoundRules::Wind{};
    if (!(wind == sound.wind)) output->setWind(wind);
    sound.wind = wind;
}

void SoundSystem::hear(const CharacterControllerComponent& character, const TransformComponent& transform,
                       SoundComponent& sound) const
{
    const PlayerView now = viewOf(character, transform, animationPhase);
    if (sound.seen)
        for (const Cue& cue : playerCues(sound.last, now)) play(cue, now);
    sound.last = now;
    sound.seen = true;
}

void SoundSystem::play(const Cue& cue, const PlayerView& listener) const
{
    std::optional<SoundRules::Placement> placement;
    if (cue.from)
        placement = SoundRules::placeSound(listener.position, listener.yawDegrees, *cue.from,
                                           CharacterControllerSystem::ropeRange);
    output->play(cue.effect, cue.loudness, placement);
}

} // namespace Audio
