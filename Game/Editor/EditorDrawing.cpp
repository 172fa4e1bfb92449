#include "Game/Editor/EditorDrawing.h"

#include "Engine/Base/Assert.h"
#include "Engine/Graphics/ColouredLines.h"
#include "Engine/Graphics/MatrixState.h"
#include "Engine/Graphics/Model3D.h"
#include "Engine/Graphics/Shader.h"
#include "Game/Resources/GameResources.h"
#include "Game/Editor/EditorState.h"
#include "Game/Editor/SnapGrid.h"

#include <GL/glew.h>
#include <glm/gtc/matrix_transform.hpp>
#include <glm/gtc/type_ptr.hpp>

#include <algorithm>

namespace Game {

namespace {

constexpr const char* colourUniform = "uColor";
constexpr const char* normalMatrixUniform = "uNormalMatrix";
constexpr const char* borderScaleUniform = "uBorderScale";
// Units of the gizmo mesh the picking shapes grow by, so handles are easier
// to hit.
constexpr float pickingBorder = 0.06f;
constexpr float opaque = 1.0f;
constexpr float byteScale = 255.0f;
// The snap grid: a 10 m square about the selection, pale blue at its middle.
constexpr float gridHalfSide = 5.0f;
const glm::vec3 gridColour(0.35f, 0.55f, 0.75f);

struct PickingPart {
    const char* name;
    uint32_t axis;
};

const PickingPart pickingParts[] = {
    {"x_axis_transform", EditorState::xAxis},
    {"y_axis_transform", EditorState::yAxis},
    {"z_axis_transform", EditorState::zAxis},
    {"center_sphere", EditorState::centreAxis},
};

void setColour(const Shader& shader, const glm::vec4& colour)
{
    shader.setUniform(colourUniform, colour);
}

void drawPart(const GizmoResources& gizmo, const Shader& shader, const char* part, const glm::vec4& colour)
{
    setColour(shader, colour);
    gizmo.axisMesh->drawPart(part);
}

// An arrow spans this share of the view's height (100 of 720 pixels).
constexpr float arrowShareOfHeight = 100.0f / 720.0f;
// Keeps the scale positive when the gizmo is at or behind the eye.
constexpr float nearestDepth = 1e-3f;

float scaleOf(const EditorState& editor, const MatrixState& matrices, const GizmoResources& gizmo)
{
    if (!gizmo.constantScreenSize) return 1.0f;
    return gizmoScale(matrices.view, matrices.projection, editor.gizmoPosition);
}

glm::mat4 gizmoModel(const EditorState& editor, float scale)
{
    return glm::scale(glm::translate(glm::mat4(1.0f), editor.gizmoPosition), glm::vec3(scale));
}

// Turns model-space normals into world space.
glm::mat3 normalMatrix(const glm::mat4& model)
{
    return glm::transpose(glm::inverse(glm::mat3(model)));
}

// The direction a view matrix looks in, in world space.
glm::vec3 viewDirectionOf(const glm::mat4& view)
{
    return -glm::vec3(view[0][2], view[1][2], view[2][2]);
}

void requireGizmo(const GizmoResources& gizmo)
{
    GAME_ASSERT(gizmo.axisShader != nullptr);
    GAME_ASSERT(gizmo.axisIdShader != nullptr);
    GAME_ASSERT(gizmo.axisMesh != nullptr);
}

} // namespace

GizmoResources gizmoResourcesOf(GameResources& resources)
{
    return GizmoResources{resources.shaderEditorAxis.get(), resources.shaderEditorAxisID.get(),
                          resources.editorAxisMesh.get(), true};
}

// A length L at clip depth w covers L * projection[1][1] / w of the two
// units of normalised height.
float gizmoScale(const glm::mat4& view, const glm::mat4& projection, const glm::vec3& position)
{
    const float depth = std::max((projection * view * glm::vec4(position, 1.0f)).w, nearestDepth);
    return 2.0f * arrowShareOfHeight * depth / projection[1][1];
}

void drawEditorGizmo(const EditorState& editor, MatrixState& matrices, const GizmoResources& gizmo)
{
    if (editor.selection.empty()) return;
    requireGizmo(gizmo);
    const Shader& shader = *gizmo.axisShader;
    glDisable(GL_BLEND);
    matrices.use(shader);
    matrices.setModel(gizmoModel(editor, scaleOf(editor, matrices, gizmo)));
    drawPart(gizmo, shader, "center", glm::vec4(editor.centreColours.current, opaque));
    drawPart(gizmo, shader, "x_axis_transform", glm::vec4(editor.xColours.current, opaque));
    drawPart(gizmo, shader, "y_axis_transform", glm::vec4(editor.yColours.current, opaque));
    drawPart(gizmo, shader, "z_axis_transform", glm::vec4(editor.zColours.current, opaque));
    glDisable(GL_BLEND);
}

void drawEditorGizmo(const EditorState& editor, MatrixState& matrices, GameResources& resources)
{
    drawEditorGizmo(editor, matrices, gizmoResourcesOf(resources));
}

void drawEditorGrid(const EditorState& editor, MatrixState& matrices, const Shader& lineShader)
{
    const std::optional<BlockDrag>& drag = editor.editing.drag;
    if (!drag || drag->tool != Tool::translate) return;
    const std::vector<float> vertices =
        snapGridVertices(gridPlaneOf(*drag, viewDirectionOf(matrices.view)), drag->steps.length, gridHalfSide, gridColour);
    // Made per frame: the grid exists only while a drag runs.
    const Engine::GFX::ColouredLines lines(vertices.data(), vertices.size() / Engine::GFX::ColouredLines::floatsPerVertex);
    matrices.use(lineShader);
    matrices.setModel(glm::mat4(1.0f));
    // A guide over the picture: nothing hides it, and it hides nothing.
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE);
    lines.draw();
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
}

void drawEditorGrid(const EditorState& editor, MatrixState& matrices, GameResources& resources)
{
    drawEditorGrid(editor, matrices, *resources.shaderPhysicsDebug);
}

void drawEditorPickingPass(const EditorState& editor, MatrixState& matrices, const GizmoResources& gizmo)
{
    // No selection, no gizmo: a press there must reach the block behind.
    if (editor.selection.empty()) return;
    requireGizmo(gizmo);
    const Shader& shader = *gizmo.axisIdShader;
    const float scale = scaleOf(editor, matrices, gizmo);
    const glm::mat4 model = gizmoModel(editor, scale);
    matrices.use(shader);
    matrices.setModel(model);
    shader.setUniform(normalMatrixUniform, normalMatrix(model));
    shader.setUniform(borderScaleUniform, pickingBorder * scale);
    for (const PickingPart& part : pickingParts) {
        drawPart(gizmo, shader, part.name, glm::vec4(part.axis / byteScale, 0.0f, 0.0f, opaque));
    }
}

void drawEditorPickingPass(const EditorState& editor, MatrixState& matrices, GameResources& resources)
{
    drawEditorPickingPass(editor, matrices, gizmoResourcesOf(resources));
}

} // namespace Game
