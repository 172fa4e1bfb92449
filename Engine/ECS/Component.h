#pragma once

#include <cstdint>

namespace Engine::ECS {

// Every component list holds entities 0 .. entityCapacity - 1, so entity
// identifiers are handed out from 1 up to entityCapacity - 1 (0 is never used).
constexpr uint32_t entityCapacity = 2048;

// One slot per component type identifier; identifier 0 is reserved.
constexpr uint32_t componentContainerSize = 64;

// Base of every component type. A component type is a plain copyable struct
// derived from Component that declares its type identifier (1 to 63, unique):
//
//     struct TransformComponent : Engine::ECS::Component {
//         static constexpr uint32_t _cType = 1;
//         glm::vec3 position;
//     };
//
// Components are copied into the world by value; a type that owns a resource
// must therefore copy and move it soundly (the list may move elements when it
// grows or when it fills the gap left by a removed component).
struct Component {
    virtual ~Component() = default;
};

} // namespace Engine::ECS
