#include "Game/UI/Menu.h"

#include <gtest/gtest.h>

namespace {

class MenuTest : public testing::Test {
protected:
    uint32_t recordNew(const std::string& name)
    {
        const uint32_t entity = world.createEntity();
        menu.add(name, entity);
        return entity;
    }

    Engine::ECS::EntityManager world;
    UI::Menu menu{&world};
};

using MenuDeathTest = MenuTest;

TEST_F(MenuTest, RemoveDestroysOnlyThatElementAtTheNextRefreshAndFreesTheName)
{
    const uint32_t removed = recordNew("Resume_Game");
    const uint32_t kept = recordNew("background");
    menu.remove("Resume_Game");
    EXPECT_EQ(menu.count("Resume_Game"), 0u);
    EXPECT_TRUE(world.isAlive(removed));

    world.refresh();
    EXPECT_FALSE(world.isAlive(removed));
    EXPECT_TRUE(world.isAlive(kept));
    EXPECT_EQ(menu.count("background"), 1u);
    const uint32_t second = recordNew("Resume_Game");
    EXPECT_EQ(menu.guiElements.at("Resume_Game"), second);
}

TEST_F(MenuTest, ClearDestroysEveryElementIncludingTheEditorBar)
{
    const uint32_t bar = recordNew("background");
    const uint32_t button = recordNew("Back_to_menu");
    const uint32_t other = world.createEntity();
    menu.clear();
    world.refresh();

    EXPECT_TRUE(menu.guiElements.empty());
    EXPECT_FALSE(world.isAlive(bar));
    EXPECT_FALSE(world.isAlive(button));
    EXPECT_TRUE(world.isAlive(other));
}

TEST_F(MenuDeathTest, AddingANameTwiceOrRemovingAnUnknownOneFails)
{
    recordNew("Options");
    const uint32_t second = world.createEntity();
    EXPECT_DEATH(menu.add("Options", second), "this->guiElements\\.count\\(name\\) == 0");
    EXPECT_DEATH(menu.remove("GameEnd"), "guiElements\\.count\\(name\\) == 1");
}

} // namespace
