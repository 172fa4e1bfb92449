#include "Game/Editor/EditorToolbar.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Resources/GameResources.h"
#include "Game/Editor/EditorState.h"
#include "Game/UI/Menu.h"
#include "Game/UI/UIComponents.h"

#include <array>

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

constexpr std::array<Tool, 4> tools{Tool::create, Tool::translate, Tool::rotate, Tool::scale};
constexpr std::array<const char*, 4> elementNames{"editor_tool_create", "editor_tool_translate",
                                                  "editor_tool_rotate", "editor_tool_scale"};
constexpr const char* textElementName = "editor_tool_text";

// Bottom-left corner of the icon in slot 0 to 3.
glm::vec2 iconCorner(std::size_t slot, float windowHeight)
{
    const float x = firstIconX + static_cast<float>(slot) * (iconSize + iconMargin);
    return glm::vec2(x, windowHeight - toolbarHeight + iconMargin);
}

Engine::GFX::Texture2D* iconOf(Tool tool, GameResources& resources)
{
    switch (tool) {
    case Tool::create: return resources.createToolTexture.get();
    case Tool::translate: return resources.translateToolTexture.get();
    case Tool::rotate: return resources.rotateToolTexture.get();
    case Tool::scale: return resources.scaleToolTexture.get();
    }
    return nullptr;
}

void showIcon(std::size_t slot, bool active, UI::Menu& menu, Engine::ECS::EntityManager& world,
              GameResources& resources, float windowHeight)
{
    const glm::vec4 tint = active ? activeTint : idleTint;
    if (menu.count(elementNames[slot]) == 0) {
        const glm::vec2 corner = iconCorner(slot, windowHeight);
        const uint32_t icon = world.createEntity();
        world.addComponent(icon, UITransformComponent(corner.x, corner.y, iconSize, iconSize));
        world.addComponent(icon, UIBackgroundComponent(tint, iconOf(tools[slot], resources), toolbarLayer));
        menu.add(elementNames[slot], icon);
        return;
    }
    const uint32_t icon = menu.guiElements.at(elementNames[slot]);
    if (world.hasComponent<UIBackgroundComponent>(icon)) world.getComponent<UIBackgroundComponent>(icon).colour = tint;
}

void showText(const std::string& text, UI::Menu& menu, Engine::ECS::EntityManager& world, GameResources& resources,
              float windowHeight)
{
    if (menu.count(textElementName) == 0) {
        const glm::vec2 corner = iconCorner(tools.size(), windowHeight);
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

const char* toolName(Tool tool)
{
    switch (tool) {
    case Tool::create: return "Create";
    case Tool::translate: return "Translate";
    case Tool::rotate: return "Rotate";
    case Tool::scale: return "Scale";
    }
    return "";
}

ToolbarView toolbarView(const EditingState& editing, const std::string& courseCounts)
{
    const std::string text =
        editing.statusSteps > 0 ? editing.status : std::string("Tool: ") + toolName(editing.tool) + "   " + courseCounts;
    return ToolbarView{editing.tool, text};
}

bool onToolbar(int32_t glY, float windowHeight)
{
    return static_cast<float>(glY) >= windowHeight - toolbarHeight;
}

std::optional<Tool> toolAt(int32_t glX, int32_t glY, float windowHeight)
{
    for (std::size_t slot = 0; slot < tools.size(); ++slot) {
        const glm::vec2 corner = iconCorner(slot, windowHeight);
        const glm::vec2 point(static_cast<float>(glX), static_cast<float>(glY));
        if (point.x >= corner.x && point.x <= corner.x + iconSize && point.y >= corner.y &&
            point.y <= corner.y + iconSize) {
            return tools[slot];
        }
    }
    return std::nullopt;
}

void showToolbar(const ToolbarView& view, UI::Menu& menu, Engine::ECS::EntityManager& world,
                 GameResources& resources, const glm::vec2& windowSize)
{
    for (std::size_t slot = 0; slot < tools.size(); ++slot) {
        showIcon(slot, tools[slot] == view.active, menu, world, resources, windowSize.y);
    }
    showText(view.text, menu, world, resources, windowSize.y);
}

} // namespace Game
