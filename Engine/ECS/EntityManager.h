#pragma once

#include "Engine/Base/Assert.h"
#include "Engine/ECS/Component.h"
#include "Engine/ECS/ComponentList.h"
#include "Engine/ECS/ComponentListAbstract.h"
#include "Engine/ECS/System.h"
#include "Engine/ECS/SystemType.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <map>
#include <memory>
#include <deque>
#include <set>
#include <stdexcept>
#include <type_traits>
#include <utility>
#include <vector>

namespace Engine {
class GameEngine;
}

namespace Engine::ECS {

// Where a registered system lives: its class, then its instance number
// (0 for the first registration of a class, then 1, 2, ...). The class is
// referred to by the one SystemType record systemTypeOf<S>() keeps for it.
struct SystemKey {
    const SystemType* type;
    uint32_t instance;

    bool operator<(const SystemKey& other) const
    {
        if (*type < *other.type) return true;
        if (*other.type < *type) return false;
        return instance < other.instance;
    }
};

struct SystemTypeOrder {
    bool operator()(const SystemType* a, const SystemType* b) const { return *a < *b; }
};

// The world: hands out entity identifiers, holds one component list per
// registered component type and its own copy of every registered system, and
// applies every structural change in one commit, refresh(). Between two
// refreshes the structure is frozen: lookups see committed components only,
// new components wait in their lists' queues and destroyed entities stay
// alive, so systems may add components and destroy entities while iterating.
//
// Typical use:
//
//     Engine::ECS::EntityManager world(&engine);
//     world.registerComponent<TransformComponent>();
//     world.addSystem(CameraDeltaSystem(&world));
//     uint32_t e = world.createEntity();
//     world.addComponent(e, TransformComponent{});
//     world.refresh();                                  // e joins its systems
//     world.getSystem<CameraDeltaSystem>().run(alpha);
//
// Entity identifiers run from 1 to entityCapacity - 1 (2047) and are recycled
// first-in first-out once a refresh has committed their destruction.
class EntityManager {
public:
    explicit EntityManager(GameEngine* engine = nullptr);
    EntityManager(const EntityManager&) = delete;
    EntityManager& operator=(const EntityManager&) = delete;

    // Creates the list of T in the slot of T::_cType; returns true. Throws
    // std::runtime_error("ComponentID already used") if the slot is taken.
    template <class T>
    bool registerComponent();

    // The front of the free-identifier queue, else the next new identifier.
    // Asserts when all 2047 identifiers are in use (alive, or destroyed but not
    // yet committed): the lists cannot hold identifier 2048.
    uint32_t createEntity();
    // Queues the entity's destruction for the next refresh. Identifiers that
    // are not alive (never handed out, or destroyed at an earlier refresh) are
    // ignored; destroying twice in one step counts once.
    void destroyEntity(uint32_t entity);

    // Queues a copy of the component; visible from the next refresh on. A
    // second component of the same type for one entity (committed or queued)
    // fails "this->hasComponent(entityID) == false"; the entity must be alive.
    // Components queued for an entity destroyed in the same step are dropped.
    template <class T>
    void addComponent(uint32_t entity, T component);
    // The committed component; valid until the next refresh.
    template <class T>
    T& getComponent(uint32_t entity);
    // True only for a committed component.
    template <class T>
    bool hasComponent(uint32_t entity) const;
    // The list of T itself, for code that reads every component of a type.
    template <class T>
    const ComponentList<T>& getComponentList() const { return listOf<T>(); }

    // Takes a copy of the system (owned by the world) under the next instance
    // number of S; returns that instance number. The copy starts with no
    // members and belongs to this world. Register systems before creating the
    // entities they are meant for: only changed or destroyed entities are
    // checked against the systems at a refresh.
    template <class S>
    uint32_t addSystem(const S& system);
    // The stored system; asserts "systemMap.find(pair) != systemMap.end()".
    template <class S>
    S& getSystem(uint32_t instance = 0);

    // Commits the step: systems release destroyed entities (their components
    // still readable), all queued removals, then all queued additions, then
    // membership of changed and destroyed entities, then destroyed identifiers
    // become reusable.
    void refresh();

