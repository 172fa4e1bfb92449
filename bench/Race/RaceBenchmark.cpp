// One update step's share of the race: the ghost's sample of the step, and
// the session's whole step (timer, recording, touches of a checkpoint and a
// plain block) while a run is on. A run of ten minutes is recorded before
// the track starts again, so the vector's growth is part of the figure.
#include "Game/Race/GhostTrack.h"
#include "Game/Race/RaceSession.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

constexpr uint32_t tenMinutes = 60000;

void ghostSample(benchmark::State& state)
{
    Game::GhostTrack track;
    uint32_t step = 0;
    for (auto _ : state) {
        if (++step == tenMinutes) {
            state.PauseTiming();
            track = Game::GhostTrack();
            step = 0;
            state.ResumeTiming();
        }
        track.record({{float(step), 2.0f, 3.0f}, 90.0f});
        benchmark::DoNotOptimize(track.recorded().data());
    }
}
BENCHMARK(ghostSample);

void sessionStep(benchmark::State& state)
{
    const std::string folder = (std::filesystem::temp_directory_path() / "race_bench").string();
    Game::RaceSession::Files files{folder + "/records.cfg", folder + "/ghosts"};
    Game::RaceSession session("0123456789abcdef", 3, {}, files);
    Game::RaceStepInput input;
    input.movement = true;
    input.touching = {{7, Game::BlockKind::checkpoint}, {8, Game::BlockKind::plain}};
    uint32_t step = 0;
    for (auto _ : state) {
        if (++step == tenMinutes) {
            state.PauseTiming();
            session.step({false, true, false, false, false, {}, 0.0f, {}});
            step = 0;
            state.ResumeTiming();
        }
        input.pose.position.x = float(step);
        benchmark::DoNotOptimize(session.step(input));
    }
}
BENCHMARK(sessionStep);

} // namespace

BENCHMARK_MAIN();
