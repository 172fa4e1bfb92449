#include "Game/Physics/CollisionCallbackComponent.h"
#include "Game/Physics/ContactDispatch.h"
#include "Game/Physics/PhysicsUserPointer.h"
#include "Game/Physics/TestCallBack.h"
#include "tests/Game/Physics/PhysicsTestWorld.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

class RecordingCallback : public CollisionCallback {
public:
    void onEnter(uint32_t self, uint32_t other) override { record("enter", self, other); }
    void onStay(uint32_t self, uint32_t other) override { record("stay", self, other); }
    void onRelease(uint32_t self, uint32_t other) override { record("release", self, other); }

    std::vector<std::string> takeEvents() { return std::exchange(events, {}); }

private:
    void record(const char* what, uint32_t self, uint32_t other)
    {
        events.push_back(std::string(what) + " " + std::to_string(self) + " " + std::to_string(other));
    }

    std::vector<std::string> events;
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

using Events = std::vector<std::string>;

// Contacts are fed to the dispatch through manifolds made directly on a
// dispatcher, so each test decides exactly which points exist.
class ContactDispatchTest : public ::testing::Test {
protected:
    ContactDispatchTest() : dispatcher(&configuration)
    {
        world.registerComponent<CollisionCallbackComponent>();
        a = world.createEntity();
        b = world.createEntity();
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

    void dispatch() { GamePhysics::dispatchContacts(dispatcher, world, previous); }

    std::string event(const char* what, uint32_t self, uint32_t other)
    {
        return std::string(what) + " " + std::to_string(self) + " " + std::to_string(other);
    }

    btDefaultCollisionConfiguration configuration;
    btCollisionDispatcher dispatcher;
    Engine::ECS::EntityManager world;
    GamePhysics::ContactRecord previous;
    std::shared_ptr<RecordingCallback> heardByA = std::make_shared<RecordingCallback>();
    std::shared_ptr<RecordingCallback> heardByB = std::make_shared<RecordingCallback>();
    uint32_t a = 0;
    uint32_t b = 0;
};

TEST_F(ContactDispatchTest, AContactEntersStaysAndIsReleasedOnce)
{
    EntityObject objectA(a);
    EntityObject objectB(b);
    btPersistentManifold* manifold = touch(objectA, objectB, -0.01f);

    dispatch();
    EXPECT_EQ(heardByA->takeEvents(), (Events{event("enter", a, b), event("stay", a, b)}));
    dispatch();
    EXPECT_EQ(heardByA->takeEvents(), (Events{event("stay", a, b)}));
    dispatch();
    EXPECT_EQ(heardByA->takeEvents(), (Events{event("stay", a, b)}));

    dispatcher.releaseManifold(manifold);
    dispatch();
    EXPECT_EQ(heardByA->takeEvents(), (Events{event("release", a, b)}));
    dispatch();
    EXPECT_TRUE(heardByA->takeEvents().empty());
    EXPECT_TRUE(previous.empty());
}

TEST_F(ContactDispatchTest, OnlyTheFirstBodysEntityIsTold)
{
    EntityObject objectA(a);
    EntityObject objectB(b);
    touch(objectA, objectB, -0.01f);
    dispatch();
    EXPECT_FALSE(heardByA->takeEvents().empty());
    EXPECT_TRUE(heardByB->takeEvents().empty());
}

TEST_F(ContactDispatchTest, ADistanceOfExactlyZeroIsNoContact)
{
    EntityObject objectA(a);
    EntityObject objectB(b);
    touch(objectA, objectB, 0.0f);
    dispatch();
    EXPECT_TRUE(heardByA->takeEvents().empty());
    EXPECT_TRUE(previous.empty());
}

TEST_F(ContactDispatchTest, TouchingEndsWhenTheLastPenetratingPointSeparates)
{
    EntityObject objectA(a);
    EntityObject objectB(b);
    btPersistentManifold* manifold = touch(objectA, objectB, -0.01f);
    dispatch();
    heardByA->takeEvents();

    manifold->getContactPoint(0).m_distance1 = 0.0f;
    dispatch();
    EXPECT_EQ(heardByA->takeEvents(), (Events{event("release", a, b)}));
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
    ASSERT_EQ(dispatcher.getNumManifolds(), 2);

    dispatch();
    EXPECT_EQ(heardByA->takeEvents(), (Events{event("enter", a, b), event("stay", a, b)}));
    dispatch();
    EXPECT_EQ(heardByA->takeEvents(), (Events{event("stay", a, b)}));
}

TEST_F(ContactDispatchTest, PairsAreToldInTheOrderOfTheirObjects)
{
    const uint32_t c = world.createEntity();
    EntityObject objectA(a);
    EntityObject objectB(b);
    EntityObject objectC(c);
    // Both pairs start from A; the pair whose second object has the lower
    // address is told first.
    touch(objectA, objectB, -0.01f);
    touch(objectA, objectC, -0.01f);
    const bool bFirst = &objectB.object < &objectC.object;
    const uint32_t lower = bFirst ? b : c;
    const uint32_t higher = bFirst ? c : b;

    dispatch();
    EXPECT_EQ(heardByA->takeEvents(), (Events{event("enter", a, lower), event("enter", a, higher),
                                              event("stay", a, lower), event("stay", a, higher)}));
}

TEST_F(ContactDispatchTest, AnEndedContactIsReleasedEvenAfterItsObjectIsGone)
{
    EntityObject objectA(a);
    auto objectB = std::make_unique<EntityObject>(b);
    btPersistentManifold* manifold = touch(objectA, *objectB, -0.01f);
    dispatch();
    heardByA->takeEvents();

    dispatcher.releaseManifold(manifold);
    objectB.reset();
    dispatch();
    EXPECT_EQ(heardByA->takeEvents(), (Events{event("release", a, b)}));
}

TEST_F(ContactDispatchTest, EntitiesWithoutCallbackAreSkipped)
{
    const uint32_t silent = world.createEntity();
    EntityObject objectSilent(silent);
    EntityObject objectB(b);
    touch(objectSilent, objectB, -0.01f);
    dispatch();
    EXPECT_EQ(previous.size(), 1u);
    EXPECT_TRUE(heardByB->takeEvents().empty());
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

// ---- with a real world step ----

TEST(ContactDispatchWorldTest, ThePlayerLandingOnABlockHearsOfItOnceAndOfItsEnd)
{
    PhysicsTestWorld t;
    const uint32_t block = t.addBox(glm::vec3(0.0f, 0.0f, 0.5f), glm::vec3(4.0f, 4.0f, 1.0f));
    const uint32_t player = t.addPlayer();
    auto heard = std::make_shared<RecordingCallback>();
    t.world.addComponent(player, CollisionCallbackComponent(player, heard));
    t.world.addComponent(block, CollisionCallbackComponent(block, heard));
    t.world.refresh();

    t.steps(200);
    t.hold(SDL_SCANCODE_SPACE);
    t.step();
    t.release(SDL_SCANCODE_SPACE);
    t.steps(10);

    // Whichever object Bullet's manifold holds first hears the contact.
    int enters = 0;
    int releases = 0;
    for (const std::string& e : heard->takeEvents()) {
        if (e.rfind("enter", 0) == 0) ++enters;
        if (e.rfind("release", 0) == 0) ++releases;
        const bool playerWithBlock = e.find(" " + std::to_string(player) + " " + std::to_string(block)) != std::string::npos ||
                                     e.find(" " + std::to_string(block) + " " + std::to_string(player)) != std::string::npos;
        EXPECT_TRUE(playerWithBlock) << e;
    }
    EXPECT_EQ(enters, 1);
    EXPECT_EQ(releases, 1);
}

} // namespace
