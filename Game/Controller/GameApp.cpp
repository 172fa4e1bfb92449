#include "Game/Controller/GameApp.h"

#include "Engine/Core/GameEngine.h"
#include "Game/Controller/GameController.h"

#include <cstdlib>
#include <exception>

namespace Game {

namespace {

constexpr const char* stopPrefix = "Game stopped: ";

} // namespace

int runGame(std::ostream& errors)
{
    Engine::GameEngine engine;
    GameController controller(&engine);
    engine.game = &controller;
    try {
        engine.run();
    } catch (const std::exception& error) {
        // A data file the game cannot use (Engine::DataFileError) names
        // itself in its message.
        errors << stopPrefix << error.what() << std::endl;
        return EXIT_FAILURE;
    }
    return engine.graphicsFailed() ? EXIT_FAILURE : EXIT_SUCCESS;
}

} // namespace Game
