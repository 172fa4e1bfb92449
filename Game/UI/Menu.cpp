#include "Game/UI/Menu.h"

#include "Engine/Base/Assert.h"

namespace UI {

void Menu::add(const std::string& name, uint32_t entity)
{
    GAME_ASSERT(this->guiElements.count(name) == 0);
    guiElements.emplace(name, entity);
}

void Menu::remove(const std::string& name)
{
    GAME_ASSERT(guiElements.count(name) == 1);
    world->destroyEntity(guiElements.at(name));
    guiElements.erase(name);
}

void Menu::clear()
{
    for (const auto& [name, entity] : guiElements) {
        world->destroyEntity(entity);
    }
    guiElements.clear();
}

} // namespace UI
