#pragma once

#include <array>

#include "Engine/Mesh/MeshData.h"

// The map editor's axis gizmo: three arrows along +X, +Y and +Z (a shaft and
// a cone head each, about 1 m long), a small cube at the centre and a sphere
// around the centre that the colour-id picking pass draws for the centre.
namespace DataGen {

inline constexpr std::array<const char*, 5> gizmoPartNames = {
    "center", "center_sphere", "x_axis_transform", "y_axis_transform", "z_axis_transform"};

inline constexpr float gizmoArrowLength = 1.0f;
inline constexpr float gizmoCentreHalfSize = 0.07f;
inline constexpr float gizmoSphereRadius = 0.11f;

// One part per name above, in that order; every part has its own vertices
// (indexed from 0 and placed with the part's base vertex).
Engine::GFX::Mesh::MeshData makeAxisGizmoMesh();

} // namespace DataGen
