#include "Game/Physics/PhysicsWorldFilterCallback.h"

#include "Engine/Base/Assert.h"
#include "Game/Physics/PhysicsUserPointer.h"

namespace GamePhysics {

bool PhysicsWorldFilterCallback::needBroadphaseCollision(btBroadphaseProxy* proxy0,
                                                         btBroadphaseProxy* proxy1) const
{
    const auto* c0 = static_cast<const btCollisionObject*>(proxy0->m_clientObject);
    const auto* c1 = static_cast<const btCollisionObject*>(proxy1->m_clientObject);
    if (c0->isStaticObject() && c1->isStaticObject()) return false;

    GAME_ASSERT(c0->getUserPointer() != nullptr);
    GAME_ASSERT(c1->getUserPointer() != nullptr);
    const auto* u0 = static_cast<const PhysicsUserPointer*>(c0->getUserPointer());
    const auto* u1 = static_cast<const PhysicsUserPointer*>(c1->getUserPointer());
    return (u0->group & u1->mask) != 0 && (u0->mask & u1->group) != 0;
}

} // namespace GamePhysics
