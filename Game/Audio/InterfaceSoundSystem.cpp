#include "Game/Audio/InterfaceSoundSystem.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Audio/AudioOutput.h"
#include "Game/UI/UIComponents.h"

namespace Audio {

namespace {
using UI::Component::UIclickableComponent;
} // namespace

std::optional<Effect> interfaceCue(int32_t previousState, int32_t state)
{
    if (previousState == UIclickableComponent::pressed && state == UIclickableComponent::hovered) return Effect::menuClick;
    if (previousState == UIclickableComponent::idle && state == UIclickableComponent::hovered) return Effect::menuHover;
    return std::nullopt;
}

InterfaceSoundSystem::InterfaceSoundSystem(Engine::ECS::EntityManager* world, AudioOutput* output)
    : System(world, {UIclickableComponent::_cType}), output(output)
{
}

void InterfaceSoundSystem::update(uint32_t entity, float)
{
    const int32_t state = world->getComponent<UIclickableComponent>(entity).state;
    if (const std::optional<Effect> cue = interfaceCue(lastStates[entity], state)) output->play(*cue, 1.0f, std::nullopt);
    lastStates[entity] = static_cast<int8_t>(state);
}

void InterfaceSoundSystem::onEntityAdded(uint32_t entity)
{
    lastStates[entity] = static_cast<int8_t>(UIclickableComponent::idle);
}

} // namespace Audio
