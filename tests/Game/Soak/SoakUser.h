#pragma once

#include "tests/Game/Soak/SoakDriver.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace Soak {

// What the user has done so far, and what surprised it.
struct UserTally {
    int menuSteps = 0;
    int playSteps = 0;
    int editorSteps = 0;
    int pausedSteps = 0;
    int sessionsPlayed = 0;
    int sessionsEdited = 0;
    int pauses = 0;
    int resumes = 0;
    int walks = 0;
    int jumps = 0;
    int ropeShots = 0;
    int cameraDrags = 0;
    int cameraShifts = 0;
    int wheelNotches = 0;
    int picks = 0;
    int shiftPicks = 0;
    // Gestures whose outcome on screen was not the one a player expects.
    std::vector<std::string> surprises;
};

// A seeded random player. Each step it looks at the screen (mode and pause
// state, menu buttons), plans its next gesture when the last one is done,
// and hands the driver one step of input. Sessions alternate between
// singleplayer and the editor; each lasts a random number of steps and ends
// through its pause menu.
class SoakUser {
public:
    SoakUser(SoakDriver& driver, uint32_t seed);

    void act();

    UserTally tally;

private:
    struct Expectation {
        uint32_t mode;
        bool paused;
        std::string gesture;
    };

    void countStep();
    void checkExpectation();
    void planNext();
    void planInMenu();
    void planInPlay();
    void planInEditor();
    void planInPause();

    void startSessionIfNew();
    void expect(uint32_t mode, bool paused, const std::string& gesture);

    // Gestures: each appends steps to the plan.
    void idle(int steps);
    void clickElement(const std::string& name);
    void tapEscape();
    void walk();
    void jump();
    void shootRope();
    void dragCamera(uint32_t button);
    void turnWheel();
    void pick(bool keepSelection);

    void push(UserInput input);
    glm::ivec2 drift(glm::ivec2 cursor, int reach);
    int between(int low, int high);
    bool chance(double probability);

    SoakDriver& driver;
    std::mt19937 random;
    std::deque<UserInput> plan;
    std::optional<Expectation> pending;
    glm::ivec2 cursor;
    uint32_t lastMode;
    int sessionLeft = 0;
    bool nextSessionPlays = true;
};

} // namespace Soak
