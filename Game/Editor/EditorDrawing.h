#pragma once

#include <glm/glm.hpp>

class MatrixState;
class Shader;

namespace Engine::GFX::Mesh {
class Model3Di;
}

namespace Game {

class GameResources;
struct EditorState;

// What the gizmo is drawn with: the axis mesh with its named parts "center",
// "center_sphere", "x_axis_transform", "y_axis_transform" and
// "z_axis_transform", the visible program and the picking program.
struct GizmoResources {
    const Shader* axisShader = nullptr;
    const Shader* axisIdShader = nullptr;
    Engine::GFX::Mesh::Model3Di* axisMesh = nullptr;
    // Scaled by gizmoScale, so the handles keep their size on screen;
    // otherwise drawn at the mesh's own size in world units.
    bool constantScreenSize = false;
};

// The gizmo's scale at `position` that makes its 1 m arrows about 100
// pixels long on a 720-pixel-high view (the same share of any other height),
// whatever the distance.
float gizmoScale(const glm::mat4& view, const glm::mat4& projection, const glm::vec3& position);

GizmoResources gizmoResourcesOf(GameResources& resources);

// The visible gizmo at the gizmo position, each handle in its current
// colour; only while something is selected. Draws into whatever target is
// bound, with the caller's camera; leaves blending off.
void drawEditorGizmo(const EditorState& editor, MatrixState& matrices, const GizmoResources& gizmo);
void drawEditorGizmo(const EditorState& editor, MatrixState& matrices, GameResources& resources);

// The snap grid while a translate drag runs: lines a snap step apart on the
// plane of the motion, about the selection, fading towards the edge of a
// 10 m square (additive, so faded lines vanish); drawn over the scene with
// the caller's camera, writing no depth. Restores the game's blend function.
void drawEditorGrid(const EditorState& editor, MatrixState& matrices, const Shader& lineShader);
void drawEditorGrid(const EditorState& editor, MatrixState& matrices, GameResources& resources);

// The handles' ids (red 1 to 4) into the bound picking target, slightly
// enlarged; drawn whether or not anything is selected, so hovering works at
// the last gizmo position.
void drawEditorPickingPass(const EditorState& editor, MatrixState& matrices, const GizmoResources& gizmo);
void drawEditorPickingPass(const EditorState& editor, MatrixState& matrices, GameResources& resources);

} // namespace Game
