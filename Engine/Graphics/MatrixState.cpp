#include "Engine/Graphics/MatrixState.h"

#include <GL/glew.h>
#include <glm/gtc/type_ptr.hpp>

#include "Engine/Base/Assert.h"

namespace {

constexpr const char* modelViewUniform = "uModelViewMatrix";
constexpr const char* projectionUniform = "uProjectionMatrix";
constexpr const char* modelUniform = "uModelMatrix";

// A missing uniform leaves the stored location as it was; the flag keeps it unused.
void findMatrix(const Shader& shader, const char* uniform, bool& has, int32_t& location)
{
    has = shader.hasUniform(uniform);
    if (has) {
        location = shader.getUniformLocation(uniform);
    }
}

void uploadMatrix(bool has, int32_t location, const glm::mat4& matrix)
{
    if (has) {
        glUniformMatrix4fv(location, 1, GL_FALSE, glm::value_ptr(matrix));
    }
}

} // namespace

MatrixState::MatrixState(Engine::Window* window)
    : window(window)
{
}

void MatrixState::use(const Shader& shader)
{
    glUseProgram(shader.program);
    for (size_t unit = 0; unit < shader.samplers.size(); ++unit) {
        glUniform1i(shader.samplerLocations[unit], static_cast<GLint>(unit));
    }
    findMatrix(shader, modelViewUniform, hasModelView, modelViewLocation);
    findMatrix(shader, projectionUniform, hasProjection, projectionLocation);
    findMatrix(shader, modelUniform, hasModel, modelLocation);
}

void MatrixState::use(const Shader* shader)
{
    GAME_ASSERT(shader != nullptr);
    use(*shader);
}

void MatrixState::setModel(const glm::mat4& matrix)
{
    model = matrix;
    modelView = view * model;
    uploadMatrix(hasModelView, modelViewLocation, modelView);
    uploadMatrix(hasProjection, projectionLocation, projection);
    uploadMatrix(hasModel, modelLocation, model);
}
