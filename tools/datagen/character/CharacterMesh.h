#pragma once

#include "Engine/Mesh/MeshData.h"

namespace DataGen {

// The character's skinned mesh in its bind pose: one closed tube or ellipsoid
// per body part, bound to the part's bone and, near the joint it hangs from,
// blended half and half with the parent bone so joints bend smoothly. Bone k
// of the mesh is node k + 1 of the skeleton (every node but the root).
Engine::GFX::Mesh::MeshData buildCharacterMesh();

} // namespace DataGen
