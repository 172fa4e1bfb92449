#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "Engine/Animation/Animation.h"
#include "Engine/Animation/BoneMatrixArray.h"
#include "Engine/Animation/SkeletalAnimation.h"
#include "Engine/Font/Font.h"
#include "Engine/Font/TextMesh.h"
#include "Engine/Graphics/Model3D.h"
#include "Engine/Graphics/Shader.h"
#include "Engine/Graphics/SkeletalMesh.h"
#include "Engine/Graphics/Texture2D.h"
#include "Engine/Graphics/RenderTarget.h"
#include "Engine/Graphics/Sampler.h"
#include "Game/Scene/Camera.h"

namespace Game {

// The size of a target drawn at `scale` of the window's size: each side
// rounded to whole pixels, at least one.
glm::ivec2 scaledTargetSize(glm::ivec2 window, float scale);

// Everything the game draws with, loaded once at start-up with the GL context
// current and kept for the whole run; other code reaches it by field.
//
// Loading problems are handled by the loader of each kind: a missing image
// gives an empty texture, a missing font prints "MISSING FILE: <path>" and
// gives an empty font, shader compile errors are printed; the game goes on in
// all these cases. A missing or corrupt mesh, skeleton or clip file, a font
// with a malformed number and an editor axis mesh without one of its named
// parts throw Engine::DataFileError naming the file.
class GameResources {
public:
    // Loads everything in a fixed order, logging "SHADERGEN", "SHADER END"
    // and "Mesh Loading" on the way. The size fixes the framebuffers and the
    // 2D camera; the scene's targets are made at `renderScale` of it.
    // Textures and the floor sampler filter with the requested anisotropy
    // (see chooseAnisotropy); by default the driver's largest.
    GameResources(int32_t width, int32_t height, float requestedAnisotropy = 0.0f, float renderScale = 1.0f);
    GameResources(const GameResources&) = delete;
    GameResources& operator=(const GameResources&) = delete;

    // A new window size: the framebuffers are made again at that size (the
    // scene's at the render scale's share of it) and the cameras refitted.
    void resizeTargets(int32_t width, int32_t height);
    // The scene's targets made again at this share of the window's size.
    void setRenderScale(float scale);
    float renderScale() const { return sceneScale; }
    glm::ivec2 windowSize() const { return targetSize(*pickingFBO); }
    glm::ivec2 sceneSize() const { return targetSize(*sceneFBO); }
    // Anisotropy for the floor sampler and the textures that filter with it.
    void applyAnisotropy(float anisotropy);

    // Quad (0, 0) .. (1, 1), white: the crosshair.
    std::unique_ptr<Engine::GFX::Mesh::Model3D> unitQuad;

    // The running character: skinned mesh, its skeleton, its clip and the
    // palette uploaded as "uBones" (one matrix per bone).
    std::unique_ptr<Engine::GFX::Mesh::SkeletalMesh> animatedModel;
    std::unique_ptr<Engine::GFX::SkeletalAnimation> skeleton;
    std::unique_ptr<Engine::GFX::Animation> runningClip;
    Engine::GFX::BoneMatrixArray boneMatrices;

    std::unique_ptr<Engine::GFX::Font> font;
    // The speed read-out (top left) and the frame-rate read-out.
    std::unique_ptr<Engine::GFX::TextMesh> speedText;
    std::unique_ptr<Engine::GFX::TextMesh> fpsText;

    Camera defaultCamera;
    Camera uiCamera;
    Camera secondCamera;

    // Scene: two colour targets and a depth texture, at the render scale's
    // share of the window; scaled composite: one colour target of the
    // scene's size, only while that is smaller than the window; picking:
    // one colour target and a depth renderbuffer, at the window's size.
    std::unique_ptr<Engine::GFX::RenderTarget> sceneFBO;
    std::unique_ptr<Engine::GFX::RenderTarget> scaledCompositeFBO;
    std::unique_ptr<Engine::GFX::RenderTarget> pickingFBO;

