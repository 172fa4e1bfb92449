#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "Game/Audio/SoundEffect.h"

namespace Audio {

// What the sound system reads of a race in one step.
struct RaceView {
    std::size_t checkpointsReached = 0;
    bool finished = false;
    bool newRecord = false; // the finished run beat the best one
};

// What it reads of the editor in one step: the level's size and the undos
// and redos taken so far.
struct EditorView {
    std::size_t blocks = 0;
    uint64_t undoSteps = 0;
};

// The race and the editor as plain records, filled by the game controller:
// the audio layer sits beside both, so only the layer above them can read
// them. Each is absent while its mode is off, so the first view after a
// mode is entered (and the race's level loaded) is a baseline, heard as
// nothing.
struct ProgressView {
    std::optional<RaceView> race;
    std::optional<EditorView> editor;
};

// The effects of what changed from one step to the next, each once: a
// checkpoint when one more is reached, the finish (a new record's own sound
// in its place when the run beat the best), an undo when an undo or redo was
// taken, otherwise a place when the level gained blocks and a delete when it
// lost some.
std::vector<Effect> progressCues(const ProgressView& before, const ProgressView& now);

} // namespace Audio
