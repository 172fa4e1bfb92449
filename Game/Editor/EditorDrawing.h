#pragma once

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
};

GizmoResources gizmoResourcesOf(GameResources& resources);

// The visible gizmo at the gizmo position, each handle in its current
// colour; only while something is selected. Draws into whatever target is
// bound, with the caller's camera; leaves blending off.
void drawEditorGizmo(const EditorState& editor, MatrixState& matrices, const GizmoResources& gizmo);
void drawEditorGizmo(const EditorState& editor, MatrixState& matrices, GameResources& resources);

// The handles' ids (red 1 to 4) into the bound picking target, slightly
// enlarged; drawn whether or not anything is selected, so hovering works at
// the last gizmo position.
void drawEditorPickingPass(const EditorState& editor, MatrixState& matrices, const GizmoResources& gizmo);
void drawEditorPickingPass(const EditorState& editor, MatrixState& matrices, GameResources& resources);

} // namespace Game
