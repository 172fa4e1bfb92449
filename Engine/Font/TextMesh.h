#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "Engine/Font/Font.h"
#include "Engine/Graphics/Model3D.h"

namespace Engine::GFX {

// A string drawn with a bitmap font: textured quads in font pixels, the first
// line's top at y = 0. Set `text` (or `font`) and call rebuild(); draw the
// model only when hasGeometry is true. Needs a current GL context.
class TextMesh {
public:
    TextMesh(Font* font, std::string text);

    // Lays the text out again into a new model, replacing the previous one.
    void rebuild();

    std::unique_ptr<Mesh::Model3D> model;
    std::string text;
    // Multiplied into the glyphs; white leaves the font's own colour.
    glm::vec4 colour{1.0f};
    Font* font;
    int32_t width = 0;
    int32_t height = 0;
    bool hasGeometry = false;
};

} // namespace Engine::GFX
