#include "Game/Physics/ContactDispatch.h"

#include "Engine/Base/Assert.h"
#include "Engine/ECS/EntityManager.h"
#include "Game/Physics/CollisionCallbackComponent.h"
#include "Game/Physics/PhysicsUserPointer.h"

namespace GamePhysics {

namespace {

uint32_t entityOf(const btCollisionObject* object)
{
    GAME_ASSERT_MSG(object->getUserPointer() != nullptr, "object->getUserPointer() != nullptr");
    return static_cast<const PhysicsUserPointer*>(object->getUserPointer())->entity;
}

bool isTouching(const btPersistentManifold& manifold)
{
    for (int i = 0; i < manifold.getNumContacts(); ++i) {
        if (manifold.getContactPoint(i).getDistance() < 0.0f) return true;
    }
    return false;
}

ContactRecord currentContacts(btDispatcher& dispatcher)
{
    ContactRecord current;
    for (int i = 0; i < dispatcher.getNumManifolds(); ++i) {
        const btPersistentManifold& manifold = *dispatcher.getManifoldByIndexInternal(i);
        if (!isTouching(manifold)) continue;
        const btCollisionObject* first = manifold.getBody0();
        const btCollisionObject* second = manifold.getBody1();
        current.insert(ContactPair{first, second, entityOf(first), entityOf(second)});
    }
    return current;
}

CollisionCallback* callbackOf(Engine::ECS::EntityManager& world, uint32_t entity, uint32_t& self)
{
    if (!world.hasComponent<CollisionCallbackComponent>(entity)) return nullptr;
    const CollisionCallbackComponent& component = world.getComponent<CollisionCallbackComponent>(entity);
    self = component.entity;
    return component.callback.get();
}

template <class Notify>
void tell(Engine::ECS::EntityManager& world, const ContactPair& pair, Notify notify)
{
    uint32_t self = 0;
    if (CollisionCallback* callback = callbackOf(world, pair.firstEntity, self)) notify(*callback, self, pair.secondEntity);
}

} // namespace

void dispatchContacts(btDispatcher& dispatcher, Engine::ECS::EntityManager& world, ContactRecord& previous)
{
    const ContactRecord current = currentContacts(dispatcher);

    for (const ContactPair& pair : current) {
        const auto known = previous.find(pair);
        if (known == previous.end()) {
            tell(world, pair, [](CollisionCallback& c, uint32_t self, uint32_t other) { c.onEnter(self, other); });
        } else {
            previous.erase(known);
        }
    }
    for (const ContactPair& ended : previous) {
        tell(world, ended, [](CollisionCallback& c, uint32_t self, uint32_t other) { c.onRelease(self, other); });
    }

    previous = current;
    for (const ContactPair& pair : previous) {
        tell(world, pair, [](CollisionCallback& c, uint32_t self, uint32_t other) { c.onStay(self, other); });
    }
}

} // namespace GamePhysics
