#include "Game/Editor/EditHistory.h"

#include <utility>

namespace Game {

Edit Edit::reversed() const
{
    Edit back;
    for (const BlockChange& change : changes) {
        back.changes.push_back(BlockChange{change.index, change.after, change.before});
    }
    return back;
}

void EditHistory::record(Edit edit)
{
    if (edit.changes.empty()) return;
    edits.resize(done);
    edits.push_back(std::move(edit));
    if (edits.size() > capacity) edits.pop_front();
    done = edits.size();
}

std::optional<Edit> EditHistory::undo()
{
    if (done == 0) return std::nullopt;
    --done;
    ++steps;
    return edits[done].reversed();
}

std::optional<Edit> EditHistory::redo()
{
    if (done == edits.size()) return std::nullopt;
    ++done;
    ++steps;
    return edits[done - 1];
}

} // namespace Game
