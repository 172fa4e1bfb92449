#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "Engine/ECS/EntityManager.h"

namespace UI {

// The live interface elements by unique name, so that a menu (or the editor)
// can later remove exactly the elements it made. Removal queues the entity's
// destruction; it disappears at the world's next refresh.
class Menu {
public:
    explicit Menu(Engine::ECS::EntityManager* world) : world(world) {}

    // The name must be free.
    void add(const std::string& name, uint32_t entity);
    // The name must be recorded.
    void remove(const std::string& name);
    // Destroys every recorded element, in name order.
    void clear();
    // 0 or 1.
    std::size_t count(const std::string& name) const { return guiElements.count(name); }

    std::map<std::string, uint32_t> guiElements;
    Engine::ECS::EntityManager* world;
};

} // namespace UI