    // Hands the free identifiers out lowest first from now on (freed ones
    // still join the back of the queue). A scene rebuilt after this gets the
    // identifiers it would get on a fresh start, whatever was made and
    // destroyed before it.
    void sortFreeIdentifiers();

    // Handed out by createEntity and not yet destroyed by a refresh.
    bool isAlive(uint32_t entity) const { return entity < entityCapacity && alive.test(entity); }

    GameEngine* getEngine() const { return engine; }

private:
    using ContainerArray = std::array<std::unique_ptr<ComponentListAbstract>, componentContainerSize>;

    template <class C>
    ComponentList<C>& listOf() const;

    bool matches(System& system, uint32_t entity) const;
    void releaseDestroyed(uint32_t entity);
    void queueComponentRemovals(uint32_t entity);
    void flushLists();
    void updateMembership(uint32_t entity);
    static bool holds(const System& system, uint32_t entity);
    static void join(System& system, uint32_t entity);
    static void drop(System& system, uint32_t entity);

    std::map<SystemKey, std::unique_ptr<System>> systemMap;
    std::map<const SystemType*, uint32_t, SystemTypeOrder> instanceCounts;
    ContainerArray componentContainers;
    uint32_t nextEntityID = 1;
    std::deque<uint32_t> freeEntityIDs;
    std::set<uint32_t> changedEntities;
    std::set<uint32_t> doomedEntities;
    GameEngine* engine;
    // Identifiers handed out and not yet destroyed by a refresh, so that a
    // stale identifier can never enter the free queue twice.
    std::bitset<entityCapacity> alive;
    // The entities the running refresh destroys; empty between refreshes.
    std::bitset<entityCapacity> dying;
};

template <class T>
bool EntityManager::registerComponent()
{
    static_assert(T::_cType > 0 && T::_cType < componentContainerSize,
                  "component type identifiers run from 1 to 63");
    if (componentContainers[T::_cType] != nullptr) throw std::runtime_error("ComponentID already used");
    componentContainers[T::_cType] = std::make_unique<ComponentList<T>>();
    return true;
}

template <class C>
ComponentList<C>& EntityManager::listOf() const
{
    static_assert(C::_cType > 0 && C::_cType < componentContainerSize,
                  "component type identifiers run from 1 to 63");
    GAME_ASSERT_MSG(componentContainers[C::_cType] != nullptr, "componentContainers[C::_cType] != nullptr");
    return static_cast<ComponentList<C>&>(*componentContainers[C::_cType]);
}

template <class T>
void EntityManager::addComponent(uint32_t entity, T component)
{
    ComponentList<T>& list = listOf<T>();
    if (entity < entityCapacity && dying.test(entity)) return; // asked by a hook of the refresh destroying it
    GAME_ASSERT_MSG(isAlive(entity), "addComponent to an entity that is not alive");
    list.add(entity, std::move(component));
    changedEntities.insert(entity);
}

template <class T>
T& EntityManager::getComponent(uint32_t entity)
{
    return listOf<T>().get(entity);
}

template <class T>
bool EntityManager::hasComponent(uint32_t entity) const
{
    return listOf<T>().hasComponent(entity);
}

template <class S>
uint32_t EntityManager::addSystem(const S& system)
{
    static_assert(std::is_base_of_v<System, S>, "systems derive from Engine::ECS::System");
    const SystemType* type = &systemTypeOf<S>();
    auto [count, isFirst] = instanceCounts.try_emplace(type, 0);
    if (!isFirst) ++count->second;
    const uint32_t instance = count->second;

    auto copy = std::make_unique<S>(system);
    copy->entities.clear();
    copy->memberFlags.reset();
    copy->world = this;
    systemMap.emplace(SystemKey{type, instance}, std::move(copy));
    return instance;
}

template <class S>
S& EntityManager::getSystem(uint32_t instance)
{
    const SystemKey pair{&systemTypeOf<S>(), instance};
    const auto found = systemMap.find(pair);
    GAME_ASSERT_MSG(found != systemMap.end(), "systemMap.find(pair) != systemMap.end()");
    return static_cast<S&>(*found->second);
}

} // namespace Engine::ECS
