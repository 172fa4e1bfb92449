#include "Game/Audio/ProgressCues.h"

namespace Audio {

namespace {
void addRaceCues(const RaceView& before, const RaceView& now, std::vector<Effect>& cues)
{
    if (now.checkpointsReached > before.checkpointsReached) cues.push_back(Effect::checkpoint);
    if (!before.finished && now.finished) cues.push_back(now.newRecord ? Effect::newRecord : Effect::finish);
}

void addEditorCues(const EditorView& before, const EditorView& now, std::vector<Effect>& cues)
{
    if (now.undoSteps != before.undoSteps)
        cues.push_back(Effect::editorUndo);
    else if (now.blocks > before.blocks)
        cues.push_back(Effect::editorPlace);
    else if (now.blocks < before.blocks)
        cues.push_back(Effect::editorDelete);
}
} // namespace

std::vector<Effect> progressCues(const ProgressView& before, const ProgressView& now)
{
    std::vector<Effect> cues;
    if (before.race && now.race) addRaceCues(*before.race, *now.race, cues);
    if (before.editor && now.editor) addEditorCues(*before.editor, *now.editor, cues);
    return cues;
}

} // namespace Audio
