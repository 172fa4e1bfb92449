#pragma once

#include "Engine/ECS/Component.h"

#include <cstdint>

namespace Engine::ECS {

// The type-erased face of a component list, through which the entity manager
// commits a step without knowing the component types. The virtual destructor
// takes the first two table slots; the six operations follow in the order the
// manager relies on.
class ComponentListAbstract {
public:
    virtual ~ComponentListAbstract() = default;

    // Queues the removal of the entity's component for the next commit. A
    // component still waiting in the add queue for this entity is discarded at
    // that commit too, so a destroyed entity never leaves a component behind.
    virtual void queueRemove(uint32_t entityID) = 0;
    // Carries out every queued removal (swap with the last element).
    virtual void flushRemovals() = 0;
    // Commits every queued addition in the order the additions were made.
    virtual void flushAdds() = 0;
    // True only for a committed component; false for identifiers >= capacity.
    virtual bool hasComponent(uint32_t entityID) const = 0;
    // Number of committed components.
    virtual int64_t size() const = 0;
    // Queues a copy of the component (which must be of the list's type).
    virtual void add(uint32_t entityID, const Component& component) = 0;
};

} // namespace Engine::ECS
