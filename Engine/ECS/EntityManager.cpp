#include "Engine/ECS/EntityManager.h"

#include <algorithm>

namespace Engine::ECS {

EntityManager::EntityManager(GameEngine* engine) : engine(engine) {}

uint32_t EntityManager::createEntity()
{
    uint32_t entity = 0;
    if (!freeEntityIDs.empty()) {
        entity = freeEntityIDs.front();
        freeEntityIDs.pop_front();
    } else {
        GAME_ASSERT_MSG(nextEntityID < entityCapacity,
                        "createEntity: all 2047 entity identifiers are in use (identifiers stay below 2048)");
        entity = nextEntityID++;
    }
    alive.set(entity);
    return entity;
}

void EntityManager::destroyEntity(uint32_t entity)
{
    if (isAlive(entity)) doomedEntities.insert(entity);
}

void EntityManager::refresh()
{
    // Sets iterate in ascending order; taking them first lets hooks queue
    // changes for the next refresh while this one runs.
    std::vector<uint32_t> changed(changedEntities.begin(), changedEntities.end());
    changedEntities.clear();
    const std::vector<uint32_t> doomed(doomedEntities.begin(), doomedEntities.end());
    doomedEntities.clear();

    // The whole batch dies before any hook runs: a hook that destroys one of
    // these again, or adds a component to it, must not reach the identifier's
    // next owner.
    for (uint32_t entity : doomed) {
        alive.reset(entity);
        dying.set(entity);
    }
    for (uint32_t entity : doomed) releaseDestroyed(entity);
    for (uint32_t entity : doomed) {
        changed.push_back(entity);
        queueComponentRemovals(entity);
    }
    flushLists();
    for (uint32_t entity : changed) updateMembership(entity);
    for (uint32_t entity : doomed) {
        dying.reset(entity);
        freeEntityIDs.push_back(entity);
    }
}

void EntityManager::sortFreeIdentifiers()
{
    std::sort(freeEntityIDs.begin(), freeEntityIDs.end());
}

// Every system lets go of the entity while its components are still there to
// read.
void EntityManager::releaseDestroyed(uint32_t entity)
{
    for (auto& [key, system] : systemMap) {
        if (holds(*system, entity)) {
            system->onEntityRemoved(entity);
            drop(*system, entity);
        }
    }
}

void EntityManager::queueComponentRemovals(uint32_t entity)
{
    for (auto& list : componentContainers) {
        if (list != nullptr) list->queueRemove(entity);
    }
}

// All removals of all types come before any addition.
void EntityManager::flushLists()
{
    for (auto& list : componentContainers) {
        if (list != nullptr) list->flushRemovals();
    }
    for (auto& list : componentContainers) {
        if (list != nullptr) list->flushAdds();
    }
}

void EntityManager::updateMembership(uint32_t entity)
{
    for (auto& [key, system] : systemMap) {
        const bool isMember = holds(*system, entity);
        if (isMember && !matches(*system, entity)) {
            system->onEntityRemoved(entity);
            drop(*system, entity);
        } else if (!isMember && matches(*system, entity)) {
            join(*system, entity);
            system->onEntityAdded(entity);
        }
    }
}

bool EntityManager::matches(System& system, uint32_t entity) const
{
    for (uint32_t componentID : system.componentTypes) {
        GAME_ASSERT(componentID > 0 && componentID < componentContainerSize);
        const auto& list = componentContainers[componentID];
        if (list == nullptr || !list->hasComponent(entity)) return false;
    }
    return system.accepts(entity);
}

bool EntityManager::holds(const System& system, uint32_t entity)
{
    return system.memberFlags.test(entity);
}

void EntityManager::join(System& system, uint32_t entity)
{
    system.entities.push_back(entity);
    system.memberFlags.set(entity);
}

// Keeps the joining order of the remaining members.
void EntityManager::drop(System& system, uint32_t entity)
{
    auto& members = system.entities;
    members.erase(std::find(members.begin(), members.end(), entity));
    system.memberFlags.reset(entity);
}

} // namespace Engine::ECS
