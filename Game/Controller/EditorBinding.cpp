#include "Game/Controller/EditorBinding.h"

#include "Engine/Base/Assert.h"
#include "Engine/Core/GameEngine.h"
#include "Game/Controller/GameContext.h"
#include "Game/Resources/GameResources.h"
#include "Game/Editor/EditorPicking.h"
#include "Game/Editor/EditorToolbar.h"
#include "Game/UI/MenuController.h"

namespace Game {

EditorContext editorContextOf(const GameContext& game)
{
    GAME_ASSERT(game.engine != nullptr && game.resources != nullptr && game.menuController != nullptr);
    EditorContext context;
    context.world = game.world;
    context.physicsWorld = game.physicsWorld;
    context.gameState = game.gameState;
    context.editorCameraEntity = game.editorCameraEntity;
    context.mouse = game.engine->mouse.get();
    context.keyboard = game.engine->keyboard.get();
    context.overlay = OverlayLook{game.resources->whiteCube.get(), game.resources->defaultTexture.get()};

    const FBO* picking = &game.resources->pickingFBO->framebuffer;
    context.readAxisId = [picking](int32_t x, int32_t y) { return readPickingRed(*picking, x, y); };
    UI::MenuController* menus = game.menuController;
    context.showPauseMenu = [menus] { menus->showEditorPauseMenu(); };
    context.hidePauseMenu = [menus] { menus->hidePauseMenu(); };

    context.map = game.gameMap;
    context.windowSize = glm::vec2(picking->width, picking->height);
    const glm::vec2 window = context.windowSize;
    UI::Menu* menu = game.menu;
    Engine::ECS::EntityManager* world = game.world;
    GameResources* resources = game.resources;
    context.showToolbar = [menu, world, resources, window](const ToolbarView& view) {
        showToolbar(view, *menu, *world, *resources, window);
    };
    return context;
}

void updateEditor(const GameContext& game)
{
    GAME_ASSERT(game.editorState != nullptr);
    updateEditor(*game.editorState, editorContextOf(game));
}

} // namespace Game
