#include "Engine/Font/TextMesh.h"

#include <utility>

#include "Engine/Base/Assert.h"
#include "Engine/Font/TextLayout.h"
#include "Engine/Graphics/ModelFromBuilder.h"
#include "Engine/Mesh/MeshBuilder.h"

namespace Engine::GFX {

TextMesh::TextMesh(Font* textFont, std::string initialText) : text(std::move(initialText)), font(textFont)
{
}

void TextMesh::rebuild()
{
    GAME_ASSERT(font != nullptr);
    const TextLayout layout = layoutText(*font, text);
    model = std::make_unique<Mesh::Model3D>();
    width = layout.width;
    height = layout.height;
    hasGeometry = !layout.quads.empty();
    if (!hasGeometry) {
        return;
    }
    Mesh::MeshBuilder builder;
    for (const TextQuad& quad : layout.quads) {
        builder.addQuad(quad.lowerLeft, quad.upperRight, colour, quad.texLowerLeft, quad.texUpperRight);
    }
    Mesh::fillModel(*model, builder);
}

} // namespace Engine::GFX
