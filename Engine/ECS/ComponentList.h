#pragma once

#include "Engine/Base/Assert.h"
#include "Engine/ECS/ComponentListAbstract.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <deque>
#include <type_traits>
#include <utility>
#include <vector>

namespace Engine::ECS {

// All components of one type, stored by value in one contiguous array and
// found in constant time through a table indexed by entity identifier.
// Additions and removals wait in queues until the entity manager commits a
// step, so the array never changes while systems read it; a reference from
// get() stays valid only until the next commit.
template <class T>
class ComponentList final : public ComponentListAbstract {
    static_assert(std::is_base_of_v<Component, T>, "component types derive from Engine::ECS::Component");
    static_assert(std::is_copy_constructible_v<T>, "component types are copyable");

public:
    static constexpr uint32_t capacity = entityCapacity;

    void queueRemove(uint32_t entityID) override;
    void flushRemovals() override;
    void flushAdds() override;
    bool hasComponent(uint32_t entityID) const override;
    int64_t size() const override;
    void add(uint32_t entityID, const Component& component) override;

    // Queues the component without a further copy.
    void add(uint32_t entityID, T&& component);

    // The committed component of the entity.
    T& get(uint32_t entityID);
    const T& get(uint32_t entityID) const;

    // Read-only views of the bookkeeping (for inspection and tests).
    // idLookup: dense position + 1 of the entity's component, 0 if none.
    uint32_t lookup(uint32_t entityID) const { return entityID < capacity ? idLookup[entityID] : 0; }
    // entityOf: the entity owning the component at a dense position.
    uint32_t entityAt(uint32_t position) const { return entityOf[position]; }
    const std::vector<T>& components() const { return dense; }

private:
    void removeNow(uint32_t entityID);
    void commitAdd(uint32_t entityID, T&& component);

    std::deque<std::pair<uint32_t, T>> pendingAdds;
    std::deque<uint32_t> pendingRemovals;
    std::vector<T> dense;
    std::array<uint32_t, capacity> idLookup{};
    std::array<uint32_t, capacity> entityOf{};
    // Entities with a queued addition: a second addition before the commit is
    // refused just like an addition of a committed type.
    std::bitset<capacity> queued;
    // Entities whose removal is queued: their queued additions are dropped at
    // the commit instead of outliving the entity under a recycled identifier.
    std::bitset<capacity> removing;
};

template <class T>
void ComponentList<T>::queueRemove(uint32_t entityID)
{
    if (entityID >= capacity) return;
    pendingRemovals.push_back(entityID);
    removing.set(entityID);
}

template <class T>
void ComponentList<T>::flushRemovals()
{
    while (!pendingRemovals.empty()) {
        const uint32_t entityID = pendingRemovals.front();
        pendingRemovals.pop_front();
        if (idLookup[entityID] != 0) removeNow(entityID);
    }
}

// Swap with the last element, so only one component moves and the others keep
// their relative order.
template <class T>
void ComponentList<T>::removeNow(uint32_t entityID)
{
    const uint32_t last = static_cast<uint32_t>(dense.size()) - 1;
    const uint32_t lastEntity = entityOf[last];
    if (lastEntity != entityID) {
        const uint32_t position = idLookup[entityID] - 1;
        using std::swap;
        swap(dense[position], dense[last]);
        std::swap(entityOf[position], entityOf[last]);
        std::swap(idLookup[entityID], idLookup[lastEntity]);
    }
    dense.pop_back();
    idLookup[entityID] = 0;
}

template <class T>
void ComponentList<T>::flushAdds()
{
    while (!pendingAdds.empty()) {
        auto& [entityID, component] = pendingAdds.front();
        queued.reset(entityID);
        if (!removing.test(entityID)) commitAdd(entityID, std::move(component));
        pendingAdds.pop_front();
    }
    removing.reset();
}

template <class T>
void ComponentList<T>::commitAdd(uint32_t entityID, T&& component)
{
    dense.push_back(std::move(component));
    const uint32_t newSize = static_cast<uint32_t>(dense.size());
    idLookup[entityID] = newSize;
    entityOf[newSize - 1] = entityID;
}

template <class T>
bool ComponentList<T>::hasComponent(uint32_t entityID) const
{
    return entityID < capacity && idLookup[entityID] != 0;
}

template <class T>
int64_t ComponentList<T>::size() const
{
    return static_cast<int64_t>(dense.size());
}

template <class T>
void ComponentList<T>::add(uint32_t entityID, const Component& component)
{
    add(entityID, T(static_cast<const T&>(component)));
}

template <class T>
void ComponentList<T>::add(uint32_t entityID, T&& component)
{
    GAME_ASSERT(entityID < capacity);
    GAME_ASSERT_MSG(!this->hasComponent(entityID) && !queued.test(entityID),
                    "this->hasComponent(entityID) == false");
    queued.set(entityID);
    pendingAdds.emplace_back(entityID, std::move(component));
}

template <class T>
T& ComponentList<T>::get(uint32_t entityID)
{
    GAME_ASSERT_MSG(hasComponent(entityID), "idLookup[entityID] != 0 && idLookup[entityID] >= 1");
    return dense[idLookup[entityID] - 1];
}

template <class T>
const T& ComponentList<T>::get(uint32_t entityID) const
{
    GAME_ASSERT_MSG(hasComponent(entityID), "idLookup[entityID] != 0 && idLookup[entityID] >= 1");
    return dense[idLookup[entityID] - 1];
}

} // namespace Engine::ECS
