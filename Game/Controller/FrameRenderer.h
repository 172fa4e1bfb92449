#pragma once

#include <cstdint>

#include <glm/glm.hpp>

#include "Game/Controller/ActiveCamera.h"
#include "Game/Scene/Camera.h"

class MatrixState;
class Shader;

namespace Engine {
class GameEngine;
class MouseState;
} // namespace Engine

namespace Engine::ECS {
class EntityManager;
}

namespace Engine::GFX::Mesh {
class Model3D;
}

namespace UI {
class UiLayer;
}

namespace Game {

class FrameTimeGraph;
class GameResources;
class Skybox;
struct EditorState;
struct GameMap;
struct GameState;

// Told where each pass of a frame begins, for measuring what the passes cost.
class FramePassObserver {
public:
    virtual ~FramePassObserver() = default;
    // Called on the GL thread right before the named pass issues its first
    // command; "end" follows the last pass.
    virtual void passBegins(const char* pass) = 0;
};

// Everything one frame reads; owned by the game controller.
struct FrameSources {
    Engine::ECS::EntityManager* world = nullptr;
    GameResources* resources = nullptr;
    MatrixState* matrices = nullptr;
    const Engine::MouseState* mouse = nullptr;
    const GameState* gameState = nullptr;
    UI::UiLayer* uiLayer = nullptr;
    Skybox* skybox = nullptr;
    GameMap* gameMap = nullptr;
    EditorState* editorState = nullptr;
    const Camera* screenCamera = nullptr;
    Engine::GFX::Mesh::Model3D* screenQuad = nullptr;
    CameraEntities cameras;
    float width = 0.0f;
    float height = 0.0f;
    // Optional; nothing is reported without one.
    FramePassObserver* observer = nullptr;
    // Optional: told when each frame begins, times the passes and is drawn
    // over the 2D overlay while shown.
    FrameTimeGraph* frameTimeGraph = nullptr;
};

// Draws one frame: the scene into the two-target scene framebuffer (at the
// render scale's share of the window), the editor's colour-id picking pass,
// the outlined composite onto the window and the 2D overlay. Leaves GL with
// depth test on, blending off with (GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA),
// back-face culling on, framebuffer 0 bound, depth writes on and the
// viewport over the whole window.
class FrameRenderer {
public:
    explicit FrameRenderer(const FrameSources& sources) : sources(sources) {}

    void render(float alpha);
    void setObserver(FramePassObserver* observer) { sources.observer = observer; }
    // The window's size after a resize.
    void setSize(float width, float height)
    {
        sources.width = width;
        sources.height = height;
    }

private:
    void interpolate(float alpha);
    void beginScene();
    const Camera& useActiveCamera();
    void drawSkybox(const Camera& camera);
    void drawCharacter();
    void drawEntities(float alpha);
    void drawLevel();
    void drawFloor();
    void drawSelection(float alpha);
    void drawRope(float alpha);
    void drawGizmo();
    void drawPickingPass();
    void drawComposite();
    void drawFrameTimeGraph();
    void drawOverlay();
    void drawCrosshair();
    void drawCursor();
    void restoreState();

    void use(const Shader* shader);
    void setViewport(glm::ivec2 size);
    glm::ivec2 windowSize() const;
    void mark(const char* pass);

    FrameSources sources;
};

} // namespace Game
