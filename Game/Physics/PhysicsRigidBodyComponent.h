#pragma once

#include "Engine/ECS/Component.h"
#include "Game/Physics/PhysicsMotionState.h"
#include "Game/Physics/PhysicsUserPointer.h"

#include <btBulletDynamicsCommon.h>

#include <cstdint>
#include <memory>

// A Bullet rigid body with its motion state and user-pointer record.
//
// The world copies components by value (on add, and when a removal moves the
// last element into the gap), so the Bullet objects live in one shared block
// that every copy refers to; the last copy to go frees them. A body that is
// still in a dynamics world when that happens is taken out of it first, so no
// world is ever left holding a freed body.
//
// The body enters the world only through attach() (RigidBodyColliderSystem
// does this when the entity also has a collider); until then it carries an
// empty placeholder shape.
struct PhysicsRigidBodyComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 16;

    // A body of the given mass (0 makes it static) with identity transforms,
    // an empty shape and the record {entity, all groups, all masks}.
    PhysicsRigidBodyComponent(uint32_t entity, float mass, const btVector3& localInertia);

    btRigidBody* getBody() const;
    PhysicsMotionState* getMotionState() const;
    PhysicsUserPointer* getUserPointer() const;
    const std::shared_ptr<btCollisionShape>& getShape() const;
    // True while the body carries the placeholder empty shape.
    bool hasNoCollider() const;
    float getMass() const;
    const btVector3& getLocalInertia() const;
    // The world the body is in, or null.
    btDynamicsWorld* getWorld() const;

    // Gives the body a share of the collider's shape, recomputes its inertia
    // and adds it to the world.
    void attach(std::shared_ptr<btCollisionShape> shape, btDynamicsWorld* world);
    // Takes the body out of its world and gives it a new empty shape of its own.
    void detach();

private:
    struct Parts;
    std::shared_ptr<Parts> parts;
};
