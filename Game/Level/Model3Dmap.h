#pragma once

#include "Engine/Graphics/VAO.h"

namespace Game {

struct MapGeometry;

// The merged level: one vertex array in the map layout (the standard
// attributes plus a colour id per face at location 4).
class Model3Dmap : public Engine::GFX::VAO {
public:
    Model3Dmap();

    // Gives every attribute its data and uploads; once per model. The
    // geometry must hold at least one vertex and a colour id for each.
    void fill(const MapGeometry& geometry);
};

} // namespace Game
