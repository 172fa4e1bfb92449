#include "Game/Controller/FrameRenderer.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/Model3D.h"
#include "Engine/Graphics/ModelFromBuilder.h"
#include "Engine/Mesh/MeshBuilder.h"
#include "Game/Resources/DataFiles.h"
#include "Game/Resources/GameResources.h"
#include "Game/Resources/GameContext.h"
#include "Game/Resources/GameRun.h"
#include "Game/Resources/GameState.h"
#include "Game/Controller/FrameTimeGraph.h"
#include "Game/Controller/RaceDriver.h"
#include "Game/Controller/RaceHud.h"
#include "Game/Controller/Skybox.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Editor/EditorDrawing.h"
#include "Game/Editor/EditorState.h"
#include "Game/Level/GameMap.h"
#include "Game/Rendering/DefaultMeshRenderSystem.h"
#include "Game/Rendering/GrapplingHookMeshRenderSysten.h"
#include "Game/Rendering/OutlineComposite.h"
#include "Game/Rendering/SelectedEntityRenderSystem.h"
#include "Game/Scene/CameraDeltaSystem.h"
#include "Game/Scene/CameraModificationDeltaSystem.h"
#include "Game/Scene/TransformMatrixRefreshSystem.h"
#include "Game/UI/TextDrawing.h"
#include "Game/UI/UiLayer.h"