    // Named as in the shader list.
    std::unique_ptr<Shader> defaultShader;
    std::unique_ptr<Shader> skeletalShader;
    std::unique_ptr<Shader> shaderDefaultWithColorID;
    std::unique_ptr<Shader> shaderSceneMapMRT;
    std::unique_ptr<Shader> shaderEntity;
    std::unique_ptr<Shader> shaderSkybox;
    std::unique_ptr<Shader> shaderRope;
    std::unique_ptr<Shader> shaderMapGeometry;
    std::unique_ptr<Shader> shaderDepthVisualisation;
    std::unique_ptr<Shader> shaderFinalComposit;
    std::unique_ptr<Shader> shaderMaxDepthWrite;
    std::unique_ptr<Shader> shaderEdgeDetection;
    std::unique_ptr<Shader> shaderFloor;
    std::unique_ptr<Shader> shaderFontDefault;
    std::unique_ptr<Shader> shaderPhysicsDebug;
    std::unique_ptr<Shader> shaderUiBackground;
    std::unique_ptr<Shader> shaderDefaultPremultipliedAlpha;
    std::unique_ptr<Shader> shaderEntitySelection;
    std::unique_ptr<Shader> shaderEditorAxis;
    std::unique_ptr<Shader> shaderEditorAxisID;
    std::unique_ptr<Shader> shaderOutlineComposite;
    std::unique_ptr<Shader> shaderSceneUpscale;
    std::unique_ptr<Shader> shaderFrameGraph;

    // Floor: trilinear, repeating, most anisotropic. Edge: nearest, clamped.
    // Upscale: linear, clamped, for the scaled composite.
    std::unique_ptr<Engine::GFX::Sampler> floorSampler;
    std::unique_ptr<Engine::GFX::Sampler> edgeSampler;
    std::unique_ptr<Engine::GFX::Sampler> upscaleSampler;

    std::unique_ptr<Engine::GFX::Texture2D> gridTexture;
    std::unique_ptr<Engine::GFX::Texture2D> defaultTexture;
    std::unique_ptr<Engine::GFX::Texture2D> hexagonTexture;
    std::unique_ptr<Engine::GFX::Texture2D> skyboxTexture;
    std::unique_ptr<Engine::GFX::Texture2D> crosshairTexture;
    std::unique_ptr<Engine::GFX::Texture2D> uiTestBoxTexture;
    std::unique_ptr<Engine::GFX::Texture2D> buttonTexture;
    std::unique_ptr<Engine::GFX::Texture2D> buttonPressedTexture;
    std::unique_ptr<Engine::GFX::Texture2D> buttonHoverTexture;
    std::unique_ptr<Engine::GFX::Texture2D> whiteTexture;
    std::unique_ptr<Engine::GFX::Texture2D> mouseCursorTexture;
    // One icon per editor tool, in the order of editorTools.
    std::vector<std::unique_ptr<Engine::GFX::Texture2D>> toolIcons;

    std::unique_ptr<Engine::GFX::Mesh::Model3D> yellowSphere; // held item
    std::unique_ptr<Engine::GFX::Mesh::Model3D> floorQuad;
    std::unique_ptr<Engine::GFX::Mesh::Model3D> redSphere;
    std::unique_ptr<Engine::GFX::Mesh::Model3D> uiQuad; // (-0.5, -0.5) .. (0.5, 0.5): the mouse cursor
    std::unique_ptr<Engine::GFX::Mesh::Model3D> whiteCube; // selection overlays
    std::unique_ptr<Engine::GFX::Mesh::Model3D> smallGreenSphere;
    std::unique_ptr<Engine::GFX::Mesh::Model3D> ropeCylinder; // 0 .. 1 along +z

    // Holds the parts "center", "center_sphere", "x_axis_transform",
    // "y_axis_transform" and "z_axis_transform".
    std::unique_ptr<Engine::GFX::Mesh::Model3Di> editorAxisMesh;

private:
    void loadCharacter();
    void loadText();
    void createCameras(float width, float height);
    void createFramebuffers(glm::ivec2 window);
    void createSceneTarget(glm::ivec2 window);
    static glm::ivec2 targetSize(const Engine::GFX::RenderTarget& target);
    void loadShaders();
    void createSamplers(float anisotropy);
    void loadTextures(float anisotropy);
    void generateMeshes();
    void loadEditorAxisMesh();

    float sceneScale = 1.0f;
};

} // namespace Game
