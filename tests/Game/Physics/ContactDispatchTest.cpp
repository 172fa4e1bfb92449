#include "Game/Physics/CollisionCallbackComponent.h"
#include "Game/Physics/ContactDispatch.h"
#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/TestCallBack.h"
#include "tests/Game/Physics/PhysicsTestWorld.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

using Events = std::vector<std::string>;

std::string event(const char* what, uint32_t self, uint32_t other)
{
    return std::string(what) + " " + std::to_string(self) + " " + std::to_string(other);
}

class RecordingCallback : public CollisionCallback {
public:
    void onEnter(uint32_t self, uint32_t other) override { events.push_back(event("enter", self, other)); }
    void onStay(uint32_t self, uint32_t other) override { events.push_back(event("stay", self, other)); }
    void onRelease(uint32_t self, uint32_t other) override { events.push_back(event("release", self, other)); }

    Events take() { return std::exchange(events, {}); }

private:
    Events events;
};

// A collision object owned by an entity, for manifolds built by hand.
struct EntityObject {
    explicit EntityObject(uint32_t entity) : shape(1.0f)
    {
        record.entity = entity;
        object.setCollisionShape(&shape);
        object.setUserPointer(&record);
    }

    PhysicsUserPointer record;
    btSphereShape shape;
    btCollisionObject object;
};

// Manifolds are made directly on a dispatcher, so each test decides exactly
// which contact points exist.
class ContactDispatchTest : public ::testing::Test {
protected:
    ContactDispatchTest() : dispatcher(&configuration)
    {
        world.registerComponent<CollisionCallbackComponent>();
        world.addComponent(a, CollisionCallbackComponent(a, heardByA));
        world.addComponent(b, CollisionCallbackComponent(b, heardByB));
        world.refresh();
    }

    ~ContactDispatchTest() override
    {
        while (dispatcher.getNumManifolds() > 0) dispatcher.releaseManifold(dispatcher.getManifoldByIndexInternal(0));
    }

    btPersistentManifold* touch(EntityObject& first, EntityObject& second, float distance)
    {
        btPersistentManifold* manifold = dispatcher.getNewManifold(&first.object, &second.object);
        addPoint(manifold, btVector3(0.0f, 0.0f, 0.0f), distance);
        return manifold;
    }

    static void addPoint(btPersistentManifold* manifold, const btVector3& at, float distance)
    {
        manifold->addManifoldPoint(btManifoldPoint(at, at, btVector3(0.0f, 0.0f, 1.0f), distance));
    }

    Events dispatch()
    {
        GamePhysics::dispatchContacts(dispatcher, world, previous);
        return heardByA->take();
    }

    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher;
    Engine::ECS::EntityManager world;
    GamePhysics::ContactRecord previous;
    std::shared_ptr<RecordingCallback> heardByA = std::make_shared<RecordingCallback>();
    std::shared_ptr<RecordingCallback> heardByB = std::make_shared<RecordingCallback>();
    const uint32_t a = world.createEntity();
    const uint32_t b = world.createEntity();
};

TEST_F(ContactDispatchTest, AContactEntersStaysAndIsReleasedOnceToTheFirstBodyOnly)
{
    EntityObject objectA(a);
    auto objectB = std::make_unique<EntityObject>(b);
    btPersistentManifold* manifold = touch(objectA, *objectB, -0.01f);

    EXPECT_EQ(dispatch(), (Events{event("enter", a, b), event("stay", a, b)}));
    EXPECT_EQ(dispatch(), (Events{event("stay", a, b)}));
    EXPECT_EQ(dispatch(), (Events{event("stay", a, b)}));

    // The release comes even though the other object is gone by then.
    dispatcher.releaseManifold(manifold);
    objectB.reset();
    EXPECT_EQ(dispatch(), (Events{event("release", a, b)}));
    EXPECT_TRUE(dispatch().empty());
    EXPECT_TRUE(previous.empty());
    EXPECT_TRUE(heardByB->take().empty());
}

