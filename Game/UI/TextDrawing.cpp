#include "Game/UI/TextDrawing.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>

namespace UI {

namespace {

constexpr int32_t glyphPage = 0;

// A font whose page image is missing still has no page texture to bind.
GLuint pageTextureName(const Engine::GFX::Font& font)
{
    const auto page = font.textures.find(glyphPage);
    return page == font.textures.end() ? 0 : page->second->name;
}

} // namespace

void drawText(MatrixState& matrices, Engine::GFX::TextMesh& text, const glm::vec3& position, const glm::vec2& scale)
{
    if (!text.hasGeometry || text.font == nullptr) {
        return;
    }
    matrices.setModel(glm::scale(glm::translate(glm::mat4(1.0f), position), glm::vec3(scale, 1.0f)));
    glActiveTexture(GL_TEXTURE0);
    glBindTexture(GL_TEXTURE_2D, pageTextureName(*text.font));
    text.model->draw();
    glBindTexture(GL_TEXTURE_2D, 0);
}

} // namespace UI
