#include <functional>

#include "Game/UI/UIclickSystem.h"
#include "Game/UI/UiBackgroundDrawSystem.h"
#include "tests/Game/UI/UiGLFixture.h"

namespace {

using UI::Component::UIBackgroundComponent;
using UI::Component::UIclickableComponent;
using UI::Component::UITransformComponent;

const UITransformComponent button(100.0f, 200.0f, 256.0f, 64.0f);

class UiClickSystemTest : public UiTesting::UiWorldTest {
protected:
    void SetUp() override
    {
        UiWorldTest::SetUp();
        element = makeClickable(button, [this] { ++clicks; });
        world->refresh();
    }

    // One update step of the interface with the mouse as given.
    void step(int32_t glX, int32_t glY, bool leftHeld)
    {
        mouseStep(glX, glY, leftHeld);
        interfaceLayer->updateClicks();
    }

    int32_t state(uint32_t entity) { return world->getComponent<UIclickableComponent>(entity).state; }

    uint32_t element = 0;
    int clicks = 0;
};

// Where the pointer counts as inside is the click rule's; here the system
// applies it over update steps.
TEST_F(UiClickSystemTest, AClickFiresOnceOnReleaseInsideAfterAPressInside)
{
    step(20, 20, true);
    step(150, 230, true);
    EXPECT_EQ(clicks, 0);
    step(150, 230, false);
    step(150, 230, false);
    EXPECT_EQ(clicks, 1);

    step(150, 230, true);
    step(20, 20, true);
    step(20, 20, false);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(state(element), UIclickableComponent::idle);
}

TEST_F(UiClickSystemTest, HeldButtonShowsThePressedLookAndMovingOffShowsTheBackground)
{
    world->addComponent(element, UIBackgroundComponent(glm::vec4(1.0f), resources->buttonTexture.get()));
    world->refresh();
    const auto look = [this] {
        return UI::System::backgroundTexture(world->getComponent<UIBackgroundComponent>(element),
                                             &world->getComponent<UIclickableComponent>(element));
    };

    step(150, 230, false);
    EXPECT_EQ(look(), hoverLook.get());
    step(150, 230, true);
    EXPECT_EQ(state(element), UIclickableComponent::pressed);
    EXPECT_EQ(look(), pressedLook.get());
    step(400, 230, true);
    EXPECT_EQ(state(element), UIclickableComponent::idle);
    EXPECT_EQ(look(), resources->buttonTexture.get());
}

TEST_F(UiClickSystemTest, OverlappingElementsBothChangeAndBothFire)
{
    int otherClicks = 0;
    const uint32_t other = makeClickable(UITransformComponent(300.0f, 250.0f, 100.0f, 100.0f), [&] { ++otherClicks; });
    world->refresh();

    step(320, 260, true);
    EXPECT_EQ(state(element), UIclickableComponent::pressed);
    EXPECT_EQ(state(other), UIclickableComponent::pressed);
    step(320, 260, false);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(otherClicks, 1);
}

TEST_F(UiClickSystemTest, ElementWithoutAClickBehaviourIsNotClicked)
{
    const uint32_t plain = world->createEntity();
    world->addComponent(plain, UITransformComponent(0.0f, 0.0f, 1280.0f, 720.0f));
    world->addComponent(plain, UIBackgroundComponent(glm::vec4(1.0f), resources->whiteTexture.get()));
    world->refresh();

    step(10, 10, true);
    step(10, 10, false);
    EXPECT_EQ(clicks, 0);
}

TEST_F(UiClickSystemTest, ClickThatDestroysItsOwnElementKeepsItReadableUntilRefresh)
{
    const uint32_t selfRemoving = makeClickable(UITransformComponent(0.0f, 0.0f, 50.0f, 50.0f),
                                                [this, &selfRemoving] { world->destroyEntity(selfRemoving); });
    world->refresh();
    step(10, 10, true);
    step(10, 10, false);
    EXPECT_EQ(state(selfRemoving), UIclickableComponent::hovered);
    world->refresh();
    EXPECT_FALSE(world->isAlive(selfRemoving));
}

using UiClickableDeathTest = UiTesting::UiWorldTest;

TEST_F(UiClickableDeathTest, MissingHoverOrPressedLookFails)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_DEATH(UIclickableComponent([] {}, nullptr, pressedLook.get()), "backgroundHover != nullptr");
    EXPECT_DEATH(UIclickableComponent([] {}, hoverLook.get(), nullptr), "backgroundPressed != nullptr");
}

} // namespace
