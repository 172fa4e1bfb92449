#pragma once

#include <btBulletCollisionCommon.h>

#include <cstdint>
#include <set>
#include <tuple>

namespace Engine::ECS {
class EntityManager;
}

namespace GamePhysics {

// Two collision objects in contact, in the order Bullet's manifold holds
// them, with the entities they belonged to when the contact was seen. The
// objects are only compared, never read: by the time a contact is released
// its objects may be gone.
struct ContactPair {
    const btCollisionObject* first;
    const btCollisionObject* second;
    uint32_t firstEntity;
    uint32_t secondEntity;

    bool operator<(const ContactPair& other) const
    {
        return std::tie(first, second) < std::tie(other.first, other.second);
    }
};

// The contacts of the previous step, kept from one step to the next.
using ContactRecord = std::set<ContactPair>;

// Compares this step's touching pairs (any manifold point strictly
// penetrating; a distance of exactly 0 is no contact) with the previous
// step's and tells the first object's entity through its
// CollisionCallbackComponent, if it has one: onEnter for a new pair, onRelease
// for a pair that ended, then onStay for every pair of this step. A pair is
// reported once per step however many points and manifolds it has. Every
// object in a manifold must carry a PhysicsUserPointer.
void dispatchContacts(btDispatcher& dispatcher, Engine::ECS::EntityManager& world, ContactRecord& previous);

} // namespace GamePhysics
