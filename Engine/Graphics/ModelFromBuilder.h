#pragma once

#include "Engine/Graphics/Model3D.h"
#include "Engine/Mesh/MeshBuilder.h"

namespace Engine::GFX::Mesh {

// Copies the builder's four attribute arrays into an empty model and uploads it.
void fillModel(Model3D& model, const MeshBuilder& builder);

} // namespace Engine::GFX::Mesh
