#pragma once

#include "Engine/ECS/Component.h"

#include <bitset>
#include <cstdint>
#include <vector>

namespace Engine::ECS {

class EntityManager;

// A behaviour run over every entity that carries all of the system's required
// component types (and that accepts() lets in). The entity manager keeps
// `entities` up to date at each refresh and calls the hooks as entities join
// and leave; a system never searches for its entities.
//
// A concrete system names its required types in its constructor:
//
//     class CameraDeltaSystem : public Engine::ECS::System {
//     public:
//         explicit CameraDeltaSystem(Engine::ECS::EntityManager* world)
//             : System(world, {CameraComponent::_cType}) {}
//         void update(uint32_t entity, float dt) override;
//     };
//
// and is registered by value with world.addSystem(CameraDeltaSystem(&world)).
// Its place in the world's order comes from its class name (see SystemType.h).
class System {
public:
    System(EntityManager* world, std::vector<uint32_t> componentTypes)
        : componentTypes(std::move(componentTypes)), world(world)
    {
    }
    // The manager owns its systems through this base.
    virtual ~System() = default;

    // The per-entity work.
    virtual void update(uint32_t entity, float dt) = 0;
    // Called before the first and after the last entity of a run.
    virtual void begin() {}
    virtual void end(float dt) { (void)dt; }
    // Called right after the entity joined and right before it leaves; the
    // entity's components are committed and readable in both.
    virtual void onEntityAdded(uint32_t entity) { (void)entity; }
    virtual void onEntityRemoved(uint32_t entity) { (void)entity; }
    // A further condition for joining, tested after the required types. It is
    // re-tested only when the entity changes (gets a component) or is destroyed.
    virtual bool accepts(uint32_t entity) { (void)entity; return true; }

    // begin(), update() for each member in joining order, end(dt). The length
    // is re-read on every iteration, so the loop stays within the member list
    // even if an update changes it.
    void run(float dt);

    // The members, in the order they joined. The world maintains this list;
    // systems read it.
    std::vector<uint32_t> entities;
    // Component type identifiers (1 to 63) an entity must carry to join.
    std::vector<uint32_t> componentTypes;
    // The world the system belongs to; the world sets it on its own copy.
    EntityManager* world;

protected:
    // Copying is how the world takes a system in; protected so that a system is
    // never sliced into a bare System.
    System(const System&) = default;
    System& operator=(const System&) = default;

private:
    friend class EntityManager;
    // Mirrors `entities` so that the world's membership test at a refresh
    // does not search the whole list for every changed entity.
    std::bitset<entityCapacity> memberFlags;
};

} // namespace Engine::ECS
