#include "Game/UI/UIComponents.h"

#include <utility>

#include "Engine/Base/Assert.h"

namespace UI::Component {

UItextComponent::UItextComponent(std::string text, Engine::GFX::Font* font)
    : text(std::move(text))
    , font(font)
    , textMesh(std::make_shared<Engine::GFX::TextMesh>(font, this->text))
{
    textMesh->rebuild();
}

UIclickableComponent::UIclickableComponent(std::function<void()> callback, Engine::GFX::Texture2D* backgroundHover,
                                           Engine::GFX::Texture2D* backgroundPressed)
    : callback(std::move(callback))
    , backgroundHover(backgroundHover)
    , backgroundPressed(backgroundPressed)
{
    GAME_ASSERT(backgroundHover != nullptr);
    GAME_ASSERT(backgroundPressed != nullptr);
}

UITextFieldComponent::UITextFieldComponent(TextField field, std::function<void(const std::string&)> onAccept,
                                           std::function<void()> onCancel)
    : field(std::move(field))
    , onAccept(std::move(onAccept))
    , onCancel(std::move(onCancel))
{
    GAME_ASSERT(this->onAccept && this->onCancel);
}

} // namespace UI::Component
