#include "Game/Resources/GameResources.h"

#include "Game/Resources/EditorTools.h"

#include <filesystem>
#include <string>

#include <GL/glew.h>

#include "Engine/Animation/AnimationFile.h"
#include "Engine/Animation/SkeletonFile.h"
#include "Engine/Base/DataFileError.h"
#include "Engine/Base/Log.h"
#include "Engine/Graphics/ModelFromBuilder.h"
#include "Engine/Graphics/ModelLoader.h"
#include "Engine/Graphics/ShaderCollection.h"
#include "Engine/Mesh/MeshBuilder.h"
#include "Game/Resources/DataFiles.h"
#include "Game/Resources/ResourceCameras.h"

namespace Game {

namespace {

using Engine::GFX::Texture2D;
using Engine::GFX::Mesh::MeshBuilder;
using Engine::GFX::Mesh::Model3D;

constexpr const char* editorAxisPath = DataFiles::editorAxisMesh.path;

constexpr const char* speedTextStart = "OpenGL Game Engine\nFont Rendering Test";
constexpr const char* fpsTextStart = "FPS";

const char* const editorAxisParts[] = {"center", "center_sphere", "x_axis_transform", "y_axis_transform",
                                       "z_axis_transform"};

const glm::vec4 white(1.0f, 1.0f, 1.0f, 1.0f);
const glm::vec4 yellow(1.0f, 1.0f, 0.0f, 1.0f);
const glm::vec4 red(1.0f, 0.0f, 0.0f, 1.0f);
const glm::vec4 green(0.0f, 1.0f, 0.0f, 1.0f);

// ---- shaders ------------------------------------------------------------------

using ShaderField = std::unique_ptr<Shader> GameResources::*;

struct ShaderEntry {
    const char* name;
    ShaderField field;
};

// The order in which the programs are built.
const ShaderEntry shaderEntries[] = {
    {"defaultShader", &GameResources::defaultShader},
    {"shaderSceneMapMRT", &GameResources::shaderSceneMapMRT},
    {"shaderEntity", &GameResources::shaderEntity},
    {"shaderDepthVisualisation", &GameResources::shaderDepthVisualisation},
    {"skeletalShader", &GameResources::skeletalShader},
    {"shaderFinalComposit", &GameResources::shaderFinalComposit},
    {"shaderMaxDepthWrite", &GameResources::shaderMaxDepthWrite},
    {"shaderMapGeometry", &GameResources::shaderMapGeometry},
    {"shaderEdgeDetection", &GameResources::shaderEdgeDetection},
    {"shaderDefaultWithColorID", &GameResources::shaderDefaultWithColorID},
    {"shaderSkybox", &GameResources::shaderSkybox},
    {"shaderRope", &GameResources::shaderRope},
    {"shaderFloor", &GameResources::shaderFloor},
    {"shaderFontDefault", &GameResources::shaderFontDefault},
    {"shaderPhysicsDebug", &GameResources::shaderPhysicsDebug},
    {"shaderUiBackground", &GameResources::shaderUiBackground},
    {"shaderDefaultPremultipliedAlpha", &GameResources::shaderDefaultPremultipliedAlpha},
    {"shaderEntitySelection", &GameResources::shaderEntitySelection},
    {"shaderEditorAxis", &GameResources::shaderEditorAxis},
    {"shaderEditorAxisID", &GameResources::shaderEditorAxisID},
    {"shaderOutlineComposite", &GameResources::shaderOutlineComposite},
    {"shaderSceneUpscale", &GameResources::shaderSceneUpscale},
    {"shaderFrameGraph", &GameResources::shaderFrameGraph},
};

// ---- textures -----------------------------------------------------------------

using TextureField = std::unique_ptr<Texture2D> GameResources::*;

struct TextureEntry {
    const DataFile& file;
    TextureField field;
};

// The order in which the images are loaded.
const TextureEntry textureEntries[] = {
    {DataFiles::grid, &GameResources::gridTexture},
    {DataFiles::skyBox, &GameResources::skyboxTexture},
    {DataFiles::defaultImage, &GameResources::defaultTexture},
    {DataFiles::hexagon, &GameResources::hexagonTexture},
    {DataFiles::crosshair, &GameResources::crosshairTexture},
    {DataFiles::testBox, &GameResources::uiTestBoxTexture},
    {DataFiles::button, &GameResources::buttonTexture},
    {DataFiles::buttonPressed, &GameResources::buttonPressedTexture},
    {DataFiles::buttonHover, &GameResources::buttonHoverTexture},
    {DataFiles::white, &GameResources::whiteTexture},
    {DataFiles::mouseCursor, &GameResources::mouseCursorTexture},
};

// Expects the texture's image loaded.
void applySetup(Texture2D& texture, TextureSetup setup, float anisotropy)
{
    switch (setup) {
    case TextureSetup::None:
        break;
    case TextureSetup::Mipmaps:
        texture.generateMipmaps();
        break;
    case TextureSetup::SkyBox:
        texture.setFilters(GL_LINEAR, GL_LINEAR);
        texture.setWrap(GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE);
        texture.setMaxAnisotropy(anisotropy);
        break;
    case TextureSetup::PixelatedMipmaps:
        texture.generateMipmaps();
        texture.setFilters(GL_NEAREST_MIPMAP_LINEAR, GL_NEAREST);
        texture.setMaxAnisotropy(anisotropy);
        break;
    case TextureSetup::SmoothMipmaps:
        texture.generateMipmaps();
        texture.setFilters(GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
        texture.setMaxAnisotropy(anisotropy);
        break;
    case TextureSetup::Nearest:
        texture.setFilters(GL_NEAREST, GL_NEAREST);
        break;
    }
}

bool filtersAnisotropically(TextureSetup setup)
{
    return setup == TextureSetup::SkyBox || setup == TextureSetup::PixelatedMipmaps
        || setup == TextureSetup::SmoothMipmaps;
}

std::unique_ptr<Texture2D> loadTexture(const DataFile& file, float anisotropy)
{
    std::unique_ptr<Texture2D> texture = Texture2D::loadFromFile(file.path);
    glActiveTexture(GL_TEXTURE0);
    applySetup(*texture, file.setup, anisotropy);
    return texture;
}

// ---- meshes -------------------------------------------------------------------

template <class Build>
std::unique_ptr<Model3D> buildModel(Build&& build)
{
    MeshBuilder builder;
    build(builder);
    auto model = std::make_unique<Model3D>();
    Engine::GFX::Mesh::fillModel(*model, builder);
    return model;
}

std::unique_ptr<Model3D> makeSphere(float radius, int slices, int stacks, const glm::vec4& colour)
{
    return buildModel([&](MeshBuilder& b) { b.addSphere(glm::vec3(0.0f), radius, slices, stacks, colour); });
}

std::unique_ptr<Model3D> makeFlatQuad(glm::vec2 lowerLeft, glm::vec2 upperRight)
{
    return buildModel([&](MeshBuilder& b) { b.addQuad(lowerLeft, upperRight, white, glm::vec2(1.0f)); });
}

} // namespace

glm::ivec2 scaledTargetSize(glm::ivec2 window, float scale)
{
    const glm::vec2 scaled = glm::round(glm::vec2(window) * scale);
    return glm::max(glm::ivec2(scaled), glm::ivec2(1));
}

GameResources::GameResources(int32_t width, int32_t height, float requestedAnisotropy, float renderScale)
    : sceneScale(renderScale)
{
    unitQuad = makeFlatQuad(glm::vec2(0.0f), glm::vec2(1.0f));
    loadCharacter();
    loadText();
    createCameras(static_cast<float>(width), static_cast<float>(height));
    createFramebuffers(glm::ivec2(width, height));
    loadShaders();
    const float anisotropy = Engine::GFX::chooseAnisotropy(requestedAnisotropy, Engine::GFX::maxAnisotropy());
    createSamplers(anisotropy);
    loadTextures(anisotropy);
    generateMeshes();
    loadEditorAxisMesh();
}

void GameResources::resizeTargets(int32_t width, int32_t height)
{
    createCameras(static_cast<float>(width), static_cast<float>(height));
    createFramebuffers(glm::ivec2(width, height));
}

void GameResources::setRenderScale(float scale)
{
    sceneScale = scale;
    createSceneTarget(windowSize());
}

void GameResources::applyAnisotropy(float anisotropy)
{
    floorSampler->setMaxAnisotropy(anisotropy);
    glActiveTexture(GL_TEXTURE0);
    for (const TextureEntry& entry : textureEntries) {
        if (filtersAnisotropically(entry.file.setup)) (this->*entry.field)->setMaxAnisotropy(anisotropy);
    }
}

void GameResources::loadCharacter()
{
    animatedModel = Engine::GFX::Mesh::loadSkinnedMesh(DataFiles::characterMesh.path);
    skeleton = Engine::GFX::readSkeletonFile(DataFiles::skeleton.path);
    runningClip = Engine::GFX::readAnimationFile(DataFiles::runningClip.path);
    boneMatrices.assign(animatedModel->bones.size(), glm::mat4(1.0f));
}

void GameResources::loadText()
{
    const std::filesystem::path fontPath(DataFiles::fontDescription.path);
    font = Engine::GFX::Font::load(fontPath.parent_path().string() + "/", fontPath.filename().string());
    speedText = std::make_unique<Engine::GFX::TextMesh>(font.get(), speedTextStart);
    speedText->rebuild();
    fpsText = std::make_unique<Engine::GFX::TextMesh>(font.get(), fpsTextStart);
    fpsText->rebuild();
}

void GameResources::createCameras(float width, float height)
{
    defaultCamera = makeDefaultCamera(width, height);
    secondCamera = makeSecondCamera(width, height);
    uiCamera = makeUiCamera(width, height);
}

void GameResources::createFramebuffers(glm::ivec2 window)
{
    createSceneTarget(window);
    pickingFBO = std::make_unique<Engine::GFX::RenderTarget>(window.x, window.y, 1,
                                                             Engine::GFX::DepthStorage::Renderbuffer);
}

void GameResources::createSceneTarget(glm::ivec2 window)
{
    using Engine::GFX::RenderTarget;
    const glm::ivec2 size = scaledTargetSize(window, sceneScale);
    sceneFBO = std::make_unique<RenderTarget>(size.x, size.y, 2, Engine::GFX::DepthStorage::Texture);
    scaledCompositeFBO.reset();
    if (size != window)
        scaledCompositeFBO = std::make_unique<RenderTarget>(size.x, size.y, 1, Engine::GFX::DepthStorage::None);
}

glm::ivec2 GameResources::targetSize(const Engine::GFX::RenderTarget& target)
{
    const Engine::GFX::Texture2D& colour = target.colour(0);
    return glm::ivec2(colour.width, colour.height);
}

void GameResources::loadShaders()
{
    Engine::log("SHADERGEN");
    ShaderCollection collection(ShaderCollection::defaultShaderDirectory, ShaderCollection::defaultShaderList);
    // A missing or damaged list is bad data, not a programming error: say
    // which shader it lacks instead of failing the collection's assertion.
    for (const ShaderEntry& entry : shaderEntries) {
        if (!collection.iniData->hasSection(entry.name)) {
            throw Engine::DataFileError(ShaderCollection::defaultShaderList,
                                        std::string("no section for the shader '") + entry.name + "'");
        }
    }
    for (const ShaderEntry& entry : shaderEntries) {
        this->*entry.field = collection.load(entry.name);
    }
    Engine::log("SHADER END");
}

void GameResources::createSamplers(float anisotropy)
{
    floorSampler = std::make_unique<Engine::GFX::Sampler>();
    floorSampler->setFilters(GL_LINEAR_MIPMAP_LINEAR, GL_LINEAR);
    floorSampler->setWrap(GL_REPEAT, GL_REPEAT);
    floorSampler->setMaxAnisotropy(anisotropy);
    edgeSampler = std::make_unique<Engine::GFX::Sampler>();
    edgeSampler->setFilters(GL_NEAREST, GL_NEAREST);
    edgeSampler->setWrap(GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE);
    upscaleSampler = std::make_unique<Engine::GFX::Sampler>();
    upscaleSampler->setFilters(GL_LINEAR, GL_LINEAR);
    upscaleSampler->setWrap(GL_CLAMP_TO_EDGE, GL_CLAMP_TO_EDGE);
}

void GameResources::loadTextures(float anisotropy)
{
    for (const TextureEntry& entry : textureEntries) {
        this->*entry.field = loadTexture(entry.file, anisotropy);
    }
    toolIcons.clear();
    for (const EditorTool& tool : editorTools) toolIcons.push_back(loadTexture(tool.icon, anisotropy));
}

void GameResources::generateMeshes()
{
    Engine::log("Mesh Loading");
    yellowSphere = makeSphere(1.0f, 6, 6, yellow);
    redSphere = makeSphere(1.0f, 32, 16, red);
    whiteCube = buildModel([](MeshBuilder& b) { b.addBox(glm::vec3(-0.5f), glm::vec3(0.5f), white); });
    smallGreenSphere = makeSphere(0.1f, 5, 5, green);
    floorQuad = buildModel([](MeshBuilder& b) {
        b.addHorizontalRectangle(glm::vec3(80.0f, 80.0f, 0.0f), glm::vec3(-80.0f, -80.0f, 0.0f), white,
                                 glm::vec2(160.0f, 160.0f));
    });
    ropeCylinder = buildModel([](MeshBuilder& b) { b.addCylinder(glm::vec3(0.0f), 1.0f, 0.025f, red); });
    uiQuad = makeFlatQuad(glm::vec2(-0.5f), glm::vec2(0.5f));
}

void GameResources::loadEditorAxisMesh()
{
    editorAxisMesh = Engine::GFX::Mesh::loadStaticModel(editorAxisPath);
    for (const char* part : editorAxisParts) {
        if (editorAxisMesh->nameToIndex.count(part) == 0) {
            throw Engine::DataFileError(editorAxisPath, std::string("missing mesh part '") + part + "'");
        }
    }
}

} // namespace Game
