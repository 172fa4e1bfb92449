#include "tests/Game/Soak/SoakUser.h"

#include "Engine/ECS/EntityManager.h"
#include "Game/Controller/GameState.h"
#include "Game/UI/Menu.h"
#include "Game/UI/UIComponents.h"

#include <SDL.h>

#include <algorithm>

namespace Soak {

using Game::GameState;

namespace {

constexpr int holdSteps = 3;
constexpr int settleSteps = 5;
constexpr int cursorTravelSteps = 4;
constexpr int shortestSession = 300;
constexpr int longestSession = 600;
constexpr int lookReach = 12;
constexpr int dragReach = 20;
const std::vector<int> walkKeys = {SDL_SCANCODE_W, SDL_SCANCODE_A, SDL_SCANCODE_S, SDL_SCANCODE_D};

std::string modeName(uint32_t mode)
{
    if (mode == GameState::modeMainMenu) return "main menu";
    if (mode == GameState::modeSingleplayer) return "singleplayer";
    if (mode == GameState::modeMapEditor) return "editor";
    return "mode " + std::to_string(mode);
}

} // namespace

SoakUser::SoakUser(SoakDriver& driver, uint32_t seed)
    : driver(driver), random(seed), lastMode(driver.controller.gameState->mode)
{
    cursor = glm::ivec2(driver.controller.windowSettings.resolutionWidth / 2,
                        driver.controller.windowSettings.resolutionHeight / 2);
}

void SoakUser::act()
{
    if (plan.empty()) {
        checkExpectation();
        planNext();
    }
    if (plan.empty()) idle(1);
    const UserInput input = plan.front();
    plan.pop_front();
    driver.step(input);
    countStep();
}

void SoakUser::countStep()
{
    const GameState& state = *driver.controller.gameState;
    if (state.paused) ++tally.pausedSteps;
    if (state.mode == GameState::modeMainMenu) ++tally.menuSteps;
    if (state.mode == GameState::modeSingleplayer) ++tally.playSteps;
    if (state.mode == GameState::modeMapEditor) ++tally.editorSteps;
    if (state.mode != GameState::modeMainMenu) --sessionLeft;
}

void SoakUser::checkExpectation()
{
    if (!pending) return;
    const GameState& state = *driver.controller.gameState;
    if (state.mode != pending->mode || state.paused != pending->paused) {
        tally.surprises.push_back("step " + std::to_string(driver.stepCount) + ": after " + pending->gesture +
                                  " the game shows " + modeName(state.mode) + (state.paused ? " (paused)" : "") +
                                  ", expected " + modeName(pending->mode) + (pending->paused ? " (paused)" : ""));
    }
    pending.reset();
}

void SoakUser::expect(uint32_t mode, bool paused, const std::string& gesture)
{
    pending = Expectation{mode, paused, gesture};
}

void SoakUser::planNext()
{
    startSessionIfNew();
    const GameState& state = *driver.controller.gameState;
    if (state.paused) return planInPause();
    if (state.mode == GameState::modeSingleplayer) return planInPlay();
    if (state.mode == GameState::modeMapEditor) return planInEditor();
    planInMenu();
}

void SoakUser::startSessionIfNew()
{
    const uint32_t mode = driver.controller.gameState->mode;
    if (mode == lastMode) return;
    lastMode = mode;
    if (mode == GameState::modeMainMenu) return;
    sessionLeft = between(shortestSession, longestSession);
    if (mode == GameState::modeSingleplayer) ++tally.sessionsPlayed;
    if (mode == GameState::modeMapEditor) ++tally.sessionsEdited;
}

void SoakUser::planInMenu()
{
    idle(between(10, 30));
    if (driver.controller.menu->count("Options_Back") == 1) {
        clickElement("Options_Back");
        expect(GameState::modeMainMenu, false, "leaving Options");
        return;
    }
    if (chance(0.3)) {
        clickElement("Options");
        expect(GameState::modeMainMenu, false, "clicking Options");
        return;
    }
    if (nextSessionPlays) {
        clickElement("Singleplayer");
        expect(GameState::modeSingleplayer, false, "clicking Singleplayer");
    } else {
        clickElement("Map-Editor");
        expect(GameState::modeMapEditor, false, "clicking Map-Editor");
    }
    nextSessionPlays = !nextSessionPlays;
}

void SoakUser::planInPause()
{
    const uint32_t mode = driver.controller.gameState->mode;
    idle(between(2, 15));
    if (sessionLeft <= 0) {
        clickElement("Back_to_menu");
        expect(GameState::modeMainMenu, false, "clicking Back_to_menu");
        return;
    }
    ++tally.resumes;
    if (chance(0.5)) {
        tapEscape();
        expect(mode, false, "Escape in the pause menu");
        return;
    }
    clickElement(mode == GameState::modeSingleplayer ? "Resume_Game" : "Resume_Editor");
    expect(mode, false, "clicking Resume");
}

void SoakUser::planInPlay()
{
    const int roll = between(0, 99);
    if (sessionLeft <= 0 || roll < 5) {
        ++tally.pauses;
        tapEscape();
        expect(GameState::modeSingleplayer, true, "Escape in singleplayer");
    } else if (roll < 55) {
        walk();
    } else if (roll < 75) {
        jump();
    } else {
        shootRope();
    }
}

void SoakUser::planInEditor()
{
    const int roll = between(0, 99);
    if (sessionLeft <= 0 || roll < 5) {
        ++tally.pauses;
        tapEscape();
        expect(GameState::modeMapEditor, true, "Escape in the editor");
    } else if (roll < 25) {
        dragCamera(SDL_BUTTON_RMASK);
    } else if (roll < 40) {
        dragCamera(SDL_BUTTON_MMASK);
    } else if (roll < 55) {
        turnWheel();
    } else if (roll < 80) {
        pick(false);
    } else {
        pick(true);
    }
}

void SoakUser::idle(int steps)
{
    for (int i = 0; i < steps; ++i) {
        cursor = drift(cursor, 2);
        push(UserInput{{}, cursor, 0, 0});
    }
}

// Moves to the element as it is on screen now, presses and releases there.
void SoakUser::clickElement(const std::string& name)
{
    const auto& elements = driver.controller.menu->guiElements;
    const auto found = elements.find(name);
    if (found == elements.end()) {
        tally.surprises.push_back("step " + std::to_string(driver.stepCount) + ": no button " + name + " on screen");
        return;
    }
    const auto& box = driver.controller.world->getComponent<UI::Component::UITransformComponent>(found->second);
    const glm::ivec2 target(static_cast<int>(box.x + box.width / 2), static_cast<int>(box.y + box.height / 2));
    const glm::ivec2 from = cursor;
    for (int i = 1; i <= cursorTravelSteps; ++i) {
        cursor = from + (target - from) * i / cursorTravelSteps;
        push(UserInput{{}, cursor, 0, 0});
    }
    for (int i = 0; i < holdSteps; ++i) push(UserInput{{}, cursor, SDL_BUTTON_LMASK, 0});
    for (int i = 0; i < holdSteps + settleSteps; ++i) push(UserInput{{}, cursor, 0, 0});
}

void SoakUser::tapEscape()
{
    for (int i = 0; i < holdSteps; ++i) push(UserInput{{SDL_SCANCODE_ESCAPE}, cursor, 0, 0});
    for (int i = 0; i < holdSteps + settleSteps; ++i) push(UserInput{{}, cursor, 0, 0});
}

void SoakUser::walk()
{
    ++tally.walks;
    std::set<int> keys;
    while (keys.empty())
        for (int key : walkKeys)
            if (chance(0.4)) keys.insert(key);
    const int steps = between(20, 80);
    for (int i = 0; i < steps; ++i) {
        cursor = drift(cursor, lookReach);
        push(UserInput{keys, cursor, 0, 0});
    }
}

void SoakUser::jump()
{
    ++tally.jumps;
    std::set<int> keys = {SDL_SCANCODE_SPACE};
    if (chance(0.5)) keys.insert(walkKeys[static_cast<size_t>(between(0, 3))]);
    for (int i = between(2, 6); i > 0; --i) push(UserInput{keys, cursor, 0, 0});
    keys.erase(SDL_SCANCODE_SPACE);
    for (int i = between(10, 60); i > 0; --i) push(UserInput{keys, cursor, 0, 0});
}

// Holds the left button: the rope flies, hooks and pulls until released.
void SoakUser::shootRope()
{
    ++tally.ropeShots;
    std::set<int> keys;
    if (chance(0.5)) keys.insert(SDL_SCANCODE_W);
    const int steps = between(30, 120);
    for (int i = 0; i < steps; ++i) {
        cursor = drift(cursor, lookReach);
        push(UserInput{keys, cursor, SDL_BUTTON_LMASK, 0});
    }
    push(UserInput{keys, cursor, 0, 0});
}

void SoakUser::dragCamera(uint32_t button)
{
    if (button == SDL_BUTTON_RMASK) ++tally.cameraDrags;
    else ++tally.cameraShifts;
    const int steps = between(10, 40);
    for (int i = 0; i < steps; ++i) {
        cursor = drift(cursor, dragReach);
        push(UserInput{{}, cursor, button, 0});
    }
    push(UserInput{{}, cursor, 0, 0});
}

void SoakUser::turnWheel()
{
    const int notch = chance(0.5) ? 1 : -1;
    for (int i = between(1, 6); i > 0; --i) {
        ++tally.wheelNotches;
        push(UserInput{{}, cursor, 0, notch});
        push(UserInput{{}, cursor, 0, 0});
    }
}

void SoakUser::pick(bool keepSelection)
{
    if (keepSelection) ++tally.shiftPicks;
    else ++tally.picks;
    const int width = driver.controller.windowSettings.resolutionWidth;
    const int height = driver.controller.windowSettings.resolutionHeight;
    cursor = glm::ivec2(between(0, width - 1), between(0, height - 1));
    std::set<int> keys;
    if (keepSelection) keys.insert(SDL_SCANCODE_LSHIFT);
    push(UserInput{keys, cursor, 0, 0});
    for (int i = between(1, holdSteps); i > 0; --i) push(UserInput{keys, cursor, SDL_BUTTON_LMASK, 0});
    push(UserInput{keys, cursor, 0, 0});
    idle(between(1, 5));
}

void SoakUser::push(UserInput input)
{
    plan.push_back(std::move(input));
}

glm::ivec2 SoakUser::drift(glm::ivec2 from, int reach)
{
    const int width = driver.controller.windowSettings.resolutionWidth;
    const int height = driver.controller.windowSettings.resolutionHeight;
    const glm::ivec2 moved = from + glm::ivec2(between(-reach, reach), between(-reach, reach));
    return glm::ivec2(std::clamp(moved.x, 0, width - 1), std::clamp(moved.y, 0, height - 1));
}

int SoakUser::between(int low, int high)
{
    return std::uniform_int_distribution<int>(low, high)(random);
}

bool SoakUser::chance(double probability)
{
    return std::bernoulli_distribution(probability)(random);
}

} // namespace Soak
