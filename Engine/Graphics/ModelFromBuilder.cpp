#include "Engine/Graphics/ModelFromBuilder.h"

namespace Engine::GFX::Mesh {

void fillModel(Model3D& model, const MeshBuilder& builder)
{
    model.setBuffer(0, builder.positions);
    model.setBuffer(1, builder.normals);
    model.setBuffer(builder.colors);
    model.setBuffer(builder.texcoords);
    model.upload();
}

} // namespace Engine::GFX::Mesh
