#include "Game/Editor/EditorToolbar.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Resources/GameResources.h"
#include "Game/Editor/EditorState.h"
#include "Game/Editor/ViewMaths.h"
#include "Game/UI/Menu.h"
#include "Game/UI/UIComponents.h"

#include <iterator>
#include <sstream>

namespace Game {

namespace {

using UI::Component::UIBackgroundComponent;
using UI::Component::UItextComponent;
using UI::Component::UITransformComponent;

// Over the bar itself, which is on layer 0.
constexpr uint32_t toolbarLayer = 1;
constexpr float iconSize = 48.0f;
constexpr float iconMargin = 8.0f;
// The speed and frame-rate read-outs take the left end of the bar.
constexpr float firstIconX = 208.0f;
constexpr float textWidth = 640.0f;
const glm::vec4 activeTint(1.0f);
const glm::vec4 idleTint(0.45f, 0.45f, 0.45f, 1.0f);

constexpr std::size_t toolCount = std::size(editorTools);
constexpr const char* textElementName = "editor_tool_text";
constexpr const char* boxElementName = "editor_select_box";
const glm::vec4 boxColour(0.4f, 0.7f, 1.0f, 0.25f);

// Bottom-left corner of the icon in a slot of the bar.
glm::vec2 iconCorner(std::size_t slot, float windowHeight)
{
    const float x = firstIconX + static_cast<float>(slot) * (iconSize + iconMargin);
    return glm::vec2(x, windowHeight - toolbarHeight + iconMargin);
}

void showIcon(std::size_t slot, bool active, UI::Menu& menu, Engine::ECS::EntityManager& world,
              GameResources& resources, float windowHeight)
{
    const glm::vec4 tint = active ? activeTint : idleTint;
    const char* element = editorTools[slot].element;
    if (menu.count(element) == 0) {
        const glm::vec2 corner = iconCorner(slot, windowHeight);
        const uint32_t icon = world.createEntity();
        world.addComponent(icon, UITransformComponent(corner.x, corner.y, iconSize, iconSize));
        Engine::GFX::Texture2D* texture = slot < resources.toolIcons.size() ? resources.toolIcons[slot].get() : nullptr;
        world.addComponent(icon, UIBackgroundComponent(tint, texture, toolbarLayer));
        menu.add(element, icon);
        return;
    }
    const uint32_t icon = menu.guiElements.at(element);
    if (world.hasComponent<UIBackgroundComponent>(icon)) world.getComponent<UIBackgroundComponent>(icon).colour = tint;
}

void showText(const std::string& text, UI::Menu& menu, Engine::ECS::EntityManager& world, GameResources& resources,
              float windowHeight)
{
    if (menu.count(textElementName) == 0) {
        const glm::vec2 corner = iconCorner(toolCount, windowHeight);
        const uint32_t element = world.createEntity();
        world.addComponent(element, UITransformComponent(corner.x + iconMargin, corner.y, textWidth, iconSize));
        UItextComponent label(text, resources.font.get());
        label.horizontalAlignment = UItextComponent::alignLeft;
        label.layer = toolbarLayer;
        world.addComponent(element, label);
        menu.add(textElementName, element);
        return;
    }
    const uint32_t element = menu.guiElements.at(textElementName);
    if (!world.hasComponent<UItextComponent>(element)) return;
    UItextComponent& label = world.getComponent<UItextComponent>(element);
    if (label.text == text) return;
    label.text = text;
    label.textMesh->text = text;
    label.textMesh->rebuild();
}

} // namespace

namespace {

// What Ctrl snaps to with the active tool.
std::string snapText(const EditingState& editing)
{
    std::ostringstream text;
    if (editing.tool == Tool::rotate) {
        text << editing.steps.angleDegrees << " deg";
    } else {
        text << editing.steps.length << " m";
    }
    return text.str();
}

} // namespace

ToolbarView toolbarView(const EditingState& editing, const std::string& courseCounts)
{
    if (editing.statusSteps > 0) return ToolbarView{editing.tool, editing.status};
    const std::string tool = std::string("Tool: ") + editorToolOf(editing.tool).name;
    return ToolbarView{editing.tool, tool + "  " + snapText(editing) + "  " + courseCounts};
}

bool onToolbar(int32_t glY, float windowHeight)
{
    return static_cast<float>(glY) >= windowHeight - toolbarHeight;
}

std::optional<Tool> toolAt(int32_t glX, int32_t glY, float windowHeight)
{
    for (std::size_t slot = 0; slot < toolCount; ++slot) {
        const glm::vec2 corner = iconCorner(slot, windowHeight);
        const glm::vec2 point(static_cast<float>(glX), static_cast<float>(glY));
        if (point.x >= corner.x && point.x <= corner.x + iconSize && point.y >= corner.y &&
            point.y <= corner.y + iconSize) {
            return editorTools[slot].tool;
        }
    }
    return std::nullopt;
}

void showSelectionBox(const std::optional<ScreenRect>& box, UI::Menu& menu, Engine::ECS::EntityManager& world)
{
    if (!box) {
        if (menu.count(boxElementName) != 0) menu.remove(boxElementName);
        return;
    }
    const glm::vec2 low = glm::min(box->a, box->b), size = glm::abs(box->b - box->a);
    if (menu.count(boxElementName) == 0) {
        const uint32_t element = world.createEntity();
        world.addComponent(element, UITransformComponent(low.x, low.y, size.x, size.y));
        world.addComponent(element, UIBackgroundComponent(boxColour, nullptr, toolbarLayer));
        menu.add(boxElementName, element);
        return;
    }
    const uint32_t element = menu.guiElements.at(boxElementName);
    if (world.hasComponent<UITransformComponent>(element)) {
        world.getComponent<UITransformComponent>(element) = UITransformComponent(low.x, low.y, size.x, size.y);
    }
}

void showToolbar(const ToolbarView& view, UI::Menu& menu, Engine::ECS::EntityManager& world,
                 GameResources& resources, const glm::vec2& windowSize)
{
    for (std::size_t slot = 0; slot < toolCount; ++slot) {
        showIcon(slot, editorTools[slot].tool == view.active, menu, world, resources, windowSize.y);
    }
    showText(view.text, menu, world, resources, windowSize.y);
}

} // namespace Game
