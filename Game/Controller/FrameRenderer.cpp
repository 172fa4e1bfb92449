#include "Game/Controller/FrameRenderer.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include "Engine/Core/MouseState.h"
#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/Model3D.h"
#include "Game/Resources/GameResources.h"
#include "Game/Resources/GameState.h"
#include "Game/Controller/FrameTimeGraph.h"
#include "Game/Controller/Skybox.h"
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

void setUniform(const Shader& shader, const char* name, const glm::vec3& value)
{
    if (shader.hasUniform(name)) glUniform3f(shader.getUniformLocation(name), value.x, value.y, value.z);
}

} // namespace

void FrameRenderer::render(float alpha)
{
    if (sources.frameTimeGraph != nullptr) sources.frameTimeGraph->frameBegins();
    mark("interpolate");
    interpolate(alpha);
    mark("clear");
    beginScene();
    const Camera& camera = useActiveCamera();
    mark("character");
    drawCharacter();
    mark("entities");
    drawEntities(alpha);
    mark("level");
    drawLevel();
    mark("sky");
    drawSkybox(camera);
    mark("floor");
    drawFloor();
    // The selection is kept for the next visit, but only the editor shows it.
    const bool editing = sources.gameState->mode == GameState::modeMapEditor;
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
    Engine::ECS::EntityManager& world = *sources.world;
    world.getSystem<TransformMatrixRefreshSystem>().run(alpha);
    world.getSystem<CameraDeltaSystem>().run(alpha);
    world.getSystem<CameraModificationDeltaSystem>().run(alpha);
}

