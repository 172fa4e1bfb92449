// The sound system's update against the 10 ms update step it runs in, with
// the game's controller update timed in the same loop for scale. Run from
// the run folder (build/run) so the sounds load; the mixer plays through
// SDL's dummy driver.
#include "Engine/Core/KeyboardState.h"
#include "Engine/Core/MouseState.h"
#include "Engine/Core/PadState.h"
#include "Game/Audio/MixerOutput.h"
#include "Game/Audio/SoundComponent.h"
#include "Game/Audio/SoundSystem.h"
#include "Game/Physics/CharacterControllerComponent.h"
#include "Game/Physics/CharacterControllerSystem.h"
#include "Game/Scene/CameraModificationComponent.h"
#include "Game/Scene/TransformComponent.h"
#include "bench/Physics/BenchLevel.h"

#include <SDL.h>
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdlib>

namespace {

constexpr double stepSeconds = 0.01;
// The walk: W held throughout, the view turning a full circle every
// turnPeriod steps, a jump every jumpPeriod steps, so footsteps, jumps,
// landings and the wind all sound.
constexpr int turnPeriod = 1000;
constexpr int jumpPeriod = 150;
constexpr int jumpHold = 5;

template <class Step>
double timed(Step&& step)
{
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void BM_SoundSystemUpdate(benchmark::State& state)
{
    BenchLevel bench;
    Engine::ECS::EntityManager& world = bench.world;
    world.registerComponent<CharacterControllerComponent>();
    world.registerComponent<CameraModificationComponent>();
    world.registerComponent<Audio::SoundComponent>();
    std::array<uint8_t, SDL_NUM_SCANCODES> keys{};
    Engine::KeyboardState keyboard(keys.data(), SDL_NUM_SCANCODES);
    Engine::MouseState mouse(nullptr);
    Engine::PadState pad;
    const std::unique_ptr<Audio::AudioOutput> output = Audio::MixerOutput::open(100);
    world.addSystem(CharacterControllerSystem(&world, &keyboard, &mouse, &pad, &bench.physics));
    world.addSystem(Audio::SoundSystem(&world, output.get()));
    const uint32_t player = world.createEntity();
    world.addComponent(player, CharacterControllerComponent(player, &bench.physics));
    world.addComponent(player, TransformComponent(glm::vec3(0.0f)));
    world.addComponent(player, CameraModificationComponent());
    world.addComponent(player, Audio::SoundComponent());
    world.refresh();
    auto& characterSystem = world.getSystem<CharacterControllerSystem>();
    auto& soundSystem = world.getSystem<Audio::SoundSystem>();

    keys[SDL_SCANCODE_W] = 1;
    int step = 0;
    double soundSeconds = 0.0;
    double controllerSeconds = 0.0;
    for (auto _ : state) {
        keys[SDL_SCANCODE_SPACE] = step % jumpPeriod < jumpHold;
        keyboard.refresh({});
        world.getComponent<CameraModificationComponent>(player).yaw = 360.0f * float(step % turnPeriod) / turnPeriod;
        soundSystem.animationPhase = float(step % 300) / 300.0f;
        controllerSeconds += timed([&] { characterSystem.run(0.0f); });
        const double sound = timed([&] { soundSystem.run(0.0f); });
        state.SetIterationTime(sound);
        soundSeconds += sound;
        bench.physics.step();
        ++step;
    }
    state.counters["sound_share_of_step_percent"] = 100.0 * soundSeconds / step / stepSeconds;
    state.counters["sound_to_controller_ratio"] = soundSeconds / controllerSeconds;
}
// A fixed walk length: the update takes microseconds, so a minimum time
// would run the physics for minutes.
BENCHMARK(BM_SoundSystemUpdate)->UseManualTime()->Iterations(20000);

} // namespace

int main(int argc, char** argv)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    SDL_Quit();
    return 0;
}
