#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "Engine/ECS/EntityManager.h"
#include "Engine/ECS/SystemType.h"

class MatrixState;
class PhysicsWorld;

namespace Engine {
class GameEngine;
class KeyboardState;
class MouseState;
class PadState;
} // namespace Engine

namespace Audio {
class AudioOutput;
}

namespace Game {

class GameResources;

// What the game's systems are built with; every pointer must outlive the world.
struct GameWorldServices {
    Engine::GameEngine* engine = nullptr;
    const Engine::KeyboardState* keyboard = nullptr;
    const Engine::MouseState* mouse = nullptr;
    const Engine::PadState* pad = nullptr;
    MatrixState* matrixState = nullptr;
    PhysicsWorld* physicsWorld = nullptr;
    GameResources* resources = nullptr;
    // The sound system's output and the running clip's phase it times
    // footsteps by; a world whose player carries no SoundComponent needs neither.
    Audio::AudioOutput* audio = nullptr;
    const float* animationPhase = nullptr;
};

// The 19 component types of the game (identifiers 1 to 19).
void registerGameComponents(Engine::ECS::EntityManager& world);

// The game's 20 systems in their fixed order.
// Register before creating entities: only changed entities join systems.
void registerGameSystems(Engine::ECS::EntityManager& world,
                                                    const GameWorldServices& services);

// A new world with the game's component types and systems.
std::unique_ptr<Engine::ECS::EntityManager> createGameWorld(const GameWorldServices& services);

} // namespace Game
