#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

#include "Game/Level/LevelFile.h"

namespace Game {

// One block's part of an edit, by its place in the level's block list. No
// pose before: the edit created the block at `index` (its place after the
// edit). No pose after: the edit deleted the block at `index` (its place
// before the edit). Blocks are named by place rather than entity, because
// a block that is deleted and brought back gets a new entity.
struct BlockChange {
    std::size_t index = 0;
    std::optional<BlockPose> before;
    std::optional<BlockPose> after;
};

// Everything one user action changed; a whole drag is one edit.
struct Edit {
    std::vector<BlockChange> changes;

    // The same changes the other way round.
    Edit reversed() const;
};

// Linear undo and redo: recording an edit drops whatever could be redone,
// and beyond `capacity` edits the oldest is forgotten.
class EditHistory {
public:
    static constexpr std::size_t defaultCapacity = 200;

    explicit EditHistory(std::size_t capacity = defaultCapacity) : capacity(capacity) {}

    void record(Edit edit);
    // The edit to apply to go one step back (already reversed), or none.
    std::optional<Edit> undo();
    // The edit to apply again, or none.
    std::optional<Edit> redo();
    // The undos and redos taken so far, for whoever hears them.
    uint64_t stepsTaken() const { return steps; }

private:
    std::size_t capacity;
    std::deque<Edit> edits;
    // Edits before this position are done; from it on they are undone.
    std::size_t done = 0;
    uint64_t steps = 0;
};

} // namespace Game
