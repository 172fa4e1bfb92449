// What the player hears for what happens: effects for changes of the
// player's state, a landing's loudness, the wind against speed, foot plants,
// a sound's place around the listener and the mixer's volume, and the race's
// and the editor's progress.
#include "Game/Audio/InterfaceSoundSystem.h"
#include "Game/Audio/PlayerCues.h"
#include "Game/Audio/ProgressCues.h"
#include "Game/UI/UIComponents.h"
#include "Game/Audio/SoundRules.h"

#include <gtest/gtest.h>

#include <tuple>

using namespace Audio;
using namespace Audio::SoundRules;

TEST(SoundRules, LandingsAreLouderTheFasterTheFallFromTheSoftestOnUpToTheHardest)
{
    const std::pair<float, float> cases[] = {{0.0f, 0.0f}, {2.99f, 0.0f}, {3.0f, 0.2f}, {11.5f, 0.6f},
                                             {20.0f, 1.0f}, {80.0f, 1.0f}};
    for (const auto& [fallSpeed, loudness] : cases) EXPECT_NEAR(landingLoudness(fallSpeed), loudness, 1e-5f) << fallSpeed;
}

TEST(SoundRules, TheWindRisesWithSpeedAndStepsUpInPitch)
{
    const std::tuple<float, float, int> cases[] = {{0.0f, 0.0f, 0},   {6.0f, 0.0f, 0},   {15.99f, 0.2938f, 0},
                                                   {16.0f, 0.2941f, 1}, {23.0f, 0.5f, 1}, {28.0f, 0.6471f, 2},
                                                   {40.0f, 1.0f, 2},  {300.0f, 1.0f, 2}};
    for (const auto& [speed, volume, pitch] : cases) {
        EXPECT_NEAR(windAt(speed).volume, volume, 1e-3f) << speed;
        EXPECT_EQ(windAt(speed).pitch, pitch) << speed;
    }
}

TEST(SoundRules, AFootIsPlantedEachEighthOfTheClipOnceAndAtTheWrap)
{
    const std::tuple<float, float, bool> cases[] = {{0.10f, 0.12f, false}, {0.12f, 0.13f, true},  {0.124f, 0.125f, true},
                                                    {0.125f, 0.126f, false}, {0.49f, 0.51f, true}, {0.99f, 0.0f, true},
                                                    {0.0f, 0.01f, false}};
    for (const auto& [before, now, planted] : cases) EXPECT_EQ(footPlanted(before, now), planted) << before << " " << now;
}

TEST(SoundRules, SoundsArePlacedClockwiseFromTheViewAndFadeOverTheRange)
{
    // Listener at (1, 1, 0); yaw 0 looks along +x, 90 along +y.
    const std::tuple<float, glm::vec3, int, int> cases[] = {
        {0.0f, {11, 1, 0}, 0, 26},   {0.0f, {1, -9, 0}, 90, 26},   {0.0f, {-9, 1, 0}, 180, 26},
        {0.0f, {1, 11, 0}, 270, 26}, {90.0f, {11, 1, 0}, 90, 26},  {-45.0f, {11, -9, 0}, 0, 36},
        {0.0f, {1, 1, 50}, 0, 128},  {0.0f, {301, 1, 0}, 0, 255}, {0.0f, {1, 1, 0}, 0, 0}};
    for (const auto& [yaw, point, angle, distance] : cases) {
        const Placement placement = placeSound({1, 1, 0}, yaw, point, 100.0f);
        EXPECT_EQ(std::make_pair(int(placement.angle), int(placement.distance)), std::make_pair(angle, distance))
            << yaw << " " << point.x << " " << point.y << " " << point.z;
    }
}

TEST(SoundRules, TheMixersVolumeFollowsTheSettingTimesTheLoudness)
{
    const std::tuple<int, float, int> cases[] = {{0, 1.0f, 0}, {100, 1.0f, 128}, {50, 1.0f, 64}, {80, 0.5f, 51},
                                                 {25, 0.0f, 0}, {150, 2.0f, 128}, {-5, 1.0f, 0}};
    for (const auto& [percent, loudness, volume] : cases) EXPECT_EQ(mixerVolume(percent, loudness), volume) << percent;
}

