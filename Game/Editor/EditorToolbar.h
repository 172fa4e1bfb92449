#pragma once

#include <cstdint>
#include <optional>

#include "Game/Editor/ViewMaths.h"
#include <string>

#include <glm/glm.hpp>

#include "Game/Editor/DragMaths.h"

namespace Engine::ECS {
class EntityManager;
}

namespace UI {
class Menu;
}

namespace Game {

class GameResources;
struct EditingState;

// The editor's bar along the top of the window: the tool icons, then a
// line of text (the active tool, its snap step and the course's counts, or
// for a while a message such as what a save did).
struct ToolbarView {
    Tool active = Tool::translate;
    std::string text;
};

inline constexpr float toolbarHeight = 64.0f;

ToolbarView toolbarView(const EditingState& editing, const std::string& courseCounts);

// Whether a GL window row (origin bottom left) lies on the bar.
bool onToolbar(int32_t glY, float windowHeight);
// The icon under a GL window position, if any.
std::optional<Tool> toolAt(int32_t glX, int32_t glY, float windowHeight);

// Shows the view with interface elements over the bar, recorded in the menu
// registry so that leaving the editor removes them with the bar. Elements
// made in this step are updated from the next one on. Needs a current GL
// context (texts are built at once).
// The box selection's rectangle (GL window pixels), a translucent panel
// over the view; none removes it.
void showSelectionBox(const std::optional<ScreenRect>& box, UI::Menu& menu, Engine::ECS::EntityManager& world);

void showToolbar(const ToolbarView& view, UI::Menu& menu, Engine::ECS::EntityManager& world,
                 GameResources& resources, const glm::vec2& windowSize);

} // namespace Game
