#pragma once

#include "Engine/Graphics/Drawable.h"
#include "Engine/Graphics/MatrixState.h"

#include <GL/glew.h>
#include <glm/glm.hpp>

#include <array>
#include <vector>

// The GL state a draw call would run with.
struct DrawState {
    std::array<GLboolean, 4> colourMask0{};
    std::array<GLboolean, 4> colourMask1{};
    GLboolean depthMask = GL_FALSE;
    GLboolean blend = GL_FALSE;
    GLint blendSource = 0;
    GLint blendDestination = 0;
    GLboolean cullFace = GL_FALSE;
    GLint cullMode = 0;
    GLint textureOnUnit0 = 0;
    glm::mat4 model{1.0f};

    static DrawState current(const MatrixState& matrices)
    {
        DrawState state;
        glGetBooleani_v(GL_COLOR_WRITEMASK, 0, state.colourMask0.data());
        glGetBooleani_v(GL_COLOR_WRITEMASK, 1, state.colourMask1.data());
        glGetBooleanv(GL_DEPTH_WRITEMASK, &state.depthMask);
        state.blend = glIsEnabled(GL_BLEND);
        glGetIntegerv(GL_BLEND_SRC_RGB, &state.blendSource);
        glGetIntegerv(GL_BLEND_DST_RGB, &state.blendDestination);
        state.cullFace = glIsEnabled(GL_CULL_FACE);
        glGetIntegerv(GL_CULL_FACE_MODE, &state.cullMode);
        GLint activeUnit = 0;
        glGetIntegerv(GL_ACTIVE_TEXTURE, &activeUnit);
        glActiveTexture(GL_TEXTURE0);
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &state.textureOnUnit0);
        glActiveTexture(static_cast<GLenum>(activeUnit));
        state.model = matrices.model;
        return state;
    }
};

// A drawable that draws nothing and records the state of every draw call.
class RecordingDrawable : public Engine::GFX::Drawable {
public:
    explicit RecordingDrawable(const MatrixState& matrices) : matrices(matrices) {}

    void draw() override { draws.push_back(DrawState::current(matrices)); }

    std::vector<DrawState> draws;

protected:
    void finishUpload() override {}

private:
    const MatrixState& matrices;
};
