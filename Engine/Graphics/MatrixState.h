#pragma once

#include <cstdint>

#include <glm/glm.hpp>

#include "Engine/Base/Window.h"
#include "Engine/Graphics/Shader.h"

// The current view, projection and model matrices, uploaded to the program
// made current through use() under "uModelViewMatrix", "uProjectionMatrix"
// and "uModelMatrix". Every program switch must go through use(): setModel
// writes to the locations of the program last passed to it.
class MatrixState {
public:
    // The window record is not owned; the game reaches the SDL window through it.
    explicit MatrixState(Engine::Window* window);

    // Makes the program current, points sampler i at texture unit i and
    // remembers which matrix uniforms the program has.
    void use(const Shader& shader);
    void use(const Shader* shader);
    // Recomputes modelView and uploads the three matrices the program has.
    void setModel(const glm::mat4& matrix);

    Engine::Window* window = nullptr;
    glm::mat4 view{1.0f};
    glm::mat4 projection{1.0f};
    glm::mat4 model{1.0f};
    glm::mat4 modelView{1.0f};
    int32_t modelViewLocation = 0;
    bool hasModelView = false;
    int32_t projectionLocation = 0;
    bool hasProjection = false;
    int32_t modelLocation = 0;
    bool hasModel = false;
};
