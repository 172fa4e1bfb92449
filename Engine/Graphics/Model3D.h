#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Engine/Graphics/SubMesh.h"
#include "Engine/Graphics/VAO.h"
#include "Engine/Graphics/VAOi.h"

namespace Engine::GFX::Mesh {

// Generated geometry (text, quads, shapes): non-indexed, standardLayout.
// The building code fills attributes 0 to 3 and uploads.
class Model3D : public VAO {
public:
    Model3D();
};

// A static model read from a mesh file (standardLayout): one index buffer
// shared by named parts that can be drawn together or one at a time.
class Model3Di : public VAOi {
public:
    Model3Di();

    void draw() override;
    // The name must be one of the model's parts.
    void drawPart(const std::string& meshName);

    std::map<std::string, int32_t> nameToIndex;
    std::vector<SubMesh> parts;

private:
    void drawParts(const SubMesh* first, const SubMesh* last);
};

} // namespace Engine::GFX::Mesh
