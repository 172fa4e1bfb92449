#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include <glm/glm.hpp>

#include "Engine/ECS/Component.h"
#include "Engine/Font/Font.h"
#include "Engine/Font/TextMesh.h"
#include "Engine/Graphics/Texture2D.h"
#include "Game/UI/TextField.h"

// The parts an interface element is made of. An element is a rectangle in
// window pixels (origin bottom-left, as GL counts) with an optional tinted
// texture, an optional text and an optional click behaviour; it belongs to one
// of the layers 0 .. layerCount - 1, drawn from the lowest up.
namespace UI {
constexpr uint32_t layerCount = 15;
}

namespace UI::Component {

struct UITransformComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 20;

    UITransformComponent() = default;
    UITransformComponent(float x, float y, float width, float height) : x(x), y(y), width(width), height(height) {}

    // (x, y) is the bottom-left corner.
    float x = 0.0f;
    float y = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

struct UIBackgroundComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 21;

    UIBackgroundComponent() = default;
    UIBackgroundComponent(const glm::vec4& colour, Engine::GFX::Texture2D* texture, uint32_t layer = 0)
        : colour(colour), texture(texture), layer(layer)
    {
    }

    // Multiplied into the texture by the interface shader.
    glm::vec4 colour = glm::vec4(1.0f);
    Engine::GFX::Texture2D* texture = nullptr; // not owned
    uint32_t layer = 0;
};

// Registered so its identifier stays taken; no element carries one.
struct UISpriteComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 22;
};

struct UItextComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 23;

    static constexpr int32_t alignLeft = 0;
    static constexpr int32_t alignCentre = 1;
    static constexpr int32_t alignRight = 2;
    static constexpr int32_t alignTop = 0;
    static constexpr int32_t alignMiddle = 1;
    static constexpr int32_t alignBottom = 2;

    // Builds the text mesh at once (needs a current GL context); centred both
    // ways, layer 0.
    UItextComponent(std::string text, Engine::GFX::Font* font);

    std::string text;
    Engine::GFX::Font* font; // not owned
    // The world copies components by value (when they are added and when a
    // removal fills the gap), so every copy shares one mesh and the last copy
    // to go frees it. Change the mesh's text through this pointer and rebuild.
    std::shared_ptr<Engine::GFX::TextMesh> textMesh;
    int32_t horizontalAlignment = alignCentre;
    int32_t verticalAlignment = alignMiddle;
    uint32_t layer = 0;
};

struct UIclickableComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 24;

    static constexpr int32_t hovered = 0;
    static constexpr int32_t pressed = 1;
    static constexpr int32_t idle = 2;

    // Both looks are required.
    UIclickableComponent(std::function<void()> callback, Engine::GFX::Texture2D* backgroundHover,
                         Engine::GFX::Texture2D* backgroundPressed);

    int32_t state = idle;
    // Called when the left button is released over the element.
    std::function<void()> callback;
    Engine::GFX::Texture2D* backgroundHover;   // not owned
    Engine::GFX::Texture2D* backgroundPressed; // not owned
};

// A one-line text field: the element's text shows what the field holds,
// with the caret. It takes every step's typing while it exists; the menu that
// made it gets the typed text on Enter and is told of Escape, and reads
// field.message() to show what was refused.
struct UITextFieldComponent : Engine::ECS::Component {
    static constexpr uint32_t _cType = 26;

    UITextFieldComponent(TextField field, std::function<void(const std::string&)> onAccept,
                         std::function<void()> onCancel);

    TextField field;
    std::function<void(const std::string&)> onAccept;
    std::function<void()> onCancel;
    // Set once no key is held after the field appeared.
    bool armed = false;
};

} // namespace UI::Component
