#pragma once

#include <cstdint>

#include <glm/glm.hpp>

#include <memory>

#include "Game/Controller/ActiveCamera.h"
#include "Game/Rendering/OutlineComposite.h"
#include "Game/Scene/Camera.h"

class Shader;

namespace Engine::GFX::Mesh {
class Model3D;
}

namespace Game {

class FrameTimeGraph;
class RaceDriver;
class RaceHud;
class Skybox;
struct GameContext;
struct GameRun;

// The outlined composite of the game's scene targets onto `destination`,
// sized `window`, drawn with `screenQuad` (the full-screen camera's matrices
// must be in the game's matrix state).
OutlineCompositeInputs outlineCompositeInputs(const GameContext& game, Engine::GFX::Drawable& screenQuad,
                                              uint32_t destination, glm::ivec2 window);

// Told where each pass of a frame begins, for measuring what the passes cost.
class FramePassObserver {
public:
    virtual ~FramePassObserver() = default;
    // Called on the GL thread right before the named pass issues its first
    // command; "end" follows the last pass.
    virtual void passBegins(const char* pass) = 0;
};

// Draws one frame: the scene into the two-target scene framebuffer (at the
// render scale's share of the window), the editor's colour-id picking pass,
// the outlined composite onto the window and the 2D overlay. Leaves GL with
// depth test on, blending off with (GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA),
// back-face culling on, framebuffer 0 bound, depth writes on and the
// viewport over the whole window.
//
// Reads the game's records: the services (world, resources, matrices, mouse,
// interface layers) and the run (mode, camera entities, map, editor state,
// window size). Owns what only the frame uses: the sky box and the
// full-screen quad with its camera.
class FrameRenderer {
public:
    // Builds the sky box and the screen pass; needs a current GL context.
    // The frame-time graph, optional, is told when each frame begins, times
    // the passes and is drawn over the 2D overlay while shown.
    FrameRenderer(const GameContext& game, const GameRun& run, FrameTimeGraph* frameTimeGraph = nullptr);
    ~FrameRenderer();

    void render(float alpha);
    // Optional; nothing is reported without one.
    void setObserver(FramePassObserver* passObserver) { observer = passObserver; }
    // Optional: the race whose ghost is drawn and its read-out under the speed.
    void setRace(const RaceDriver* raceDriver, RaceHud* hud)
    {
        race = raceDriver;
        raceHud = hud;
    }

private:
    void interpolate(float alpha);
    void beginScene();
    const Camera& useActiveCamera();
    void drawSkybox(const Camera& camera);
    void drawCharacter();
    void drawGhost();
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
    glm::vec2 size() const { return glm::vec2(run.windowSize); }

    const GameContext& game;
    const GameRun& run;
    std::unique_ptr<Skybox> skybox;
    // The full-screen passes draw one quad over the whole clip space, looked
    // at straight on through an orthographic camera.
    Camera screenCamera;
    std::unique_ptr<Engine::GFX::Mesh::Model3D> screenQuad;
    FramePassObserver* observer = nullptr;
    FrameTimeGraph* frameTimeGraph;
    const RaceDriver* race = nullptr;
    RaceHud* raceHud = nullptr;
};

} // namespace Game