TEST_F(ContactDispatchTest, ADistanceOfExactlyZeroIsNoContact)
{
    EntityObject objectA(a);
    EntityObject objectB(b);
    btManifoldPoint& point = touch(objectA, objectB, 0.0f)->getContactPoint(0);
    EXPECT_TRUE(dispatch().empty());
    EXPECT_TRUE(previous.empty());

    point.m_distance1 = -0.01f;
    EXPECT_EQ(dispatch(), (Events{event("enter", a, b), event("stay", a, b)}));
    point.m_distance1 = 0.0f;
    EXPECT_EQ(dispatch(), (Events{event("release", a, b)}));
}

TEST_F(ContactDispatchTest, SeveralPointsAndManifoldsReportOnce)
{
    EntityObject objectA(a);
    EntityObject objectB(b);
    btPersistentManifold* first = touch(objectA, objectB, -0.01f);
    addPoint(first, btVector3(1.0f, 0.0f, 0.0f), -0.02f);
    addPoint(first, btVector3(0.0f, 1.0f, 0.0f), -0.03f);
    touch(objectA, objectB, -0.05f);
    ASSERT_EQ(first->getNumContacts(), 3);

    EXPECT_EQ(dispatch(), (Events{event("enter", a, b), event("stay", a, b)}));
    EXPECT_EQ(dispatch(), (Events{event("stay", a, b)}));
}

TEST_F(ContactDispatchTest, PairsAreToldInTheOrderOfTheirObjectsToEntitiesWithACallback)
{
    EntityObject objectA(a);
    EntityObject objectB(b);
    EntityObject objectC(world.createEntity());
    touch(objectA, objectB, -0.01f);
    touch(objectA, objectC, -0.01f);
    // A first object without a callback is recorded but tells nobody.
    touch(objectC, objectB, -0.01f);
    const bool bFirst = &objectB.object < &objectC.object;
    const uint32_t lower = bFirst ? b : objectC.record.entity;
    const uint32_t higher = bFirst ? objectC.record.entity : b;

    EXPECT_EQ(dispatch(), (Events{event("enter", a, lower), event("enter", a, higher), event("stay", a, lower),
                                  event("stay", a, higher)}));
    EXPECT_EQ(previous.size(), 3u);
    EXPECT_TRUE(heardByB->take().empty());
}

TEST(TestCallBackTest, LogsEnterAndReleaseWithTheOtherEntity)
{
    TestCallBack callback;
    testing::internal::CaptureStdout();
    callback.onEnter(1, 42);
    callback.onStay(1, 42);
    callback.onRelease(1, 42);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "OnEnter 42\nOnRelease 42\n");
}

TEST(ContactDispatchWorldTest, ThePlayerJumpingOffABlockHearsOfTheContactOnceAndOfItsEnd)
{
    PhysicsTestWorld t;
    const uint32_t block = t.addBox(glm::vec3(0.0f, 0.0f, 0.5f), glm::vec3(4.0f, 4.0f, 1.0f));
    const uint32_t player = t.addPlayer();
    // Whichever object Bullet's manifold holds first hears the contact.
    auto heard = std::make_shared<RecordingCallback>();
    t.world.addComponent(player, CollisionCallbackComponent(player, heard));
    t.world.addComponent(block, CollisionCallbackComponent(block, heard));
    t.world.refresh();

    t.steps(200);
    t.hold(SDL_SCANCODE_SPACE);
    t.step();
    t.release(SDL_SCANCODE_SPACE);
    t.steps(10);

    const Events events = heard->take();
    const auto count = [&](const char* kind) {
        return std::count_if(events.begin(), events.end(), [&](const std::string& e) { return e.rfind(kind, 0) == 0; });
    };
    EXPECT_EQ(count("enter "), 1);
    EXPECT_EQ(count("release "), 1);
    EXPECT_EQ(count("stay "), static_cast<long>(events.size()) - 2);
}

} // namespace
