#pragma once

#include "Engine/Graphics/Model3D.h"
#include "Engine/Mesh/MeshBuilder.h"

#include <memory>

namespace Game {

// The sky: the cube (-1, -1, -1) .. (1, 1, 1) seen from inside, each face
// showing one cell of "data/textures/skybox.png", an image of 3 columns by
// 2 rows. The frame draws it around the camera, scaled up, without depth.
class Skybox {
public:
    // Builds and uploads the cube; needs a current GL context.
    Skybox();

    // The six faces: walls y = +1, x = +1, x = -1, y = -1, then the top and
    // the bottom, 36 vertices, white.
    static void addFaces(Engine::GFX::Mesh::MeshBuilder& builder);

    std::shared_ptr<Engine::GFX::Mesh::Model3D> model;
};

} // namespace Game
