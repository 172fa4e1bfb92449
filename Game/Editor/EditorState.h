#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include <glm/glm.hpp>

#include "Game/Editor/DragMaths.h"
#include "Game/Editor/EditHistory.h"
#include "Game/Editor/ViewMaths.h"

namespace Game {

// The colours of one gizmo handle: its own, the one it shows while the
// mouse is over it, and the one it is drawn with now.
struct AxisColours {
    glm::vec3 base;
    glm::vec3 highlight;
    glm::vec3 current;

    AxisColours(const glm::vec3& base, const glm::vec3& highlight) : base(base), highlight(highlight), current(base) {}
};

// What the editing tools keep between update steps.
struct EditingState {
    Tool tool = Tool::translate;
    EditHistory history;
    // The handle drag in progress, while the left button is held.
    std::optional<BlockDrag> drag;
    // A message for the tool bar (what a save did, a refused edit) and the
    // update steps it stays there.
    std::string status;
    uint32_t statusSteps = 0;
    // What Ctrl snaps drags to; `[` and `]` change it.
    SnapSteps steps;
    // The editor camera's move towards the selection after F.
    std::optional<CameraFlight> flight;
    // Ctrl+C and Ctrl+X keep the selection here, relative to its centre.
    std::vector<BlockPose> clipboard;
};

// A rectangle being dragged out from empty space with the left button; with
// Shift held at the start it adds to the selection.
struct BoxSelection {
    ScreenRect rect;
    bool adds = false;
};

// The map editor's state, kept for the whole run: selections survive leaving
// and re-entering the editor.
struct EditorState {
    // Handle ids, as the red byte of the picking target holds them.
    static constexpr uint32_t noAxis = 0;
    static constexpr uint32_t xAxis = 1;
    static constexpr uint32_t yAxis = 2;
    static constexpr uint32_t zAxis = 3;
    static constexpr uint32_t centreAxis = 4;

    // The handle under the mouse when the left button last went down.
    uint32_t activeAxis = noAxis;
    // Where the gizmo is drawn: the mean position of the selection.
    glm::vec3 gizmoPosition{0.0f};

    AxisColours xColours{{1.0f, 0.0f, 0.0f}, {1.0f, 0.4f, 0.4f}};
    AxisColours yColours{{76.0f / 255.0f, 1.0f, 0.0f}, {160.0f / 255.0f, 1.0f, 119.0f / 255.0f}};
    AxisColours zColours{{0.0f, 148.0f / 255.0f, 1.0f}, {79.0f / 255.0f, 181.0f / 255.0f, 1.0f}};
    AxisColours centreColours{{1.0f, 1.0f, 1.0f}, {1.0f, 1.0f, 135.0f / 255.0f}};

    // Overlay entity -> selected entity, and selected entity -> its overlay.
    std::map<uint32_t, uint32_t> selectionProxies;
    std::map<uint32_t, uint32_t> selection;

    EditingState editing;
    std::optional<BoxSelection> box;

    static bool isAxis(uint32_t id) { return id >= xAxis && id <= centreAxis; }
    // The colours of a handle id (1 to 4).
    AxisColours& coloursOf(uint32_t axis);
};

} // namespace Game