TEST(InterfaceCues, LightingUpHoversAndLettingGoOverTheElementClicks)
{
    using Look = UI::Component::UIclickableComponent;
    const std::tuple<int32_t, int32_t, std::optional<Effect>> cases[] = {
        {Look::idle, Look::hovered, Effect::menuHover}, {Look::pressed, Look::hovered, Effect::menuClick},
        {Look::hovered, Look::hovered, std::nullopt},   {Look::hovered, Look::pressed, std::nullopt},
        {Look::pressed, Look::idle, std::nullopt},      {Look::idle, Look::pressed, std::nullopt},
        {Look::hovered, Look::idle, std::nullopt}};
    for (const auto& [before, now, cue] : cases) EXPECT_EQ(interfaceCue(before, now), cue) << before << " to " << now;
}

TEST(PlayerCues, EachChangeOfThePlayersStateSoundsOnce)
{
    const PlayerView standing{};
    PlayerView running = standing;
    running.velocity = {5, 0, 0};
    running.animationPhase = 0.12f;
    PlayerView planted = running;
    planted.animationPhase = 0.13f;
    PlayerView creeping = planted;
    creeping.velocity = {0.0f, 0.9f, 0.0f};
    PlayerView jumped = standing;
    jumped.grounded = false;
    jumped.verticalSpeed = 6.0f;
    PlayerView walkedOff = jumped;
    walkedOff.verticalSpeed = 0.0f;
    PlayerView falling = jumped;
    falling.verticalSpeed = -11.5f;
    PlayerView hooked = falling;
    hooked.hooked = true;
    hooked.hookPoint = {3, 4, 5};
    hooked.ropeShots = 1;
    PlayerView missed = falling;
    missed.ropeShots = 1;
    const Cue landing{Effect::landing, 0.6f, std::nullopt};
    const std::tuple<const char*, PlayerView, PlayerView, std::vector<Cue>> cases[] = {
        {"standing still", standing, standing, {}},
        {"running between plants", running, running, {}},
        {"a foot plant", running, planted, {{Effect::footstep, 1.0f, std::nullopt}}},
        {"a plant while creeping", running, creeping, {}},
        {"a jump", standing, jumped, {{Effect::jump, 1.0f, std::nullopt}}},
        {"walking off an edge", standing, walkedOff, {}},
        {"a landing", falling, standing, {landing}},
        {"a step down", walkedOff, standing, {}},
        {"a shot that catches", falling, hooked, {{Effect::ropeFire, 1.0f, std::nullopt}, {Effect::ropeCatch, 1.0f, glm::vec3(3, 4, 5)}}},
        {"a shot that misses", falling, missed, {{Effect::ropeFire, 1.0f, std::nullopt}}},
        {"holding on", hooked, hooked, {}},
        {"letting go", hooked, missed, {{Effect::ropeRelease, 1.0f, std::nullopt}}},
    };
    for (const auto& [what, before, now, expected] : cases) EXPECT_EQ(playerCues(before, now), expected) << what;
}

TEST(ProgressCues, EachStepOfTheRaceAndEachEditSoundsOnceAndEnteringAModeSilently)
{
    const RaceView start{};
    const RaceView reached{1, false, false};
    const RaceView finished{1, true, false};
    const RaceView record{1, true, true};
    const EditorView level{156, 0};
    const EditorView placed{157, 0};
    const EditorView deleted{155, 0};
    const EditorView undone{157, 1};
    const std::tuple<const char*, ProgressView, ProgressView, std::vector<Effect>> cases[] = {
        {"the race begins on a finished run's level", {}, {record, std::nullopt}, {}},
        {"the editor opens", {}, {std::nullopt, level}, {}},
        {"nothing changed", {reached, level}, {reached, level}, {}},
        {"a checkpoint", {start, std::nullopt}, {reached, std::nullopt}, {Effect::checkpoint}},
        {"a restart", {reached, std::nullopt}, {start, std::nullopt}, {}},
        {"the finish", {reached, std::nullopt}, {finished, std::nullopt}, {Effect::finish}},
        {"a new record", {reached, std::nullopt}, {record, std::nullopt}, {Effect::newRecord}},
        {"after the finish", {record, std::nullopt}, {record, std::nullopt}, {}},
        {"the last checkpoint and the finish", {start, std::nullopt}, {finished, std::nullopt},
         {Effect::checkpoint, Effect::finish}},
        {"a block placed", {std::nullopt, level}, {std::nullopt, placed}, {Effect::editorPlace}},
        {"blocks deleted", {std::nullopt, level}, {std::nullopt, deleted}, {Effect::editorDelete}},
        {"an undo or redo bringing a block back", {std::nullopt, level}, {std::nullopt, undone}, {Effect::editorUndo}},
        {"the editor closes", {std::nullopt, level}, {}, {}},
    };
    for (const auto& [what, before, now, expected] : cases) EXPECT_EQ(progressCues(before, now), expected) << what;
}
