#pragma once

#include <memory>

#include "Engine/Core/GameEngine.h"
#include "Engine/ECS/EntityManager.h"
#include "Engine/Graphics/Model3D.h"
#include "Game/Resources/GameResources.h"

namespace UI {

// Sets the interface up in the world once at game start: the six interface
// component types (20 .. 24 and 26), for each layer L from 0 to 14 a background draw
// system and a text draw system registered as instance L of their classes, one
// click system and one text field system. Lives for the whole run.
class UiLayer {
public:
    // Needs a current GL context and the engine's matrix state, mouse and keyboard.
    UiLayer(Engine::GameEngine* engine, Engine::ECS::EntityManager* world, Game::GameResources* resources);

    // Hover, press and click; first thing in every update step.
    void updateClicks();
    // Typing into text fields; right after the clicks.
    void updateTextFields();

    // The overlay pass: layer 0 first, each layer's backgrounds before its
    // texts, so higher layers cover lower ones. The matrix state must hold the
    // 2D camera; leaves blending off.
    void drawLayers();

    // Quad (0, 0) .. (1, 1), white, stretched over every background.
    std::shared_ptr<Engine::GFX::Mesh::Model3D> unitQuad;
    Engine::GameEngine* engine;
    Game::GameResources* resources;
    Engine::ECS::EntityManager* world;

private:
    void registerComponentTypes();
    void registerSystems();
};

} // namespace UI