namespace Game {

namespace {

const glm::mat4 identity(1.0f);

// The sky is a unit cube around the eye, pushed out beyond everything else.
constexpr float skyboxScale = 100.0f;
const glm::vec3 skyboxTint(0.0f, 1.0f, 0.0f);

// The speed read-out hangs from 32 pixels below the top edge, the frame
// rate from the top edge itself.
constexpr float speedTextDrop = 32.0f;
const glm::vec2 textScale(1.0f, 1.0f);

constexpr float crosshairSize = 12.0f;
// The cursor image has its tip in its top-left corner: the quad is centred,
// so it is moved half a size right and down.
constexpr float cursorSize = 24.0f;

glm::mat4 flatSquare(float x, float y, float size)
{
    return glm::scale(glm::translate(identity, glm::vec3(x, y, 0.0f)), glm::vec3(size, size, 1.0f));
}

void bindTexture(GLenum unit, GLuint texture)
{
    glActiveTexture(unit);
    glBindTexture(GL_TEXTURE_2D, texture);
}

void bindFramebuffer(GLuint framebuffer)
{
    glBindFramebuffer(GL_FRAMEBUFFER, framebuffer);
}

constexpr float screenExtent = 1.0f;
constexpr float screenDepth = 10.0f;
const glm::vec4 white(1.0f, 1.0f, 1.0f, 1.0f);

} // namespace

FrameRenderer::FrameRenderer(const GameContext& game, const GameRun& run, FrameTimeGraph* frameTimeGraph)
    : game(game), run(run), skybox(std::make_unique<Skybox>()), frameTimeGraph(frameTimeGraph)
{
    screenCamera.setOrthographic(-screenExtent, screenExtent, -screenExtent, screenExtent, -screenDepth, screenDepth);
    screenCamera.setDefaultView();
    Engine::GFX::Mesh::MeshBuilder builder;
    builder.addQuad(glm::vec2(-screenExtent), glm::vec2(screenExtent), white, glm::vec2(1.0f));
    screenQuad = std::make_unique<Engine::GFX::Mesh::Model3D>();
    Engine::GFX::Mesh::fillModel(*screenQuad, builder);
}

FrameRenderer::~FrameRenderer() = default;

void FrameRenderer::render(float alpha)
{
    if (frameTimeGraph != nullptr) frameTimeGraph->frameBegins();
    mark("interpolate");
    interpolate(alpha);
    mark("clear");
    beginScene();
    const Camera& camera = useActiveCamera();
    mark("character");
    drawCharacter();
    mark("ghost");
    drawGhost();
    mark("entities");
    drawEntities(alpha);
    mark("level");
    drawLevel();
    mark("sky");
    drawSkybox(camera);
    mark("floor");
    drawFloor();
    // The selection is kept for the next visit, but only the editor shows it.
    const bool editing = run.state.mode == GameState::modeMapEditor;
    if (editing) {
        mark("selection");
        drawSelection(alpha);
    }
    mark("rope");
    drawRope(alpha);
    bindFramebuffer(0);
    setViewport(windowSize());
    if (editing) {
        mark("picking");
        drawPickingPass();
    }
    mark("composite");
    drawComposite();
    if (editing) {
        mark("gizmo");
        drawGizmo();
    }
    mark("overlay");
    drawOverlay();
    restoreState();
    mark("end");
}

// Transforms and cameras blended between the last two steps.
void FrameRenderer::interpolate(float alpha)
{
    glEnable(GL_CULL_FACE);
    Engine::ECS::EntityManager& world = *game.world;
    world.getSystem<TransformMatrixRefreshSystem>().run(alpha);
    world.getSystem<CameraDeltaSystem>().run(alpha);
    world.getSystem<CameraModificationDeltaSystem>().run(alpha);
}

void FrameRenderer::beginScene()
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    bindFramebuffer(game.resources->sceneFBO->framebuffer.name);
    setViewport(game.resources->sceneSize());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

const Camera& FrameRenderer::useActiveCamera()
{
    const uint32_t entity = activeCameraEntity(run.state.mode, run.cameras);
    const Camera& camera = cameraOf(*game.world, entity, game.resources->defaultCamera);
    game.matrices->view = camera.view;
    game.matrices->projection = camera.projection;
    return camera;
}

// The sky lies on the far plane and is drawn after the opaque scene, so only
// the pixels nothing covers pay for it; the floor, which fades into the sky,
// blends over it afterwards.
void FrameRenderer::drawSkybox(const Camera& camera)
{
    GameResources& resources = *game.resources;
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
    use(resources.shaderSkybox.get());
    bindTexture(GL_TEXTURE0, resources.skyboxTexture->name);
    resources.shaderSkybox->setUniform("uColor", skyboxTint);
    game.matrices->setModel(glm::scale(glm::translate(identity, camera.position), glm::vec3(skyboxScale)));
    skybox->model->draw();
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
}

void FrameRenderer::drawCharacter()
{
    GameResources& resources = *game.resources;
    bindTexture(GL_TEXTURE0, resources.defaultTexture->name);
    use(resources.skeletalShader.get());
    const Shader& shader = *resources.skeletalShader;
    const Engine::GFX::BoneMatrixArray& bones = resources.boneMatrices;
    if (!bones.empty()) shader.setUniform("uBones", &bones[0], static_cast<int32_t>(bones.getSize()));
    game.matrices->setModel(identity);
    resources.animatedModel->draw();
}

// The character's running mesh where the best run was at this time of the
// run, turned to its heading and tinted by the shader.
void FrameRenderer::drawGhost()
{
    const std::optional<GhostSample> ghost = race == nullptr ? std::nullopt : race->ghost();
    if (!ghost || run.state.mode != GameState::modeSingleplayer) return;
    const Shader& shader = *game.resources->skeletalShader;
    shader.setUniform("uGhost", 1.0f);
    const glm::vec3 feet = ghost->position - glm::vec3(0.0f, 0.0f, CharacterControllerComponent::standingHeight);
    const glm::vec3 authored(DataFiles::characterPlacementX, DataFiles::characterPlacementY,
                             DataFiles::characterPlacementZ);
    game.matrices->setModel(glm::translate(identity, feet) *
                            glm::rotate(identity, glm::radians(ghost->yaw), glm::vec3(0.0f, 0.0f, 1.0f)) *
                            glm::translate(identity, -authored));
    game.resources->animatedModel->draw();
    shader.setUniform("uGhost", 0.0f);
    game.matrices->setModel(identity);
}

void FrameRenderer::drawEntities(float alpha)
{
    use(game.resources->defaultShader.get());
    game.matrices->setModel(identity);
    game.world->getSystem<DefaultMeshRenderSystem>().run(alpha);
}

void FrameRenderer::drawLevel()
{
    GameResources& resources = *game.resources;
    use(resources.shaderMapGeometry.get());
    bindTexture(GL_TEXTURE0, resources.hexagonTexture->name);
    bindTexture(GL_TEXTURE1, resources.defaultTexture->name);
    game.matrices->setModel(identity);
    if (run.map.mergedModel != nullptr) run.map.mergedModel->draw();
}

void FrameRenderer::drawFloor()
{
    GameResources& resources = *game.resources;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    use(resources.shaderFloor.get());
    bindTexture(GL_TEXTURE0, resources.gridTexture->name);
    game.matrices->setModel(identity);
    glBindSampler(0, resources.floorSampler->name);
    resources.floorQuad->draw();
    glBindSampler(0, 0);
    glDisable(GL_BLEND);
}

// Selected entities are drawn over everything.
void FrameRenderer::drawSelection(float alpha)
{
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    use(game.resources->shaderEntitySelection.get());
    game.world->getSystem<SelectedEntityRenderSystem>().run(alpha);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void FrameRenderer::drawRope(float alpha)
{
    GameResources& resources = *game.resources;
    use(resources.shaderRope.get());
    bindTexture(GL_TEXTURE0, resources.defaultTexture->name);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    game.world->getSystem<GrapplingHookMeshRenderSysten>().run(alpha);
    glDisable(GL_BLEND);
}

// Drawn onto the finished picture with a cleared depth buffer, so neither
// the scene nor the outline pass changes its colours.
void FrameRenderer::drawGizmo()
{
    useActiveCamera();
    glEnable(GL_DEPTH_TEST);
    glClear(GL_DEPTH_BUFFER_BIT);
    drawEditorGrid(*run.editor, *game.matrices, *game.resources);
    drawEditorGizmo(*run.editor, *game.matrices, *game.resources);
    glDisable(GL_DEPTH_TEST);
}

void FrameRenderer::drawPickingPass()
{
    useActiveCamera();
    bindFramebuffer(game.resources->pickingFBO->framebuffer.name);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawEditorPickingPass(*run.editor, *game.matrices, *game.resources);
    bindFramebuffer(0);
}

// The scene's colour darkened by its outlines, scaled up to the window.
void FrameRenderer::drawComposite()
{
    glDisable(GL_DEPTH_TEST);
    game.matrices->view = screenCamera.view;
    game.matrices->projection = screenCamera.projection;
    drawOutlineComposite(outlineCompositeInputs(game, *screenQuad, 0, windowSize()));
}

OutlineCompositeInputs outlineCompositeInputs(const GameContext& game, Engine::GFX::Drawable& screenQuad,
                                              uint32_t destination, glm::ivec2 window)
{
    GameResources& resources = *game.resources;
    OutlineCompositeInputs inputs;
    inputs.matrices = game.matrices;
    inputs.composite = resources.shaderOutlineComposite.get();
    inputs.upscale = resources.shaderSceneUpscale.get();
    inputs.upscaleSampler = resources.upscaleSampler.get();
    inputs.scene = resources.sceneFBO.get();
    inputs.scaled = resources.scaledCompositeFBO.get();
    inputs.screenQuad = &screenQuad;
    inputs.destination = destination;
    inputs.window = window;
    return inputs;
}

// Texts, interface layers, crosshair and cursor, in window pixels. Text
// pixels are stored with premultiplied alpha.
void FrameRenderer::drawOverlay()
{
    GameResources& resources = *game.resources;
    MatrixState& matrices = *game.matrices;
    matrices.view = resources.uiCamera.view;
    matrices.projection = resources.uiCamera.projection;
    use(resources.shaderFontDefault.get());
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    UI::drawText(matrices, *resources.speedText, glm::vec3(0.0f, size().y - speedTextDrop, 0.0f), textScale);
    if (raceHud != nullptr && run.state.mode == GameState::modeSingleplayer) {
        const float below = size().y - speedTextDrop - static_cast<float>(resources.speedText->height);
        raceHud->draw(matrices, glm::vec3(0.0f, below, 0.0f), textScale);
    }
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);

    game.uiLayer->drawLayers();

    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    use(resources.shaderFontDefault.get());
    UI::drawText(matrices, *resources.fpsText, glm::vec3(0.0f, size().y, 0.0f), textScale);

    drawFrameTimeGraph();

    const GameState& state = run.state;
    if (state.mode == GameState::modeSingleplayer && !state.paused) drawCrosshair();
    if (state.uiVisible) drawCursor();
}

void FrameRenderer::drawFrameTimeGraph()
{
    FrameTimeGraph* graph = frameTimeGraph;
    if (graph == nullptr || !graph->shown()) return;
    GameResources& resources = *game.resources;
    graph->draw(*game.matrices, *resources.shaderFrameGraph, *resources.shaderFontDefault,
                size());
    use(resources.shaderFontDefault.get());
}

void FrameRenderer::drawCrosshair()
{
    GameResources& resources = *game.resources;
    const float corner = crosshairSize * 0.5f;
    game.matrices->setModel(
        flatSquare(size().x * 0.5f - corner, size().y * 0.5f - corner, crosshairSize));
    bindTexture(GL_TEXTURE0, resources.crosshairTexture->name);
    resources.unitQuad->draw();
    bindTexture(GL_TEXTURE0, 0);
}

void FrameRenderer::drawCursor()
{
    GameResources& resources = *game.resources;
    use(resources.shaderDefaultPremultipliedAlpha.get());
    const float half = cursorSize * 0.5f;
    const float x = static_cast<float>(game.mouse->glX) + half;
    const float y = static_cast<float>(game.mouse->glY) - half;
    game.matrices->setModel(flatSquare(x, y, cursorSize));
    bindTexture(GL_TEXTURE0, resources.mouseCursorTexture->name);
    resources.uiQuad->draw();
}

void FrameRenderer::restoreState()
{
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void FrameRenderer::use(const Shader* shader)
{
    game.matrices->use(shader);
}

void FrameRenderer::setViewport(glm::ivec2 size)
{
    glViewport(0, 0, size.x, size.y);
}

glm::ivec2 FrameRenderer::windowSize() const
{
    return run.windowSize;
}

void FrameRenderer::mark(const char* pass)
{
    if (observer != nullptr) observer->passBegins(pass);
    FrameTimeGraph* graph = frameTimeGraph;
    FramePassObserver* graphTimer = graph != nullptr ? graph->passObserver() : nullptr;
    if (graphTimer != nullptr) graphTimer->passBegins(pass);
}

} // namespace Game
