#include "Game/Physics/PhysicsRigidBodyComponent.h"

struct PhysicsRigidBodyComponent::Parts {
    Parts(uint32_t entity, float mass, const btVector3& localInertia);
    ~Parts();
    Parts(const Parts&) = delete;
    Parts& operator=(const Parts&) = delete;

    void setShape(std::shared_ptr<btCollisionShape> newShape);

    std::unique_ptr<PhysicsUserPointer> userPointer;
    std::unique_ptr<PhysicsMotionState> motionState;
    std::shared_ptr<btCollisionShape> shape;
    std::unique_ptr<btRigidBody> body;
    bool hasNoCollider = true;
    float mass;
    btVector3 localInertia;
    btDynamicsWorld* world = nullptr;
};

PhysicsRigidBodyComponent::Parts::Parts(uint32_t entity, float mass, const btVector3& localInertia)
    : userPointer(std::make_unique<PhysicsUserPointer>()),
      motionState(std::make_unique<PhysicsMotionState>()),
      shape(std::make_shared<btEmptyShape>()),
      mass(mass),
      localInertia(localInertia)
{
    const btRigidBody::btRigidBodyConstructionInfo info(mass, motionState.get(), shape.get(),
                                                       btVector3(0.0f, 0.0f, 0.0f));
    body = std::make_unique<btRigidBody>(info);
    userPointer->entity = entity;
    body->setUserPointer(userPointer.get());
}

// The body goes first: it refers to the shape and the motion state.
PhysicsRigidBodyComponent::Parts::~Parts()
{
    if (world != nullptr) world->removeRigidBody(body.get());
    body.reset();
}

void PhysicsRigidBodyComponent::Parts::setShape(std::shared_ptr<btCollisionShape> newShape)
{
    shape = std::move(newShape);
    body->setCollisionShape(shape.get());
    shape->calculateLocalInertia(mass, localInertia);
    body->setMassProps(mass, localInertia);
    body->updateInertiaTensor();
}

PhysicsRigidBodyComponent::PhysicsRigidBodyComponent(uint32_t entity, float mass, const btVector3& localInertia)
    : parts(std::make_shared<Parts>(entity, mass, localInertia))
{
}

btRigidBody* PhysicsRigidBodyComponent::getBody() const
{
    return parts->body.get();
}

PhysicsMotionState* PhysicsRigidBodyComponent::getMotionState() const
{
    return parts->motionState.get();
}

PhysicsUserPointer* PhysicsRigidBodyComponent::getUserPointer() const
{
    return parts->userPointer.get();
}

const std::shared_ptr<btCollisionShape>& PhysicsRigidBodyComponent::getShape() const
{
    return parts->shape;
}

bool PhysicsRigidBodyComponent::hasNoCollider() const
{
    return parts->hasNoCollider;
}

float PhysicsRigidBodyComponent::getMass() const
{
    return parts->mass;
}

const btVector3& PhysicsRigidBodyComponent::getLocalInertia() const
{
    return parts->localInertia;
}

btDynamicsWorld* PhysicsRigidBodyComponent::getWorld() const
{
    return parts->world;
}

void PhysicsRigidBodyComponent::attach(std::shared_ptr<btCollisionShape> shape, btDynamicsWorld* world)
{
    parts->setShape(std::move(shape));
    parts->hasNoCollider = false;
    if (parts->world != nullptr) parts->world->removeRigidBody(parts->body.get());
    world->addRigidBody(parts->body.get());
    parts->world = world;
}

void PhysicsRigidBodyComponent::detach()
{
    if (parts->world != nullptr) parts->world->removeRigidBody(parts->body.get());
    parts->world = nullptr;
    parts->setShape(std::make_shared<btEmptyShape>());
    parts->hasNoCollider = true;
}