void FrameRenderer::beginScene()
{
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glEnable(GL_DEPTH_TEST);
    bindFramebuffer(sources.resources->sceneFBO->framebuffer.name);
    setViewport(sources.resources->sceneSize());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

const Camera& FrameRenderer::useActiveCamera()
{
    const uint32_t entity = activeCameraEntity(sources.gameState->mode, sources.cameras);
    const Camera& camera = cameraOf(*sources.world, entity, sources.resources->defaultCamera);
    sources.matrices->view = camera.view;
    sources.matrices->projection = camera.projection;
    return camera;
}

// The sky lies on the far plane and is drawn after the opaque scene, so only
// the pixels nothing covers pay for it; the floor, which fades into the sky,
// blends over it afterwards.
void FrameRenderer::drawSkybox(const Camera& camera)
{
    GameResources& resources = *sources.resources;
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
    use(resources.shaderSkybox.get());
    bindTexture(GL_TEXTURE0, resources.skyboxTexture->name);
    setUniform(*resources.shaderSkybox, "uColor", skyboxTint);
    sources.matrices->setModel(glm::scale(glm::translate(identity, camera.position), glm::vec3(skyboxScale)));
    sources.skybox->model->draw();
    glDepthFunc(GL_LESS);
    glDepthMask(GL_TRUE);
}

void FrameRenderer::drawCharacter()
{
    GameResources& resources = *sources.resources;
    bindTexture(GL_TEXTURE0, resources.defaultTexture->name);
    use(resources.skeletalShader.get());
    const Shader& shader = *resources.skeletalShader;
    const Engine::GFX::BoneMatrixArray& bones = resources.boneMatrices;
    if (shader.hasUniform("uBones") && !bones.empty())
        glUniformMatrix4fv(shader.getUniformLocation("uBones"), bones.getSize(), GL_FALSE, glm::value_ptr(bones[0]));
    sources.matrices->setModel(identity);
    resources.animatedModel->draw();
}

void FrameRenderer::drawEntities(float alpha)
{
    use(sources.resources->defaultShader.get());
    sources.matrices->setModel(identity);
    sources.world->getSystem<DefaultMeshRenderSystem>().run(alpha);
}

void FrameRenderer::drawLevel()
{
    GameResources& resources = *sources.resources;
    use(resources.shaderMapGeometry.get());
    bindTexture(GL_TEXTURE0, resources.hexagonTexture->name);
    bindTexture(GL_TEXTURE1, resources.defaultTexture->name);
    sources.matrices->setModel(identity);
    if (sources.gameMap->mergedModel != nullptr) sources.gameMap->mergedModel->draw();
}

void FrameRenderer::drawFloor()
{
    GameResources& resources = *sources.resources;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    use(resources.shaderFloor.get());
    bindTexture(GL_TEXTURE0, resources.gridTexture->name);
    sources.matrices->setModel(identity);
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
    use(sources.resources->shaderEntitySelection.get());
    sources.world->getSystem<SelectedEntityRenderSystem>().run(alpha);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void FrameRenderer::drawRope(float alpha)
{
    GameResources& resources = *sources.resources;
    use(resources.shaderRope.get());
    bindTexture(GL_TEXTURE0, resources.defaultTexture->name);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    sources.world->getSystem<GrapplingHookMeshRenderSysten>().run(alpha);
    glDisable(GL_BLEND);
}

// Drawn onto the finished picture with a cleared depth buffer, so neither
// the scene nor the outline pass changes its colours.
void FrameRenderer::drawGizmo()
{
    useActiveCamera();
    glEnable(GL_DEPTH_TEST);
    glClear(GL_DEPTH_BUFFER_BIT);
    drawEditorGizmo(*sources.editorState, *sources.matrices, *sources.resources);
    glDisable(GL_DEPTH_TEST);
}

void FrameRenderer::drawPickingPass()
{
    useActiveCamera();
    bindFramebuffer(sources.resources->pickingFBO->framebuffer.name);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    drawEditorPickingPass(*sources.editorState, *sources.matrices, *sources.resources);
    bindFramebuffer(0);
}

// The scene's colour darkened by its outlines, scaled up to the window.
void FrameRenderer::drawComposite()
{
    GameResources& resources = *sources.resources;
    glDisable(GL_DEPTH_TEST);
    sources.matrices->view = sources.screenCamera->view;
    sources.matrices->projection = sources.screenCamera->projection;
    OutlineCompositeInputs composite;
    composite.matrices = sources.matrices;
    composite.composite = resources.shaderOutlineComposite.get();
    composite.upscale = resources.shaderSceneUpscale.get();
    composite.upscaleSampler = resources.upscaleSampler.get();
    composite.scene = resources.sceneFBO.get();
    composite.scaled = resources.scaledCompositeFBO.get();
    composite.screenQuad = sources.screenQuad;
    composite.window = windowSize();
    drawOutlineComposite(composite);
}

// Texts, interface layers, crosshair and cursor, in window pixels. Text
// pixels are stored with premultiplied alpha.
void FrameRenderer::drawOverlay()
{
    GameResources& resources = *sources.resources;
    MatrixState& matrices = *sources.matrices;
    matrices.view = resources.uiCamera.view;
    matrices.projection = resources.uiCamera.projection;
    use(resources.shaderFontDefault.get());
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    UI::drawText(matrices, *resources.speedText, glm::vec3(0.0f, sources.height - speedTextDrop, 0.0f), textScale);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);

    sources.uiLayer->drawLayers();

    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    use(resources.shaderFontDefault.get());
    UI::drawText(matrices, *resources.fpsText, glm::vec3(0.0f, sources.height, 0.0f), textScale);

    drawFrameTimeGraph();

    const GameState& state = *sources.gameState;
    if (state.mode == GameState::modeSingleplayer && !state.paused) drawCrosshair();
    if (state.uiVisible) drawCursor();
}

void FrameRenderer::drawFrameTimeGraph()
{
    FrameTimeGraph* graph = sources.frameTimeGraph;
    if (graph == nullptr || !graph->shown()) return;
    GameResources& resources = *sources.resources;
    graph->draw(*sources.matrices, *resources.shaderFrameGraph, *resources.shaderFontDefault,
                glm::vec2(sources.width, sources.height));
    use(resources.shaderFontDefault.get());
}

void FrameRenderer::drawCrosshair()
{
    GameResources& resources = *sources.resources;
    const float corner = crosshairSize * 0.5f;
    sources.matrices->setModel(
        flatSquare(sources.width * 0.5f - corner, sources.height * 0.5f - corner, crosshairSize));
    bindTexture(GL_TEXTURE0, resources.crosshairTexture->name);
    resources.unitQuad->draw();
    bindTexture(GL_TEXTURE0, 0);
}

void FrameRenderer::drawCursor()
{
    GameResources& resources = *sources.resources;
    use(resources.shaderDefaultPremultipliedAlpha.get());
    const float half = cursorSize * 0.5f;
    const float x = static_cast<float>(sources.mouse->glX) + half;
    const float y = static_cast<float>(sources.mouse->glY) - half;
    sources.matrices->setModel(flatSquare(x, y, cursorSize));
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
    sources.matrices->use(shader);
}

void FrameRenderer::setViewport(glm::ivec2 size)
{
    glViewport(0, 0, size.x, size.y);
}

glm::ivec2 FrameRenderer::windowSize() const
{
    return glm::ivec2(sources.width, sources.height);
}

void FrameRenderer::mark(const char* pass)
{
    if (sources.observer != nullptr) sources.observer->passBegins(pass);
    FrameTimeGraph* graph = sources.frameTimeGraph;
    FramePassObserver* graphTimer = graph != nullptr ? graph->passObserver() : nullptr;
    if (graphTimer != nullptr) graphTimer->passBegins(pass);
}

} // namespace Game
